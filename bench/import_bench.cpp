// The import of a calendar of 10,000 events over ten years into an empty
// data folder, against the floor: writing the same week files bare, each
// once, through the safe replace every data file goes through.
#include <benchmark/benchmark.h>

#include <memory>

#include "activities/ics_import.h"
#include "scratch_dir.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

using namespace std::chrono;

constexpr int kEvents = 10000;
const ImportRange kTenYears{2027y / January / 1, 2036y / December / 31};
constexpr auto kGoOn = [](int) { return true; };

std::string TwoDigits(int value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// Events spread evenly over the ten years, between 07:00 and 18:59.
std::string TenThousandEvents() {
    int dayCount = static_cast<int>((sys_days{kTenYears.to} - sys_days{kTenYears.from}).count());
    std::string ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//bench//FR\r\n";
    for (int i = 0; i < kEvents; ++i) {
        year_month_day date{sys_days{kTenYears.from} + days{i * dayCount / kEvents}};
        std::string key = std::to_string(static_cast<int>(date.year())) +
                          TwoDigits(static_cast<int>(unsigned(date.month()))) +
                          TwoDigits(static_cast<int>(unsigned(date.day())));
        ics += "BEGIN:VEVENT\r\nUID:event-" + std::to_string(i) + "@bench\r\nDTSTART:" + key + "T" +
               TwoDigits(7 + i % 12) + TwoDigits(i * 7 % 60) +
               "00\r\nDURATION:PT1H\r\nSUMMARY:Rendez-vous n° " + std::to_string(i) +
               "\r\nEND:VEVENT\r\n";
    }
    return ics + "END:VCALENDAR\r\n";
}

struct Calendar {
    testing::ScratchDir dir;
    std::filesystem::path file = dir / "agenda.ics";
    Calendar() { ReplaceFile(file, TenThousandEvents(), kCannotCreate); }
};

// Each run starts from an empty folder: a second import would add nothing.
void BM_ImportTenThousandEvents(benchmark::State& state) {
    Calendar calendar;
    ImportSummary summary;
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<testing::ScratchDir>();
        state.ResumeTiming();
        summary = ImportActivities(folder->path(),
                                   ReadIcsFile(calendar.file, kTenYears, PlainStorable), kGoOn);
        state.PauseTiming();
        folder.reset();
        state.ResumeTiming();
    }
    state.counters["imported"] = summary.imported;
    state.counters["weeks"] = static_cast<double>(
        ImportWeeks(ReadIcsFile(calendar.file, kTenYears, PlainStorable)).size());
}
BENCHMARK(BM_ImportTenThousandEvents)->Unit(benchmark::kMillisecond);

// What of the import is not writing: reading the calendar with libical.
void BM_ReadTenThousandEvents(benchmark::State& state) {
    Calendar calendar;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadIcsFile(calendar.file, kTenYears, PlainStorable));
    }
}
BENCHMARK(BM_ReadTenThousandEvents)->Unit(benchmark::kMillisecond);

// The same week files' bytes, written into an empty folder.
void BM_BareWriteImportedWeeks(benchmark::State& state) {
    Calendar calendar;
    testing::ScratchDir imported;
    ImportActivities(imported.path(), ReadIcsFile(calendar.file, kTenYears, PlainStorable), kGoOn);
    std::vector<std::pair<std::string, std::string>> writes;
    for (const std::string& name : ListWeekFiles(imported.path())) {
        writes.emplace_back(name, ReadWholeFile(imported / name, kCannotOpen).value());
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<testing::ScratchDir>();
        state.ResumeTiming();
        for (const auto& [name, bytes] : writes) {
            ReplaceFile(folder->path() / name, bytes, kCannotCreate);
        }
        state.PauseTiming();
        folder.reset();
        state.ResumeTiming();
    }
    state.counters["weeks"] = static_cast<double>(writes.size());
}
BENCHMARK(BM_BareWriteImportedWeeks)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brivonce
