#include "notes/shopping_list.h"

#include <algorithm>
#include <vector>

#include "text/cp1252.h"
#include "text/error.h"
#include "text/lines.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

constexpr int kItemsPerColumn = 12;

// Column by column, 12 items each; the fifth column is left empty.
constexpr std::string_view kDefaultTexts[4][kItemsPerColumn] = {
    {"Pain", "Gâteaux", "Fromage", "Lait", "Yaourts", "Salade", "Fruits", "Légumes", "Surgelés",
     "Viande", "Charcuterie", "Café"},
    {"Liquide vaisselle", "Papier toilette", "Savon", "Dentifrice", "Ampoules", "Piles", "Photos",
     "Disquettes", "Cassettes video", "Cassettes audio", "Chaussures", "Chaussettes"},
    {"Eau minérale", "Vin", "Bière", "Coca-Cola", "Jus d'orange", "Riz", "Pâtes", "Pommes de terre",
     "Sucre morceaux", "Sucre poudre", "Sel", "Moutarde"},
    {"Chips", "Cacahuètes", "Gâteaux apéritif", "Bonbons", "Biscottes", "Conserves", "Chocolat",
     "Livres", "Journaux", "Papeterie", "Animaux", "Lames de rasoir"},
};

std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

}  // namespace

ShoppingList DefaultShoppingList() {
    ShoppingList list;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < kItemsPerColumn; ++row) {
            list[column * kItemsPerColumn + row].text = kDefaultTexts[column][row];
        }
    }
    list[0].ticked = true;
    return list;
}

ShoppingList LoadShoppingList(const std::filesystem::path& dataFolder) {
    auto bytes = ReadWholeFile(dataFolder / kShoppingListFileName, kCannotOpen);
    if (!bytes) {
        return DefaultShoppingList();
    }
    // Cut in the file's one-byte characters, before they become UTF-8.
    std::vector<std::string> lines = SplitLines(*bytes);
    ShoppingList list;
    for (size_t k = 0; k < list.size() && k < lines.size(); ++k) {
        std::string_view line = lines[k];
        list[k].ticked = line.starts_with('1');
        if (line.size() > 1) {
            list[k].text = Cp1252ToUtf8(line.substr(1, kShoppingTextLength));
        }
    }
    return list;
}

void SaveShoppingList(const std::filesystem::path& dataFolder, const ShoppingList& list) {
    std::vector<std::string> lines;
    for (const ShoppingItem& item : list) {
        lines.push_back((item.ticked ? "1" : "0") + OneLine(item.text));
    }
    ReplaceFile(dataFolder / kShoppingListFileName, Utf8ToCp1252(JoinLinesCrLf(lines)),
                kCannotWrite);
}

}  // namespace brivonce
