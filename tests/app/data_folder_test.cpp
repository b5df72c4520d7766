#include "app/data_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "scratch_dir.h"
#include "text/error.h"

namespace brivonce {
namespace {

using testing::ScratchDir;

TEST(ChooseDataFolder, DataDirOptionWinsAndEndsWithASlash) {
    ScratchDir program;
    std::ofstream(program / "brivonce.ini") << "[Config]\r\n";
    DataFolderSources sources{program.path(), "/srv/briv/data/", "/x", "/home/u"};
    EXPECT_EQ(ChooseDataFolder(sources), "/srv/briv/data/");
    sources.dataDirOption = "/srv/briv/data";
    EXPECT_EQ(ChooseDataFolder(sources), "/srv/briv/data/");
    sources.dataDirOption = "";  // "--data-dir=" with nothing after it
    EXPECT_THROW(ChooseDataFolder(sources), Error);
}

TEST(ChooseDataFolder, PortableInstallKeepsDataBesideTheProgram) {
    ScratchDir program;
    std::ofstream(program / "brivonce.ini") << "";
    DataFolderSources sources{program.path(), std::nullopt, "/xdg", "/home/u"};
    EXPECT_EQ(ChooseDataFolder(sources), program.path().string() + "/");
}

TEST(ChooseDataFolder, OtherwiseTheUsersDataFolder) {
    ScratchDir program;  // no brivonce.ini: a build tree or /usr/bin
    DataFolderSources sources{program.path(), std::nullopt, "/xdg/data", "/home/u"};
    EXPECT_EQ(ChooseDataFolder(sources), "/xdg/data/brivonce/");
    sources.xdgDataHome = "";
    EXPECT_EQ(ChooseDataFolder(sources), "/home/u/.local/share/brivonce/");
    sources.xdgDataHome = "relative/path";  // ignored, as the XDG rules say
    EXPECT_EQ(ChooseDataFolder(sources), "/home/u/.local/share/brivonce/");
}

TEST(EnsureDataFolder, CreatesMissingFoldersAndRefusesAFile) {
    ScratchDir dir;
    EnsureDataFolder((dir / "a/b").string() + "/");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "a/b"));
    std::ofstream(dir / "file") << "x";
    EXPECT_THROW(EnsureDataFolder((dir / "file").string() + "/"), Error);
}

}  // namespace
}  // namespace brivonce
