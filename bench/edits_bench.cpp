// Costs of the walks over the week files, each against a bare loop over the
// same bytes: a daily repetition over ten years against writing each week it
// touches once, and a search or a deletion that finds nothing against reading
// every file.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "activities/deletion.h"
#include "activities/repetition.h"
#include "activities/search.h"
#include "agenda/week_store.h"
#include "realistic_week.h"
#include "scratch_dir.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

using namespace std::chrono;

constexpr int kWeekFiles = 1040;  // twenty years
const year_month_day kFirstMonday = 2016y / January / 4;
constexpr auto kGoOn = [](int) { return true; };

// Twenty years of busy weeks.
struct TwentyYears {
    testing::ScratchDir dir;
    std::vector<std::string> files;
    TwentyYears() {
        Week week = RealisticWeek();
        for (int i = 0; i < kWeekFiles; ++i) {
            SaveWeek(dir.path(), sys_days{kFirstMonday} + weeks{i}, week);
        }
        files = ListWeekFiles(dir.path());
    }
};

std::vector<WeekDays> TenYearsDaily() {
    return GroupByWeek(
        RepetitionDates({2020y / January / 1, 2029y / December / 31, RepeatUnit::kDay, 1, true}));
}

// Every week changes at every run, repeated runs included: the text
// alternates, since a week the copy leaves as it was is not written.
void BM_DailyRepetitionTenYears(benchmark::State& state) {
    TwentyYears folder;
    std::vector<WeekDays> weeks = TenYearsDaily();
    static bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        ApplyRepetition(folder.dir.path(), weeks, 19, {"18:00", odd ? "Gym" : "Yoga"}, kGoOn);
    }
    state.counters["weeks"] = static_cast<double>(weeks.size());
}
BENCHMARK(BM_DailyRepetitionTenYears)->Unit(benchmark::kMillisecond);

// The floor: the same weeks' bytes, each written once through the safe replace
// every data file goes through.
void BM_BareWriteTouchedWeeks(benchmark::State& state) {
    TwentyYears folder;
    std::vector<std::pair<std::filesystem::path, std::string>> writes;
    for (const WeekDays& week : TenYearsDaily()) {
        std::filesystem::path file = WeekFileName(folder.dir.path(), week.monday);
        writes.emplace_back(file, ReadWholeFile(file, kCannotOpen).value());
    }
    for (auto _ : state) {
        for (const auto& [file, bytes] : writes) {
            ReplaceFile(file, bytes, kCannotCreate);
        }
    }
}
BENCHMARK(BM_BareWriteTouchedWeeks)->Unit(benchmark::kMillisecond);

void BM_SearchFindingNothing(benchmark::State& state) {
    TwentyYears folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindText(folder.dir.path(), folder.files, {}, "introuvable"));
    }
}
BENCHMARK(BM_SearchFindingNothing)->Unit(benchmark::kMillisecond);

void BM_DeleteOccurrencesFindingNothing(benchmark::State& state) {
    TwentyYears folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DeleteOccurrences(folder.dir.path(), folder.files,
                                                   {"18:00", "Yoga"}, std::nullopt, kGoOn));
    }
}
BENCHMARK(BM_DeleteOccurrencesFindingNothing)->Unit(benchmark::kMillisecond);

// The floor of both: open, read and close every file.
void BM_BareReadAllFiles(benchmark::State& state) {
    TwentyYears folder;
    std::vector<std::string> paths;
    for (const std::string& name : folder.files) {
        paths.push_back((folder.dir.path() / name).string());
    }
    static char buffer[65536];
    for (auto _ : state) {
        for (const std::string& path : paths) {
            std::FILE* file = std::fopen(path.c_str(), "rb");
            std::setvbuf(file, nullptr, _IONBF, 0);
            size_t size = std::fread(buffer, 1, sizeof buffer, file);
            std::fclose(file);
            benchmark::DoNotOptimize(size);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BareReadAllFiles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brivonce
