// Lines of the results file per second (items per second): the seventeen numbers of a
// computed step formatted and appended to one reused block (BM_ResultsLines, every column
// formatted), and the lines as a sweep writes them (BM_ResultsBlocks: one writer over the
// steps, which copies a column's text where its value repeats, and blocks of 64 KiB handed
// to a sink that only counts them).
//
//   build/bench/vortalin_results_line_bench --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true

#include "app/compute/Calculator.h"
#include "app/files/ResultsFile.h"
#include "app/form/FormRecord.h"

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

namespace vortalin {
namespace {

struct Step {
    CalcState state;
    Freshness computed;
};

// The steps of a sweep of the velocity over one geometry, computed once.
std::vector<Step> SweptSteps(ButtonId geometry, int steps) {
    std::vector<Step> swept;
    for (int i = 0; i < steps; ++i) {
        FormRecord form('.');
        form.Select(geometry);
        form.SetInputText(EditId::Edit1, std::to_string(0.1 + 0.001 * i));
        Calculator calc(form);
        calc.Button1Click();
        swept.push_back({calc.State(), calc.Computed()});
    }
    return swept;
}

void BM_ResultsLines(benchmark::State& st, ButtonId geometry) {
    const std::vector<Step> steps = SweptSteps(geometry, 1000);
    std::string block;
    block.reserve(80 * 1024);
    std::size_t lines = 0;
    for (auto _ : st) {
        for (const Step& step : steps) {
            AppendResultsLine(block, step.state, step.computed, ',');
        }
        lines += steps.size();
        benchmark::DoNotOptimize(block.data());
        block.clear();
    }
    st.SetItemsProcessed(static_cast<std::int64_t>(lines));
    st.SetLabel("lines/s as items_per_second");
}
BENCHMARK_CAPTURE(BM_ResultsLines, pipe, ButtonId::RadioButton1);
BENCHMARK_CAPTURE(BM_ResultsLines, finned_bank, ButtonId::RadioButton18);

// A sink that keeps nothing but the count of its bytes.
class CountingSink final : public ResultsSink {
public:
    bool IsOpen() const override { return true; }
    bool Write(std::string_view bytes) override {
        bytes_ += bytes.size();
        benchmark::DoNotOptimize(bytes.data());
        return true;
    }
    bool Commit() override { return true; }
    std::string ErrorText() const override { return {}; }

private:
    std::size_t bytes_ = 0;
};

void BM_ResultsBlocks(benchmark::State& st, ButtonId geometry) {
    const std::vector<Step> steps = SweptSteps(geometry, 1000);
    CountingSink sink;
    ResultsBlocks blocks(sink);
    std::size_t lines = 0;
    for (auto _ : st) {
        for (const Step& step : steps) {
            blocks.AddLine(step.state, step.computed, ',');
        }
        lines += steps.size();
    }
    blocks.Finish();
    st.SetItemsProcessed(static_cast<std::int64_t>(lines));
    st.SetLabel("lines/s as items_per_second");
}
BENCHMARK_CAPTURE(BM_ResultsBlocks, pipe, ButtonId::RadioButton1);
BENCHMARK_CAPTURE(BM_ResultsBlocks, finned_bank, ButtonId::RadioButton18);

} // namespace
} // namespace vortalin
