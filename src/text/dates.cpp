#include "text/dates.h"

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

// Appends `value` in decimal on at least `width` digits, with leading zeros.
void AppendDigits(std::string& text, unsigned value, size_t width) {
    char digits[16];
    size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    text.append(width > count ? width - count : 0, '0');
    while (count > 0) {
        text += digits[--count];
    }
}

// Four digits at least; a year before 1 AD (never seen in practice) gets a sign.
void AppendYear(std::string& text, year value) {
    int number = static_cast<int>(value);
    if (number < 0) {
        text += '-';
    }
    AppendDigits(text, static_cast<unsigned>(number < 0 ? -number : number), 4);
}

}  // namespace

int DayOfWeek(year_month_day date) {
    return static_cast<int>(weekday{sys_days{date}}.c_encoding()) + 1;
}

std::string FormatShortDate(year_month_day date) {
    std::string text;
    AppendDigits(text, static_cast<unsigned>(date.day()), 2);
    text += '/';
    AppendDigits(text, static_cast<unsigned>(date.month()), 2);
    text += '/';
    AppendYear(text, date.year());
    return text;
}

std::optional<year_month_day> ParseShortDate(std::string_view text) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/') {
        return std::nullopt;
    }
    return MakeDate(Digits(text, 6, 4), Digits(text, 3, 2), Digits(text, 0, 2));
}

std::string FormatDateKey(year_month_day date) {
    std::string text;
    AppendYear(text, date.year());
    AppendDigits(text, static_cast<unsigned>(date.month()), 2);
    AppendDigits(text, static_cast<unsigned>(date.day()), 2);
    return text;
}

std::optional<year_month_day> ParseDateKey(std::string_view text) {
    if (text.size() != 8) {
        return std::nullopt;
    }
    return MakeDate(Digits(text, 0, 4), Digits(text, 4, 2), Digits(text, 6, 2));
}

}  // namespace brivonce
