#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "settings/ini_file.h"

namespace brivonce {

// Settings the program keeps beyond those of its first versions live in a
// section of their own. A key is written only while its value differs from
// its default and removed when it goes back to it, so the file of a user who
// never changed them stays exactly as those versions write it. SaveAll
// rewrites only its own sections and leaves this one alone.
inline constexpr std::string_view kSectionExtras = "Extras";

struct ExtraSetting {
    std::string_view key;
    int32_t defaultValue = 0;
};

// Set once the user was told that the desktop shows no notification area.
inline constexpr ExtraSetting kNoTrayNoticeShown{"NoTrayNoticeShown", 0};

int32_t ReadExtra(const IniFile& ini, ExtraSetting setting);
void WriteExtra(IniFile& ini, ExtraSetting setting, int32_t value);

// Reads and writes brivonce.ini of the data folder at once. Raise Error.
int32_t LoadExtra(const std::filesystem::path& dataFolder, ExtraSetting setting);
void SaveExtra(const std::filesystem::path& dataFolder, ExtraSetting setting, int32_t value);

}  // namespace brivonce
