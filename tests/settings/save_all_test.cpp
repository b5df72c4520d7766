#include "settings/save_all.h"

#include <gtest/gtest.h>

#include "mounted_tmpfs.h"
#include "scratch_dir.h"
#include "settings/memo_file.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using testing::MountedTmpfs;
using testing::ScratchDir;

constexpr ScreenSize kScreen{1024, 768};

std::string Bytes(const fs::path& file) {
    return ReadWholeFile(file, kCannotOpen).value();
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

TEST(MemoFile, RoundTripKeepsTheTextWithoutAddingALineBreak) {
    ScratchDir dir;
    SaveMemoText(dir.path(), "Dentiste 14:30\r\nÉté € 5\r\nfin");
    EXPECT_EQ(Bytes(dir / "brivonce.txt"), "Dentiste 14:30\r\n\xC9t\xE9 \x80 5\r\nfin");
    EXPECT_EQ(LoadMemoText(dir.path()), "Dentiste 14:30\r\nÉté € 5\r\nfin");
    SaveMemoText(dir.path(), "");
    EXPECT_EQ(Bytes(dir / "brivonce.txt"), "");
    EXPECT_EQ(LoadMemoText(dir.path()), "");
}

TEST(MemoFile, EveryLineBreakBecomesCrLf) {
    ScratchDir dir;
    SaveMemoText(dir.path(), "a\nb\rc\n\n");
    EXPECT_EQ(Bytes(dir / "brivonce.txt"), "a\r\nb\r\nc\r\n\r\n");
    ReplaceFile(dir / "brivonce.txt", "x\ry\nz\r\n", kCannotCreate);
    EXPECT_EQ(LoadMemoText(dir.path()), "x\r\ny\r\nz\r\n");
}

TEST(MemoFile, MissingIsEmptyAndFailuresNameTheFile) {
    ScratchDir dir;
    EXPECT_EQ(LoadMemoText(dir.path()), "");
    fs::create_directory(dir / "brivonce.txt");
    std::string path = (dir / "brivonce.txt").string();
    EXPECT_EQ(ErrorOf([&] { LoadMemoText(dir.path()); }), "Impossible d'ouvrir le fichier " + path);
    EXPECT_EQ(ErrorOf([&] { SaveMemoText(dir.path(), "x"); }),
              "Impossible de créer le fichier " + path);
}

class SaveAllTest : public ::testing::Test {
protected:
    SaveAllInput Input(std::optional<std::string> memo) {
        SaveAllInput input;
        input.memoText = std::move(memo);
        input.settings = DefaultSettings(kScreen);
        return input;
    }

    ScratchDir m_dir;
    fs::path m_memo = m_dir / "brivonce.txt";
    fs::path m_ini = m_dir / "brivonce.ini";
};

TEST_F(SaveAllTest, WritesMemoThenShoppingListThenSettings) {
    SaveAllInput input = Input("mémo");
    input.settings.options.fas = 0;
    bool shoppingSaved = false;
    input.saveShoppingList = [&] {
        EXPECT_EQ(Bytes(m_memo), "m\xE9mo");
        EXPECT_FALSE(fs::exists(m_ini));
        shoppingSaved = true;
    };
    SaveAll(m_dir.path(), input);
    EXPECT_TRUE(shoppingSaved);
    EXPECT_EQ(LoadSettings(IniFile(m_ini), kScreen), input.settings);
}

TEST_F(SaveAllTest, MemoNeverLoadedLeavesTheMemoFileAlone) {
    ReplaceFile(m_memo, "texte\nancien", kCannotCreate);
    SaveAll(m_dir.path(), Input(std::nullopt));
    EXPECT_EQ(Bytes(m_memo), "texte\nancien");
    EXPECT_TRUE(fs::exists(m_ini));
}

TEST_F(SaveAllTest, MemoFailureSkipsTheRest) {
    fs::create_directory(m_memo);
    SaveAllInput input = Input("x");
    bool shoppingSaved = false;
    input.saveShoppingList = [&] { shoppingSaved = true; };
    EXPECT_EQ(ErrorOf([&] { SaveAll(m_dir.path(), input); }),
              "Impossible de créer le fichier " + m_memo.string());
    EXPECT_FALSE(shoppingSaved);
    EXPECT_FALSE(fs::exists(m_ini));
}

TEST_F(SaveAllTest, ShoppingListFailureSkipsTheSettings) {
    SaveAllInput input = Input("x");
    input.saveShoppingList = [] { throw Error("Erreur E/S 28"); };
    EXPECT_EQ(ErrorOf([&] { SaveAll(m_dir.path(), input); }), "Erreur E/S 28");
    EXPECT_EQ(Bytes(m_memo), "x");
    EXPECT_FALSE(fs::exists(m_ini));
}

TEST(SaveAllOnDisk, SettingsFailureKeepsTheOldSettingsFile) {
    MountedTmpfs disk("size=64k");
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    fs::path ini = disk.path() / "brivonce.ini";
    ReplaceFile(ini, "[MainW]\r\nx=1\r\n[postit1]\r\nx=2\r\n", kCannotWrite);
    disk.MakeReadOnly();
    ASSERT_TRUE(disk.mounted());
    SaveAllInput input;
    input.settings = DefaultSettings(kScreen);
    EXPECT_EQ(ErrorOf([&] { SaveAll(disk.path(), input); }),
              "Impossible d'écrire dans " + ini.string());
    EXPECT_EQ(Bytes(ini), "[MainW]\r\nx=1\r\n[postit1]\r\nx=2\r\n");
}

}  // namespace
}  // namespace brivonce
