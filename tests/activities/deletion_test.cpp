#include "activities/deletion.h"

#include <gtest/gtest.h>

#include "activities/repetition.h"
#include "scratch_dir.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using testing::ScratchDir;

constexpr auto kAlways = [](int) { return true; };

class DeleteOccurrencesTest : public ::testing::Test {
protected:
    ScratchDir dir;
    const Slot choir{"18:00", "Chorale à l'église"};

    // The weekly 18:00 choir from Monday 4 May 2026 to Monday 1 June 2026, and
    // beside it what is no occurrence: another time, another letter case.
    void SetUp() override {
        ApplyRepetition(dir.path(),
                        GroupByWeek(RepetitionDates(
                            {2026y / May / 4, 2026y / June / 1, RepeatUnit::kWeek, 1, false})),
                        19, choir, kAlways);
        StoreSlot(dir.path(), 2026y / May / 13, 19, "18:30", choir.text);
        StoreSlot(dir.path(), 2026y / May / 14, 19, "18:00", "chorale à l'église");
    }
    std::vector<std::string> Files() { return ListWeekFiles(dir.path()); }
    Slot At(year_month_day date) { return LoadWeek(dir.path(), date).At(DayNumber(date), 19); }
};

TEST_F(DeleteOccurrencesTest, EveryOccurrenceGoesAndOnlyOccurrences) {
    // A week that holds only other activities is not rewritten.
    StoreSlot(dir.path(), 2026y / June / 10, 3, "02:00", "Train");
    fs::path untouched = WeekFileName(dir.path(), 2026y / June / 8);
    auto old = fs::file_time_type::clock::now() - hours{24};
    fs::last_write_time(untouched, old);

    EXPECT_EQ(DeleteOccurrences(dir.path(), Files(), choir, std::nullopt, kAlways), 6);
    EXPECT_EQ(At(2026y / May / 13), Slot({"18:30", choir.text}));
    EXPECT_EQ(At(2026y / May / 14), Slot({"18:00", "chorale à l'église"}));
    EXPECT_EQ(At(2026y / May / 4), Slot({"18:00", ""}));
    // The weeks left with nothing lose their file.
    EXPECT_EQ(Files(), (std::vector<std::string>{"20260511.SEM", "20260608.SEM"}));
    EXPECT_EQ(fs::last_write_time(untouched), old);
}

TEST_F(DeleteOccurrencesTest, APeriodKeepsItsBoundsAndTheRest) {
    StoreSlot(dir.path(), 2026y / May / 15, 19, choir.label, choir.text);
    StoreSlot(dir.path(), 2026y / May / 16, 19, choir.label, choir.text);
    DatePeriod firstHalf{2026y / May / 1, 2026y / May / 15};
    DeleteOccurrences(dir.path(), Files(), choir, firstHalf, kAlways);
    EXPECT_EQ(At(2026y / May / 4).text, "");
    EXPECT_EQ(At(2026y / May / 11).text, "");
    EXPECT_EQ(At(2026y / May / 15).text, "");
    EXPECT_EQ(At(2026y / May / 16), choir);
    EXPECT_EQ(At(2026y / May / 18), choir);
}

TEST_F(DeleteOccurrencesTest, AnAbortLeavesTheLaterFilesAsTheyWere) {
    EXPECT_EQ(DeleteOccurrences(dir.path(), Files(), choir, std::nullopt,
                                [](int done) { return done < 2; }),
              2);
    EXPECT_EQ(At(2026y / May / 11).text, "");
    EXPECT_EQ(At(2026y / May / 18), choir);
}

TEST_F(DeleteOccurrencesTest, AFreeSlotIsNoOccurrence) {
    // A relabelled but empty slot read from a hand-edited file stays so.
    Week week = LoadWeek(dir.path(), 2026y / May / 4);
    week.At(2, 5) = {"04:30", ""};
    SaveWeek(dir.path(), 2026y / May / 4, week);
    DeleteOccurrences(dir.path(), Files(), {"04:30", ""}, std::nullopt, kAlways);
    EXPECT_EQ(LoadWeek(dir.path(), 2026y / May / 4).At(2, 5).label, "04:30");
}

}  // namespace
}  // namespace brivonce
