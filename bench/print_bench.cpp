// Cost of laying out plain text for printing: what a long memo or a long list
// of activities pays before the first page goes to the printer.
#include <benchmark/benchmark.h>

#include "print/text_layout.h"

namespace brivonce {
namespace {

// A proportional-looking font on a 600 dpi A4 page: narrow and wide letters.
struct BenchDevice : TextDevice {
    int PageWidth() const override { return 4800; }
    int PageHeight() const override { return 6600; }
    int AverageCharWidth() const override { return 42; }
    int CellHeight() const override { return 83; }
    int TextHeight(std::string_view) const override { return 83; }
    int TextWidth(std::string_view piece) const override {
        int width = 0;
        for (unsigned char c : piece) {
            width += (c & 0xC0) == 0x80 ? 0 : (c == 'i' || c == 'l' ? 18 : 46);
        }
        return width;
    }
};

// A list of activities: date, hour and text between tabs, as the lists print.
void BM_LayOutActivityList(benchmark::State& state) {
    std::vector<std::string> lines(static_cast<size_t>(state.range(0)),
                                   "07/12/2026\t14:30\tRéunion d'équipe au siège, salle 3");
    BenchDevice device;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LayOutText(lines, device));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LayOutActivityList)->Arg(1000)->Arg(10000);

// One line with no break at all, cut into page-wide pieces.
void BM_LayOutOneLongLine(benchmark::State& state) {
    std::vector<std::string> lines{std::string(static_cast<size_t>(state.range(0)), 'm')};
    BenchDevice device;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LayOutText(lines, device));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LayOutOneLongLine)->Arg(100000);

}  // namespace
}  // namespace brivonce
