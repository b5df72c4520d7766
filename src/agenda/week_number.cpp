#include "agenda/week_number.h"

#include "text/dates.h"

namespace brivonce {
namespace {

using namespace std::chrono;

// The Thursday of the date's Monday-to-Sunday week.
sys_days ThursdayOf(year_month_day date) {
    sys_days d{date};
    return d - (weekday{d} - Monday) + days{3};  // weekday differences are 0..6
}

}  // namespace

year_month_day WeekOneMonday(int y) {
    sys_days newYear{year{y} / January / 1};
    int w = DayOfWeek(newYear);  // 1 = Sunday .. 7 = Saturday
    if (w == 1) {
        return newYear + days{1};
    }
    // Monday to Thursday: the Monday on or before 1 January; Friday, Saturday:
    // the Monday after it.
    return newYear - days{w - 2} + days{w >= 6 ? 7 : 0};
}

int WeekYear(year_month_day date) {
    return static_cast<int>(year_month_day{ThursdayOf(date)}.year());
}

int WeekNumber(year_month_day date) {
    sys_days thursday = ThursdayOf(date);
    sys_days firstThursday = sys_days{WeekOneMonday(WeekYear(date))} + days{3};
    return static_cast<int>((thursday - firstThursday).count() / 7) + 1;
}

int WeeksInYear(int y) {
    return WeekNumber(year{y} / December / 28);
}

}  // namespace brivonce
