#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "settings/settings.h"

namespace brivonce {

// What the memo window gathers from the windows before saving everything.
struct SaveAllInput {
    // UTF-8. nullopt while the memo was never loaded: brivonce.txt is then
    // left alone rather than replaced by an empty memo.
    std::optional<std::string> memoText;
    // Writes the shopping list; empty while there is no shopping list to save.
    std::function<void()> saveShoppingList;
    // The caller passes what it read for anything its windows never loaded,
    // so the file keeps the user's values.
    Settings settings;
};

// The memo, then the shopping list, then the settings file (read, its five
// sections written again, saved at once). The first failure raises Error and
// skips the rest; a failed settings save leaves the old file whole.
void SaveAll(const std::filesystem::path& dataFolder, const SaveAllInput& input);

}  // namespace brivonce
