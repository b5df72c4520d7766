#include "text/dates.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

using namespace std::chrono;

TEST(DayOfWeek, NumbersSundayOneToSaturdaySeven) {
    sys_days sunday{year{2026} / December / 13};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(DayOfWeek(sunday + days{i}), i + 1);
    }
    EXPECT_EQ(DayOfWeek(year{2026} / January / 1), 5);  // a Thursday
}

TEST(ShortDate, PadsDayMonthAndYear) {
    EXPECT_EQ(FormatShortDate(year{2026} / December / 7), "07/12/2026");
    EXPECT_EQ(FormatShortDate(year{1995} / January / 31), "31/01/1995");
    EXPECT_EQ(FormatShortDate(year{800} / March / 5), "05/03/0800");
}

TEST(ShortDate, ReadsBackEveryDateItWrites) {
    for (sys_days d{year{1999} / January / 1}; d <= sys_days{year{2001} / December / 31};
         d += days{1}) {
        ASSERT_EQ(ParseShortDate(FormatShortDate(d)), year_month_day{d});
    }
}

TEST(ShortDate, RejectsOtherTextsAndDatesThatDoNotExist) {
    for (const char* text :
         {"", "7/12/2026", "07/12/26", "07-12-2026", "07/12/2026 ", "0a/12/2026", "31/04/2026",
          "29/02/2027", "00/01/2026", "01/13/2026", "+1/01/2026"}) {
        EXPECT_EQ(ParseShortDate(text), std::nullopt) << text;
    }
    EXPECT_EQ(ParseShortDate("29/02/2028"), year{2028} / February / 29);
}

TEST(DateKey, WritesAndReadsEightDigits) {
    EXPECT_EQ(FormatDateKey(year{2026} / December / 7), "20261207");
    EXPECT_EQ(FormatDateKey(year{999} / January / 2), "09990102");
    EXPECT_EQ(ParseDateKey("20251229"), year{2025} / December / 29);
    for (const char* text : {"", "2026120", "202612070", "2026-1207", "20261301", "20260230",
                             "2026120x", "20261200"}) {
        EXPECT_EQ(ParseDateKey(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace brivonce
