#include "agenda/french_calendar.h"

#include <array>

#include "agenda/feast_list.h"
#include "text/dates.h"

namespace brivonce {
namespace {

using namespace std::chrono;

sys_days Date(int y, unsigned m, unsigned d) {
    return sys_days{year{y} / month{m} / day{d}};
}

// The run-time's day of week of a day: 1 = Sunday .. 7 = Saturday.
int Dow(sys_days d) {
    return DayOfWeek(year_month_day{d});
}

struct FeastRule {
    std::string_view text;
    bool publicHoliday;
    sys_days (*date)(int y, sys_days easter);
};

// Tested from top to bottom; the first that falls on a date names it, so fixed
// holidays win over movable feasts, and earlier movable feasts over later ones.
constexpr std::array<FeastRule, 23> kFeastRules = {{
    {"Jour de l'an", true, [](int y, sys_days) { return Date(y, 1, 1); }},
    {"Fête du travail", true, [](int y, sys_days) { return Date(y, 5, 1); }},
    {"Victoire 1945", true, [](int y, sys_days) { return Date(y, 5, 8); }},
    {"Fête nationale", true, [](int y, sys_days) { return Date(y, 7, 14); }},
    {"Assomption", true, [](int y, sys_days) { return Date(y, 8, 15); }},
    {"Toussaint", true, [](int y, sys_days) { return Date(y, 11, 1); }},
    {"Armistice 1918", true, [](int y, sys_days) { return Date(y, 11, 11); }},
    {"Noël", true, [](int y, sys_days) { return Date(y, 12, 25); }},
    {"Pâques", true, [](int, sys_days e) { return e; }},
    {"Lundi de Pâques", true, [](int, sys_days e) { return e + days{1}; }},
    {"Pentecôte", true, [](int, sys_days e) { return e + days{49}; }},
    {"Lundi de Pentecôte", true, [](int, sys_days e) { return e + days{50}; }},
    {"Ascension", true, [](int, sys_days e) { return e + days{39}; }},
    {"Carême", false, [](int, sys_days e) { return e - days{42}; }},
    {"Rameaux", false, [](int, sys_days e) { return e - days{7}; }},
    {"Mardi-Gras", false, [](int, sys_days e) { return e - days{47}; }},
    {"Cendres", false, [](int, sys_days e) { return e - days{46}; }},
    {"Avent", false,
     [](int y, sys_days) {
         // Four Sundays before Christmas: three weeks before the last Sunday
         // strictly before 25 December.
         sys_days christmas = Date(y, 12, 25);
         int w = Dow(christmas);
         sys_days lastSunday = w == 1 ? christmas - days{7} : christmas - days{w - 1};
         return lastSunday - days{21};
     }},
    {"Epiphanie", false,
     [](int y, sys_days) {
         sys_days newYear = Date(y, 1, 1);
         return newYear + days{8 - Dow(newYear)};
     }},
    {"Fête des Mères", false,
     [](int y, sys_days e) {
         sys_days may31 = Date(y, 5, 31);
         sys_days lastSunday = may31 - days{Dow(may31) - 1};
         return lastSunday == e + days{49} ? lastSunday + days{7} : lastSunday;
     }},
    {"Jeanne d'Arc", false,
     [](int y, sys_days) {
         sys_days may1 = Date(y, 5, 1);
         return may1 + days{(8 - Dow(may1)) % 7 + 7};
     }},
    {"Fête-Dieu", false, [](int, sys_days e) { return e + days{63}; }},
    {"Imm. Concept.", false,
     [](int y, sys_days) {
         sys_days december8 = Date(y, 12, 8);
         return Dow(december8) == 1 ? december8 + days{1} : december8;
     }},
}};

// Month and day of a dated entry ("Auguste*2902" -> 2, 29); {0, 0} when undated.
std::pair<unsigned, unsigned> EntryMonthDay(std::string_view entry) {
    size_t star = entry.find('*');
    if (star == std::string_view::npos || entry.size() != star + 5) {
        return {0, 0};
    }
    auto digits = [&entry](size_t at) {
        char high = entry[at], low = entry[at + 1];
        bool ok = high >= '0' && high <= '9' && low >= '0' && low <= '9';
        return ok ? static_cast<unsigned>((high - '0') * 10 + (low - '0')) : 0u;
    };
    return {digits(star + 3), digits(star + 1)};
}

// Name days by month and day, so a lookup does not scan the list.
class NameDays {
public:
    NameDays() {
        for (std::string_view entry : kFeastList) {
            auto [m, d] = EntryMonthDay(entry);
            if (m >= 1 && m <= 12 && d >= 1 && d <= 31) {
                m_names[Index(m, d)] = FeastDisplayName(entry);  // one entry per date
            }
        }
    }
    std::string_view Of(unsigned m, unsigned d) const { return m_names[Index(m, d)]; }

private:
    static size_t Index(unsigned m, unsigned d) { return (m - 1) * 31 + (d - 1); }
    std::array<std::string_view, 12 * 31> m_names{};
};

const NameDays& NameDayTable() {
    static const NameDays table;
    return table;
}

}  // namespace

bool LeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthLength(int year, int month) {
    static constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30,
                                                     31, 31, 30, 31, 30, 31};
    return kLengths.at(month - 1) + (month == 2 && LeapYear(year) ? 1 : 0);
}

year_month_day EasterSunday(int easterYear) {
    // The anonymous Gregorian computus. Easter dates repeat every 5,700,000
    // years, so a negative year is moved into that cycle's positive range, where
    // C++ division rounds the way the method expects.
    int y = easterYear < 0 ? easterYear + 5'700'000 : easterYear;
    int a = y % 19;
    int b = y / 100;
    int c = y % 100;
    int d = b / 4;
    int e = b % 4;
    int f = (b + 8) / 25;
    int g = (b - f + 1) / 3;
    int h = (19 * a + b - d - g + 15) % 30;
    int i = c / 4;
    int k = c % 4;
    int l = (32 + 2 * e + 2 * i - h - k) % 7;
    int m = (a + 11 * h + 22 * l) / 451;
    int monthDay = h + l - 7 * m + 114;
    return year_month_day{year{easterYear}, month{static_cast<unsigned>(monthDay / 31)},
                          day{static_cast<unsigned>(monthDay % 31 + 1)}};
}

DayName DayNames(year_month_day date, NameDayMode mode, year_month_day today) {
    if (!date.ok()) {
        return {};
    }
    int y = static_cast<int>(date.year());
    sys_days target{date};
    sys_days easter{EasterSunday(y)};
    for (const FeastRule& rule : kFeastRules) {
        if (rule.date(y, easter) == target) {
            return {rule.text, rule.publicHoliday};
        }
    }
    bool sameDay = date.month() == today.month() && date.day() == today.day();
    if (mode == NameDayMode::kAllDays || (mode == NameDayMode::kCurrentDay && sameDay)) {
        return {NameDayTable().Of(static_cast<unsigned>(date.month()),
                                  static_cast<unsigned>(date.day())),
                false};
    }
    return {};
}

std::optional<year_month_day> FeastDate(std::string_view entry, int y) {
    if (auto [m, d] = EntryMonthDay(entry); m != 0) {
        year_month_day date{year{y}, month{m}, day{d}};
        return date.ok() ? std::optional(date) : std::nullopt;
    }
    for (const FeastRule& rule : kFeastRules) {
        if (rule.text == entry) {
            return year_month_day{rule.date(y, sys_days{EasterSunday(y)})};
        }
    }
    return std::nullopt;
}

}  // namespace brivonce
