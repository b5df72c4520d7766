#include "notes/postit_store.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDir;

constexpr ScreenSize kScreen{1024, 768};

std::string Bytes(const fs::path& file) {
    return ReadWholeFile(file, kCannotOpen).value_or("(missing)");
}

PostitSettings Load(const fs::path& dataFolder, int number) {
    return ReadPostitSettings(IniFile(dataFolder / "brivonce.ini"), number, kScreen);
}

void Touch(const fs::path& file) {
    ReplaceFile(file, "", kCannotCreate);
}

TEST(PostitStore, DefaultsStepTenPixelsAndComeBackToTheEdgeNearTheScreensEnd) {
    struct Case {
        int number;
        int x;
        int y;
    };
    const Case cases[] = {{1, 10, 10},  {50, 500, 500}, {66, 660, 660},
                          {67, 670, 0}, {93, 0, 0},     {100, 0, 0}};
    for (const Case& c : cases) {
        PostitSettings settings = DefaultPostitSettings(c.number, kScreen);
        EXPECT_EQ(settings.x, c.x) << c.number;
        EXPECT_EQ(settings.y, c.y) << c.number;
    }
    // The first post-it ever: 175 x 200, black arial 10 on yellow, no scroll bars.
    PostitSettings first = DefaultPostitSettings(1, kScreen);
    EXPECT_EQ(first.w, 175);
    EXPECT_EQ(first.h, 200);
    EXPECT_EQ(first.ascenseurs, 0);
    EXPECT_EQ(first.font, FontRecord{});
    EXPECT_EQ(first.couleurmemo, 65535);
    ScratchDir dir;
    EXPECT_EQ(Load(dir.path(), 1), first);
}

TEST(PostitStore, SectionIsWrittenWholeInItsKeyOrderAndReadBack) {
    ScratchDir dir;
    ReplaceFile(dir / "brivonce.ini",
                "[postit3]\r\nmine=1\r\nx=5\r\ntaille=10\r\nhauteur=-40\r\n"
                "[Config]\r\nImprime=1\r\n",
                kCannotWrite);
    PostitSettings read = Load(dir.path(), 3);
    EXPECT_EQ(read.x, 5);
    EXPECT_EQ(read.y, 30);
    EXPECT_EQ(read.font.size, 10);
    EXPECT_EQ(read.font.height, -13);  // the size decides
    read.ascenseurs = 7;               // kept as read
    read.font.bold = true;
    read.couleurmemo = SystemColour(24);
    SavePostitSettings(dir.path(), {{3, read}});
    EXPECT_EQ(Bytes(dir / "brivonce.ini"),
              "[Config]\r\nImprime=1\r\n"
              "[postit3]\r\nx=5\r\ny=30\r\nw=175\r\nh=200\r\nAscenseurs=7\r\n"
              "couleur=0\r\nhauteur=-13\r\nnom=arial\r\ntaille=10\r\n"
              "gras=1\r\nitalique=0\r\nsoulign\xE9=0\r\nbarr\xE9=0\r\n"
              "couleurmemo=-2147483624\r\n");
    EXPECT_EQ(Load(dir.path(), 3), read);
}

TEST(PostitStore, OnlyNumberedTextFilesAreNotesInNameOrder) {
    ScratchDir dir;
    EXPECT_TRUE(StoredPostitNumbers(dir.path()).empty());  // no folder yet
    EnsurePostitFolder(dir.path());
    for (const char* name :
         {"10.txt", "2.txt", "1.txt", "notes.txt", "007.txt", "0.txt", "3.TXT", "-4.txt", "+5.txt",
          "6.txt.bak", "7", "1234567890.txt", "2.Txt", "9.tx"}) {
        Touch(dir / "postits" / name);
    }
    fs::create_directory(dir / "postits" / "8.txt");
    EXPECT_EQ(StoredPostitNumbers(dir.path()), (std::vector<int>{1, 10, 2, 3}));
}

// As on the system the notes may come from, where "3.TXT" is "3.txt".
TEST(PostitStore, ANoteFileInCapitalsIsReadSavedAndDeletedUnderItsName) {
    ScratchDir dir;
    EnsurePostitFolder(dir.path());
    ReplaceFile(dir / "postits" / "3.TXT", "d'avant", kCannotCreate);
    EXPECT_EQ(LoadPostitText(dir.path(), 3), "d'avant");
    SavePostitText(dir.path(), 3, "nouveau");
    EXPECT_EQ(Bytes(dir / "postits" / "3.TXT"), "nouveau");
    EXPECT_FALSE(fs::exists(dir / "postits" / "3.txt"));
    PostitCounter counter;
    EXPECT_EQ(counter.Next(dir.path()), 1);
    EXPECT_EQ(counter.Next(dir.path()), 2);
    EXPECT_EQ(counter.Next(dir.path()), 4);  // 3 is taken
    DeletePostit(dir.path(), 3);
    EXPECT_FALSE(PostitTextExists(dir.path(), 3));
}

// Stored places are applied within what the screens show; ordinary ones as
// they are. Two screens side by side: 1024 x 768 and 1280 x 1024 at x 1024.
TEST(PostitStore, ShownPlaceIsBoundedToTheScreens) {
    const std::vector<ScreenArea> screens = {{0, 0, 1024, 768}, {1024, 0, 1280, 1024}};
    constexpr int32_t kHuge = 2147483647;
    struct Case {
        int32_t x, y, w, h;
        int32_t shownX, shownY, shownW, shownH;
    } cases[] = {
        {500, 500, 175, 200, 500, 500, 175, 200},           // ordinary
        {1000, 700, 175, 200, 1000, 700, 175, 200},         // partly off, corner on: kept
        {1500, 900, 175, 200, 1500, 900, 175, 200},         // on the second screen only
        {0, 0, kHuge, kHuge, 0, 0, 2304, 1024},             // cut to the virtual desktop
        {kHuge, kHuge, kHuge, kHuge, 1024, 0, 1280, 1024},  // into the nearest screen
        {-kHuge - 1, 100, 175, 200, 0, 100, 175, 200},
        {500, 900, 175, 200, 500, 568, 175, 200},  // below the first screen
        {10, 10, -5, 0, 10, 10, 1, 1},
    };
    for (const Case& c : cases) {
        PostitSettings stored;
        stored.x = c.x;
        stored.y = c.y;
        stored.w = c.w;
        stored.h = c.h;
        stored.ascenseurs = 3;
        PostitSettings shown = ShownOnScreens(stored, screens);
        EXPECT_EQ(std::vector<int32_t>({shown.x, shown.y, shown.w, shown.h}),
                  std::vector<int32_t>({c.shownX, c.shownY, c.shownW, c.shownH}))
            << c.x << " " << c.y << " " << c.w << " " << c.h;
        EXPECT_EQ(shown.ascenseurs, 3);
    }
}

// Numbers of one run and of the next: 1 to 5 on disk.
TEST(PostitStore, DeletionRemovesFileAndSectionAndNumbersAreNotGivenTwiceInARun) {
    ScratchDir dir;
    EnsurePostitFolder(dir.path());
    for (int number = 1; number <= 5; ++number) {
        SavePostitText(dir.path(), number, "");
        SavePostitSettings(dir.path(), {{number, DefaultPostitSettings(number, kScreen)}});
    }
    auto counterAtStart = [&] {
        PostitCounter counter;
        for (int number : StoredPostitNumbers(dir.path())) {
            counter.Known(number);
        }
        return counter;
    };
    PostitCounter run = counterAtStart();
    DeletePostit(dir.path(), 3);
    EXPECT_FALSE(fs::exists(dir / "postits" / "3.txt"));
    EXPECT_EQ(Bytes(dir / "brivonce.ini").find("[postit3]"), std::string::npos);
    EXPECT_NE(Bytes(dir / "brivonce.ini").find("[postit4]"), std::string::npos);
    EXPECT_EQ(run.Next(dir.path()), 6);
    SavePostitText(dir.path(), 8, "");  // written while the folder was not looked at
    EXPECT_EQ(run.Next(dir.path()), 7);
    EXPECT_EQ(run.Next(dir.path()), 9);
    DeletePostit(dir.path(), 8);

    DeletePostit(dir.path(), 5);
    EXPECT_EQ(counterAtStart().Next(dir.path()), 5);
    DeletePostit(dir.path(), 9);  // never saved: nothing to remove

    // A file that cannot be removed keeps its section, so the note comes back whole.
    fs::create_directories(dir / "postits" / "7.txt" / "inside");
    SavePostitSettings(dir.path(), {{7, DefaultPostitSettings(7, kScreen)}});
    EXPECT_THROW(DeletePostit(dir.path(), 7), Error);
    EXPECT_NE(Bytes(dir / "brivonce.ini").find("[postit7]"), std::string::npos);
}

}  // namespace
}  // namespace brivonce
