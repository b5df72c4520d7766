#include "agenda/month_grid.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

using namespace std::chrono;

TEST(MonthGrid, PutsEveryDayInItsWeekdayColumn) {
    // December 2026 begins on a Tuesday.
    EXPECT_EQ(MonthGridCell(2026y / December / 1), (GridCell{1, 1}));
    EXPECT_EQ(MonthGridCell(2026y / December / 6), (GridCell{1, 6}));
    EXPECT_EQ(MonthGridCell(2026y / December / 7), (GridCell{2, 0}));
    EXPECT_EQ(MonthGridCell(2026y / December / 31), (GridCell{5, 3}));
}

TEST(MonthGrid, ReadsBackTheDayOfEveryCellAndBlanksTheRest) {
    for (year_month month : {2026y / December, 2026y / February, 2026y / March, 2028y / February}) {
        int days = 0;
        for (int row = 0; row < kMonthGridRows; ++row) {
            for (int column = 0; column < kMonthGridColumns; ++column) {
                std::optional<unsigned> day = MonthGridDay(month, {row, column});
                if (day) {
                    ++days;
                    EXPECT_EQ(MonthGridCell(month / std::chrono::day{*day}),
                              (GridCell{row, column}));
                }
            }
        }
        EXPECT_EQ(days, static_cast<int>(unsigned{(month / last).day()}));
    }
    EXPECT_FALSE(MonthGridDay(2026y / December, {1, 0}));  // Monday 30 November
    EXPECT_FALSE(MonthGridDay(2026y / December, {0, 3}));  // day-name row
    EXPECT_FALSE(MonthGridDay(2026y / December, {7, 0}));
}

TEST(MonthGrid, AMonthBeginningOnSundayNeedsTheSixthRow) {
    // March 2026: Sunday the 1st, so the 30th and 31st fill row 6.
    EXPECT_EQ(MonthGridCell(2026y / March / 1), (GridCell{1, 6}));
    EXPECT_EQ(MonthGridCell(2026y / March / 31), (GridCell{6, 1}));
}

}  // namespace
}  // namespace brivonce
