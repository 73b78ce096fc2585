// Speed of the Compute command on the window record: one single-point run per geometry,
// and the sweep's throughput in lines per second.
//
//   build/bench/vortalin_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "app/compute/Calculator.h"
#include "app/form/FormRecord.h"
#include "app/form/Selections.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace vortalin {
namespace {

// A record with the window's defaults and the geometry selected; the slots get a laminar
// velocity so that their results are shown like those of the other geometries.
FormRecord RecordFor(Geometry geometry) {
    FormRecord form(',');
    form.Select(ButtonOf(geometry));
    if (geometry == Geometry::PlanarSlot || geometry == Geometry::SlotInsulatedOneSide) {
        form.SetInputText(EditId::Edit1, "0,3");
    }
    return form;
}

void BM_SinglePointCompute(benchmark::State& st) {
    const auto geometry = static_cast<Geometry>(st.range(0));
    FormRecord form = RecordFor(geometry);
    Calculator calc(form);
    for (auto _ : st) {
        calc.Button1Click();
        benchmark::DoNotOptimize(calc.State().alpha);
    }
    if (!calc.ResultsShown() || !form.Messages().empty()) {
        st.SkipWithError("the run did not show its results without messages");
    }
    st.SetLabel(std::string(GeometryName(geometry)));
}
BENCHMARK(BM_SinglePointCompute)->DenseRange(0, static_cast<int>(kGeometryCount) - 1);

void BM_SweepLines(benchmark::State& st) {
    const auto geometry = static_cast<Geometry>(st.range(0));
    const int steps = static_cast<int>(st.range(1));
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("vortalin-bench-" + std::to_string(::getpid()) + ".txt");
    FormRecord form = RecordFor(geometry);
    form.SetInputText(EditId::Form2Edit3, std::to_string(steps));
    form.SetSaveDialogAnswer(file.string());
    Calculator calc(form);
    calc.Ulodosboru1Click();
    for (auto _ : st) {
        calc.Button1Click();
    }
    if (calc.SweepFailed()) {
        st.SkipWithError(calc.SweepError().c_str());
    }
    std::filesystem::remove(file);
    st.SetItemsProcessed(st.iterations() * steps);
    st.SetLabel(std::string(GeometryName(geometry)) + ", lines/s as items_per_second");
}
BENCHMARK(BM_SweepLines)
    ->Args({static_cast<int>(Geometry::PipeFlow), 200000})
    ->Args({static_cast<int>(Geometry::FinnedBank), 200000})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vortalin
