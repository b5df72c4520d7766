#include "text/safe_file.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

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

// Replacing these with a plain file would break the system's /dev/full or
// the user's pipe; each is refused, also behind a link, and stays as it was.
TEST(ReplaceFile, TargetThatIsNoRegularFileIsLeftAlone) {
    ScratchDir dir;
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    int unixSocket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string socketPath = (dir / "socket").string();
    ASSERT_LT(socketPath.size(), sizeof(address.sun_path));
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(unixSocket, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(unixSocket);
    fs::create_symlink("pipe", dir / "link");
    std::vector<std::string> names = {"folder", "pipe", "socket", "link"};
    if (::mknod((dir / "full").c_str(), S_IFCHR | 0600, ::makedev(1, 7)) == 0) {
        names.push_back("full");  // a device node can be made only as root
    }
    for (const std::string& name : names) {
        fs::file_type before = fs::symlink_status(dir / name).type();
        try {
            ReplaceFile(dir / name, "x", kCannotCreate);
            ADD_FAILURE() << name << " replaced";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Impossible de créer le fichier " + (dir / name).string());
        }
        EXPECT_EQ(fs::symlink_status(dir / name).type(), before) << name;
    }
    EXPECT_EQ(EntryCount(dir.path()), names.size());  // no temporary left
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

TEST(ReplaceFile, ALinkStaysALinkAndItsTargetGetsTheBytes) {
    ScratchDir dir;
    fs::create_directory(dir / "elsewhere");
    ReplaceFile(dir / "elsewhere" / "memo.txt", "old", kCannotCreate);
    fs::create_symlink("elsewhere/memo.txt", dir / "brivonce.txt");
    fs::create_symlink(dir / "brivonce.txt", dir / "second.txt");  // a chain of two
    ReplaceFile(dir / "second.txt", "new", kCannotCreate);
    EXPECT_TRUE(fs::is_symlink(dir / "brivonce.txt"));
    EXPECT_TRUE(fs::is_symlink(dir / "second.txt"));
    EXPECT_EQ(Read(dir / "elsewhere" / "memo.txt"), "new");
    EXPECT_EQ(EntryCount(dir / "elsewhere"), 1u);
    // A link to a file not made yet creates it.
    fs::create_symlink("elsewhere/later.txt", dir / "dangling.txt");
    ReplaceFile(dir / "dangling.txt", "made", kCannotCreate);
    EXPECT_EQ(Read(dir / "elsewhere" / "later.txt"), "made");
}

TEST(ReplaceFile, ALinkLoopIsTheFrenchErrorNotACrash) {
    ScratchDir dir;
    fs::create_symlink("b", dir / "a");
    fs::create_symlink("a", dir / "b");
    EXPECT_THROW(ReplaceFile(dir / "a", "x", kCannotCreate), Error);
    EXPECT_THROW(ReadWholeFile(dir / "a", kCannotOpen), Error);  // not "missing"
}

TEST(ReadWholeFile, OnlyRegularFilesOfASaneSizeAreRead) {
    ScratchDir dir;
    EXPECT_FALSE(ReadWholeFile(dir / "none", kCannotOpen).has_value());
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero");
    for (const char* name : {"folder", "pipe", "zero"}) {
        EXPECT_THROW(ReadWholeFile(dir / name, kCannotOpen), Error) << name;  // and no hang
    }
    ReplaceFile(dir / "big", std::string(1000, 'x'), kCannotCreate);
    EXPECT_THROW(ReadWholeFile(dir / "big", kCannotOpen, 999), Error);
    EXPECT_EQ(ReadWholeFile(dir / "big", kCannotOpen, 1000)->size(), 1000u);
}

TEST(LeftoverTemporaries, OnlyThoseOfKilledSavesAreRemoved) {
    ScratchDir dir;
    const char* leftovers[] = {".brivonce.ini.brivonce-a1B2c3", ".20261207.SEM.brivonce-XyZ789"};
    const char* kept[] = {"brivonce.ini", ".brivonce.ini.brivonce-a1B2c", ".hidden",
                          "x.brivonce-a1B2c3", ".brivonce.ini.brivonce-a1B2c3d"};
    for (const char* name : leftovers) {
        ReplaceFile(dir / name, "x", kCannotCreate);
    }
    for (const char* name : kept) {
        ReplaceFile(dir / name, "x", kCannotCreate);
    }
    fs::create_directory(dir / ".postits.brivonce-a1B2c3");  // not a file: kept
    RemoveLeftoverTemporaries(dir.path());
    EXPECT_EQ(EntryCount(dir.path()), std::size(kept) + 1);
    for (const char* name : kept) {
        EXPECT_TRUE(fs::exists(dir / name)) << name;
    }
}

}  // namespace
}  // namespace brivonce
