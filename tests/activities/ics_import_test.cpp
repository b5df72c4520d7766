#include "activities/ics_import.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "scratch_dir.h"
#include "text/dates.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

using namespace std::chrono;
using testing::ScratchDir;

const ImportRange kDecember{2026y / December / 1, 2026y / December / 31};

std::string Calendar(const std::string& events) {
    return "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//test//test//FR\n" + events + "END:VCALENDAR\n";
}

std::string Event(const std::string& lines) {
    return "BEGIN:VEVENT\n" + lines + "END:VEVENT\n";
}

// "07/12/2026 9 08:30 Dentiste", "+" before the slot for an all-day event.
std::vector<std::string> Described(const std::vector<ImportedActivity>& activities) {
    std::vector<std::string> lines;
    for (const ImportedActivity& a : activities) {
        lines.push_back(FormatShortDate(a.date) + (a.allDay ? " +" : " ") + std::to_string(a.slot) +
                        " " + a.value.label + " " + a.value.text);
    }
    return lines;
}

// Zoned times are turned into the machine's zone: the tests fix it.
class IcsImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* zone = std::getenv("TZ");
        m_savedZone = zone ? std::optional<std::string>(zone) : std::nullopt;
        setenv("TZ", "Europe/Paris", 1);
        tzset();
    }
    void TearDown() override {
        if (m_savedZone) {
            setenv("TZ", m_savedZone->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

private:
    std::optional<std::string> m_savedZone;
};

struct MappingCase {
    const char* name;
    std::string events;
    std::vector<std::string> expected;
};

TEST_F(IcsImportTest, EachOccurrenceGoesToTheSlotOfItsLocalStartHour) {
    const std::string weekly = "DTSTART:20261201T180000\nSUMMARY:Gym\nRRULE:FREQ=WEEKLY;COUNT=4\n";
    const MappingCase cases[] = {
        {"a floating time as written",
         Event("DTSTART:20261207T083000\nSUMMARY:Dentiste\n"),
         {"07/12/2026 9 08:30 Dentiste"}},
        {"UTC in the local zone",
         Event("DTSTART:20261207T073000Z\nSUMMARY:Appel\n"),
         {"07/12/2026 9 08:30 Appel"}},
        {"another zone, across midnight",
         Event("DTSTART;TZID=America/New_York:20261209T201500\nSUMMARY:New York\n"),
         {"10/12/2026 3 02:15 New York"}},
        {"all day, DTEND excluded, in the morning slot",
         Event("DTSTART;VALUE=DATE:20261224\nDTEND;VALUE=DATE:20261226\nSUMMARY:Noël\n"),
         {"24/12/2026 +9 08:00 Noël", "25/12/2026 +9 08:00 Noël"}},
        {"only the days within the range",
         Event("DTSTART:20261130T100000\nSUMMARY:Avant\n") +
             Event("DTSTART:20261231T235900\nSUMMARY:Dernier\n") +
             Event("DTSTART:20270101T000000\nSUMMARY:Après\n"),
         {"31/12/2026 24 23:59 Dernier"}},
        {"a rule, less EXDATE, plus RDATE",
         Event(weekly + "EXDATE:20261208T180000\nRDATE:20261210T090000\n"),
         {"01/12/2026 19 18:00 Gym", "10/12/2026 10 09:00 Gym", "15/12/2026 19 18:00 Gym",
          "22/12/2026 19 18:00 Gym"}},
        {"an occurrence moved, another cancelled",
         Event(weekly + "UID:g\n") +
             Event("UID:g\nRECURRENCE-ID:20261208T180000\nDTSTART:20261209T070000\nSUMMARY:Gym\n") +
             Event("UID:g\nRECURRENCE-ID:20261215T180000\nDTSTART:20261215T180000\n"
                   "STATUS:CANCELLED\nSUMMARY:Gym\n"),
         {"01/12/2026 19 18:00 Gym", "09/12/2026 8 07:00 Gym", "22/12/2026 19 18:00 Gym"}},
        {"a cancelled event",
         Event("DTSTART:20261207T083000\nSTATUS:CANCELLED\nSUMMARY:Non\n"),
         {}},
        {"this program's own export keeps its slot",
         Event("UID:20261207-03@brivonce\nDTSTART:20261207T083000\nSUMMARY:Tôt\n") +
             Event("UID:20261208-03@brivonce\nDTSTART:20261207T093000\nSUMMARY:Autre jour\n"),
         {"07/12/2026 3 08:30 Tôt", "07/12/2026 10 09:30 Autre jour"}},
        {"timed ones first, by time, then all day",
         Event("DTSTART;VALUE=DATE:20261207\nSUMMARY:Anniversaire\n") +
             Event("DTSTART:20261207T140000\nSUMMARY:B\n") +
             Event("DTSTART:20261207T083000\nSUMMARY:A\n"),
         {"07/12/2026 9 08:30 A", "07/12/2026 15 14:00 B", "07/12/2026 +9 08:00 Anniversaire"}},
        {"the text: escapes, line breaks, no summary, Windows-1252",
         Event("DTSTART:20261207T080000\nSUMMARY:Réunion\\, salle 2\\nétage 3\n") +
             Event("DTSTART:20261207T090000\n") +
             Event("DTSTART:20261207T100000\nSUMMARY:Œuvre de Dvořák\n"),
         {"07/12/2026 9 08:00 Réunion, salle 2 étage 3", "07/12/2026 10 09:00 (sans titre)",
          "07/12/2026 11 10:00 Œuvre de Dvo?ák"}},
        {"255 characters at most",
         Event("DTSTART:20261207T080000\nSUMMARY:é" + std::string(299, 'e') + "\n"),
         {"07/12/2026 9 08:00 é" + std::string(254, 'e')}},
    };
    for (const MappingCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Described(IcsActivities(Calendar(c.events), kDecember, PlainStorable, "f.ics")),
                  c.expected);
    }
}

TEST_F(IcsImportTest, WhatIsNoWholeCalendarIsRefused) {
    const std::pair<std::string, std::string_view> cases[] = {
        {"Bonjour\nle monde\n", kNotIcs},
        {"BEGIN:VCARD\nVERSION:3.0\nFN:Jean\nEND:VCARD\n", kNotIcs},
        {"", kNotIcs},
        {"BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART:20261207T080000\nSUMMARY:Coupé", kUnreadableIcs},
        {Calendar(Event("DTSTART:2026\nSUMMARY:Date fausse\n")), kUnreadableIcs},
        {Calendar(Event("SUMMARY:Sans début\n")), kUnreadableIcs},
        {Calendar(Event("DTSTART:20261201T000000\nRRULE:FREQ=SECONDLY\nSUMMARY:Tic\n")),
         kTooManyOccurrences},
    };
    for (const auto& [ics, message] : cases) {
        SCOPED_TRACE(ics);
        try {
            IcsActivities(ics, kDecember, PlainStorable, "f.ics");
            ADD_FAILURE() << "accepted";
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), FormatMessage(message, "f.ics"));
        }
    }
}

TEST(ResolveImportRange, OpenEndsGoFromTodayToAYearLater) {
    year_month_day today = 2026y / December / 8;
    EXPECT_EQ(ResolveImportRange({}, {}, today).to, 2027y / December / 8);
    EXPECT_EQ(ResolveImportRange({}, {}, today).from, today);
    EXPECT_EQ(ResolveImportRange(2028y / February / 29, {}, today).to, 2029y / February / 28);
    EXPECT_EQ(ResolveImportRange({}, 2026y / December / 31, today).to, 2026y / December / 31);
}

ImportedActivity Timed(year_month_day date, int slot, const std::string& label,
                       const std::string& text) {
    return {date, slot, {label, text}, false};
}

ImportedActivity AllDay(year_month_day date, const std::string& text) {
    return {date, kAllDaySlot, {"08:00", text}, true};
}

TEST(ImportActivities, FillsFreeSlotsOnlyAndCountsTheRest) {
    ScratchDir dir;
    year_month_day monday = 2026y / December / 7;
    Week existing;
    existing.At(1, 9) = {"08:15", "Dentiste"};
    existing.At(1, 10) = {"09:00", "Banque"};
    SaveWeek(dir.path(), monday, existing);
    std::vector<ImportedActivity> activities = {
        Timed(monday, 9, "08:30", "Dentiste"),  // already there, at another time
        Timed(monday, 10, "09:30", "Poste"),    // taken
        Timed(monday, 15, "14:00", "Réunion"),
        AllDay(monday, "Fête"),  // 08:00 and 09:00 are taken: 10:00
        Timed(2027y / January / 4, 1, "00:10", "Nouvel an"),
    };
    ImportSummary first = ImportActivities(dir.path(), activities, [](int) { return true; });
    EXPECT_EQ(first, (ImportSummary{3, 1, 1, {activities[1]}}));
    Week week = LoadWeek(dir.path(), monday);
    EXPECT_EQ(week.At(1, 9), (Slot{"08:15", "Dentiste"}));
    EXPECT_EQ(week.At(1, 10), (Slot{"09:00", "Banque"}));
    EXPECT_EQ(week.At(1, 11), (Slot{"10:00", "Fête"}));
    EXPECT_EQ(week.At(1, 15), (Slot{"14:00", "Réunion"}));
    EXPECT_EQ(LoadWeek(dir.path(), 2027y / January / 4).At(1, 1), (Slot{"00:10", "Nouvel an"}));

    // The same file twice adds nothing, and writes nothing.
    auto before = ReadWholeFile(WeekFileName(dir.path(), monday), kCannotOpen);
    ImportSummary second = ImportActivities(dir.path(), activities, [](int) { return true; });
    EXPECT_EQ(second, (ImportSummary{0, 4, 1, {activities[1]}}));
    EXPECT_EQ(ReadWholeFile(WeekFileName(dir.path(), monday), kCannotOpen), before);
}

TEST(ImportSummaryText, CountsAndListsTheFirstLeftOut) {
    ImportSummary summary{12, 3, 7, {}};
    for (int i = 0; i < 5; ++i) {
        summary.firstLeftOut.push_back(Timed(2026y / December / 7, 9, "08:30", "Cours"));
    }
    summary.firstLeftOut[4] = AllDay(2026y / December / 25, "Noël");
    EXPECT_EQ(ImportSummaryText(kDecember, summary),
              "Calendrier importé du 01/12/2026 au 31/12/2026.\n"
              "Activités ajoutées : 12\n"
              "Déjà présentes : 3\n"
              "Laissées de côté faute de créneau libre : 7\n"
              "Les premières laissées de côté :\n"
              "07/12/2026 08:30 - Cours\n07/12/2026 08:30 - Cours\n07/12/2026 08:30 - Cours\n"
              "07/12/2026 08:30 - Cours\n25/12/2026 - Noël\n");
}

}  // namespace
}  // namespace brivonce
