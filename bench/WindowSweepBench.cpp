// The same long sweep in the window and on the command line's record, both writing through
// the one writer of the user's files: the window's share of the time is its progress bar
// and event processing. Run with QT_QPA_PLATFORM=offscreen.

#include "app/compute/Calculator.h"
#include "app/files/UserFile.h"
#include "app/form/FormRecord.h"
#include "app/ui/MainForms.h"
#include "app/ui/QtWindowServices.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr const char* kSteps = "2000000";

std::string ResultsPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void SweepWith(benchmark::State& state, vortalin::WindowServices& window, const std::string& path) {
    vortalin::Calculator calc(window);
    calc.State().sweep.saveToFile = 1;
    calc.State().sweep.fileName = path;
    for (auto _ : state) {
        calc.Button1Click();
    }
    std::remove(path.c_str());
}

void BM_WindowSweep(benchmark::State& state) {
    vortalin::MainForms forms;
    forms.Form1().show();
    forms.Form2().findChild<QLineEdit*>("Edit3")->setText(kSteps);
    vortalin::QtWindowServices window(forms.Form1());
    window.AttachRangeDialog(forms.Form2());
    SweepWith(state, window, ResultsPath("vortalin-window-sweep.txt"));
}

void BM_CommandLineSweep(benchmark::State& state) {
    vortalin::FormRecord form('.');
    form.SetInputText(vortalin::EditId::Form2Edit3, kSteps);
    form.SetResultsFileOpener([](const std::string& path) { return vortalin::OpenUserFile(path); });
    SweepWith(state, form, ResultsPath("vortalin-cli-sweep.txt"));
}

} // namespace

BENCHMARK(BM_CommandLineSweep)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_WindowSweep)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
