#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace brivonce {

// What decides where the user's files live.
struct DataFolderSources {
    std::filesystem::path programFolder;                 // folder of the running program file
    std::optional<std::filesystem::path> dataDirOption;  // --data-dir, when given
    std::string xdgDataHome;                             // $XDG_DATA_HOME, may be empty
    std::string home;                                    // $HOME
};

// --data-dir wins; then the program's own folder when it already holds a
// brivonce.ini (a portable install); otherwise $XDG_DATA_HOME/brivonce/
// (default ~/.local/share/brivonce/). The text always ends with "/". An empty
// --data-dir raises Error.
std::string ChooseDataFolder(const DataFolderSources& sources);

// ChooseDataFolder with $XDG_DATA_HOME and $HOME read from the environment.
std::string ChooseDataFolder(const std::filesystem::path& programFolder,
                             const std::optional<std::filesystem::path>& dataDirOption);

inline constexpr const char* kCannotCreateFolder = "Impossible de créer le dossier %s";

// Creates the folder when it is missing; raises Error when it cannot.
void EnsureDataFolder(const std::string& folder);

}  // namespace brivonce
