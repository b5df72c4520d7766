#include "agenda/ics_export.h"

#include <gtest/gtest.h>

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
        {"a\x01"
         "b\tc\x7f",
         "a b\tc "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IcsText(c.text), c.expected);
    }
}

// Checks the folding rules on `line` and returns its physical lines.
std::vector<std::string> FoldedLines(const std::string& line) {
    std::string folded = FoldIcsLine(line);
    EXPECT_TRUE(folded.ends_with("\r\n"));
    std::vector<std::string> lines;
    std::string unfolded;
    for (size_t at = 0; at < folded.size();) {
        size_t end = folded.find("\r\n", at);
        std::string physical = folded.substr(at, end - at);
        EXPECT_LE(physical.size(), 75u);
        size_t content = lines.empty() ? 0 : 1;  // continuation lines start with a space
        EXPECT_TRUE(lines.empty() || physical.starts_with(' '));
        EXPECT_FALSE(physical.size() > content && (physical[content] & 0xC0) == 0x80)
            << "a UTF-8 sequence was cut";
        unfolded += physical.substr(content);
        lines.push_back(physical);
        at = end + 2;
    }
    EXPECT_EQ(unfolded, line);
    return lines;
}

TEST(FoldIcsLine, FoldsAt75OctetsWithoutCuttingACharacter) {
    EXPECT_EQ(FoldedLines(std::string(75, 'a')).size(), 1u);
    EXPECT_EQ(FoldedLines(std::string(76, 'a')),
              (std::vector<std::string>{std::string(75, 'a'), " a"}));
    // "é" would straddle the 75th octet: it moves whole to the next line.
    EXPECT_EQ(FoldedLines(std::string(74, 'a') + "éb"),
              (std::vector<std::string>{std::string(74, 'a'), " éb"}));
    std::string euros;
    for (int i = 0; i < 100; ++i) {
        euros += "€";  // three octets each
    }
    EXPECT_EQ(FoldedLines(euros).size(), 5u);  // 25, then 24 after each leading space
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

TEST(ExportAgendaAsIcs, RefusesAMissingDataFolderAndWritesTheFile) {
    ScratchDir dir;
    sys_seconds now{};
    EXPECT_THROW(ExportAgendaAsIcs(dir / "missing", dir / "a.ics", {}, now), Error);
    EXPECT_FALSE(fs::exists(dir / "missing"));
    ExportAgendaAsIcs(dir.path(), dir / "a.ics", {}, now);
    EXPECT_EQ(fs::file_size(dir / "a.ics"), AgendaAsIcs(dir.path(), {}, now).size());
}

}  // namespace
}  // namespace brivonce
