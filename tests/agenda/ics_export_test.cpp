#include "agenda/ics_export.h"

#include <gtest/gtest.h>

#include <sstream>

#include "agenda/week_store.h"
#include "scratch_dir.h"
#include "text/error.h"

namespace brivonce {
namespace {

using namespace std::chrono;
namespace fs = std::filesystem;
using testing::ScratchDir;

TEST(IcsText, EscapesWhatTextValuesReserve) {
    struct Case {
        std::string text, expected;
    } cases[] = {
        {"Dentiste: 2e étage", "Dentiste: 2e étage"},
        {R"(a\b;c,d)", R"(a\\b\;c\,d)"},
        {"un\ndeux\r\ntrois\rquatre", R"(un\ndeux\ntrois\nquatre)"},
        {"a\001b\tc\177", "a b\tc "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IcsText(c.text), c.expected);
    }
}

TEST(FoldIcsLine, FoldsAt75OctetsWithoutCuttingACharacter) {
    std::string a74(74, 'a'), b73(73, 'b');
    struct Case {
        std::string line, expected;
    } cases[] = {
        {a74 + "a", a74 + "a\r\n"},
        {a74 + "ab", a74 + "a\r\n b\r\n"},
        {a74 + "éb", a74 + "\r\n éb\r\n"},  // "é" would straddle the 75th octet
        // The leading space counts: 74 more octets per line.
        {a74 + "a" + b73 + "cd", a74 + "a\r\n " + b73 + "c\r\n d\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FoldIcsLine(c.line), c.expected);
    }
}

class AgendaAsIcsTest : public ::testing::Test {
protected:
    ScratchDir dir;
    const sys_seconds now = sys_days{2026y / December / 8} + 9h + 5min + 7s;

    void Put(year_month_day date, int slot, const std::string& label, const std::string& text) {
        StoreSlot(dir.path(), date, slot, label, text);
    }
    int Events(const std::string& ics) {
        int count = 0;
        for (size_t at = 0; (at = ics.find("BEGIN:VEVENT\r\n", at)) != std::string::npos; ++at) {
            ++count;
        }
        return count;
    }
};

TEST_F(AgendaAsIcsTest, OneEventPerActivityAtItsLabelUntilTheNextHour) {
    Put(2026y / December / 7, 9, "08:30", "Dentiste");
    Put(2026y / December / 9, 15, "14h30", "Réunion");  // no hh:mm: the slot's own hour
    Put(2026y / December / 13, 24, "23:30", "Réveillon");
    Put(2026y / December / 14, 1, "00:00", "");  // an empty activity is no event
    std::string ics = AgendaAsIcs(dir.path(), {}, now);

    EXPECT_TRUE(ics.starts_with("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    EXPECT_TRUE(ics.ends_with("END:VEVENT\r\nEND:VCALENDAR\r\n"));
    EXPECT_EQ(Events(ics), 3);
    for (const char* expected : {
             "UID:20261207-09@brivonce\r\nDTSTAMP:20261208T090507Z\r\n",
             "DTSTART:20261207T083000\r\nDTEND:20261207T090000\r\nSUMMARY:Dentiste\r\n"
             "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Dentiste\r\nTRIGGER:PT0S\r\n"
             "END:VALARM\r\n",
             "UID:20261209-15@brivonce\r\n",
             "DTSTART:20261209T140000\r\nDTEND:20261209T150000\r\nSUMMARY:Réunion\r\n",
             "DTSTART:20261213T233000\r\nDTEND:20261214T000000\r\n",  // ends on the next day
         }) {
        EXPECT_NE(ics.find(expected), std::string::npos) << expected;
    }
}

TEST_F(AgendaAsIcsTest, RangeKeepsItsDaysBothIncluded) {
    for (year_month_day date : {2026y / December / 6, 2026y / December / 7, 2026y / December / 13,
                                2026y / December / 14}) {
        Put(date, 10, "09:00", "Activité");
    }
    EXPECT_EQ(Events(AgendaAsIcs(dir.path(), {2026y / December / 7, 2026y / December / 13}, now)),
              2);
    EXPECT_EQ(Events(AgendaAsIcs(dir.path(), {2026y / December / 7, std::nullopt}, now)), 3);
    EXPECT_EQ(Events(AgendaAsIcs(dir.path(), {std::nullopt, 2026y / December / 6}, now)), 1);
}

// LAST-MODIFIED and SEQUENCE follow the week file, so a re-export of a changed
// week carries a higher revision and an unchanged one the same.
TEST_F(AgendaAsIcsTest, RevisionFollowsTheWeekFile) {
    Put(2026y / December / 7, 9, "08:00", "Dentiste");
    fs::last_write_time(WeekFileName(dir.path(), 2026y / December / 7),
                        file_clock::from_sys(sys_seconds{sys_days{2000y / January / 2} + 1min}));
    std::string ics = AgendaAsIcs(dir.path(), {}, now);
    EXPECT_NE(ics.find("LAST-MODIFIED:20000102T000100Z\r\nSEQUENCE:1441\r\n"), std::string::npos);
}

// A mistyped --data-dir must not give an empty calendar.
TEST(ExportAgendaAsIcs, RefusesAMissingDataFolder) {
    ScratchDir dir;
    std::ostringstream out;
    EXPECT_THROW(ExportAgendaAsIcs(dir / "missing", dir / "a.ics", {}, sys_seconds{}, out), Error);
    EXPECT_FALSE(fs::exists(dir / "a.ics"));
}

// "-" is standard output, not a file of that name; a failed write is an error.
TEST(ExportAgendaAsIcs, DashWritesToStandardOutput) {
    ScratchDir dir;
    StoreSlot(dir.path(), 2026y / December / 7, 9, "08:00", "Dentiste");
    std::ostringstream out;
    ExportAgendaAsIcs(dir.path(), "-", {}, sys_seconds{}, out);
    EXPECT_EQ(out.str(), AgendaAsIcs(dir.path(), {}, sys_seconds{}));
    EXPECT_FALSE(fs::exists("-"));
    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    try {
        ExportAgendaAsIcs(dir.path(), "-", {}, sys_seconds{}, broken);
        ADD_FAILURE() << "no error raised";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Impossible d'écrire dans la sortie standard");
    }
}

}  // namespace
}  // namespace brivonce
