#include "agenda/week_view.h"

#include <algorithm>
#include <charconv>

#include "agenda/week_number.h"
#include "agenda/week_store.h"

namespace brivonce {
namespace {

constexpr int kSaturday = 6;
constexpr int kSunday = 7;

std::string_view Trimmed(std::string_view text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int LastTopSlotRow(int dayNumber) {
    return dayNumber >= kSaturday ? kSlotsPerDay - 2 : kSlotsPerDay - 6;
}

int TopSlotRow(int dayNumber, int hour) {
    return std::clamp(hour + 1, 1, LastTopSlotRow(dayNumber));
}

DayColour DayColourOf(int dayNumber, bool publicHoliday, bool today) {
    if (today) {
        return DayColour::kToday;
    }
    if (publicHoliday) {
        return DayColour::kHoliday;
    }
    return dayNumber == kSunday ? DayColour::kSunday : DayColour::kWhite;
}

NameDayMode NameDayModeFrom(int value) {
    switch (value) {
        case 1:
            return NameDayMode::kCurrentDay;
        case 2:
            return NameDayMode::kAllDays;
        default:
            return NameDayMode::kNone;
    }
}

int WeekNumberFromInput(std::string_view text, int current, int weeksInYear) {
    std::string_view digits = Trimmed(text);
    if (digits.size() > 1 && digits[0] == '+' && digits[1] != '-') {
        digits.remove_prefix(1);
    }
    long long number = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
        return current;
    }
    if (number == 0) {
        return 1;
    }
    return number < 0 || number > weeksInYear ? weeksInYear : static_cast<int>(number);
}

std::chrono::year_month_day MondayOfWeek(int weekYear, int number) {
    return std::chrono::sys_days{WeekOneMonday(weekYear)} + std::chrono::weeks{number - 1};
}

int MillisecondsToNextMinute(int second, int millisecond) {
    return 60000 - 1000 * second - millisecond;
}

}  // namespace brivonce
