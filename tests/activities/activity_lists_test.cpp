#include "activities/activity_lists.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "agenda/week_store.h"
#include "scratch_dir.h"
#include "text/error.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using testing::ScratchDir;

// Wednesday 14 January 1998 in the week of Monday 12 January.
const year_month_day kToday = year{1998} / January / 14;
const year_month_day kThisMonday = year{1998} / January / 12;
const year_month_day kLastMonday = year{1998} / January / 5;
const year_month_day kNextMonday = year{1998} / January / 19;

void Put(const fs::path& folder, year_month_day date, int row, const std::string& label,
         const std::string& text) {
    StoreSlot(folder, date, row, label, text);
}

std::vector<std::string> Lines(const std::vector<ListedActivity>& activities) {
    std::vector<std::string> lines;
    for (const ListedActivity& activity : activities) {
        lines.push_back(EntryLine(activity));
    }
    return lines;
}

// A week file nobody can read, root included: reading it fails with EIO.
void PutUnreadableWeek(const fs::path& folder, year_month_day monday) {
    fs::create_symlink("/proc/self/mem", WeekFileName(folder, monday));
}

TEST(ListPastActivities, TodayCountsByTheLabelHourEarlierDaysWhateverTheHour) {
    ScratchDir dir;
    struct Case {
        year_month_day date;
        int row;
        std::string label;
        bool past;  // at 10:45 on kToday
    };
    const Case cases[] = {
        {kToday, 11, "10:00", false},  // the hour of 10:00 is not over before 11:00
        {kToday, 13, "10:30", false},
        {kToday, 10, "09:59", true},
        {kToday, 3, "bientôt", true},  // no hour in the label: the slot's hour, 02:00
        {kToday, 12, "x1:00", false},  // the slot's hour, 11:00
        {kToday, 9, "23:00", false},   // a label moved later in an early slot
        {year{1998} / January / 13, 24, "23:00", true},
        {year{1998} / January / 15, 1, "00:00", false},
        {kLastMonday, 24, "23:59", true},
        {kNextMonday, 1, "00:00", false},
    };
    for (const Case& c : cases) {
        Put(dir.path(), c.date, c.row, c.label, "A" + std::to_string(c.row) + c.label);
    }
    Put(dir.path(), kToday, 5, "02:00", "");                   // a moved label without activity
    PutUnreadableWeek(dir.path(), year{1998} / February / 2);  // later: never opened

    std::vector<ListedActivity> past = ListPastActivities(dir.path(), kToday, 10);
    for (const Case& c : cases) {
        ListedActivity expected{c.date, DayNumber(c.date), c.row, c.label,
                                "A" + std::to_string(c.row) + c.label};
        bool listed = std::find(past.begin(), past.end(), expected) != past.end();
        EXPECT_EQ(listed, c.past) << c.label << " in row " << c.row;
    }
    EXPECT_EQ(past.size(), 4u);
    EXPECT_EQ(EntryLine(past.front()), "05/01/1998\t23:59\tA2423:59");  // oldest week first
}

TEST(ListAllActivities, EveryActivityInWeekDayAndRowOrder) {
    ScratchDir dir;
    Put(dir.path(), kNextMonday, 2, "01:00", "lundi suivant");
    Put(dir.path(), year{1998} / January / 18, 3, "02:15", "dimanche");
    Put(dir.path(), kThisMonday, 24, "23:00", "lundi tard");
    Put(dir.path(), kThisMonday, 1, "à 0h5", "lundi tôt");  // five bytes on disk
    Put(dir.path(), year{1997} / December / 31, 9, "8:30", "réveillon\tchez Hélène");
    Put(dir.path(), kThisMonday, 6, "05:45", "");

    EXPECT_EQ(Lines(ListAllActivities(dir.path())),
              (std::vector<std::string>{
                  "31/12/1997\t8:30\tréveillon\tchez Hélène", "12/01/1998\tà 0h5\tlundi tôt",
                  "12/01/1998\t23:00\tlundi tard", "18/01/1998\t02:15\tdimanche",
                  "19/01/1998\t01:00\tlundi suivant"}));
    EXPECT_TRUE(ListAllActivities(dir / "missing").empty());
}

TEST(ActivityLists, AnUnreadableWeekStopsTheListWithItsFileName) {
    ScratchDir dir;
    PutUnreadableWeek(dir.path(), kThisMonday);
    try {
        ListAllActivities(dir.path());
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.what(),
                  FormatMessage(kCannotOpen, WeekFileName(dir.path(), kThisMonday).string()));
    }
    EXPECT_THROW(ListPastActivities(dir.path(), kToday, 10), Error);
}

TEST(RemoveFirstWeekActivities, RemovesExactlyTheBoundSlotsOneRewritePerWeek) {
    ScratchDir dir;
    // Odd labels and a tab inside a text are removed all the same.
    Put(dir.path(), kToday, 9, "8:30", "Dentiste\tcabinet 2");
    Put(dir.path(), kToday, 10, "09:00", "Dentiste");  // same text, other slot: stays
    Put(dir.path(), year{1998} / January / 18, 12, "11:00", "Messe");
    Put(dir.path(), kNextMonday, 2, "01:00", "seule");
    std::vector<ListedActivity> all = ListAllActivities(dir.path());
    ASSERT_EQ(all.size(), 4u);
    std::vector<ListedActivity> chosen = {all[0], all[2], all[3]};

    EXPECT_EQ(RemoveFirstWeekActivities(dir.path(), chosen), 2u);
    Week week = LoadWeek(dir.path(), kThisMonday);
    EXPECT_EQ(week.At(3, 9), (Slot{"08:00", ""}));  // back to its default label
    EXPECT_EQ(week.At(3, 10), (Slot{"09:00", "Dentiste"}));
    EXPECT_EQ(week.At(7, 12), (Slot{"11:00", ""}));

    EXPECT_EQ(RemoveFirstWeekActivities(dir.path(), std::span(chosen).subspan(2)), 1u);
    EXPECT_FALSE(fs::exists(WeekFileName(dir.path(), kNextMonday)));  // its only activity

    // A slot that changed since it was listed, or a file that went, stays as it is.
    Put(dir.path(), kToday, 10, "09:00", "Dentiste avancé");
    EXPECT_EQ(RemoveFirstWeekActivities(dir.path(), {&all[1], 1}), 1u);
    EXPECT_EQ(LoadWeek(dir.path(), kToday).At(3, 10).text, "Dentiste avancé");
    EXPECT_EQ(RemoveFirstWeekActivities(dir.path(), {&all[3], 1}), 1u);
    EXPECT_FALSE(fs::exists(WeekFileName(dir.path(), kNextMonday)));
}

TEST(ActivityPosition, TheBoundSlotWhileItStillHoldsTheActivity) {
    ScratchDir dir;
    Put(dir.path(), kThisMonday, 20, "19:00", "Cinéma");  // same text earlier in the week
    Put(dir.path(), year{1998} / January / 18, 20, "19:00", "Cinéma");
    Put(dir.path(), year{1998} / January / 18, 21, "20:00", "x\ty");
    std::vector<ListedActivity> all = ListAllActivities(dir.path());
    ASSERT_EQ(all.size(), 3u);

    EXPECT_EQ(ActivityPosition(dir.path(), all[1]), (AgendaPosition{kThisMonday, 7, 20}));
    EXPECT_EQ(ActivityPosition(dir.path(), all[2]), (AgendaPosition{kThisMonday, 7, 21}));
    RemoveFirstWeekActivities(dir.path(), {&all[1], 1});
    EXPECT_EQ(ActivityPosition(dir.path(), all[1]), std::nullopt);
    EXPECT_EQ(ActivityPosition(dir.path(), {kNextMonday, 1, 1, "00:00", "rien"}), std::nullopt);
}

}  // namespace
}  // namespace brivonce
