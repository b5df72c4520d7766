#include "activities/repetition.h"

#include <algorithm>

#include "agenda/french_calendar.h"

namespace brivonce {
namespace {

using namespace std::chrono;

bool WeekEnd(year_month_day date) {
    weekday day{sys_days{date}};
    return day == Saturday || day == Sunday;
}

// Day `dayOfMonth` of month 1..12 of `year`, or the month's last day when it
// is shorter.
year_month_day DayOfMonthIn(int year, int month, unsigned dayOfMonth) {
    unsigned length = static_cast<unsigned>(MonthLength(year, month));
    return std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
           std::chrono::day{std::min(dayOfMonth, length)};
}

// The date after `date`, or a day after `last` when it would fall beyond the
// last date's year (a huge interval would overflow the calendar).
sys_days Next(year_month_day date, const Repetition& repetition, int interval, unsigned firstDay) {
    long long year = static_cast<int>(date.year());
    long long month = static_cast<unsigned>(date.month());
    long long lastYear = static_cast<int>(repetition.last.year());
    switch (repetition.unit) {
        case RepeatUnit::kDay:
            return sys_days{date} + days{interval};
        case RepeatUnit::kWeek:
            return sys_days{date} + weeks{interval};
        case RepeatUnit::kMonth:
            month += interval - 1;  // counted from 0
            year += month / 12;
            month = month % 12 + 1;
            break;
        case RepeatUnit::kYear:
            year += interval;
            break;
    }
    if (year > lastYear) {
        return sys_days{repetition.last} + days{1};
    }
    return DayOfMonthIn(static_cast<int>(year), static_cast<int>(month), firstDay);
}

}  // namespace

std::vector<year_month_day> RepetitionDates(const Repetition& repetition) {
    std::vector<year_month_day> dates;
    int interval = std::max(repetition.interval, 1);
    unsigned firstDay = static_cast<unsigned>(repetition.first.day());
    bool skipWeekEnds = repetition.unit == RepeatUnit::kDay && !repetition.weekEnds;
    sys_days last{repetition.last};
    year_month_day date = repetition.first;
    for (;;) {
        if (!(skipWeekEnds && WeekEnd(date))) {
            dates.push_back(date);
        }
        sys_days next = Next(date, repetition, interval, firstDay);
        if (next > last) {
            return dates;
        }
        date = next;
    }
}

std::vector<WeekDays> GroupByWeek(const std::vector<year_month_day>& dates) {
    std::vector<WeekDays> weeks;
    for (year_month_day date : dates) {
        year_month_day monday = MondayOf(date);
        if (weeks.empty() || weeks.back().monday != monday) {
            weeks.push_back({monday, {}});
        }
        weeks.back().days.push_back(DayNumber(date));
    }
    return weeks;
}

int ApplyRepetition(const std::filesystem::path& dataFolder, const std::vector<WeekDays>& weeks,
                    int slot, const Slot& value, const WalkProgress& progress) {
    std::vector<year_month_day> mondays;
    mondays.reserve(weeks.size());
    for (const WeekDays& week : weeks) {
        mondays.push_back(week.monday);
    }
    auto copy = [&](std::size_t index, year_month_day, Week& week) {
        bool changed = false;
        for (int day : weeks[index].days) {
            Slot& target = week.At(day, slot);
            changed = changed || target != value;
            target = value;
        }
        return changed;
    };
    return EditWeeks(dataFolder, mondays, copy, progress);
}

}  // namespace brivonce
