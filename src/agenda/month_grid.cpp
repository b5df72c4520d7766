#include "agenda/month_grid.h"

#include <algorithm>

#include "agenda/french_calendar.h"
#include "agenda/week_store.h"

namespace brivonce {
namespace {

using namespace std::chrono;

// Columns left blank before the 1st of `month` (0 when it is a Monday).
int LeadingBlanks(year_month month) {
    return DayNumber(month / 1) - 1;
}

}  // namespace

GridCell MonthGridCell(year_month_day date) {
    int index =
        LeadingBlanks(date.year() / date.month()) + static_cast<int>(unsigned{date.day()}) - 1;
    return {1 + index / kMonthGridColumns, index % kMonthGridColumns};
}

std::optional<unsigned> MonthGridDay(year_month month, GridCell cell) {
    if (cell.row < 1 || cell.row >= kMonthGridRows || cell.column < 0 ||
        cell.column >= kMonthGridColumns) {
        return std::nullopt;
    }
    int day = (cell.row - 1) * kMonthGridColumns + cell.column - LeadingBlanks(month) + 1;
    int length =
        MonthLength(static_cast<int>(month.year()), static_cast<int>(unsigned{month.month()}));
    if (day < 1 || day > length) {
        return std::nullopt;
    }
    return static_cast<unsigned>(day);
}

year_month_day AddMonths(year_month_day date, int months) {
    year_month target = date.year() / date.month() + std::chrono::months{months};
    unsigned length = static_cast<unsigned>(
        MonthLength(static_cast<int>(target.year()), static_cast<int>(unsigned{target.month()})));
    return target / day{std::min(unsigned{date.day()}, length)};
}

year_month_day AddYears(year_month_day date, int years) {
    day d = date.month() == February && date.day() == day{29} ? day{28} : date.day();
    return (date.year() + std::chrono::years{years}) / date.month() / d;
}

}  // namespace brivonce
