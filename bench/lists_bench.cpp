// The list of all activities over twenty years of weeks, against the floor it
// stands on: reading the same files and nothing more.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "activities/activity_lists.h"
#include "agenda/week_store.h"
#include "scratch_dir.h"

namespace brivonce {
namespace {

using namespace std::chrono;

constexpr int kWeeks = 1040;

// Twenty years of weeks, one activity a day at a moving hour.
struct TwentyYears {
    testing::ScratchDir dir;
    TwentyYears() {
        sys_days monday{year{2007} / January / 1};
        const char* texts[] = {"Dentiste", "Réunion d'équipe", "Piscine avec les enfants",
                               "Appeler Mme Lefèvre"};
        for (int i = 0; i < kWeeks; ++i, monday += weeks{1}) {
            Week week;
            for (int day = 1; day <= kDaysPerWeek; ++day) {
                week.At(day, 8 + (i + day) % 12).text = texts[(i + day) % 4];
            }
            SaveWeek(dir.path(), monday, week);
        }
    }
};

TwentyYears& Folder() {
    static TwentyYears folder;
    return folder;
}

void BM_ListAllActivities(benchmark::State& state) {
    const auto& folder = Folder().dir.path();
    for (auto _ : state) {
        auto activities = ListAllActivities(folder);
        benchmark::DoNotOptimize(activities);
    }
    state.SetItemsProcessed(state.iterations() * kWeeks);
}
BENCHMARK(BM_ListAllActivities)->Unit(benchmark::kMillisecond);

// The floor: list the folder, then open, read and close every week file.
void BM_BareReadOfTheWeeks(benchmark::State& state) {
    const auto& folder = Folder().dir.path();
    static char buffer[65536];
    for (auto _ : state) {
        size_t total = 0;
        for (const std::string& name : ListWeekFiles(folder)) {
            std::FILE* file = std::fopen((folder / name).c_str(), "rb");
            total += std::fread(buffer, 1, sizeof buffer, file);
            std::fclose(file);
        }
        benchmark::DoNotOptimize(total);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWeeks);
}
BENCHMARK(BM_BareReadOfTheWeeks)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brivonce
