#include "text/dates.h"

#include <cstdio>

namespace brivonce {
namespace {

using namespace std::chrono;

// The value of `count` decimal digits at `pos`, or -1 when one is not a digit.
int Digits(std::string_view text, size_t pos, size_t count) {
    int value = 0;
    for (size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::optional<year_month_day> MakeDate(int yearValue, int monthValue, int dayValue) {
    if (yearValue < 0 || monthValue < 0 || dayValue < 0) {
        return std::nullopt;
    }
    year_month_day date{year{yearValue}, month{static_cast<unsigned>(monthValue)},
                        day{static_cast<unsigned>(dayValue)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

}  // namespace

int DayOfWeek(year_month_day date) {
    return static_cast<int>(weekday{sys_days{date}}.c_encoding()) + 1;
}

std::string FormatShortDate(year_month_day date) {
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return text;
}

std::optional<year_month_day> ParseShortDate(std::string_view text) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/') {
        return std::nullopt;
    }
    return MakeDate(Digits(text, 6, 4), Digits(text, 3, 2), Digits(text, 0, 2));
}

std::string FormatDateKey(year_month_day date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<year_month_day> ParseDateKey(std::string_view text) {
    if (text.size() != 8) {
        return std::nullopt;
    }
    return MakeDate(Digits(text, 0, 4), Digits(text, 4, 2), Digits(text, 6, 2));
}

}  // namespace brivonce
