#include "notes/shopping_list.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDir;

class ShoppingListFile : public ::testing::Test {
protected:
    void Write(std::string_view bytes) { ReplaceFile(m_file, bytes, kCannotWrite); }
    std::string Bytes() { return ReadWholeFile(m_file, kCannotOpen).value_or("(missing)"); }

    ScratchDir m_dir;
    fs::path m_file = m_dir / "COURSES.TXT";
};

TEST_F(ShoppingListFile, MissingFileGivesTheDefaultList) {
    ShoppingList list = LoadShoppingList(m_dir.path());
    EXPECT_EQ(list, DefaultShoppingList());
    EXPECT_EQ(list[0], (ShoppingItem{true, "Pain"}));
    EXPECT_EQ(list[12], (ShoppingItem{false, "Liquide vaisselle"}));
    EXPECT_EQ(list[26].text, "Bière");
    EXPECT_EQ(list[47].text, "Lames de rasoir");
    for (size_t k = 1; k < list.size(); ++k) {
        EXPECT_FALSE(list[k].ticked) << k + 1;
        EXPECT_EQ(list[k].text.empty(), k >= 48) << k + 1;
    }
}

TEST_F(ShoppingListFile, EachLineIsATickThenTheText) {
    struct Case {
        std::string line;
        ShoppingItem item;
    };
    const Case cases[] = {
        {"1Pain", {true, "Pain"}},
        {"1", {true, ""}},
        {"", {false, ""}},
        {"0", {false, ""}},
        {"x1 kg", {false, "1 kg"}},
        {" Lait", {false, "Lait"}},
        {"01 kg de riz", {false, "1 kg de riz"}},
        {"1P\xE2tes", {true, "Pâtes"}},
    };
    for (const Case& c : cases) {
        Write(c.line + "\r\n");
        EXPECT_EQ(LoadShoppingList(m_dir.path())[0], c.item) << c.line;
    }
    ShoppingList list;
    list[0] = {false, "1 kg de riz"};
    list[1] = {true, "Pâtes"};
    SaveShoppingList(m_dir.path(), list);
    EXPECT_TRUE(Bytes().starts_with("01 kg de riz\r\n1P\xE2tes\r\n0\r\n"));
}

TEST_F(ShoppingListFile, ShortFilesFillUpAndLongOnesAreCut) {
    std::string tenLines;
    for (int k = 1; k <= 10; ++k) {
        tenLines += "1item" + std::to_string(k) + (k < 10 ? "\r\n" : "");
    }
    Write(tenLines);
    ShoppingList list = LoadShoppingList(m_dir.path());
    EXPECT_EQ(list[9], (ShoppingItem{true, "item10"}));
    EXPECT_EQ(list[10], ShoppingItem{});
    EXPECT_EQ(list[59], ShoppingItem{});
    SaveShoppingList(m_dir.path(), list);
    std::string saved = Bytes();
    EXPECT_TRUE(saved.starts_with(tenLines + "\r\n0\r\n"));
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 60);
    EXPECT_TRUE(saved.ends_with("\r\n0\r\n"));

    // Lines after the 60th are dropped; a text keeps its first 255 characters.
    std::string lines;
    for (int k = 1; k <= 62; ++k) {
        lines += (k == 2 ? "0" + std::string(300, '\xE9') : "1line" + std::to_string(k)) + "\n";
    }
    Write(lines);
    list = LoadShoppingList(m_dir.path());
    EXPECT_EQ(list[59].text, "line60");
    EXPECT_EQ(list[1].text.size(), 255u * 2);  // "é" is two bytes in UTF-8
    list[1].text = std::string(300, 'a');      // written whole all the same
    SaveShoppingList(m_dir.path(), list);
    EXPECT_EQ(Bytes().find("line61"), std::string::npos);
    EXPECT_NE(Bytes().find("\r\n0" + std::string(300, 'a') + "\r\n"), std::string::npos);
}

TEST_F(ShoppingListFile, ALineBreakInATextCannotShiftTheItemsBelow) {
    ShoppingList list;
    list[0] = {true, "a\r\nb\nc"};
    SaveShoppingList(m_dir.path(), list);
    EXPECT_TRUE(Bytes().starts_with("1a  b c\r\n0\r\n"));
}

}  // namespace
}  // namespace brivonce
