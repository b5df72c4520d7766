#include "settings/extra_settings.h"

#include <gtest/gtest.h>

#include "ini_fixture.h"
#include "settings/save_all.h"

namespace brivonce {
namespace {

class ExtraSettingsTest : public testing::IniFixture {};

constexpr ExtraSetting kSnooze{"Snooze", 5};

// A value is in the file only while it differs from its default; the section
// goes once empty, and other sections and lines stay as they were.
TEST_F(ExtraSettingsTest, OnlyValuesOtherThanTheDefaultAreWritten) {
    struct Case {
        const char* before;
        int32_t value;
        const char* after;
    };
    const Case cases[] = {
        {"", 5, ""},
        {"[Config]\r\nImprime=0\r\n", 5, "[Config]\r\nImprime=0\r\n"},
        {"[Config]\r\nImprime=0\r\n", 10, "[Config]\r\nImprime=0\r\n[Extras]\r\nSnooze=10\r\n"},
        {"[extras]\r\nsnooze=10\r\n[Config]\r\n", 7, "[extras]\r\nsnooze=7\r\n[Config]\r\n"},
        {"[Extras]\r\nSnooze=10\r\n[Config]\r\nImprime=0\r\n", 5, "[Config]\r\nImprime=0\r\n"},
        {"[Extras]\r\nSnooze=10\r\n; note\r\nOther=1\r\n", 5, "[Extras]\r\n; note\r\nOther=1\r\n"},
        {"[Extras]\r\nSnooze=1\r\n[Extras]\r\nSnooze=2\r\n", 5, ""},
    };
    for (const Case& c : cases) {
        IniFile ini = Open(c.before);
        WriteExtra(ini, kSnooze, c.value);
        EXPECT_EQ(SavedBytes(ini), c.after) << c.before << " <- " << c.value;
        EXPECT_EQ(ReadExtra(IniFile(m_file), kSnooze), c.value) << c.before;
    }
}

TEST_F(ExtraSettingsTest, SaveAllLeavesTheSectionAlone) {
    SaveExtra(m_dir.path(), kNoTrayNoticeShown, 1);
    SaveAllInput input;
    input.settings = DefaultSettings({1024, 768});
    SaveAll(m_dir.path(), input);
    EXPECT_EQ(LoadExtra(m_dir.path(), kNoTrayNoticeShown), 1);
    EXPECT_TRUE(IniFile(m_file).SectionExists("MainW"));
}

}  // namespace
}  // namespace brivonce
