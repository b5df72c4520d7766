#include "settings/font_record.h"

#include <gtest/gtest.h>

#include "ini_fixture.h"

#include <limits>

#include "scratch_dir.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDir;

class FontRecordTest : public testing::IniFixture {};

TEST(HeightForSize, RoundsAtNinetySixPixelsPerInch) {
    EXPECT_EQ(HeightForSize(10), -13);
    EXPECT_EQ(HeightForSize(12), -16);
    EXPECT_EQ(HeightForSize(8), -11);
    EXPECT_EQ(HeightForSize(11), -15);
    EXPECT_EQ(HeightForSize(0), 0);
    EXPECT_EQ(HeightForSize(-10), 13);  // a negative size gives a cell height
    EXPECT_EQ(HeightForSize(std::numeric_limits<int32_t>::max()),
              std::numeric_limits<int32_t>::min());
    EXPECT_EQ(HeightForSize(std::numeric_limits<int32_t>::min()),
              std::numeric_limits<int32_t>::max());
}

TEST(ColourValue, SystemColoursHaveTheTopBitSet) {
    EXPECT_EQ(kTooltipBackground, -2147483624);
    EXPECT_EQ(SystemColourNumber(kTooltipBackground), 24);
    EXPECT_FALSE(IsSystemColour(RgbColour(255, 255, 255)));
    EXPECT_EQ(RgbColour(255, 255, 0), 65535);
    EXPECT_EQ(RgbColour(300, -4, 128), RgbColour(255, 0, 128));
    EXPECT_EQ(BlueOf(RgbColour(0x12, 0x34, 0x56)), 0x56);
}

TEST_F(FontRecordTest, MissingSectionOrMalformedKeysGiveTheDefaults) {
    IniFile empty(m_file);
    EXPECT_EQ(ReadFontRecord(empty, "Police"), FontRecord{});
    IniFile malformed = Open("[Police]\r\ncouleur=red\r\ntaille=big\r\ngras=x\r\n");
    EXPECT_EQ(ReadFontRecord(malformed, "Police"), FontRecord{});
}

TEST_F(FontRecordTest, SizeDecidesTheHeightWrittenBack) {
    IniFile ini = Open("[Police]\r\nhauteur=-13\r\ntaille=12\r\n");
    FontRecord font = ReadFontRecord(ini, "Police");
    EXPECT_EQ(font.size, 12);
    EXPECT_EQ(font.height, -16);
    ini.EraseSection("Police");
    WriteFontRecord(ini, "Police", font);
    EXPECT_NE(SavedBytes(ini).find("hauteur=-16\r\nnom=arial\r\ntaille=12\r\n"), std::string::npos);
}

TEST_F(FontRecordTest, StylesReadAsIntegers) {
    IniFile ini = Open(
        "[p]\r\ngras=5\r\nitalique=x\r\nSOULIGN\xC9=1\r\nbarr\xE9=0\r\n"
        "[q]\r\ngras=x\r\nitalique=0x1\r\n");
    FontRecord p = ReadFontRecord(ini, "p");
    EXPECT_TRUE(p.bold);
    EXPECT_FALSE(p.italic);
    EXPECT_TRUE(p.underline);
    EXPECT_FALSE(p.strikeOut);
    FontRecord q = ReadFontRecord(ini, "q");
    EXPECT_FALSE(q.bold);
    EXPECT_TRUE(q.italic);
}

TEST_F(FontRecordTest, WritesTheEightKeysInOrderAndReadsThemBack) {
    FontRecord font;
    font.colour = RgbColour(255, 0, 0);
    font.size = 14;
    font.height = HeightForSize(14);
    font.name = "Liberation Sans Œuvre";
    font.bold = true;
    font.strikeOut = true;
    IniFile ini(m_file);
    WriteFontRecord(ini, "postit3", font);
    EXPECT_EQ(SavedBytes(ini),
              "[postit3]\r\ncouleur=255\r\nhauteur=-19\r\nnom=Liberation Sans \x8Cuvre\r\n"
              "taille=14\r\ngras=1\r\nitalique=0\r\nsoulign\xE9=0\r\nbarr\xE9=1\r\n");
    EXPECT_EQ(ReadFontRecord(IniFile(m_file), "postit3"), font);
}

}  // namespace
}  // namespace brivonce
