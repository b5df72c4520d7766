#include "text/safe_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "mounted_tmpfs.h"
#include "scratch_dir.h"
#include "text/error.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using testing::MountedTmpfs;
using testing::ScratchDir;

std::string Read(const fs::path& file) {
    return ReadWholeFile(file, kCannotOpen).value();
}

size_t EntryCount(const fs::path& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(ReplaceFile, CreatesAndReplacesWithExactBytes) {
    ScratchDir dir;
    std::string bytes("a\0b\r\n\xE9", 6);
    ReplaceFile(dir / "f.txt", bytes, kCannotCreate);
    EXPECT_EQ(Read(dir / "f.txt"), bytes);
    ReplaceFile(dir / "f.txt", "", kCannotCreate);
    EXPECT_EQ(Read(dir / "f.txt"), "");
    EXPECT_EQ(EntryCount(dir.path()), 1u);  // no temporary left behind
}

TEST(ReplaceFile, KeepsThePermissionsOfTheFileItReplaces) {
    ScratchDir dir;
    ReplaceFile(dir / "f.txt", "old", kCannotCreate);
    fs::permissions(dir / "f.txt", fs::perms::owner_read | fs::perms::owner_write);
    ReplaceFile(dir / "f.txt", "new", kCannotCreate);
    EXPECT_EQ(fs::status(dir / "f.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(ReplaceFile, MissingFolderOrTooLongANameRaisesTheGivenMessageWithThePath) {
    ScratchDir dir;
    for (fs::path target : {dir / "absent" / "f.txt", dir / std::string(300, 'x')}) {
        try {
            ReplaceFile(target, "x", kCannotWrite);
            ADD_FAILURE() << "no error raised";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), "Impossible d'écrire dans " + target.string());
        }
    }
}

TEST(ReplaceFile, TargetThatIsAFolderIsLeftAlone) {
    ScratchDir dir;
    fs::create_directory(dir / "f.txt");
    EXPECT_THROW(ReplaceFile(dir / "f.txt", "x", kCannotCreate), Error);
    EXPECT_TRUE(fs::is_directory(dir / "f.txt"));
    EXPECT_EQ(EntryCount(dir.path()), 1u);
}

TEST(ReplaceFile, FullDiskLeavesTheOldFileAndNoTemporary) {
    MountedTmpfs disk("size=16k");
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    fs::path target = disk.path() / "week.SEM";
    ReplaceFile(target, "old content", kCannotCreate);
    EXPECT_THROW(ReplaceFile(target, std::string(64 * 1024, 'x'), kCannotCreate), Error);
    EXPECT_EQ(Read(target), "old content");
    EXPECT_EQ(EntryCount(disk.path()), 1u);
}

TEST(ReplaceFile, ReadOnlyFolderLeavesTheOldFile) {
    MountedTmpfs disk("size=64k");
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    fs::path target = disk.path() / "brivonce.ini";
    ReplaceFile(target, "old", kCannotWrite);
    disk.MakeReadOnly();
    ASSERT_TRUE(disk.mounted());
    EXPECT_THROW(ReplaceFile(target, "new", kCannotWrite), Error);
    EXPECT_EQ(Read(target), "old");
}

TEST(ReadWholeFile, MissingFileIsNulloptAndAFolderIsAnError) {
    ScratchDir dir;
    EXPECT_FALSE(ReadWholeFile(dir / "none", kCannotOpen).has_value());
    fs::create_directory(dir / "folder");
    EXPECT_THROW(ReadWholeFile(dir / "folder", kCannotOpen), Error);
}

}  // namespace
}  // namespace brivonce
