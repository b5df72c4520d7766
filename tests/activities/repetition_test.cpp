#include "activities/repetition.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scratch_dir.h"
#include "text/dates.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using testing::ScratchDir;

std::vector<std::string> Texts(const std::vector<year_month_day>& dates) {
    std::vector<std::string> texts;
    for (year_month_day date : dates) {
        texts.push_back(FormatShortDate(date));
    }
    return texts;
}

struct DatesCase {
    const char* name;
    Repetition repetition;
    std::vector<std::string> expected;
};

TEST(RepetitionDates, FollowTheUnitTheIntervalAndTheWeekEndRule) {
    const DatesCase cases[] = {
        {"Friday to Tuesday, week-ends skipped",
         {2026y / December / 11, 2026y / December / 15, RepeatUnit::kDay, 1, false},
         {"11/12/2026", "14/12/2026", "15/12/2026"}},
        {"Friday to Tuesday, week-ends included",
         {2026y / December / 11, 2026y / December / 15, RepeatUnit::kDay, 1, true},
         {"11/12/2026", "12/12/2026", "13/12/2026", "14/12/2026", "15/12/2026"}},
        {"every 2 days from a Thursday: Saturday skipped, not moved",
         {2026y / December / 10, 2026y / December / 17, RepeatUnit::kDay, 2, false},
         {"10/12/2026", "14/12/2026", "16/12/2026"}},
        {"a first date on a week-end day is skipped too",
         {2026y / December / 12, 2026y / December / 12, RepeatUnit::kDay, 1, false},
         {}},
        {"the first date alone",
         {2026y / December / 12, 2026y / December / 12, RepeatUnit::kWeek, 3, false},
         {"12/12/2026"}},
        {"weeks ignore the week-end choice",
         {2026y / December / 12, 2027y / January / 2, RepeatUnit::kWeek, 1, false},
         {"12/12/2026", "19/12/2026", "26/12/2026", "02/01/2027"}},
        {"31 January monthly",
         {2028y / January / 31, 2028y / December / 31, RepeatUnit::kMonth, 1, false},
         {"31/01/2028", "29/02/2028", "31/03/2028", "30/04/2028", "31/05/2028", "30/06/2028",
          "31/07/2028", "31/08/2028", "30/09/2028", "31/10/2028", "30/11/2028", "31/12/2028"}},
        {"31 January every 3 months, across the year",
         {2026y / January / 31, 2027y / February / 1, RepeatUnit::kMonth, 3, false},
         {"31/01/2026", "30/04/2026", "31/07/2026", "31/10/2026", "31/01/2027"}},
        {"29 February yearly",
         {2028y / February / 29, 2033y / March / 1, RepeatUnit::kYear, 1, false},
         {"29/02/2028", "28/02/2029", "28/02/2030", "28/02/2031", "29/02/2032", "28/02/2033"}},
        {"an interval too large for the calendar ends at the first date",
         {2026y / May / 4, 2099y / May / 4, RepeatUnit::kYear, 2147483647, false},
         {"04/05/2026"}},
    };
    for (const DatesCase& c : cases) {
        EXPECT_EQ(Texts(RepetitionDates(c.repetition)), c.expected) << c.name;
    }
}

TEST(RepetitionDates, TenYearsDailyGoToAboutFiveHundredWeeks) {
    auto dates =
        RepetitionDates({2026y / January / 1, 2035y / December / 31, RepeatUnit::kDay, 1, true});
    EXPECT_EQ(dates.size(), 3652u);
    auto weeks = GroupByWeek(dates);
    EXPECT_EQ(weeks.size(), 523u);
    EXPECT_EQ(weeks.front().monday, 2025y / December / 29);
    EXPECT_EQ(weeks.front().days, (std::vector<int>{4, 5, 6, 7}));
    EXPECT_EQ(weeks[1].days.size(), 7u);
}

class ApplyRepetitionTest : public ::testing::Test {
protected:
    ScratchDir dir;
    const Slot gym{"18:30", "Gym"};
    // Every Monday of 6 weeks from 7 December 2026.
    std::vector<WeekDays> SixMondays() {
        return GroupByWeek(RepetitionDates(
            {2026y / December / 7, 2027y / January / 11, RepeatUnit::kWeek, 1, false}));
    }
    std::string Bytes(year_month_day date) {
        return ReadWholeFile(WeekFileName(dir.path(), date), kCannotOpen).value_or("");
    }
};

TEST_F(ApplyRepetitionTest, OverwritesTheSlotAndStartsNewWeeksFromTheDefault) {
    Week busy;
    busy.At(1, 19) = {"18:15", "Piano"};
    busy.At(3, 10) = {"09:00", "Banque"};
    SaveWeek(dir.path(), 2026y / December / 14, busy);
    std::vector<int> reported;
    int done = ApplyRepetition(dir.path(), SixMondays(), 19, gym, [&](int n) {
        reported.push_back(n);
        return true;
    });
    EXPECT_EQ(done, 6);
    EXPECT_EQ(reported, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    Week overwritten = LoadWeek(dir.path(), 2026y / December / 14);
    EXPECT_EQ(overwritten.At(1, 19), gym);
    EXPECT_EQ(overwritten.At(3, 10), busy.At(3, 10));
    Week fresh;
    fresh.At(1, 19) = gym;
    EXPECT_EQ(LoadWeek(dir.path(), 2027y / January / 4), fresh);
}

TEST_F(ApplyRepetitionTest, AbortAndFailureLeaveEveryFileWhole) {
    Week other;
    other.At(2, 2) = {"01:00", "Veille"};
    for (year_month_day monday : {2026y / December / 21, 2027y / January / 4}) {
        SaveWeek(dir.path(), monday, other);
    }
    std::string untouched = Bytes(2027y / January / 4);
    // Stopped after the third week: the fourth on are as they were.
    EXPECT_EQ(ApplyRepetition(dir.path(), SixMondays(), 19, gym, [](int n) { return n < 3; }), 3);
    EXPECT_EQ(LoadWeek(dir.path(), 2026y / December / 21).At(1, 19), gym);
    EXPECT_FALSE(fs::exists(WeekFileName(dir.path(), 2026y / December / 28)));
    EXPECT_EQ(Bytes(2027y / January / 4), untouched);

    // A week that cannot be read ends the walk there, with its error.
    fs::create_directory(WeekFileName(dir.path(), 2026y / December / 28));
    EXPECT_THROW(
        ApplyRepetition(dir.path(), SixMondays(), 19, {"18:30", "Yoga"}, [](int) { return true; }),
        Error);
    EXPECT_EQ(LoadWeek(dir.path(), 2026y / December / 21).At(1, 19).text, "Yoga");
    EXPECT_EQ(Bytes(2027y / January / 4), untouched);
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        EXPECT_NE(entry.path().filename().string().front(), '.') << "a stray temporary";
    }
}

}  // namespace
}  // namespace brivonce
