#include "settings/extra_settings.h"

#include "settings/settings.h"

namespace brivonce {

int32_t ReadExtra(const IniFile& ini, ExtraSetting setting) {
    return ini.ReadInteger(kSectionExtras, setting.key, setting.defaultValue);
}

void WriteExtra(IniFile& ini, ExtraSetting setting, int32_t value) {
    if (value == setting.defaultValue) {
        ini.EraseKey(kSectionExtras, setting.key);
    } else {
        ini.WriteInteger(kSectionExtras, setting.key, value);
    }
}

int32_t LoadExtra(const std::filesystem::path& dataFolder, ExtraSetting setting) {
    return ReadExtra(IniFile(dataFolder / kSettingsFileName), setting);
}

void SaveExtra(const std::filesystem::path& dataFolder, ExtraSetting setting, int32_t value) {
    IniFile ini(dataFolder / kSettingsFileName);
    WriteExtra(ini, setting, value);
    ini.Save();
}

}  // namespace brivonce
