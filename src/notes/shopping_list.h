#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace brivonce {

inline constexpr std::string_view kShoppingListFileName = "COURSES.TXT";
inline constexpr int kShoppingItemCount = 60;
// What one line of the file gives back; the window lets no more be typed.
inline constexpr size_t kShoppingTextLength = 255;

struct ShoppingItem {
    bool ticked = false;
    std::string text;  // UTF-8

    bool operator==(const ShoppingItem&) const = default;
};

// Item k (1..60) is at index k - 1; shown 12 to a column.
using ShoppingList = std::array<ShoppingItem, kShoppingItemCount>;

// The list a first run shows: the usual shopping, bread ticked.
ShoppingList DefaultShoppingList();

// data folder + "COURSES.TXT", one line per item: "1" or "0" for the tick,
// then the text. A missing file gives the default list; missing lines give
// unticked empty items; a text is its line's characters 2 to 256; lines
// after the 60th are not read. Raises Error when the file cannot be read.
ShoppingList LoadShoppingList(const std::filesystem::path& dataFolder);

// The 60 lines, each text whole, each line ended by CR LF. A line break
// inside a text is written as a space, so that it cannot shift the items
// below it. Raises Error; the old file then stays whole.
void SaveShoppingList(const std::filesystem::path& dataFolder, const ShoppingList& list);

}  // namespace brivonce
