#pragma once
// The Compute command and the steps of the calculation pipeline. One Calculator owns the
// calculation record and reaches the window only through WindowServices.

#include "app/compute/CalcState.h"
#include "app/compute/WindowServices.h"
#include "correlations/equations/EquationWarnings.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vortalin {

class SweepSeries;

// Which parts of CalcState the current run (or sweep step) has computed. A value the run
// did not compute is never shown nor written, whatever CalcState still holds from before.
struct Freshness {
    bool properties = false;   // the fluid's fit covered tMean: properties, Pr, PrW, Re, Pe
    bool heatTransfer = false; // a correlation block wrote Nu and alpha
    // The first magnitude the selected geometry read that is negative; what rests on it
    // is undefined.
    std::optional<EditId> negativeMagnitude;
};

class Calculator {
public:
    explicit Calculator(WindowServices& window) : window_(window) {}

    // Menu and button handlers of the main window.
    void Button1Click();            // "Vypočítaj": sweep (if on), then the single-point run
    void Ulodosboru1Click();        // "Ulož do súboru": the save-to-file toggle
    void Nastavenierozsahu1Click(); // "Nastavenie rozsahu": shows the range dialog

    const CalcState& State() const { return state_; }
    CalcState& State() { return state_; }
    const Freshness& Computed() const { return fresh_; }
    // Whether the last Compute command displayed its results.
    bool ResultsShown() const { return resultsShown_; }
    // The warnings of the last Compute command's displayed results; empty when it showed
    // none. The equation it used is State().equation.
    const WarningList& Warnings() const { return warnings_; }
    // The warnings of the current step of a sweep, or of a run whose checks passed.
    void CollectWarnings(WarningList& warnings) const;
    // Whether the last Compute command's sweep failed to write its results file, and why.
    bool SweepFailed() const { return !sweepError_.empty(); }
    const std::string& SweepError() const { return sweepError_; }
    // Whether the user stopped the last Compute command's sweep (nothing saved, no
    // single-point run).
    bool SweepStopped() const { return sweepStopped_; }
    // The chart data of the last sweep that ran every step and wrote its results file;
    // nullptr before the first. Each such sweep brings a new object.
    std::shared_ptr<const SweepSeries> LastSweep() const { return lastSweep_; }

    // Pipeline steps, in the order the Compute command runs them.
    void ResetOutputs();
    void ReadInputs();
    void ComputeTemperatures();
    void ComputeProperties();
    void ComputeCriteria();
    void ComputeHeatTransfer();
    void FindNegativeMagnitude();
    bool CheckValidity(); // true when the results may be shown
    // The message of the first check that refuses the current run, in the order the
    // Compute command tries them; nullopt when the results may be shown. Shows nothing.
    std::optional<std::string> RefusalMessage() const;
    // The input that message names (a negative magnitude, the angle of incidence); nullopt
    // for a refusal that names none, or no refusal.
    std::optional<EditId> RefusedField() const;
    // The input the range dialog's selected button sweeps.
    std::optional<EditId> SweptField() const;
    void ShowResults();

    // Sweep steps.
    void ReadSweepInputs();

private:
    void RunSweep();
    enum class SweepEnd : std::uint8_t { AllWritten, WriteFailed, Stopped };
    SweepEnd WriteSweepSteps(ResultsSink& file, SweepSeries& chart);
    void RunSinglePoint();
    void ReadCommonInputs(bool sweeping);
    double SweptValue() const;
    void CollectChartPoint(SweepSeries& series, WarningList& warnings) const;
    std::optional<std::string> UncoveredTemperatureRefusal() const;
    std::optional<std::string> NegativeMagnitudeRefusal() const;
    double ValueRead(EditId field) const;
    struct Refusal {
        std::string message;
        std::optional<EditId> field;
    };
    std::optional<Refusal> FirstRefusal() const;
    std::optional<Refusal> FirstValidityCheckRefusal() const;
    std::optional<std::string> UndefinedResultRefusal() const;

    CalcState state_;
    WindowServices& window_;
    Freshness fresh_;
    bool resultsShown_ = false;
    WarningList warnings_;
    std::string sweepError_;
    bool sweepStopped_ = false;
    std::shared_ptr<const SweepSeries> lastSweep_;
};

} // namespace vortalin
