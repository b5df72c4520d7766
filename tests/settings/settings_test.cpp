#include "settings/settings.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDir;

constexpr ScreenSize kScreen{1024, 768};

// The five sections with every default on a 1024 x 768 screen.
constexpr std::string_view kDefaultFile =
    "[MainW]\r\nx=794\r\ny=468\r\nw=205\r\nh=200\r\nMaxi=0\r\n"
    "[Options]\r\nVisible=0\r\nAlarme=1\r\nAscenseurs=0\r\nfas=2\r\n"
    "Heure de d\xE9"
    "but=7\r\ncouleur=-2147483624\r\n"
    "[Police]\r\ncouleur=0\r\nhauteur=-13\r\nnom=arial\r\ntaille=10\r\n"
    "gras=0\r\nitalique=0\r\nsoulign\xE9=0\r\nbarr\xE9=0\r\n"
    "[PolicePast]\r\ncouleur=0\r\nhauteur=-13\r\nnom=arial\r\ntaille=10\r\n"
    "gras=0\r\nitalique=0\r\nsoulign\xE9=0\r\nbarr\xE9=0\r\n"
    "[Config]\r\nImprime=0\r\nPromptOnClose=0\r\nWinStart=1\r\nShowOnStart=1\r\n";

class SettingsTest : public ::testing::Test {
protected:
    void Put(std::string_view bytes) { ReplaceFile(m_file, bytes, kCannotWrite); }
    std::string Bytes() { return ReadWholeFile(m_file, kCannotOpen).value(); }
    // Reads the file and writes back what was read, as a save without any
    // change on screen does.
    void LoadAndSave() {
        IniFile ini(m_file);
        WriteSettings(ini, LoadSettings(ini, kScreen));
        ini.Save();
    }

    ScratchDir m_dir;
    fs::path m_file = m_dir / "brivonce.ini";
};

// The other defaults show in the default file below.
TEST_F(SettingsTest, NoFileGivesTheDefaultsAndAPlaceMeasuredFromTheScreen) {
    Settings settings = LoadSettings(IniFile(m_file), kScreen);
    EXPECT_EQ(settings, DefaultSettings(kScreen));
    EXPECT_EQ(settings.mainW, (MainWindowPlacement{794, 468, 205, 200, false}));
}

TEST_F(SettingsTest, FirstSaveWritesTheWholeDefaultFileByteForByte) {
    LoadAndSave();
    EXPECT_EQ(Bytes(), kDefaultFile);
    LoadAndSave();
    EXPECT_EQ(Bytes(), kDefaultFile);
}

TEST_F(SettingsTest, SavingTwiceGivesTheSameBytes) {
    Put("[Autre]\r\nclef=valeur\r\n\r\n[Config]\r\nWinStart=0\r\n[MainW]\r\nMaxi=1\r\n"
        "[Police]\r\ntaille=12\r\nhauteur=-13\r\n");
    LoadAndSave();
    std::string first = Bytes();
    LoadAndSave();
    EXPECT_EQ(Bytes(), first);
    EXPECT_NE(first.find("hauteur=-16"), std::string::npos);
}

TEST_F(SettingsTest, ForeignSectionsSurviveAndTheFiveEndTheFileInOrder) {
    Put("; written by hand\r\n"
        "[Config]\r\nImprime=2\r\n"
        "[postit1]\r\nx=10\r\ncouleurmemo=65535\r\n"
        "[Options]\r\nfas=1\r\nExtra=lost\r\n"
        "[MainW]\r\nx=0x10\r\n"
        "[postit2]\r\nnom=\xE9t\xE9\r\n");
    LoadAndSave();
    std::string expected(kDefaultFile);
    expected.replace(expected.find("x=794"), 5, "x=16");
    expected.replace(expected.find("fas=2"), 5, "fas=1");
    expected.replace(expected.find("Imprime=0"), 9, "Imprime=2");
    expected.insert(0,
                    "; written by hand\r\n"
                    "[postit1]\r\nx=10\r\ncouleurmemo=65535\r\n"
                    "[postit2]\r\nnom=\xE9t\xE9\r\n");
    EXPECT_EQ(Bytes(), expected);
}

TEST_F(SettingsTest, OutOfRangeMenuValuesAreReadAndWrittenAsTheyAre) {
    Put("[Options]\r\nAscenseurs=7\r\nfas=-1\r\nHeure de d\xE9"
        "but=30\r\n");
    Settings settings = LoadSettings(IniFile(m_file), kScreen);
    EXPECT_EQ(settings.options.ascenseurs, 7);
    EXPECT_EQ(settings.options.fas, -1);
    EXPECT_EQ(settings.options.heureDeDebut, 30);
    LoadAndSave();
    std::string bytes = Bytes();
    EXPECT_NE(bytes.find("Ascenseurs=7\r\nfas=-1\r\nHeure de d\xE9"
                         "but=30\r\n"),
              std::string::npos);
}

TEST_F(SettingsTest, EveryKeyRoundTrips) {
    Settings settings = DefaultSettings(kScreen);
    settings.mainW = {-20, 35, 640, 480, true};
    settings.options = {true, false, 3, 0, 12, RgbColour(1, 2, 3)};
    settings.police.name = "DejaVu Sans";
    settings.police.size = 12;
    settings.police.height = HeightForSize(12);
    settings.police.italic = true;
    settings.policePast.colour = kTooltipBackground;
    settings.policePast.underline = true;
    settings.config = {1, true, false, false};
    IniFile ini(m_file);
    WriteSettings(ini, settings);
    ini.Save();
    EXPECT_EQ(LoadSettings(IniFile(m_file), kScreen), settings);
}

TEST_F(SettingsTest, MalformedValuesFallBackToTheirOwnDefaults) {
    Put("[MainW]\r\nx=12abc\r\nw=\r\nMaxi=oui\r\n[Options]\r\nAlarme=non\r\ncouleur=jaune\r\n"
        "[Config]\r\nWinStart=\r\n");
    EXPECT_EQ(LoadSettings(IniFile(m_file), kScreen), DefaultSettings(kScreen));
}

TEST(FitInsideTest, WindowsOutsideTheScreenComeBackAndLargeOnesAreCut) {
    const ScreenArea screen{0, 0, 1024, 740};  // 1024 x 768 less a 28-pixel panel
    struct Case {
        MainWindowPlacement saved;
        MainWindowPlacement shown;
    };
    const Case cases[] = {
        {{794, 440, 205, 200}, {794, 440, 205, 200}},     // inside: unchanged
        {{100000, 468, 205, 200}, {819, 468, 205, 200}},  // far right
        {{-500, -40, 205, 200}, {0, 0, 205, 200}},        // above and left
        {{600, 700, 205, 200}, {600, 540, 205, 200}},     // under the panel
        {{10, 10, 3000, 2000}, {0, 0, 1024, 740}},        // larger than the screen
        {{1024, 740, 205, 200, true}, {819, 540, 205, 200, true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitInside(c.saved, screen), c.shown) << c.saved.x << "," << c.saved.y;
    }
    // A second screen to the left of the first.
    EXPECT_EQ(FitInside({-1500, 100, 205, 200}, {-1280, 0, 1280, 1024}),
              (MainWindowPlacement{-1280, 100, 205, 200}));
}

}  // namespace
}  // namespace brivonce
