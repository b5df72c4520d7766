#include "agenda/french_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "agenda/feast_list.h"
#include "text/dates.h"

namespace brivonce {
namespace {

using namespace std::chrono;

sys_days Day(int y, unsigned m, unsigned d) {
    return year{y} / month{m} / day{d};
}

// The Paschal-table method the agenda was first described with, exact for
// 1900..2199 only: a second opinion for the computus.
year_month_day EasterByPaschalTable(int y) {
    constexpr int kTable[3] = {14, 4, 24};
    int g = y % 19;
    int p = kTable[g % 3] - g;
    if (p == 19) {
        p = 18;
    }
    if (p == 22) {
        p = 23;
    }
    if (p == -12) {
        p = 17;
    }
    if (p <= 0) {
        p += 31;
    }
    sys_days fullMoon = Day(y, p > 19 ? 3 : 4, static_cast<unsigned>(p));
    return fullMoon + days{8 - DayOfWeek(fullMoon)};
}

TEST(EasterSunday, AgreesWithThePaschalTableFrom1900To2199) {
    for (int y = 1900; y <= 2199; ++y) {
        ASSERT_EQ(EasterSunday(y), EasterByPaschalTable(y)) << y;
    }
    EXPECT_EQ(EasterSunday(2024), year{2024} / March / 31);
    EXPECT_EQ(EasterSunday(2025), year{2025} / April / 20);
    EXPECT_EQ(EasterSunday(2026), year{2026} / April / 5);
    EXPECT_EQ(EasterSunday(2027), year{2027} / March / 28);
}

TEST(EasterSunday, IsRightOutsideThePaschalTablesRange) {
    EXPECT_EQ(EasterSunday(1589), year{1589} / April / 2);
    EXPECT_EQ(EasterSunday(1700), year{1700} / April / 11);
    EXPECT_EQ(EasterSunday(1818), year{1818} / March / 22);
    EXPECT_EQ(EasterSunday(1886), year{1886} / April / 25);
    EXPECT_EQ(EasterSunday(2200), year{2200} / April / 6);
    EXPECT_EQ(EasterSunday(2285), year{2285} / March / 22);
    EXPECT_EQ(EasterSunday(2400), year{2400} / April / 16);
    EXPECT_EQ(EasterSunday(2999), year{2999} / March / 24);
    int disagreements = 0;
    for (int y = 1583; y <= 2999; ++y) {
        disagreements += EasterSunday(y) != EasterByPaschalTable(y);
    }
    EXPECT_EQ(disagreements, 385);
}

TEST(EasterSunday, IsASundayFrom22MarchTo25AprilInAnyYear) {
    for (int y = -3000; y <= 9999; ++y) {
        year_month_day easter = EasterSunday(y);
        ASSERT_EQ(static_cast<int>(easter.year()), y);
        ASSERT_EQ(weekday{sys_days{easter}}, Sunday) << y;
        ASSERT_GE(sys_days{easter}, Day(y, 3, 22)) << y;
        ASSERT_LE(sys_days{easter}, Day(y, 4, 25)) << y;
    }
}

TEST(LeapYearAndMonthLength, FollowTheGregorianCalendar) {
    EXPECT_FALSE(LeapYear(1900));
    EXPECT_TRUE(LeapYear(2000));
    EXPECT_TRUE(LeapYear(2028));
    EXPECT_FALSE(LeapYear(2026));
    for (int y = 1599; y <= 2401; ++y) {
        ASSERT_EQ(LeapYear(y), year{y}.is_leap()) << y;
        for (unsigned m = 1; m <= 12; ++m) {
            ASSERT_EQ(MonthLength(y, static_cast<int>(m)),
                      static_cast<int>(unsigned{(year{y} / month{m} / last).day()}));
        }
    }
}

TEST(FeastList, HasOneDatedEntryPerDayOfALeapYearAndThe13MovableFeasts) {
    std::set<sys_days> dates;
    std::set<std::string_view> undated;
    for (std::string_view entry : kFeastList) {
        if (entry.find('*') == std::string_view::npos) {
            undated.insert(entry);
            continue;
        }
        auto date = FeastDate(entry, 2028);
        ASSERT_TRUE(date.has_value()) << entry;
        ASSERT_TRUE(dates.insert(*date).second) << "second entry for " << entry;
    }
    EXPECT_EQ(dates.size(), 366u);
    EXPECT_EQ(undated, (std::set<std::string_view>{"Ascension", "Avent", "Carême", "Cendres",
                                                   "Epiphanie", "Fête des Mères", "Fête-Dieu",
                                                   "Imm. Concept.", "Jeanne d'Arc", "Mardi-Gras",
                                                   "Pâques", "Pentecôte", "Rameaux"}));
}

TEST(FeastList, KeepsItsOrderAndExactTexts) {
    EXPECT_EQ(kFeastList.front(), "Abel*0508");
    EXPECT_EQ(kFeastList.back(), "Zita*2704");
    auto at = [](std::string_view entry) {
        return std::find(kFeastList.begin(), kFeastList.end(), entry) - kFeastList.begin();
    };
    EXPECT_EQ(at("Augustin*2808"), at("Augustin*2705") + 1);
    EXPECT_EQ(at("Auguste*2902"), at("Augustin*2705") - 1);
    EXPECT_EQ(at("Jean*2712"), at("Jean Eudes*1908") + 1);
    for (std::string_view entry : {"Anne, Joa.*2607", "Th. de l'E.J.*0110", "N.D. Mt-Carmel*1607",
                                   "Jour de l'an*0101", "Raïssa*0509", "Côme, Dam.*2609"}) {
        EXPECT_LT(at(entry), 379) << entry;
    }
    EXPECT_EQ(FeastDisplayName("Anne, Joa.*2607"), "Anne, Joa.");
    EXPECT_EQ(FeastDisplayName("Imm. Concept."), "Imm. Concept.");
    for (std::string_view entry : kFeastList) {
        EXPECT_NE(FeastDisplayName(entry).rfind("Lundi de", 0), 0u) << entry;
    }
}

struct Feast {
    const char* text;
    year_month_day date;
};

TEST(FeastDate, Gives2026MovableFeastsAndDayNamesShowsThem) {
    const Feast feasts[] = {
        {"Mardi-Gras", year{2026} / 2 / 17},     {"Cendres", year{2026} / 2 / 18},
        {"Carême", year{2026} / 2 / 22},         {"Rameaux", year{2026} / 3 / 29},
        {"Pâques", year{2026} / 4 / 5},          {"Lundi de Pâques", year{2026} / 4 / 6},
        {"Jeanne d'Arc", year{2026} / 5 / 10},   {"Ascension", year{2026} / 5 / 14},
        {"Pentecôte", year{2026} / 5 / 24},      {"Lundi de Pentecôte", year{2026} / 5 / 25},
        {"Fête des Mères", year{2026} / 5 / 31}, {"Fête-Dieu", year{2026} / 6 / 7},
        {"Avent", year{2026} / 11 / 29},         {"Epiphanie", year{2026} / 1 / 4},
        {"Imm. Concept.", year{2026} / 12 / 8},
    };
    for (const Feast& feast : feasts) {
        EXPECT_EQ(FeastDate(feast.text, 2026), feast.date) << feast.text;
        EXPECT_EQ(DayNames(feast.date, NameDayMode::kNone, feast.date).text, feast.text);
    }
}

TEST(FeastDate, MovesWithTheWeekdays) {
    EXPECT_EQ(FeastDate("Imm. Concept.", 2024), year{2024} / 12 / 9);  // 8th is a Sunday
    EXPECT_EQ(FeastDate("Epiphanie", 2024), year{2024} / 1 / 7);
    EXPECT_EQ(FeastDate("Fête des Mères", 2020), year{2020} / 6 / 7);  // 31 May is Pentecost
    EXPECT_EQ(FeastDate("Epiphanie", 2028), year{2028} / 1 / 2);       // 1 January is a Saturday
    EXPECT_EQ(FeastDate("Epiphanie", 2023), year{2023} / 1 / 8);       // 1 January is a Sunday
    EXPECT_EQ(FeastDate("Avent", 2022), year{2022} / 11 / 27);         // Christmas on a Sunday
    EXPECT_EQ(FeastDate("Avent", 2023), year{2023} / 12 / 3);          // Christmas on a Monday
    for (int y = 1900; y <= 2100; ++y) {
        sys_days advent = FeastDate("Avent", y).value();
        ASSERT_EQ(weekday{advent}, Sunday);
        ASSERT_GE(advent, Day(y, 11, 27));  // four Sundays before Christmas, none on it
        ASSERT_LE(advent, Day(y, 12, 3));
        sys_days mothers = FeastDate("Fête des Mères", y).value();
        ASSERT_EQ(weekday{mothers}, Sunday);
        ASSERT_NE(mothers, sys_days{EasterSunday(y)} + days{49}) << y;
        ASSERT_NE(weekday{sys_days{FeastDate("Imm. Concept.", y).value()}}, Sunday);
        ASSERT_EQ(FeastDate("Pâques", y), EasterSunday(y));
    }
}

TEST(FeastDate, DatedEntriesKeepTheirDayAndAugusteSkipsCommonYears) {
    EXPECT_EQ(FeastDate("Noël*2512", 1999), year{1999} / 12 / 25);
    EXPECT_EQ(FeastDate("Guénolé*0303", 2026), year{2026} / 3 / 3);
    EXPECT_EQ(FeastDate("Auguste*2902", 2026), std::nullopt);
    EXPECT_EQ(FeastDate("Auguste*2902", 2028), year{2028} / 2 / 29);
    EXPECT_EQ(FeastDate("Inconnu", 2026), std::nullopt);
}

TEST(DayNames, FixedHolidaysAndEarlierRulesWinCollisions) {
    // 2008: Ascension on 1 May, Jeanne d'Arc on Pentecost, Mothers' Day on Fête-Dieu.
    EXPECT_EQ(DayNames(year{2008} / 5 / 1, NameDayMode::kNone, year{2008} / 1 / 1),
              (DayName{"Fête du travail", true}));
    EXPECT_EQ(FeastDate("Jeanne d'Arc", 2008), year{2008} / 5 / 11);
    EXPECT_EQ(DayNames(year{2008} / 5 / 11, NameDayMode::kAllDays, year{2008} / 1 / 1),
              (DayName{"Pentecôte", true}));
    EXPECT_EQ(FeastDate("Fête-Dieu", 2008), year{2008} / 5 / 25);
    EXPECT_EQ(DayNames(year{2008} / 5 / 25, NameDayMode::kNone, year{2008} / 1 / 1),
              (DayName{"Fête des Mères", false}));
    // 29 February 2028 is Mardi-Gras in every mode.
    for (auto mode : {NameDayMode::kNone, NameDayMode::kCurrentDay, NameDayMode::kAllDays}) {
        EXPECT_EQ(DayNames(year{2028} / 2 / 29, mode, year{2028} / 2 / 29),
                  (DayName{"Mardi-Gras", false}));
        EXPECT_EQ(DayNames(year{2031} / 7 / 14, mode, year{2031} / 1 / 1),
                  (DayName{"Fête nationale", true}));
    }
}

TEST(DayNames, NameDaysFollowTheMode) {
    year_month_day march3 = year{2026} / 3 / 3;
    EXPECT_EQ(DayNames(march3, NameDayMode::kNone, march3), DayName{});
    EXPECT_EQ(DayNames(march3, NameDayMode::kAllDays, year{2020} / 1 / 1),
              (DayName{"Guénolé", false}));
    EXPECT_EQ(DayNames(march3, NameDayMode::kCurrentDay, year{2031} / 3 / 3).text, "Guénolé");
    EXPECT_EQ(DayNames(march3, NameDayMode::kCurrentDay, year{2026} / 3 / 4), DayName{});
    EXPECT_EQ(DayNames(march3, NameDayMode::kCurrentDay, year{2026} / 4 / 3), DayName{});
    EXPECT_EQ(DayNames(year{2032} / 2 / 29, NameDayMode::kAllDays, march3).text, "Auguste");
    EXPECT_EQ(DayNames(year{2026} / 12 / 26, NameDayMode::kAllDays, march3).text, "Etienne");
    for (int y : {2024, 2025}) {
        for (sys_days d = Day(y, 1, 1); d <= Day(y, 12, 31); d += days{1}) {
            ASSERT_FALSE(DayNames(d, NameDayMode::kAllDays, d).text.empty());
        }
    }
}

TEST(DayNames, PublicHolidaysAreTheEightFixedOnesAndFiveAfterEaster) {
    auto holidays = [](int y) {
        std::set<sys_days> found;
        for (sys_days d = Day(y, 1, 1); d <= Day(y, 12, 31); d += days{1}) {
            if (DayNames(d, NameDayMode::kAllDays, d).publicHoliday) {
                found.insert(d);
            }
        }
        return found;
    };
    EXPECT_EQ(
        holidays(2026),
        (std::set<sys_days>{Day(2026, 1, 1), Day(2026, 4, 5), Day(2026, 4, 6), Day(2026, 5, 1),
                            Day(2026, 5, 8), Day(2026, 5, 14), Day(2026, 5, 24), Day(2026, 5, 25),
                            Day(2026, 7, 14), Day(2026, 8, 15), Day(2026, 11, 1), Day(2026, 11, 11),
                            Day(2026, 12, 25)}));
    EXPECT_EQ(holidays(2008).size(), 12u);  // Ascension falls on 1 May
}

}  // namespace
}  // namespace brivonce
