#include "memo/alarm_rules.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

using namespace std::chrono;

const year_month_day kMonday = year{2026} / December / 7;

LocalMinute At(int hour, int minute, year_month_day date = kMonday) {
    return MakeLocalMinute(date, hour, minute);
}

// A day as a week file gives it: default labels, no activities.
Day Today() {
    return DefaultDay();
}

// One run after another, as the engine chains them.
class Runs {
public:
    explicit Runs(Day day, bool alarmOn = true) : m_day(std::move(day)), m_alarmOn(alarmOn) {}

    RefreshPlan Run(LocalMinute now) {
        RefreshPlan plan = PlanRefresh(m_day, now, m_memory, m_alarmOn);
        m_memory = plan.memory;
        return plan;
    }
    std::vector<std::string> Rung(LocalMinute now) {
        std::vector<std::string> texts;
        for (const DueAlarm& alarm : Run(now).ring) {
            texts.push_back(alarm.boxText);
        }
        return texts;
    }
    const AlarmMemory& memory() const { return m_memory; }

private:
    Day m_day;
    bool m_alarmOn;
    AlarmMemory m_memory;
};

using Texts = std::vector<std::string>;

TEST(TimeLabels, FormatsHoursColonMinutes) {
    EXPECT_EQ(FormatTimeLabel(9, 5), "09:05");
    EXPECT_EQ(FormatTimeLabel(23, 59), "23:59");
}

TEST(HourBox, WithoutAWeekFileShowsDefaultLabelsAndTheTimeAtTheCurrentHour) {
    auto items = HourBoxItems(std::nullopt, 14, 7);
    EXPECT_EQ(items[0], "00:00");
    EXPECT_EQ(items[13], "13:00");
    EXPECT_EQ(items[14], "14:07");
    EXPECT_EQ(items[23], "23:00");
}

TEST(HourBox, ShowsLabelsWithTheirActivitiesAndTheCurrentHoursTextAfterTheTime) {
    Day day = Today();
    day[9] = {"09:45", "Banque"};
    day[14] = {"14:30", "Dentiste"};
    day[20] = {"", ""};  // a short file: empty label and text
    auto items = HourBoxItems(day, 14, 29);
    EXPECT_EQ(items[9], "09:45 - Banque");
    EXPECT_EQ(items[14], "14:29 - Dentiste");
    EXPECT_EQ(items[20], "");
    EXPECT_EQ(items[21], "21:00");
}

TEST(Match, DentisteAtHalfPastTwoRingsWithItsOwnLabelAndStopsAMinuteLater) {
    Day day = Today();
    day[14] = {"14:30", "Dentiste"};
    Runs runs(day);
    RefreshPlan before = runs.Run(At(14, 29));
    EXPECT_EQ(before.match, std::nullopt);
    EXPECT_EQ(before.selected, 14);
    EXPECT_TRUE(before.ring.empty());

    RefreshPlan due = runs.Run(At(14, 30));
    EXPECT_EQ(due.match, 14);
    EXPECT_EQ(due.selected, 14);
    ASSERT_EQ(due.ring.size(), 1u);
    EXPECT_EQ(due.ring[0], (DueAlarm{14, At(14, 30), "14:30 - Dentiste"}));
    EXPECT_FALSE(due.stopSound);
    EXPECT_EQ(due.memory.lastAlarmMinute, 30);

    RefreshPlan after = runs.Run(At(14, 31));
    EXPECT_TRUE(after.ring.empty());
    EXPECT_TRUE(after.stopSound);
    EXPECT_FALSE(runs.Run(At(14, 32)).stopSound);
}

TEST(Match, WithTheAlarmOffTheSlotIsSelectedButNothingRingsOrStops) {
    Day day = Today();
    day[14] = {"14:30", "Dentiste"};
    Runs runs(day, false);
    RefreshPlan due = runs.Run(At(14, 30));
    EXPECT_EQ(due.selected, 14);
    EXPECT_TRUE(due.ring.empty());
    EXPECT_EQ(due.memory.lastAlarmMinute, 30);
    EXPECT_FALSE(runs.Run(At(14, 31)).stopSound);
}

TEST(Match, DefaultLabelWithATextRingsAndALabelWithoutTextNeverDoes) {
    Day day = Today();
    day[14].text = "Réunion";
    Runs runs(day);
    EXPECT_EQ(runs.Rung(At(14, 0)), Texts{"14:00 - Réunion"});

    // 15:00 has no activity: selected, remembered for the stop, silent.
    RefreshPlan quiet = runs.Run(At(15, 0));
    EXPECT_EQ(quiet.match, 15);
    EXPECT_EQ(quiet.selected, 15);
    EXPECT_TRUE(quiet.ring.empty());
    EXPECT_EQ(quiet.memory.lastAlarmMinute, 0);
    EXPECT_TRUE(runs.Run(At(15, 1)).stopSound);
}

TEST(Match, TheNextHourSilencesAnAlarmAtMinuteFiftyNine) {
    Day day = Today();
    day[10] = {"10:59", "Train"};
    day[23] = {"23:59", "Minuit"};
    Runs runs(day);
    EXPECT_EQ(runs.Rung(At(10, 59)), Texts{"10:59 - Train"});
    RefreshPlan eleven = runs.Run(At(11, 0));
    EXPECT_TRUE(eleven.stopSound);
    EXPECT_EQ(eleven.match, 11);  // 11:00 matches in turn, and is silent
    EXPECT_EQ(runs.Rung(At(23, 59)), Texts{"23:59 - Minuit"});
    EXPECT_TRUE(runs.Run(At(0, 0, year{2026} / December / 8)).stopSound);
}

TEST(Match, ALabelThatIsNotATimeNeverMatches) {
    Day day = Today();
    day[14] = {"14h30", "Dentiste"};
    day[15] = {"14:30 ", "Coiffeur"};
    RefreshPlan plan = Runs(day).Run(At(14, 30));
    EXPECT_EQ(plan.match, std::nullopt);
    EXPECT_TRUE(plan.ring.empty());
}

TEST(Match, ALabelInAnotherHoursSlotRingsWithThatSlotsOwnLabelAndText) {
    Day day = Today();
    day[8] = {"14:10", "Appeler Paul"};  // slot 9 moved to the afternoon
    day[14].text = "Dentiste";           // slot H, which the label does not name
    RefreshPlan plan = Runs(day).Run(At(14, 10));
    EXPECT_EQ(plan.match, 8);
    EXPECT_EQ(plan.selected, 8);
    ASSERT_EQ(plan.ring.size(), 1u);
    EXPECT_EQ(plan.ring[0].slot, 8);
    EXPECT_EQ(plan.ring[0].boxText, "14:10 - Appeler Paul");
    EXPECT_EQ(plan.items[14], "14:10 - Dentiste");
}

TEST(Match, EveryActivityDueInTheSameMinuteRingsAndTheFirstWithOneIsSelected) {
    Day day = Today();
    day[13].label = "14:00";  // the 13:00 slot moved to 14:00, no activity
    day[16] = {"14:00", "Poste"};
    day[20] = {"14:00", "Banque"};
    RefreshPlan plan = Runs(day).Run(At(14, 0));
    EXPECT_EQ(plan.match, 16);
    ASSERT_EQ(plan.ring.size(), 2u);
    EXPECT_EQ(plan.ring[0].boxText, "14:00 - Poste");
    EXPECT_EQ(plan.ring[1].boxText, "14:00 - Banque");
}

TEST(Match, RunningTheSameMinuteAgainDoesNotRingAgain) {
    Day day = Today();
    day[14] = {"14:30", "Dentiste"};
    Runs runs(day);
    EXPECT_EQ(runs.Rung(At(14, 30)).size(), 1u);
    RefreshPlan again = runs.Run(At(14, 30));  // the agenda closed within the minute
    EXPECT_TRUE(again.ring.empty());
    EXPECT_EQ(again.selected, 14);
}

TEST(Match, WithoutAWeekFileNothingMatchesButTheStopStillComes) {
    AlarmMemory memory;
    memory.lastAlarmMinute = 30;
    RefreshPlan plan = PlanRefresh(std::nullopt, At(14, 31), memory, true);
    EXPECT_EQ(plan.match, std::nullopt);
    EXPECT_EQ(plan.selected, 14);
    EXPECT_TRUE(plan.stopSound);
}

TEST(MissedMinutes, AFiveMinuteGapAnnouncesEachSkippedActivityOldestFirst) {
    Day day = Today();
    day[2] = {"14:33", "Pharmacie"};  // an earlier slot, due later
    day[14] = {"14:31", "Dentiste"};
    day[15] = {"14:29", "Avant"};  // already past at the previous tick
    Runs runs(day);
    EXPECT_TRUE(runs.Rung(At(14, 30)).empty());
    RefreshPlan late = runs.Run(At(14, 35));
    ASSERT_EQ(late.ring.size(), 2u);
    EXPECT_EQ(late.ring[0], (DueAlarm{14, At(14, 31), "14:31 - Dentiste"}));
    EXPECT_EQ(late.ring[1], (DueAlarm{2, At(14, 33), "14:33 - Pharmacie"}));
    EXPECT_EQ(late.match, std::nullopt);
    EXPECT_EQ(late.memory.lastAlarmMinute, 35);
    EXPECT_TRUE(runs.Run(At(14, 36)).stopSound);
}

TEST(MissedMinutes, ALongGapOnlyLooksBackSixtyMinutes) {
    Day day = Today();
    day[12] = {"12:59", "Trop tard"};
    day[13] = {"13:00", "Juste"};
    day[14].text = "Maintenant";
    Runs runs(day);
    runs.Run(At(11, 0));
    EXPECT_EQ(runs.Rung(At(14, 0)), (Texts{"13:00 - Juste", "14:00 - Maintenant"}));
}

TEST(MissedMinutes, AGapOverMidnightLooksNoFurtherThanTodaysStart) {
    Day day = Today();
    day[0] = {"00:02", "Tôt"};
    day[23] = {"23:55", "Hier soir"};  // today's slot, not yesterday's
    Runs runs(day);
    runs.Run(At(23, 50, year{2026} / December / 6));
    EXPECT_EQ(runs.Rung(At(0, 5)), Texts{"00:02 - Tôt"});
}

TEST(MissedMinutes, TheFirstRunDoesNotAnnounceWhatPassedBeforeTheProgramRan) {
    Day day = Today();
    day[14] = {"14:25", "Dentiste"};
    EXPECT_TRUE(Runs(day).Rung(At(14, 30)).empty());
}

TEST(MissedMinutes, WithTheAlarmOffNothingIsAnnouncedNorRemembered) {
    Day day = Today();
    day[14] = {"14:31", "Dentiste"};
    Runs runs(day, false);
    runs.Run(At(14, 30));
    EXPECT_TRUE(runs.Rung(At(14, 35)).empty());
    EXPECT_TRUE(runs.memory().rung.empty());
}

TEST(ClockChanges, SettingTheClockBackRingsNothingTwice) {
    Day day = Today();
    day[14] = {"14:30", "Dentiste"};
    day[15] = {"14:40", "Coiffeur"};
    Runs runs(day);
    runs.Run(At(14, 29));
    EXPECT_EQ(runs.Rung(At(14, 30)).size(), 1u);
    EXPECT_EQ(runs.Rung(At(14, 40)).size(), 1u);
    EXPECT_TRUE(runs.Rung(At(14, 20)).empty());  // set back: only the present minute counts
    for (int minute = 21; minute <= 45; ++minute) {
        EXPECT_TRUE(runs.Rung(At(14, minute)).empty()) << minute;
    }
}

TEST(ClockChanges, TheRepeatedHourOfAutumnRingsOnceAndTheSkippedHourOfSpringRingsLate) {
    Day day = Today();
    day[2] = {"02:30", "Veille"};
    Runs autumn(day);
    autumn.Run(At(2, 29));
    EXPECT_EQ(autumn.Rung(At(2, 30)).size(), 1u);
    autumn.Run(At(2, 59));
    autumn.Run(At(2, 0));  // 03:00 summer time is 02:00 winter time
    EXPECT_TRUE(autumn.Rung(At(2, 30)).empty());

    Runs spring(day);
    spring.Run(At(1, 59));
    EXPECT_EQ(spring.Rung(At(3, 0)), Texts{"02:30 - Veille"});  // 02:00 became 03:00
}

TEST(ClockChanges, EveryAlarmRingsOncePerDayAndTheMemoryStaysSmall) {
    Day day = Today();
    for (Slot& slot : day) {
        slot.label = slot.label.substr(0, 3) + "17";
        slot.text = "Activité";
    }
    Runs runs(day);
    size_t rung = 0;
    for (LocalMinute now = At(0, 0); now < At(0, 0) + days{3}; now += minutes{1}) {
        rung += runs.Run(now).ring.size();
        ASSERT_LE(runs.memory().rung.size(), 2u * kSlotsPerDay);
    }
    EXPECT_EQ(rung, 3u * kSlotsPerDay);
}

TEST(ClockChanges, FirstMinuteToCheck) {
    EXPECT_EQ(FirstMinuteToCheck(std::nullopt, At(14, 30)), At(14, 30));
    EXPECT_EQ(FirstMinuteToCheck(At(14, 29), At(14, 30)), At(14, 30));
    EXPECT_EQ(FirstMinuteToCheck(At(14, 30), At(14, 30)), At(14, 30));
    EXPECT_EQ(FirstMinuteToCheck(At(15, 30), At(14, 30)), At(14, 30));
    EXPECT_EQ(FirstMinuteToCheck(At(14, 20), At(14, 30)), At(14, 21));
    EXPECT_EQ(FirstMinuteToCheck(At(9, 0), At(14, 30)), At(13, 30));
    EXPECT_EQ(FirstMinuteToCheck(At(0, 10), At(0, 20)), At(0, 11));
    EXPECT_EQ(FirstMinuteToCheck(At(23, 0, year{2026} / December / 6), At(0, 20)), At(0, 0));
}

}  // namespace
}  // namespace brivonce
