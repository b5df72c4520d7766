#include "activities/search.h"

#include <gtest/gtest.h>

#include "agenda/week_store.h"
#include "scratch_dir.h"
#include "text/dates.h"
#include "text/error.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using testing::ScratchDir;

class FindTextTest : public ::testing::Test {
protected:
    ScratchDir dir;
    void Put(year_month_day date, int slot, const std::string& text) {
        StoreSlot(dir.path(), date, slot, DefaultTimeLabel(slot), text);
    }
    // Every match of `text` from the start, as "dd/mm/yyyy slot", following
    // each match's next position until nothing more is found.
    std::vector<std::string> AllMatches(const std::string& text) {
        std::vector<std::string> found;
        std::vector<std::string> files = ListWeekFiles(dir.path());
        SearchPosition from;
        while (auto match = FindText(dir.path(), files, from, text)) {
            found.push_back(FormatShortDate(match->date) + " " + std::to_string(match->slot));
            from = match->next;
        }
        return found;
    }
};

TEST_F(FindTextTest, OnlyTheLettersAToZIgnoreCase) {
    Put(2026y / December / 7, 10, "Réunion");
    Put(2026y / December / 8, 10, "réunion");
    Put(2026y / December / 9, 10, "REUNION");
    Put(2026y / December / 10, 10, "RÉUNION");
    EXPECT_EQ(AllMatches("réu"), (std::vector<std::string>{"07/12/2026 10", "08/12/2026 10"}));
    EXPECT_EQ(AllMatches("RÉUNION"), (std::vector<std::string>{"10/12/2026 10"}));
    EXPECT_EQ(AllMatches("REUNION"), (std::vector<std::string>{"09/12/2026 10"}));
    EXPECT_EQ(AllMatches("10:00"), std::vector<std::string>{});  // labels are not searched
}

TEST_F(FindTextTest, GoesOnAfterEachMatchAcrossDaysAndWeeks) {
    Put(2026y / December / 8, 6, "Yoga");
    Put(2026y / December / 9, 6, "Yoga");  // the same row, the next day
    Put(2026y / December / 13, 6, "Yoga");
    Put(2026y / December / 13, 24, "Yoga");  // Sunday 23:00
    Put(2026y / December / 14, 1, "Yoga");   // the next file's Monday 00:00
    Put(2027y / March / 7, 24, "Yoga");      // the last file's last slot
    EXPECT_EQ(AllMatches("yoga"),
              (std::vector<std::string>{"08/12/2026 6", "09/12/2026 6", "13/12/2026 6",
                                        "13/12/2026 24", "14/12/2026 1", "07/03/2027 24"}));

    std::vector<std::string> files = ListWeekFiles(dir.path());
    auto sunday = FindText(dir.path(), files, {0, 7, 24}, "yoga");
    ASSERT_TRUE(sunday);
    EXPECT_EQ(sunday->next, (SearchPosition{1, 1, 1}));
    // From Sunday 05:00's match: that Sunday from 06:00, then the later files.
    auto fromSunday = FindText(dir.path(), files, {0, 7, 7}, "yoga");
    ASSERT_TRUE(fromSunday);
    EXPECT_EQ(fromSunday->date, 2026y / December / 13);
    EXPECT_EQ(fromSunday->slot, 24);
    // After the last file there is nothing further.
    auto last = FindText(dir.path(), files, {2, 7, 24}, "yoga");
    ASSERT_TRUE(last);
    EXPECT_EQ(last->next, (SearchPosition{3, 1, 1}));
    EXPECT_FALSE(FindText(dir.path(), files, last->next, "yoga"));
}

TEST_F(FindTextTest, AFileGoneIsSkippedAndOneUnreadableStopsTheSearch) {
    Put(2026y / December / 8, 6, "Yoga");
    Put(2026y / December / 15, 6, "Yoga");
    std::vector<std::string> files = ListWeekFiles(dir.path());
    fs::remove(dir / files[0]);
    auto match = FindText(dir.path(), files, {}, "yoga");
    ASSERT_TRUE(match);
    EXPECT_EQ(match->date, 2026y / December / 15);
    fs::create_directory(dir / files[0]);
    EXPECT_THROW(FindText(dir.path(), files, {}, "yoga"), Error);
}

}  // namespace
}  // namespace brivonce
