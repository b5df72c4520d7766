// Costs of the week store and the calendar: what the agenda pays to display a
// week and the alarm engine pays every minute.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>

#include "agenda/french_calendar.h"
#include "agenda/ics_export.h"
#include "agenda/week_store.h"
#include "realistic_week.h"
#include "scratch_dir.h"

namespace brivonce {
namespace {

using namespace std::chrono;
namespace fs = std::filesystem;

const year_month_day kMonday = year{2026} / December / 7;

struct WeekFolder {
    testing::ScratchDir dir;
    WeekFolder() { SaveWeek(dir.path(), kMonday, RealisticWeek()); }
};

void BM_LoadWeek(benchmark::State& state) {
    WeekFolder folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadWeek(folder.dir.path(), kMonday));
    }
}
BENCHMARK(BM_LoadWeek);

// The floor LoadWeek is measured against: open, read and close the same file,
// with the C library's default buffering, then unbuffered as LoadWeek reads.
void BM_BareRead(benchmark::State& state) {
    WeekFolder folder;
    std::string name = WeekFileName(folder.dir.path(), kMonday).string();
    static char buffer[65536];
    bool unbuffered = state.range(0) != 0;
    for (auto _ : state) {
        std::FILE* file = std::fopen(name.c_str(), "rb");
        if (unbuffered) {
            std::setvbuf(file, nullptr, _IONBF, 0);
        }
        size_t size = std::fread(buffer, 1, sizeof buffer, file);
        std::fclose(file);
        benchmark::DoNotOptimize(size);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BareRead)->ArgName("unbuffered")->Arg(0)->Arg(1);

void BM_LoadDay(benchmark::State& state) {
    WeekFolder folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadDay(folder.dir.path(), year{2026} / December / 10));
    }
}
BENCHMARK(BM_LoadDay);

// Every save syncs the file and its folder, so this is mostly the disk's cost.
void BM_SaveWeek(benchmark::State& state) {
    WeekFolder folder;
    Week week = RealisticWeek();
    for (auto _ : state) {
        SaveWeek(folder.dir.path(), kMonday, week);
    }
}
BENCHMARK(BM_SaveWeek)->Unit(benchmark::kMicrosecond);

void BM_StoreSlot(benchmark::State& state) {
    WeekFolder folder;
    for (auto _ : state) {
        StoreSlot(folder.dir.path(), year{2026} / December / 10, 12, "11:15", "Rendez-vous");
    }
}
BENCHMARK(BM_StoreSlot)->Unit(benchmark::kMicrosecond);

// Twenty years of weeks, among a few files that are not weeks.
void BM_ListWeekFiles(benchmark::State& state) {
    testing::ScratchDir dir;
    sys_days monday{year{2007} / January / 1};
    for (int i = 0; i < 1040; ++i, monday += weeks{1}) {
        std::ofstream(WeekFileName(dir.path(), monday)) << "x";
    }
    for (const char* other : {"brivonce.ini", "brivonce.txt", "COURSES.TXT", "copie.SEM"}) {
        std::ofstream(dir / other) << "x";
    }
    for (auto _ : state) {
        auto names = ListWeekFiles(dir.path());
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_ListWeekFiles)->Unit(benchmark::kMicrosecond);

// --export-ics of twenty years of busy weeks: 1041 weeks read, 19779 events.
void BM_AgendaAsIcs(benchmark::State& state) {
    WeekFolder folder;
    fs::path first = WeekFileName(folder.dir.path(), kMonday);
    sys_days monday{year{2007} / January / 1};
    for (int i = 0; i < 1040; ++i, monday += weeks{1}) {
        fs::copy_file(first, WeekFileName(folder.dir.path(), monday),
                      fs::copy_options::overwrite_existing);
    }
    sys_seconds now{sys_days{kMonday}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(AgendaAsIcs(folder.dir.path(), {}, now));
    }
}
BENCHMARK(BM_AgendaAsIcs)->Unit(benchmark::kMillisecond);

// Every day of a year, in the mode that looks up the most; the rate is per call.
void BM_DayNames(benchmark::State& state) {
    sys_days first{year{2026} / January / 1};
    year_month_day today = year{2026} / March / 3;
    for (auto _ : state) {
        for (sys_days d = first; d < first + days{365}; d += days{1}) {
            benchmark::DoNotOptimize(DayNames(d, NameDayMode::kAllDays, today));
        }
    }
    state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_DayNames);

}  // namespace
}  // namespace brivonce
