#include "settings/save_all.h"

#include "settings/ini_file.h"
#include "settings/memo_file.h"

namespace brivonce {

void SaveAll(const std::filesystem::path& dataFolder, const SaveAllInput& input) {
    if (input.memoText) {
        SaveMemoText(dataFolder, *input.memoText);
    }
    if (input.saveShoppingList) {
        input.saveShoppingList();
    }
    IniFile ini(dataFolder / kSettingsFileName);
    WriteSettings(ini, input.settings);
    ini.Save();
}

}  // namespace brivonce
