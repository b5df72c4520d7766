#include "agenda/week_view.h"

#include <gtest/gtest.h>

#include "agenda/week_number.h"
#include "agenda/week_store.h"

namespace brivonce {
namespace {

using namespace std::chrono;

TEST(TopSlotRow, CapsWeekdaysAt18AndTheWeekendAt22) {
    EXPECT_EQ(TopSlotRow(1, 7), 8);
    EXPECT_EQ(TopSlotRow(5, 17), 18);
    EXPECT_EQ(TopSlotRow(5, 18), 18);
    EXPECT_EQ(TopSlotRow(1, 21), 18);
    EXPECT_EQ(TopSlotRow(6, 21), 22);
    EXPECT_EQ(TopSlotRow(7, 23), 22);
    EXPECT_EQ(TopSlotRow(7, 0), 1);
}

TEST(TopSlotRow, AStartHourOutsideTheListStillFillsTheGrid) {
    EXPECT_EQ(TopSlotRow(3, -5), 1);
    EXPECT_EQ(TopSlotRow(3, 40), 18);
    EXPECT_EQ(TopSlotRow(6, 40), 22);
}

TEST(WeekNumberFromInput, BoundsTheNumberByTheWeeksOfTheYear) {
    EXPECT_EQ(WeekNumberFromInput("0", 49, 52), 1);
    EXPECT_EQ(WeekNumberFromInput("60", 49, 52), 52);
    EXPECT_EQ(WeekNumberFromInput("60", 49, 53), 53);
    EXPECT_EQ(WeekNumberFromInput("53", 49, 52), 52);
    EXPECT_EQ(WeekNumberFromInput("-3", 49, 52), 52);
    EXPECT_EQ(WeekNumberFromInput("12", 49, 52), 12);
    EXPECT_EQ(WeekNumberFromInput(" 12 ", 49, 52), 12);
    EXPECT_EQ(WeekNumberFromInput("+12", 49, 52), 12);
}

TEST(WeekNumberFromInput, TextThatIsNoIntegerGivesTheCurrentWeek) {
    for (const char* text :
         {"", " ", "abc", "12a", "1 2", "+-3", "+", "-", "1.5", "99999999999999999999999"}) {
        EXPECT_EQ(WeekNumberFromInput(text, 49, 52), 49) << text;
    }
}

TEST(MondayOfWeek, CountsFromTheFirstIsoWeek) {
    EXPECT_EQ(MondayOfWeek(2026, 1), 2025y / December / 29);
    EXPECT_EQ(MondayOfWeek(2026, 50), 2026y / December / 7);
    EXPECT_EQ(MondayOfWeek(2026, 53), 2026y / December / 28);
    EXPECT_EQ(MondayOfWeek(2027, 1), 2027y / January / 4);
    for (int number = 1; number <= WeeksInYear(2020); ++number) {
        year_month_day monday = MondayOfWeek(2020, number);
        EXPECT_EQ(DayNumber(monday), 1);
        EXPECT_EQ(WeekNumber(monday), number);
        EXPECT_EQ(WeekYear(monday), 2020);
    }
}

}  // namespace
}  // namespace brivonce
