#include "memo/alarm_rules.h"

#include <gtest/gtest.h>

#include <map>

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

// Every day the same.
DayReader Always(Day day) {
    return [day](year_month_day) { return std::optional<Day>(day); };
}

std::optional<Day> NoWeekFile(year_month_day) {
    return std::nullopt;
}

// One run after another, as the engine chains them.
class Runs {
public:
    explicit Runs(Day day, bool alarmOn = true, int advance = 0)
        : Runs(Always(std::move(day)), alarmOn, advance) {}
    Runs(DayReader days, bool alarmOn, int advance)
        : m_days(std::move(days)), m_alarmOn(alarmOn), m_advance(advance) {}

    RefreshPlan Run(LocalMinute now) {
        RefreshPlan plan = PlanRefresh(m_days, now, m_memory, m_alarmOn, m_advance);
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
    AlarmMemory& memory() { return m_memory; }

private:
    DayReader m_days;
    bool m_alarmOn;
    int m_advance;
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
    EXPECT_EQ(due.ring[0].due, At(14, 30));
    EXPECT_EQ(due.ring[0].boxText, "14:30 - Dentiste");
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
    RefreshPlan plan = PlanRefresh(NoWeekFile, At(14, 31), memory, true, 0);
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
    EXPECT_EQ(late.ring[0], MakeDueAlarm(kMonday, 14, day[14], 0));
    EXPECT_EQ(late.ring[1], MakeDueAlarm(kMonday, 2, day[2], 0));
    EXPECT_EQ(late.ring[1].due, At(14, 33));
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

TEST(MissedMinutes, AGapOverMidnightRingsYesterdaysLateActivitiesToo) {
    Day day = Today();
    day[0] = {"00:02", "Tôt"};
    day[23] = {"23:55", "Hier soir"};
    Runs runs(day);
    runs.Run(At(23, 50, year{2026} / December / 6));
    EXPECT_EQ(runs.Rung(At(0, 5)), (Texts{"23:55 - Hier soir", "00:02 - Tôt"}));
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
    EXPECT_EQ(FirstMinuteToCheck(At(23, 0, year{2026} / December / 6), At(0, 20)),
              At(23, 20, year{2026} / December / 6));
}

// Days of several weeks, as the week files hold them.
class Agenda {
public:
    void Put(year_month_day date, int slot, Slot value) {
        Day& day = m_days.try_emplace(sys_days{date}, DefaultDay()).first->second;
        day[slot] = std::move(value);
    }
    DayReader Reader() const {
        return [this](year_month_day date) -> std::optional<Day> {
            auto found = m_days.find(sys_days{date});
            return found == m_days.end() ? std::nullopt : std::optional<Day>(found->second);
        };
    }

private:
    std::map<sys_days, Day> m_days;
};

const year_month_day kSunday = year{2026} / December / 6;

TEST(Advance, WarnsBeforeTheActivityThenRingsAtItsTimeAcrossMidnightAndWeeks) {
    struct Case {
        const char* label;
        int advance;
        LocalMinute warning;
        const char* text;
    };
    const Case cases[] = {
        {"14:30", 15, At(14, 15), "Dans 15 min : 14:30 - Dentiste"},
        {"14:30", 5, At(14, 25), "Dans 5 min : 14:30 - Dentiste"},
        {"14:30", 60, At(13, 30), "Dans 1 h : 14:30 - Dentiste"},
        // Monday 00:10 warns on Sunday, the last day of the week before.
        {"00:10", 30, At(23, 40, kSunday), "Dans 30 min : 00:10 - Dentiste"},
        {"00:30", 30, At(0, 0), "Dans 30 min : 00:30 - Dentiste"},
    };
    for (const Case& c : cases) {
        Agenda agenda;
        agenda.Put(kMonday, 9, {c.label, "Dentiste"});
        Runs runs(agenda.Reader(), true, c.advance);
        EXPECT_TRUE(runs.Rung(c.warning - minutes{1}).empty()) << c.text;
        EXPECT_EQ(runs.Rung(c.warning), Texts{c.text});
        // One late run covers every minute up to the activity: it alone rings.
        EXPECT_EQ(runs.Rung(c.warning + minutes{c.advance}),
                  Texts{std::string(c.label) + " - Dentiste"});
    }
}

TEST(Snooze, RingsAgainWhenDueUnlessTooOldChangedDeletedOrTheAlarmIsOff) {
    struct Case {
        const char* what;
        Slot slotNow;  // what the slot holds when the snooze is due
        bool weekFile;
        LocalMinute now;
        bool alarmOn;
        bool rings;
    };
    const Slot dentiste{"14:30", "Dentiste"};
    const Case cases[] = {
        {"due", dentiste, true, At(14, 40), true, true},
        {"late, within the bound", dentiste, true, At(15, 40), true, true},
        {"beyond the bound", dentiste, true, At(15, 41), true, false},
        {"text changed", {"14:30", "Dentiste Paul"}, true, At(14, 40), true, false},
        {"moved", {"14:45", "Dentiste"}, true, At(14, 40), true, false},
        {"week file deleted", dentiste, false, At(14, 40), true, false},
        {"alarm off", dentiste, true, At(14, 40), false, false},
    };
    for (const Case& c : cases) {
        Agenda agenda;
        if (c.weekFile) {
            agenda.Put(kMonday, 14, c.slotNow);
        }
        DueAlarm alarm = MakeDueAlarm(kMonday, 14, dentiste, 15);  // a snoozed warning
        Runs runs(agenda.Reader(), c.alarmOn, 0);
        runs.memory().snoozes = {{At(14, 40), alarm}};  // after a restart: no previous run
        RefreshPlan plan = runs.Run(c.now);
        EXPECT_EQ(plan.ring, c.rings ? std::vector{alarm} : std::vector<DueAlarm>{}) << c.what;
        EXPECT_TRUE(plan.memory.snoozes.empty()) << c.what;
    }
    Agenda agenda;
    agenda.Put(kMonday, 14, dentiste);
    Runs runs(agenda.Reader(), true, 0);
    runs.memory().snoozes = {{At(14, 40), MakeDueAlarm(kMonday, 14, dentiste, 0)}};
    EXPECT_TRUE(runs.Rung(At(14, 39)).empty());
    EXPECT_EQ(runs.memory().snoozes.size(), 1u);  // not due yet: kept
    EXPECT_EQ(runs.Rung(At(14, 40)), Texts{"14:30 - Dentiste"});
}

TEST(Gap, AJumpBeyondTheBoundListsTheGapOnceAndRingsTheLastHour) {
    struct Case {
        const char* what;
        std::optional<LocalMinute> after;  // the previous run, or the last run at a tray start
        bool trayStart;
        Texts missed;  // times of the listed activities
        bool catchUp;  // 14:00 rings late before 14:30
    };
    const year_month_day saturday = year{2026} / December / 5;
    const LocalMinute longAgo = At(12, 0, year{2026} / November / 20);
    const Case cases[] = {
        {"no gap", At(14, 29), false, {}, false},
        {"within the bound", At(13, 30), false, {}, true},
        {"beyond the bound", At(13, 28), false, {"13:29"}, true},
        {"over a weekend", At(20, 0, saturday), false, {"22:00", "09:00", "13:29"}, true},
        {"clock set back", At(18, 0), false, {}, false},
        {"more than a week", longAgo, false, {"19:59", "22:00", "09:00", "13:29"}, true},
        {"start in the tray",
         At(20, 0, saturday),
         true,
         {"22:00", "09:00", "13:29", "14:00"},
         false},
        {"first start", std::nullopt, false, {}, false},
    };
    Agenda agenda;
    agenda.Put(year{2026} / November / 30, 13, {"13:00", "Trop vieux"});  // 7 days and 90 min
    agenda.Put(saturday, 19, {"19:59", "Déjà passé"});
    agenda.Put(saturday, 22, {"22:00", "Samedi"});
    agenda.Put(kSunday, 9, {"09:00", "Dimanche"});
    agenda.Put(kMonday, 13, {"13:29", "Oublié"});
    agenda.Put(kMonday, 14, {"14:00", "Avant"});
    agenda.Put(kMonday, 15, {"14:30", "Ici"});
    for (const Case& c : cases) {
        Runs runs(agenda.Reader(), true, 0);
        (c.trayStart ? runs.memory().listMissedSince : runs.memory().lastRun) = c.after;
        RefreshPlan plan = runs.Run(At(14, 30));
        Texts missed, rung;
        for (const ListedActivity& activity : plan.missed) {
            missed.push_back(activity.label);
        }
        for (const DueAlarm& alarm : plan.ring) {
            rung.push_back(alarm.boxText);
        }
        EXPECT_EQ(missed, c.missed) << c.what;
        const Texts lastHour =
            c.catchUp ? Texts{"14:00 - Avant", "14:30 - Ici"} : Texts{"14:30 - Ici"};
        EXPECT_EQ(rung, lastHour) << c.what;
        EXPECT_FALSE(plan.memory.listMissedSince) << c.what;
        EXPECT_TRUE(runs.Run(At(14, 31)).missed.empty()) << c.what;  // once
    }
    Runs runs(agenda.Reader(), true, 0);
    runs.memory().lastRun = At(20, 0, saturday);
    ASSERT_EQ(runs.Run(At(14, 30)).missed.front(),
              (ListedActivity{saturday, 6, 23, "22:00", "Samedi"}));
}

TEST(Gap, WithTheAlarmOffNothingIsListedButThePassingIsKnown) {
    Agenda agenda;
    agenda.Put(kMonday, 13, {"13:30", "Oublié"});
    Runs runs(agenda.Reader(), false, 0);
    runs.memory().lastRun = At(8, 0);
    RefreshPlan plan = runs.Run(At(14, 40));
    EXPECT_TRUE(plan.missed.empty());
    EXPECT_TRUE(plan.activityPassed);
    EXPECT_FALSE(runs.Run(At(14, 41)).activityPassed);
}

}  // namespace
}  // namespace brivonce
