#include "agenda/week_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "mounted_tmpfs.h"
#include "scratch_dir.h"
#include "text/error.h"
#include "text/lines.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using testing::MountedTmpfs;
using testing::ScratchDir;

const year_month_day kMonday = year{2026} / December / 7;

std::string Read(const fs::path& file) {
    return ReadWholeFile(file, kCannotOpen).value();
}

void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// The error message `action` raises, or "" when it raises none.
template <typename Action>
std::string ErrorOf(Action action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

Week WeekWithOneActivity() {
    Week week;
    week.At(1, 9) = {"08:30", "Dentiste"};
    return week;
}

TEST(WeekDates, MondayOfKeepsEveryDayInItsMondayToSundayWeek) {
    EXPECT_EQ(MondayOf(year{2026} / December / 13), kMonday);  // a Sunday
    EXPECT_EQ(MondayOf(kMonday), kMonday);
    for (sys_days d{year{2023} / January / 1}; d < sys_days{year{2027} / January / 1};
         d += days{1}) {
        sys_days monday{MondayOf(d)};
        ASSERT_EQ(weekday{monday}, Monday);
        ASSERT_EQ(d - monday, days{DayNumber(d) - 1});
        ASSERT_LT(d - monday, days{7});
    }
    EXPECT_EQ(DayNumber(year{2026} / December / 13), 7);
    EXPECT_EQ(DayNumber(kMonday), 1);
}

TEST(WeekDates, WeekSpanningTheNewYearIsFiledUnderItsMonday) {
    EXPECT_EQ(WeekKey(year{2026} / January / 1), "20251229");
    EXPECT_EQ(WeekKey(year{2026} / January / 4), "20251229");
    EXPECT_EQ(WeekKey(year{2026} / January / 5), "20260105");
    EXPECT_EQ(WeekFileName("/data", year{2026} / December / 13), fs::path("/data/20261207.SEM"));
}

TEST(WeekDates, DefaultWeekHasTheSlotHoursAndOnlyTextsCountAsActivity) {
    EXPECT_EQ(DefaultTimeLabel(1), "00:00");
    EXPECT_EQ(DefaultTimeLabel(11), "10:00");
    Week week;
    EXPECT_EQ(week.At(7, 24), (Slot{"23:00", ""}));
    EXPECT_THROW(week.At(8, 1), std::out_of_range);
    week.At(3, 5).label = "04:45";
    EXPECT_FALSE(week.HasActivity());
    week.At(7, 24).text = "x";
    EXPECT_TRUE(week.HasActivity());
}

TEST(WeekFileMonday, AcceptsOnlyAMondayKeyWithTheUpperCaseExtension) {
    EXPECT_EQ(WeekFileMonday("20261207.SEM"), kMonday);
    for (const char* name :
         {"20261208.SEM", "20261207.sem", "2026127.SEM", "20261307.SEM", "20261207.SEM.bak"}) {
        EXPECT_EQ(WeekFileMonday(name), std::nullopt) << name;
    }
}

TEST(SaveWeek, WritesThe336LinesInFileOrderAsWindows1252) {
    ScratchDir dir;
    Week week = WeekWithOneActivity();
    week.At(7, 24) = {"23:59", "Fête à l'été"};
    SaveWeek(dir.path(), year{2026} / December / 10, week);

    std::string bytes = Read(dir / "20261207.SEM");
    std::vector<std::string> lines = SplitLines(bytes);
    ASSERT_EQ(lines.size(), 336u);
    EXPECT_EQ(JoinLinesCrLf(lines), bytes);  // every line ends with CR LF, no extra break
    EXPECT_EQ(lines[0], "00:00");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[16], "08:30");
    EXPECT_EQ(lines[17], "Dentiste");
    EXPECT_EQ(lines[18], "09:00");
    EXPECT_EQ(lines[48], "00:00");  // Tuesday slot 1
    EXPECT_EQ(lines[334], "23:59");
    EXPECT_EQ(lines[335], "F\xEAte \xE0 l'\xE9t\xE9");
    EXPECT_EQ(LoadWeek(dir.path(), kMonday), week);
}

TEST(SaveWeek, KeepsAFileOnlyWhileTheWeekHasAnActivity) {
    ScratchDir dir;
    fs::path file = dir / "20261207.SEM";
    SaveWeek(dir.path(), kMonday, Week());
    EXPECT_FALSE(fs::exists(file));

    Week week = WeekWithOneActivity();
    SaveWeek(dir.path(), kMonday, week);
    EXPECT_TRUE(fs::exists(file));

    week.At(1, 9).text.clear();  // a changed label alone is not stored
    SaveWeek(dir.path(), kMonday, week);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(LoadWeek(dir.path(), kMonday), Week());
    EXPECT_EQ(LoadWeek(dir / "absent", kMonday), Week());
    EXPECT_EQ(fs::directory_iterator(dir.path()), fs::directory_iterator());
}

TEST(SaveWeek, LineBreakInsideATextCannotShiftTheFollowingSlots) {
    ScratchDir dir;
    Week week;
    week.At(1, 1).text = "a\r\nb\nc\rd";
    week.At(1, 2).text = "next";
    SaveWeek(dir.path(), kMonday, week);
    Week loaded = LoadWeek(dir.path(), kMonday);
    EXPECT_EQ(loaded.At(1, 1).text, "a  b c d");
    EXPECT_EQ(loaded.At(1, 2), (Slot{"01:00", "next"}));
}

TEST(SaveWeek, LongTextsSurviveARoundTrip) {
    ScratchDir dir;
    Week week;
    week.At(2, 3).text = std::string(10000, 'a') + "é";
    week.At(6, 20).text = std::string(30000, 'b');
    SaveWeek(dir.path(), kMonday, week);
    EXPECT_EQ(LoadWeek(dir.path(), kMonday), week);
    EXPECT_EQ(LoadDay(dir.path(), year{2026} / December / 12).value(), week.DayAt(6));
}

TEST(LoadWeek, ShortFileLeavesTheMissingLinesEmpty) {
    ScratchDir dir;
    Write(dir / "20261207.SEM",
          "00:00\r\nA\r\n01:00\r\n\r\n02:00\r\nB\r\n03:00\r\n\r\n04:00\r\nC");  // no final break
    Week week = LoadWeek(dir.path(), year{2026} / December / 12);
    EXPECT_EQ(week.At(1, 1), (Slot{"00:00", "A"}));
    EXPECT_EQ(week.At(1, 3), (Slot{"02:00", "B"}));
    EXPECT_EQ(week.At(1, 5), (Slot{"04:00", "C"}));
    EXPECT_EQ(week.At(1, 6), Slot{});  // not defaulted
    EXPECT_EQ(week.At(7, 24), Slot{});
}

TEST(LoadWeek, AcceptsEveryLineBreakKeepsLinesWholeAndIgnoresLinesAfterThe336th) {
    ScratchDir dir;
    std::string bytes;
    const char* breaks[] = {"\r\n", "\n", "\r"};
    for (int n = 0; n < 340; ++n) {
        std::string line = (n % 2 == 0 ? "L" : "T") + std::to_string(n);
        bytes += (n == 17 ? "  Caf\xE9 \x80 " : line) + breaks[n % 3];
    }
    Write(dir / "20261207.SEM", bytes);
    Week week = LoadWeek(dir.path(), kMonday);
    EXPECT_EQ(week.At(1, 1), (Slot{"L0", "T1"}));
    EXPECT_EQ(week.At(1, 9).text, "  Café € ");  // taken whole, decoded
    EXPECT_EQ(week.At(2, 1), (Slot{"L48", "T49"}));
    EXPECT_EQ(week.At(7, 24), (Slot{"L334", "T335"}));
}

TEST(LoadDay, ReadsOnlyTheDaysOwnSlots) {
    ScratchDir dir;
    Week week;
    week.At(7, 24) = {"23:10", "Dimanche soir"};
    week.At(1, 1).text = "Lundi";
    SaveWeek(dir.path(), kMonday, week);
    EXPECT_EQ(LoadDay(dir.path(), year{2026} / December / 13), week.DayAt(7));
    EXPECT_EQ(LoadDay(dir.path(), kMonday), week.DayAt(1));
    EXPECT_EQ(LoadDay(dir.path(), year{2026} / December / 14), std::nullopt);

    Write(dir / "20261207.SEM", "a\r\nb\r\nc\r\n");
    Day monday = LoadDay(dir.path(), kMonday).value();
    EXPECT_EQ(monday[1], (Slot{"c", ""}));
    EXPECT_EQ(LoadDay(dir.path(), year{2026} / December / 8), Day{});
}

TEST(StoreSlot, CreatesTheFileFromTheDefaultWeekAndRemovesItWhenEmptied) {
    ScratchDir dir;
    StoreSlot(dir.path(), year{2026} / December / 13, 15, "14:30", "Réunion");
    Week expected;
    expected.At(7, 15) = {"14:30", "Réunion"};
    EXPECT_EQ(LoadWeek(dir.path(), kMonday), expected);
    StoreSlot(dir.path(), sys_days{kMonday} + days{6}, 15, "14:30", "");
    EXPECT_FALSE(fs::exists(dir / "20261207.SEM"));
    StoreSlot(dir.path(), kMonday, 1, "00:30", "");  // no file to remove
    EXPECT_FALSE(fs::exists(dir / "20261207.SEM"));
}

TEST(StoreSlot, KeepsTheRestOfTheFileIncludingItsOddLabels) {
    ScratchDir dir;
    Write(dir / "20261207.SEM", "xx\r\nA\r\n");  // a short file: the rest reads empty
    StoreSlot(dir.path(), kMonday, 2, "01:15", "B");
    Week week = LoadWeek(dir.path(), kMonday);
    EXPECT_EQ(week.At(1, 1), (Slot{"xx", "A"}));
    EXPECT_EQ(week.At(1, 2), (Slot{"01:15", "B"}));
    EXPECT_EQ(week.At(1, 3), Slot{});
    EXPECT_EQ(SplitLines(Read(dir / "20261207.SEM")).size(), 336u);
}

TEST(ListWeekFiles, ListsOnlyWeekFilesInDateOrder) {
    ScratchDir dir;
    for (const char* name : {"20261207.SEM", "19991227.SEM", "20251229.SEM", "20261208.SEM",
                             "notes.SEM", "20261214.sem", "20261221.SEM.tmp", "brivonce.ini"}) {
        Write(dir / name, "x");
    }
    fs::create_directory(dir / "20261228.SEM");
    EXPECT_EQ(ListWeekFiles(dir.path()),
              (std::vector<std::string>{"19991227.SEM", "20251229.SEM", "20261207.SEM"}));
    EXPECT_TRUE(ListWeekFiles(dir / "absent").empty());
}

TEST(WeekStoreFailures, FolderInPlaceOfAWeekFileIsReportedWithItsPath) {
    ScratchDir dir;
    fs::path file = dir / "20261207.SEM";
    fs::create_directory(file);
    EXPECT_EQ(ErrorOf([&] { LoadWeek(dir.path(), kMonday); }),
              "Impossible d'ouvrir le fichier " + file.string());
    EXPECT_EQ(ErrorOf([&] { LoadDay(dir.path(), kMonday); }),
              "Impossible d'ouvrir le fichier " + file.string());
    EXPECT_EQ(ErrorOf([&] { SaveWeek(dir.path(), kMonday, WeekWithOneActivity()); }),
              "Impossible de créer le fichier " + file.string());
    SaveWeek(dir.path(), kMonday, Week());  // nothing to delete: the folder stays
    EXPECT_TRUE(fs::is_directory(file));
}

TEST(WeekStoreFailures, FullDiskLeavesThePreviousWeekWhole) {
    MountedTmpfs disk("size=8k");
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    SaveWeek(disk.path(), kMonday, WeekWithOneActivity());
    std::string before = Read(disk.path() / "20261207.SEM");
    Week big;
    big.At(3, 3).text = std::string(20000, 'x');
    EXPECT_EQ(ErrorOf([&] { SaveWeek(disk.path(), kMonday, big); }),
              "Impossible de créer le fichier " + (disk.path() / "20261207.SEM").string());
    EXPECT_EQ(Read(disk.path() / "20261207.SEM"), before);
    EXPECT_EQ(ListWeekFiles(disk.path()), std::vector<std::string>{"20261207.SEM"});
}

TEST(WeekStoreFailures, ReadOnlyFolderRefusesSavesAndDeletions) {
    MountedTmpfs disk("size=64k");
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    fs::path file = disk.path() / "20261207.SEM";
    SaveWeek(disk.path(), kMonday, WeekWithOneActivity());
    disk.MakeReadOnly();
    Week other;
    other.At(2, 2).text = "autre";
    EXPECT_EQ(ErrorOf([&] { SaveWeek(disk.path(), kMonday, other); }),
              "Impossible de créer le fichier " + file.string());
    EXPECT_EQ(ErrorOf([&] { SaveWeek(disk.path(), kMonday, Week()); }),
              "Impossible d'écrire dans " + file.string());
    EXPECT_EQ(ErrorOf([&] { StoreSlot(disk.path(), kMonday, 9, "08:30", ""); }),
              "Impossible d'écrire dans " + file.string());
    EXPECT_EQ(LoadWeek(disk.path(), kMonday), WeekWithOneActivity());
}

}  // namespace
}  // namespace brivonce
