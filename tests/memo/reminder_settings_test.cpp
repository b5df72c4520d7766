#include "memo/reminder_settings.h"

#include <gtest/gtest.h>

#include "settings/ini_fixture.h"
#include "settings/save_all.h"

namespace brivonce {
namespace {

using namespace std::chrono;
using ReminderSettingsTest = testing::IniFixture;

const year_month_day kMonday = year{2026} / December / 7;

LocalMinute At(int hour, int minute) {
    return MakeLocalMinute(kMonday, hour, minute);
}

TEST(ReminderValues, SnoozesReadBackAndMalformedOnesAreRefused) {
    Snooze warning{At(14, 35), MakeDueAlarm(kMonday, 14, {"14:30", "Dentiste; 2e étage"}, 15)};
    EXPECT_EQ(FormatSnooze(warning), "20261207 14:35;20261207;15;15;14:30;Dentiste; 2e étage");
    EXPECT_EQ(ParseSnooze(FormatSnooze(warning)), warning);
    EXPECT_EQ(ParseSnooze(FormatSnooze(warning))->alarm.boxText,
              "Dans 15 min : 14:30 - Dentiste; 2e étage");
    for (const char* bad :
         {"", "20261207 14:35;20261207;15;15;14:30;",  // no text
          "20261207 14:35;20261207;15;15;14:30",       // a field missing
          "20261207 24:35;20261207;15;0;14:30;x", "20261207 14:35;20261307;15;0;14:30;x",
          "20261207 14:35;20261207;0;0;14:30;x", "20261207 14:35;20261207;25;0;14:30;x",
          "20261207 14:35;20261207;1x;0;14:30;x", "20261207 14:35;20261207;15;7;14:30;x",
          "20261207 14:35;20261207;15;0;14h30;x", "2026-12-07 14:35;20261207;15;0;14:30;x"}) {
        EXPECT_EQ(ParseSnooze(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(ParseMinute("20261207 00:00"), At(0, 0));
    EXPECT_EQ(ParseMinute("20261207 0:00"), std::nullopt);
}

TEST_F(ReminderSettingsTest, DefaultsWriteNoSectionAndOtherValuesComeBack) {
    IniFile ini =
        Open("[Autre]\r\nx=1\r\n[Extras]\r\nDelaiRappel=10\r\nRappel1=x\r\nRappel2=y\r\n");
    WriteReminderSettings(ini, ReminderSettings{});
    EXPECT_EQ(SavedBytes(ini), "[Autre]\r\nx=1\r\n");

    ReminderSettings settings;
    settings.snoozeMinutes = 30;
    settings.advanceMinutes = 60;
    settings.lastRun = At(14, 30);
    settings.snoozes = {{At(14, 40), MakeDueAlarm(kMonday, 14, {"14:30", "Dentiste"}, 0)},
                        {At(15, 0), MakeDueAlarm(kMonday, 9, {"09:00", "Été"}, 5)}};
    WriteReminderSettings(ini, settings);
    ini.Save();
    EXPECT_EQ(LoadReminderSettings(IniFile(m_file)), settings);
}

TEST_F(ReminderSettingsTest, ValuesOutsideTheChoicesAndBadSnoozesGiveDefaultsNotFailures) {
    IniFile ini = Open(
        "[Extras]\r\nDelaiRappel=7\r\nAvanceAlarme=abc\r\nDerniereMinute=hier\r\n"
        "Rappel1=n'importe quoi\r\nRappel2=\r\nRappel3=20261207 "
        "14:40;20261207;15;0;14:30;Dentiste\r\n"
        "Rappel5=20261207 14:50;20261207;15;0;14:30;Dentiste\r\n");
    ReminderSettings settings = LoadReminderSettings(ini);
    EXPECT_EQ(settings.snoozeMinutes, 5);
    EXPECT_EQ(settings.advanceMinutes, 0);
    EXPECT_EQ(settings.lastRun, std::nullopt);
    ASSERT_EQ(settings.snoozes.size(), 1u);  // the list ends at the first missing number
    EXPECT_EQ(settings.snoozes[0].due, At(14, 40));
}

TEST_F(ReminderSettingsTest, SaveAllLeavesTheSectionAlone) {
    ReminderSettings settings;
    settings.advanceMinutes = 15;
    IniFile ini = Open("");
    WriteReminderSettings(ini, settings);
    ini.Save();
    SaveAll(m_dir.path(), SaveAllInput{std::nullopt, {}, DefaultSettings({1024, 768})});
    SaveAll(m_dir.path(), SaveAllInput{std::nullopt, {}, DefaultSettings({1024, 768})});
    EXPECT_EQ(LoadReminderSettings(IniFile(m_file)), settings);
}

}  // namespace
}  // namespace brivonce
