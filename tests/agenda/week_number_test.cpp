#include "agenda/week_number.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace brivonce {
namespace {

using namespace std::chrono;

// What the C library prints for `date` with `format` (%V, %G).
std::string Strftime(year_month_day date, const char* format) {
    std::tm tm{};
    tm.tm_year = static_cast<int>(date.year()) - 1900;
    tm.tm_mon = static_cast<int>(unsigned{date.month()}) - 1;
    tm.tm_mday = static_cast<int>(unsigned{date.day()});
    tm.tm_hour = 12;
    ::timegm(&tm);  // fills in the day of week and of year
    char text[16];
    std::strftime(text, sizeof text, format, &tm);
    return text;
}

TEST(WeekNumber, MatchesTheCLibraryFor1990To2040) {
    for (sys_days d{year{1990} / January / 1}; d <= sys_days{year{2040} / December / 31};
         d += days{1}) {
        ASSERT_EQ(WeekNumber(d), std::stoi(Strftime(d, "%V"))) << Strftime(d, "%F");
        ASSERT_EQ(WeekYear(d), std::stoi(Strftime(d, "%G"))) << Strftime(d, "%F");
    }
}

TEST(WeekNumber, NeverRepeatsANumberAcrossTheNewYear) {
    EXPECT_EQ(WeekNumber(year{2004} / December / 27), 53);
    EXPECT_EQ(WeekNumber(year{2005} / January / 3), 1);
    EXPECT_EQ(WeekNumber(year{2032} / December / 27), 53);
    EXPECT_EQ(WeekNumber(year{2025} / December / 29), 1);
    EXPECT_EQ(WeekYear(year{2025} / December / 29), 2026);
    EXPECT_EQ(WeekYear(year{2027} / January / 3), 2026);  // a Sunday in week 53 of 2026
}

TEST(WeeksInYear, CountsTheWeeksOfEveryYear) {
    EXPECT_EQ(WeeksInYear(2004), 53);  // leap year beginning on a Thursday
    EXPECT_EQ(WeeksInYear(2020), 53);  // leap year beginning on a Wednesday
    EXPECT_EQ(WeeksInYear(2026), 53);  // common year beginning on a Thursday
    EXPECT_EQ(WeeksInYear(2025), 52);
    EXPECT_EQ(WeeksInYear(2019), 52);  // common year beginning on a Tuesday
    for (int y = 1990; y <= 2040; ++y) {
        ASSERT_EQ(WeeksInYear(y), std::stoi(Strftime(year{y} / December / 28, "%V"))) << y;
    }
}

TEST(WeekOneMonday, GoingToAWeekByNumberComesBackToTheSameMonday) {
    EXPECT_EQ(WeekOneMonday(2026), year{2025} / December / 29);  // 1 January is a Thursday
    EXPECT_EQ(WeekOneMonday(2027), year{2027} / January / 4);    // a Friday
    EXPECT_EQ(WeekOneMonday(2023), year{2023} / January / 2);    // a Sunday
    EXPECT_EQ(WeekOneMonday(2024), year{2024} / January / 1);    // a Monday
    for (sys_days monday{year{1990} / January / 1}; monday < sys_days{year{2041} / January / 1};
         monday += weeks{1}) {
        int number = WeekNumber(monday);
        ASSERT_GE(number, 1);
        ASSERT_LE(number, WeeksInYear(WeekYear(monday)));
        ASSERT_EQ(sys_days{WeekOneMonday(WeekYear(monday))} + weeks{number - 1}, monday)
            << Strftime(monday, "%F");
    }
}

}  // namespace
}  // namespace brivonce
