#include "app/data_folder.h"

#include <cstdlib>

#include "text/error.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;

std::string WithFinalSlash(const fs::path& folder) {
    std::string text = folder.lexically_normal().string();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

}  // namespace

std::string ChooseDataFolder(const DataFolderSources& sources) {
    std::error_code ec;
    if (sources.dataDirOption) {
        fs::path folder = fs::absolute(*sources.dataDirOption, ec);
        if (sources.dataDirOption->empty() || ec) {
            throw Error(FormatMessage(kCannotCreateFolder, sources.dataDirOption->string()));
        }
        return WithFinalSlash(folder);
    }
    if (!sources.programFolder.empty() &&
        fs::is_regular_file(sources.programFolder / "brivonce.ini", ec)) {
        return WithFinalSlash(sources.programFolder);
    }
    fs::path base = !sources.xdgDataHome.empty() && fs::path(sources.xdgDataHome).is_absolute()
                        ? fs::path(sources.xdgDataHome)
                        : fs::path(sources.home) / ".local" / "share";
    return WithFinalSlash(base / "brivonce");
}

std::string ChooseDataFolder(const fs::path& programFolder,
                             const std::optional<fs::path>& dataDirOption) {
    auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    };
    return ChooseDataFolder(DataFolderSources{programFolder, dataDirOption,
                                              variable("XDG_DATA_HOME"), variable("HOME")});
}

void EnsureDataFolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) {
        throw Error(FormatMessage(kCannotCreateFolder, folder));
    }
}

}  // namespace brivonce
