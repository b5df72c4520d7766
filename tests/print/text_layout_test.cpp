#include "print/text_layout.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

// Every character `charWidth` dots wide (UTF-8 counted by characters), every
// piece `textHeight` high.
struct FixedDevice : TextDevice {
    int pageWidth = 1000;
    int pageHeight = 6600;
    int averageCharWidth = 10;
    int charWidth = 10;
    int textHeight = 50;
    int cellHeight = 50;

    int PageWidth() const override { return pageWidth; }
    int PageHeight() const override { return pageHeight; }
    int AverageCharWidth() const override { return averageCharWidth; }
    int CellHeight() const override { return cellHeight; }
    int TextHeight(std::string_view) const override { return textHeight; }
    int TextWidth(std::string_view piece) const override {
        int characters = 0;
        for (unsigned char c : piece) {
            characters += (c & 0xC0) != 0x80;
        }
        return characters * charWidth;
    }
};

FixedDevice Narrow(int pageWidth, int charWidth) {
    FixedDevice device;
    device.pageWidth = pageWidth;
    device.charWidth = charWidth;
    return device;
}

std::vector<std::string> Repeated(const std::string& line, int count) {
    return std::vector<std::string>(count, line);
}

// One piece per line, each line 52 dots under the one before.
PrintedPage Column(const std::string& text, int count, int firstY = 0) {
    PrintedPage page;
    for (int i = 0; i < count; ++i) {
        page.push_back({text, 0, firstY + 52 * i});
    }
    return page;
}

struct LayoutCase {
    const char* name;
    FixedDevice device;
    std::vector<std::string> lines;
    std::vector<PrintedPage> pages;
};

const std::string k79(79, 'a');
const std::string k78(78, 'a');
const std::string k90(90, 'a');

const LayoutCase kCases[] = {
    {"EmptyTextGivesOneBlankPage", {}, {}, {{}}},
    {"LineWiderThanThePageGoesOnAtTheLeft",
     Narrow(100, 10),
     {"Bonjour tout le monde"},
     {{{"Bonjour to", 0, 0}, {"ut le mond", 0, 52}, {"e", 0, 104}}}},
    {"TextLinesAreTwoDotsApartAndAnEmptyLineTakesTheCell",
     {},
     {"a", "", "b"},
     {{{"a", 0, 0}, {"b", 0, 102}}}},
    // T = 80 dots; characters are 1 dot wide so X can stand anywhere.
    {"TabAtZeroMovesToT", Narrow(1000, 1), {"\tx"}, {{{"x", 80, 0}}}},
    {"TabAtTMinusOneMovesToTwoT", Narrow(1000, 1), {k79 + "\tx"}, {{{k79, 0, 0}, {"x", 160, 0}}}},
    {"TabAtTMinusTwoMovesToT", Narrow(1000, 1), {k78 + "\tx"}, {{{k78, 0, 0}, {"x", 80, 0}}}},
    {"TabBeyondThePageStartsANewLine",
     Narrow(100, 1),
     {k90 + "\tx"},
     {{{k90, 0, 0}, {"x", 0, 52}}}},
    {"CarriageReturnKeepsThePosition", {}, {"ab\rcd"}, {{{"ab", 0, 0}, {"cd", 20, 0}}}},
    {"LineFeedStartsALine", {}, {"ab\ncd"}, {{{"ab", 0, 0}, {"cd", 0, 52}}}},
    {"FormFeedStartsAPage", {}, {"ab\fcd", "e"}, {{{"ab", 0, 0}}, {{"cd", 0, 0}, {"e", 0, 52}}}},
    {"LongLinesAreCutBetweenCharactersNotBytes",
     Narrow(30, 10),
     {"ééééé"},
     {{{"ééé", 0, 0}, {"éé", 0, 52}}}},
    {"CharacterWiderThanThePageIsPrintedAlone",
     Narrow(5, 10),
     {"ab"},
     {{{"a", 0, 0}, {"b", 0, 52}}}},
    // 52-dot lines on 6600 dots: a new page once Y > 6600 - 104 = 6496,
    // that is after the 125th line (Y = 6500).
    {"NewPageOnceYPassesThePageLessTwoLines",
     {},
     Repeated("x", 126),
     {Column("x", 125), Column("x", 1)}},
    {"TextEndingAtTheFootLeavesNoBlankSheet", {}, Repeated("x", 125), {Column("x", 125)}},
};

class TextLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TextLayoutTest, PlacesEveryPiece) {
    const LayoutCase& c = GetParam();
    EXPECT_EQ(LayOutText(c.lines, c.device), c.pages);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, TextLayoutTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brivonce
