#include "notes/postit_store.h"

#include <algorithm>
#include <charconv>

#include "settings/memo_file.h"
#include "text/error.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCannotDelete = "Impossible de supprimer le fichier %s";
constexpr std::string_view kTextExtension = ".txt";
constexpr size_t kMostDigits = 9;  // the counter can always count one further

int32_t DefaultOffset(int number, int screenExtent) {
    int64_t offset = int64_t{10} * number;
    return offset > screenExtent - 100 ? 0 : static_cast<int32_t>(offset);
}

// "12.txt" -> 12; 0 for any name the program would not have written.
int NumberOfFileName(std::string_view name) {
    if (!name.ends_with(kTextExtension)) {
        return 0;
    }
    std::string_view digits = name.substr(0, name.size() - kTextExtension.size());
    if (digits.empty() || digits.size() > kMostDigits || digits.front() == '0') {
        return 0;
    }
    int number = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size() ? number : 0;
}

}  // namespace

std::string PostitSection(int number) {
    return "postit" + std::to_string(number);
}

fs::path PostitFolder(const fs::path& dataFolder) {
    return dataFolder / kPostitFolderName;
}

fs::path PostitTextFile(const fs::path& dataFolder, int number) {
    return PostitFolder(dataFolder) / (std::to_string(number) + std::string(kTextExtension));
}

PostitSettings DefaultPostitSettings(int number, ScreenSize screen) {
    PostitSettings settings;
    settings.x = DefaultOffset(number, screen.width);
    settings.y = DefaultOffset(number, screen.height);
    return settings;
}

PostitSettings ReadPostitSettings(const IniFile& ini, int number, ScreenSize screen) {
    const PostitSettings defaults = DefaultPostitSettings(number, screen);
    const std::string section = PostitSection(number);
    PostitSettings settings;
    settings.x = ini.ReadInteger(section, kKeyX, defaults.x);
    settings.y = ini.ReadInteger(section, kKeyY, defaults.y);
    settings.w = ini.ReadInteger(section, kKeyW, defaults.w);
    settings.h = ini.ReadInteger(section, kKeyH, defaults.h);
    settings.ascenseurs = ini.ReadInteger(section, kKeyAscenseurs, defaults.ascenseurs);
    settings.font = ReadFontRecord(ini, section);
    settings.couleurmemo = ini.ReadInteger(section, kKeyCouleurMemo, defaults.couleurmemo);
    return settings;
}

void WritePostitSettings(IniFile& ini, int number, const PostitSettings& settings) {
    const std::string section = PostitSection(number);
    ini.EraseSection(section);
    ini.WriteInteger(section, kKeyX, settings.x);
    ini.WriteInteger(section, kKeyY, settings.y);
    ini.WriteInteger(section, kKeyW, settings.w);
    ini.WriteInteger(section, kKeyH, settings.h);
    ini.WriteInteger(section, kKeyAscenseurs, settings.ascenseurs);
    WriteFontRecord(ini, section, settings.font);
    ini.WriteInteger(section, kKeyCouleurMemo, settings.couleurmemo);
}

PostitSettings LoadPostitSettings(const fs::path& dataFolder, int number, ScreenSize screen) {
    return ReadPostitSettings(IniFile(dataFolder / kSettingsFileName), number, screen);
}

void SavePostitSettings(const fs::path& dataFolder, int number, const PostitSettings& settings) {
    IniFile ini(dataFolder / kSettingsFileName);
    WritePostitSettings(ini, number, settings);
    ini.Save();
}

std::string LoadPostitText(const fs::path& dataFolder, int number) {
    return ReadEditText(PostitTextFile(dataFolder, number));
}

void SavePostitText(const fs::path& dataFolder, int number, std::string_view text) {
    WriteEditText(PostitTextFile(dataFolder, number), text);
}

void EnsurePostitFolder(const fs::path& dataFolder) {
    std::error_code error;
    fs::path folder = PostitFolder(dataFolder);
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder, error)) {
        throw Error(FormatMessage(kCannotCreate, folder.string()));
    }
}

void DeletePostit(const fs::path& dataFolder, int number) {
    fs::path file = PostitTextFile(dataFolder, number);
    std::error_code error;
    fs::remove(file, error);
    if (error) {
        throw Error(FormatMessage(kCannotDelete, file.string()));
    }
    IniFile ini(dataFolder / kSettingsFileName);
    if (ini.SectionExists(PostitSection(number))) {
        ini.EraseSection(PostitSection(number));
        ini.Save();
    }
}

std::vector<int> StoredPostitNumbers(const fs::path& dataFolder) {
    fs::path folder = PostitFolder(dataFolder);
    std::error_code error;
    if (!fs::exists(folder, error)) {
        return {};
    }
    std::vector<std::string> names;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        std::error_code typeError;
        if (entries->is_regular_file(typeError) &&
            NumberOfFileName(entries->path().filename().string()) > 0) {
            names.push_back(entries->path().filename().string());
        }
    }
    if (error) {
        throw Error(FormatMessage(kCannotOpen, folder.string()));
    }
    // Digits and ".txt" only, so plain byte order is the case-blind name order.
    std::sort(names.begin(), names.end());
    std::vector<int> numbers;
    for (const std::string& name : names) {
        numbers.push_back(NumberOfFileName(name));
    }
    return numbers;
}

int PostitCounter::Next(const fs::path& dataFolder) {
    std::error_code error;
    do {
        ++m_highest;
    } while (fs::exists(PostitTextFile(dataFolder, m_highest), error));
    return m_highest;
}

}  // namespace brivonce
