#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include "ini_fixture.h"

#include <filesystem>
#include <string>

#include "mounted_tmpfs.h"
#include "scratch_dir.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using testing::MountedTmpfs;
using testing::ScratchDir;

class IniFileTest : public testing::IniFixture {};

TEST_F(IniFileTest, MissingFileGivesDefaultsAndIsCreatedBySave) {
    IniFile ini(m_file);
    EXPECT_EQ(ini.ReadString("Options", "nom", "arial"), "arial");
    EXPECT_EQ(ini.ReadInteger("Options", "fas", 2), 2);
    EXPECT_TRUE(ini.ReadBool("Options", "Alarme", true));
    EXPECT_FALSE(ini.SectionExists("Options"));
    ini.WriteInteger("Options", "fas", 1);
    EXPECT_FALSE(fs::exists(m_file));  // writes stay in memory until Save
    EXPECT_EQ(SavedBytes(ini), "[Options]\r\nfas=1\r\n");
}

TEST_F(IniFileTest, ExistingPathThatCannotBeReadRaisesCannotOpen) {
    fs::create_directory(m_file);
    try {
        IniFile ini(m_file);
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Impossible d'ouvrir le fichier " + m_file.string());
    }
}

TEST_F(IniFileTest, AByteOrderMarkDoesNotHideTheFirstSection) {
    IniFile ini = Open("\xEF\xBB\xBF[Config]\r\nShowOnStart=0\r\n");
    EXPECT_FALSE(ini.ReadBool("Config", "ShowOnStart", true));
}

TEST_F(IniFileTest, AccentedNamesAreWindows1252AndMatchedWithoutCase) {
    IniFile ini = Open(
        "[OPTIONS]\r\nHEURE DE D\xC9"
        "BUT=9\r\nnom=caf\xE9\r\n");
    EXPECT_EQ(ini.ReadInteger("Options", "Heure de début", 7), 9);
    EXPECT_EQ(ini.ReadString("options", "NOM", ""), "café");
    ini.WriteInteger("Options", "heure de début", 10);  // replaces, keeps the file's spelling
    ini.WriteString("Police", "souligné", "é");
    EXPECT_EQ(SavedBytes(ini),
              "[OPTIONS]\r\nHEURE DE D\xC9"
              "BUT=10\r\nnom=caf\xE9\r\n[Police]\r\nsoulign\xE9=\xE9\r\n");
}

TEST_F(IniFileTest, CaseFoldingCoversWindows1252LettersOnly) {
    IniFile ini = Open("[s]\r\n\x8A\x8C\x8E\x9F=letters\r\n\xD7=times\r\n");
    EXPECT_EQ(ini.ReadString("S", "šœžÿ", ""), "letters");
    EXPECT_EQ(ini.ReadString("s", "×", ""), "times");
    EXPECT_EQ(ini.ReadString("s", "÷", "none"), "none");  // 0xF7 is not a lower-case ×
}

TEST_F(IniFileTest, BlanksAroundSectionsKeysAndValuesAreIgnored) {
    IniFile ini = Open("  [ MainW ]  \r\n\t x \t=  12 \r\n nom = Times New Roman \r\n");
    EXPECT_EQ(ini.ReadInteger("MainW", "x", 0), 12);
    EXPECT_EQ(ini.ReadString("MainW", "nom", ""), "Times New Roman");
    ini.WriteInteger("MainW", "x", 5);
    EXPECT_EQ(SavedBytes(ini), "  [ MainW ]  \r\nx=5\r\n nom = Times New Roman \r\n");
}

TEST_F(IniFileTest, UnreadableLinesAreIgnoredButKeptByteForByte) {
    std::string bytes =
        "key=before any section\r\n"
        "; comment=with equals\r\n"
        "[Options]\r\n"
        "no equals sign here\r\n"
        "[broken\r\n"
        "fas=1\r\n"
        "[Other]\r\n"
        "\x80\x81\xFF=\x8D\x90\r\n";
    IniFile ini = Open(bytes);
    EXPECT_EQ(ini.ReadString("", "key", "none"), "none");
    EXPECT_EQ(ini.ReadString("Options", "no equals sign here", "none"), "none");
    EXPECT_EQ(ini.ReadString("Options", "fas", "none"), "none");  // it follows "[broken"
    EXPECT_EQ(ini.ReadInteger("broken", "fas", 0), 1);
    ini.WriteString("Options", "Visible", "1");
    std::string expected = bytes;
    expected.insert(expected.find("[broken"), "Visible=1\r\n");
    EXPECT_EQ(SavedBytes(ini), expected);
}

TEST_F(IniFileTest, FirstOfDuplicatedKeysIsReadAndReplaced) {
    IniFile ini = Open("[s]\r\nk=1\r\nK=2\r\n");
    EXPECT_EQ(ini.ReadInteger("s", "k", 0), 1);
    ini.WriteInteger("s", "K", 3);
    EXPECT_EQ(SavedBytes(ini), "[s]\r\nk=3\r\nK=2\r\n");
}

TEST_F(IniFileTest, DuplicatedSectionReadsAsOneAndIsErasedWhole) {
    IniFile ini = Open("[s]\r\na=1\r\n[t]\r\nb=2\r\n[S]\r\na=9\r\nc=3\r\n");
    EXPECT_EQ(ini.ReadInteger("s", "a", 0), 1);
    EXPECT_EQ(ini.ReadInteger("s", "c", 0), 3);
    ini.WriteInteger("s", "c", 4);
    ini.WriteInteger("s", "d", 5);  // a new key goes to the first copy
    EXPECT_EQ(SavedBytes(ini), "[s]\r\na=1\r\nd=5\r\n[t]\r\nb=2\r\n[S]\r\na=9\r\nc=4\r\n");
    ini.EraseSection("s");
    EXPECT_EQ(SavedBytes(ini), "[t]\r\nb=2\r\n");
}

TEST_F(IniFileTest, NewKeyGoesAfterTheSectionsLastLineAndNewSectionAtTheEnd) {
    IniFile ini = Open("[a]\r\nx=1\r\n\r\n\r\n[b]\r\ny=2\r\n\r\n");
    ini.WriteString("a", "z", "3");
    ini.WriteString("b", "w", "4");
    ini.WriteString("c", "v", "5");
    EXPECT_EQ(SavedBytes(ini),
              "[a]\r\nx=1\r\nz=3\r\n\r\n\r\n[b]\r\ny=2\r\nw=4\r\n\r\n[c]\r\nv=5\r\n");
}

TEST_F(IniFileTest, EraseSectionRemovesItsLineAndKeysOnly) {
    IniFile ini = Open("top\r\n[a]\r\nx=1\r\n; note\r\n[Options]\r\nk=2\r\n[b]\r\ny=3\r\n");
    ini.EraseSection("OPTIONS");
    ini.EraseSection("missing");
    EXPECT_FALSE(ini.SectionExists("options"));
    EXPECT_TRUE(ini.SectionExists("A"));
    EXPECT_EQ(ini.ReadString("Options", "k", "gone"), "gone");
    EXPECT_EQ(SavedBytes(ini), "top\r\n[a]\r\nx=1\r\n; note\r\n[b]\r\ny=3\r\n");
}

TEST_F(IniFileTest, ValuesReadAsTheirFirst2047Characters) {
    std::string longValue(3000, 'a');
    std::string accented(2100, '\xE9');
    std::string exact(2047, 'b');
    IniFile ini = Open("[s]\r\nlong=" + longValue + "\r\naccents=" + accented +
                       "\r\nexact=" + exact + "\r\n");
    EXPECT_EQ(ini.ReadString("s", "long", ""), std::string(2047, 'a'));
    std::string expectedAccents;
    for (int i = 0; i < 2047; ++i) {
        expectedAccents += "é";
    }
    EXPECT_EQ(ini.ReadString("s", "accents", ""), expectedAccents);
    EXPECT_EQ(ini.ReadString("s", "exact", ""), exact);
    // The whole value stays in the file.
    EXPECT_NE(SavedBytes(ini).find(longValue), std::string::npos);
}

TEST_F(IniFileTest, IntegersReadDecimalOrHexadecimalElseTheDefault) {
    struct Case {
        const char* text;
        int32_t expected;
    };
    const Case cases[] = {
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"0x10", 16},
        {"0X1f", 31},
        {"0x80000018", -2147483624},
        {"0xFFFFFFFF", -1},
        {"0x00000000010", 16},
        {"2147483648", 99},
        {"-2147483649", 99},
        {"99999999999999999999", 99},
        {"0x100000000", 99},
        {"0x", 99},
        {"0xg", 99},
        {"-0x10", 99},
        {"12abc", 99},
        {"1 2", 99},
        {"-", 99},
        {"", 99},
        {"  42  ", 42},
    };
    for (const Case& c : cases) {
        IniFile ini = Open(std::string("[s]\r\nk=") + c.text + "\r\n");
        EXPECT_EQ(ini.ReadInteger("s", "k", 99), c.expected) << "value '" << c.text << "'";
    }
}

TEST_F(IniFileTest, BooleansReadAsIntegersTrueWhenNotZero) {
    IniFile ini = Open("[s]\r\ntwo=2\r\nzero=0\r\nminus=-1\r\nhex=0x0\r\ntext=abc\r\nempty=\r\n");
    EXPECT_TRUE(ini.ReadBool("s", "two", false));
    EXPECT_TRUE(ini.ReadBool("s", "minus", false));
    EXPECT_FALSE(ini.ReadBool("s", "zero", true));
    EXPECT_FALSE(ini.ReadBool("s", "hex", true));
    for (bool defaultValue : {false, true}) {
        EXPECT_EQ(ini.ReadBool("s", "text", defaultValue), defaultValue);
        EXPECT_EQ(ini.ReadBool("s", "empty", defaultValue), defaultValue);
        EXPECT_EQ(ini.ReadBool("s", "absent", defaultValue), defaultValue);
    }
}

TEST_F(IniFileTest, WrittenValuesUseTheFileEncodings) {
    IniFile ini(m_file);
    ini.WriteInteger("s", "neg", -2147483624);
    ini.WriteBool("s", "yes", true);
    ini.WriteBool("s", "no", false);
    ini.WriteString("s", "text", "line one\r\nline\ntwo");
    EXPECT_EQ(SavedBytes(ini),
              "[s]\r\nneg=-2147483624\r\nyes=1\r\nno=0\r\ntext=line one  line two\r\n");
    IniFile again(m_file);
    EXPECT_EQ(again.ReadInteger("s", "neg", 0), -2147483624);
    EXPECT_TRUE(again.ReadBool("s", "yes", false));
    EXPECT_FALSE(again.ReadBool("s", "no", true));
}

TEST_F(IniFileTest, OtherLineBreaksAreRewrittenAsCrLf) {
    IniFile ini = Open("[a]\nx=1\ry=2\r\n[b]");
    EXPECT_EQ(ini.ReadInteger("a", "y", 0), 2);
    EXPECT_EQ(SavedBytes(ini), "[a]\r\nx=1\r\ny=2\r\n[b]\r\n");
}

TEST_F(IniFileTest, FailedSaveOnReadOnlyDiskKeepsTheOldFile) {
    MountedTmpfs disk("size=64k");
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    fs::path file = disk.path() / "brivonce.ini";
    ReplaceFile(file, "[MainW]\r\nx=1\r\n", kCannotWrite);
    IniFile ini(file);
    ini.WriteInteger("MainW", "x", 2);
    disk.MakeReadOnly();
    ASSERT_TRUE(disk.mounted());
    try {
        ini.Save();
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Impossible d'écrire dans " + file.string());
    }
    EXPECT_EQ(ReadWholeFile(file, kCannotOpen).value(), "[MainW]\r\nx=1\r\n");
}

TEST_F(IniFileTest, FailedSaveWhenTheFolderBecameAFile) {
    fs::path folder = m_dir / "data";
    fs::create_directory(folder);
    IniFile ini(folder / "brivonce.ini");
    ini.WriteInteger("MainW", "x", 2);
    fs::remove(folder);
    ReplaceFile(folder, "not a folder", kCannotWrite);
    try {
        ini.Save();
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Impossible d'écrire dans " + (folder / "brivonce.ini").string());
    }
    EXPECT_EQ(ReadWholeFile(folder, kCannotOpen).value(), "not a folder");
}

// Many sections in one pass leave what erasing and writing each one leaves,
// whatever the file holds: sections in another case or twice, blank lines.
TEST_F(IniFileTest, ReplaceSectionsLeavesWhatEraseThenWriteLeaves) {
    const std::string bytes =
        "key=before\r\n[POSTIT1]\r\nx=1\r\n\r\n[Config]\r\nImprime=1\r\n"
        "[postit2]\r\nold=1\r\n[postit1]\r\ny=2\r\n";
    std::vector<IniSection> sections;
    for (const char* name : {"postit2", "postit1", "postit3"}) {
        IniSection& keys = sections.emplace_back(name);
        keys.WriteInteger("x", 7);
        keys.WriteString("nom", "café");
        keys.WriteBool("barré", true);
    }
    IniFile oneByOne = Open(bytes);
    for (const IniSection& keys : sections) {
        oneByOne.EraseSection(keys.name());
        oneByOne.Write(keys);
    }
    std::string expected = SavedBytes(oneByOne);
    IniFile inOnePass = Open(bytes);
    EXPECT_EQ(inOnePass.ReadInteger("postit1", "x", 0), 1);  // looked up before the change
    inOnePass.ReplaceSections(sections);
    EXPECT_EQ(inOnePass.ReadInteger("postit1", "x", 0), 7);
    EXPECT_EQ(inOnePass.ReadString("postit1", "y", "gone"), "gone");
    EXPECT_EQ(SavedBytes(inOnePass), expected);
    EXPECT_EQ(expected.find("[Config]\r\nImprime=1\r\n[postit2]\r\nx=7\r\nnom=caf\xE9\r\n"), 12u);
}

}  // namespace
}  // namespace brivonce
