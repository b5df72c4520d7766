#include "activities/week_cleanup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "agenda/week_store.h"
#include "scratch_dir.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using testing::ScratchDir;

void PutWeek(const fs::path& folder, year_month_day monday) {
    StoreSlot(folder, monday, 9, "08:00", "x");
}

TEST(CleanupEntries, WeeksInKeyOrderThoseBeforeThisWeekPreselected) {
    ScratchDir dir;
    const year_month_day mondays[] = {year{1998} / January / 19, year{1998} / January / 5,
                                      year{1998} / January / 12, year{1997} / December / 29};
    for (year_month_day monday : mondays) {
        PutWeek(dir.path(), monday);
    }
    struct Case {
        year_month_day today;
        std::vector<bool> preselected;
    };
    const Case cases[] = {
        {year{1998} / January / 14, {true, true, false, false}},  // a Wednesday
        {year{1998} / January / 18, {true, true, false, false}},  // a Sunday
        {year{1998} / January / 19, {true, true, true, false}},   // the next Monday
    };
    for (const Case& c : cases) {
        std::vector<WeekFileEntry> entries = CleanupEntries(dir.path(), c.today);
        ASSERT_EQ(entries.size(), 4u);
        EXPECT_EQ(entries[0], (WeekFileEntry{"19971229.SEM", year{1997} / December / 29, true}));
        EXPECT_EQ(entries[1].fileName, "19980105.SEM");
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].preselected, c.preselected[i]) << entries[i].fileName;
        }
    }
    EXPECT_TRUE(CleanupEntries(dir / "missing", year{1998} / January / 14).empty());
}

}  // namespace
}  // namespace brivonce
