#pragma once
// What a calculation sheet prints of one Compute command, kept as the command left the
// window: a sheet printed later shows that run, whatever was typed since.

#include "app/compute/Calculator.h"
#include "app/compute/Messages.h"
#include "app/compute/ResultDisplay.h"
#include "app/form/Controls.h"
#include "app/form/Geometries.h"
#include "app/form/Selections.h"
#include "correlations/equations/EquationWarnings.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vortalin {

enum class RunOutcome : std::uint8_t {
    Shown,   // the results are on screen
    Refused, // a check refused them; `refusal` says why
    Stopped, // a text that is no number (or a stopped study) ended the command
};

struct RunSnapshot {
    RunOutcome outcome = RunOutcome::Stopped;
    Geometry geometry = Geometry::PipeFlow;
    Fluid fluid = Fluid::Air;
    HeatingMode heating = HeatingMode::ConstWallTemp;
    RowCountMode rows = RowCountMode::ManyRows;
    char separator = ',';
    std::vector<std::pair<EditId, std::string>> inputs;  // the fields the geometry reads, as typed
    std::vector<std::pair<EditId, std::string>> results; // the twelve result texts on screen
    CalcState state;
    std::string status;                // the regime text
    std::vector<std::string> messages; // shown during the command, each once, refusal left out
    std::string refusal;               // the check's message, or why the command stopped
    WarningList warnings;
};

// The messages of a command each once, in the order they first came; `refusal` left out.
std::vector<std::string> DistinctMessages(const std::vector<std::string>& shown,
                                          const std::string& refusal);

// The snapshot of the command that just ended. Form is the window's services or a record:
// both give Text and IsSelected. `stopped` is the message of a text that is no number.
template <class Form>
RunSnapshot SnapshotOf(const Form& form, const Calculator& calc, std::string status,
                       const std::vector<std::string>& shownMessages,
                       const std::optional<std::string>& stopped) {
    RunSnapshot run;
    run.geometry = SelectedGeometry(form);
    run.fluid = SelectedFluid(form);
    run.heating = form.IsSelected(ButtonOf(HeatingMode::ConstHeatFlux))
                      ? HeatingMode::ConstHeatFlux
                      : HeatingMode::ConstWallTemp;
    run.rows = form.IsSelected(ButtonOf(RowCountMode::FewRows)) ? RowCountMode::FewRows
                                                                : RowCountMode::ManyRows;
    run.separator = form.DecimalSeparator();
    for (EditId field : InputsReadBy(run.geometry)) {
        run.inputs.emplace_back(field, form.Text(field));
    }
    run.state = calc.State();
    run.status = std::move(status);
    if (stopped || calc.SweepStopped()) {
        run.outcome = RunOutcome::Stopped;
        run.refusal = stopped ? *stopped : std::string(kSweepStoppedMessage);
    } else if (calc.ResultsShown()) {
        run.outcome = RunOutcome::Shown;
        for (const ResultLabel& result : kResultLabels) {
            run.results.emplace_back(result.field, form.Text(result.field));
        }
        run.warnings = calc.Warnings();
    } else {
        run.outcome = RunOutcome::Refused;
        run.refusal = calc.RefusalMessage().value_or(std::string());
    }
    run.messages = DistinctMessages(shownMessages, run.refusal);
    return run;
}

} // namespace vortalin
