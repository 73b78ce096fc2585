#include "app/compute/Calculator.h"

#include "app/compute/Messages.h"
#include "app/compute/ResultDisplay.h"
#include "app/compute/RunWarnings.h"
#include "app/files/ResultsFile.h"
#include "app/form/Geometries.h"
#include "app/form/InputFields.h"
#include "app/form/Selections.h"
#include "app/format/NumberFormat.h"
#include "app/studies/SweepSeries.h"
#include "correlations/engine/Engine.h"
#include "properties/FluidProperties.h"
#include "properties/SimilarityNumbers.h"
#include "properties/Temperatures.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace vortalin {

namespace {

// The eight inputs that ReadInputs converts into CalcState, in their order, with the range
// dialog's button that sweeps each (from the table of the inputs; the first five have one).
struct ReadInput {
    EditId field;
    double CalcState::*value;
    std::optional<ButtonId> sweptBy;
};

constexpr ReadInput Into(EditId field, double CalcState::*value) {
    return {field, value, InputFieldOf(field)->sweptBy};
}

constexpr std::array<ReadInput, 8> kInputs = {{
    Into(EditId::Edit1, &CalcState::w),
    Into(EditId::Edit2, &CalcState::d),
    Into(EditId::Edit3, &CalcState::tIn),
    Into(EditId::Edit4, &CalcState::tOut),
    Into(EditId::Edit5, &CalcState::tWall),
    Into(EditId::Edit8, &CalcState::length),
    Into(EditId::Edit19, &CalcState::angle),
    Into(EditId::Edit20, &CalcState::slotLength),
}};

// What the validity checks look at.
struct CheckInput {
    Geometry geometry;
    Fluid fluid;
    const CalcState& s;
};

struct ValidityCheck {
    bool (*fires)(const CheckInput&);
    const char* message;
    std::optional<EditId> field = std::nullopt; // the one input the message names
};

bool Is(const CheckInput& in, Geometry g) {
    return in.geometry == g;
}
bool PipeTurbulentBand(const CheckInput& in) {
    return Is(in, Geometry::PipeFlow) && in.s.Re > 10000 && in.s.Re < 1000000;
}
bool PipeTransitionalBand(const CheckInput& in) {
    return Is(in, Geometry::PipeFlow) && in.s.Re > 2300 && in.s.Re < 10000;
}
bool PrOutside(const CheckInput& in, double low, double high) {
    return in.s.Pr < low || in.s.Pr > high;
}
bool AirOutsideItsRange(const CheckInput& in) {
    return in.fluid == Fluid::Air && (in.s.tMean < -73 || in.s.tMean > 2226);
}
bool WaterOutsideItsRange(const CheckInput& in) {
    return in.fluid == Fluid::Water && (in.s.tMean < 0 || in.s.tMean > 100);
}

// The validity checks, tried in this order; the first that fires ends the checking.
constexpr std::array<ValidityCheck, 16> kValidityChecks = {{
    {[](const CheckInput& in) {
         return in.fluid == Fluid::Air && in.s.tMean > -33 && in.s.tMean < 106 &&
                Is(in, Geometry::PipeFlow) && in.s.Re > 1000000;
     },
     "Reynoldsovo kritérium je nad limit 1.0e6 !!!"},
    {[](const CheckInput& in) { return PipeTurbulentBand(in) && PrOutside(in, 0.1, 1000); },
     "Prandtlovo kritérium je mimo rozsah 0.1 až 1000 !!!"},
    {[](const CheckInput& in) { return PipeTurbulentBand(in) && in.s.d / in.s.length > 1; },
     "Pomer d/L nesmie byť väčší ako 1 !!!"},
    {[](const CheckInput& in) { return PipeTransitionalBand(in) && PrOutside(in, 0.6, 1000); },
     "Prandtlovo kritérium je mimo rozsah 0.6 až 1000 !!!"},
    {[](const CheckInput& in) { return PipeTransitionalBand(in) && in.s.d / in.s.length > 1; },
     "Pomer d/L nesmie byť väčší ako 1 !!!"},
    {[](const CheckInput& in) { return Is(in, Geometry::CrossFlowPipe) && in.s.Re < 5; },
     "Reynoldsovo kritérium má hodnotu nižšiu ako 5 !!! \nOdporúčam použiť softvér na výpočet "
     "voľnej konvekcie."},
    {[](const CheckInput& in) { return Is(in, Geometry::CrossFlowPipe) && in.s.Re > 2000000; },
     "Kriteriálna rovnica nevyhovuje!!! \nReynoldsovo kritérium má hodnotu vyššiu ako 2.0e6 !!! "},
    {[](const CheckInput& in) {
         return Is(in, Geometry::CrossFlowPipe) && (in.s.angle < 20 || in.s.angle > 90);
     },
     "Uhol medzi prúdiacim médiom a potrubím musí byť v rozsahu 20 až 90° !!!", EditId::Edit19},
    {[](const CheckInput& in) {
         return Is(in, Geometry::Plate) && (in.s.Re < 10 || in.s.Re > 10000000);
     },
     "Kriteriálna rovnica nevyhovuje!!! \nReynoldsovo kritérium musí byť v intervale 10 až 1.0e7 "
     "!!! \nOdporúčam použiť softvér na výpočet voľnej konvekcie."},
    {[](const CheckInput& in) { return Is(in, Geometry::Plate) && PrOutside(in, 0.6, 2000); },
     "Prandtlovo kritérium je mimo rozsah 0.6 až 2000 !!!"},
    {[](const CheckInput& in) {
         return (Is(in, Geometry::PlanarSlot) || Is(in, Geometry::SlotInsulatedOneSide)) &&
                in.s.Re >= 2300;
     },
     "Platnosť kriteriálnej rovnice je len v oblasti laminárneho prúdenia (Re<2300)."},
    {[](const CheckInput& in) { return Is(in, Geometry::HelicalPipe) && PrOutside(in, 0.6, 2000); },
     "Prandtlovo kritérium je mimo rozsah 0.6 až 2000 !!!"},
    {AirOutsideItsRange, "Stredná teplota vzduchu je mimo teplotný rozsah -73 až 2226°C !!!"},
    {WaterOutsideItsRange, "Stredná teplota vody je mimo teplotný rozsah 0 až 100°C !!!"},
    {[](const CheckInput& in) { return Is(in, Geometry::SingleRow) && PrOutside(in, 0.6, 1000); },
     "Prandtlovo kritérium je mimo rozsah 0.6 až 1000 !!!"},
    {[](const CheckInput& in) {
         return Is(in, Geometry::SingleRow) && (in.s.Re < 10 || in.s.Re > 1000000);
     },
     "Reynoldsovo kritérium je mimo rozsah 10 až 1.0e6 !!!"},
}};

std::optional<PropertySet> PropertiesOf(Fluid fluid, double t) {
    switch (fluid) {
    case Fluid::Air:
        return AirProperties(t);
    case Fluid::Water:
        return WaterProperties(t);
    case Fluid::NaturalGas:
        break;
    }
    return NaturalGasProperties(t);
}

void StoreBulk(CalcState& s, const PropertySet& p) {
    s.nu = p.nu;
    s.mu = p.mu;
    s.rho = p.rho;
    s.cp = p.cp;
    s.lambda = p.lambda;
}

void StoreWall(CalcState& s, const PropertySet& p) {
    s.nuW = p.nu;
    s.muW = p.mu;
    s.rhoW = p.rho;
    s.cpW = p.cp;
    s.lambdaW = p.lambda;
}

// Moves the progress bar once per percent of the steps, and at the last step: redrawing
// the bar on each of millions of steps would cost more than the steps themselves.
class ProgressTicker {
public:
    ProgressTicker(WindowServices& window, int sweepLast) : window_(window), last_(sweepLast) {}

    // The bar's position after step `index` is index + 1, never past the maximum.
    void StepDone(int index) {
        const int position = std::min(index + 1, last_);
        const long long percent = last_ > 0 ? 100LL * position / last_ : 100;
        if (percent == shownPercent_) {
            return;
        }
        shownPercent_ = percent;
        window_.SetProgressMaximum(last_);
        window_.SetProgressPosition(position);
    }

private:
    WindowServices& window_;
    int last_;
    long long shownPercent_ = -1;
};

// Tells the window that a sweep runs for as long as it exists, also when a step throws.
class SweepRunningScope {
public:
    explicit SweepRunningScope(WindowServices& window) : window_(window) {
        window_.SetSweepRunning(true);
    }
    ~SweepRunningScope() { window_.SetSweepRunning(false); }
    SweepRunningScope(const SweepRunningScope&) = delete;
    SweepRunningScope& operator=(const SweepRunningScope&) = delete;

private:
    WindowServices& window_;
};

} // namespace

void Calculator::Button1Click() {
    resultsShown_ = false;
    warnings_.Clear();
    sweepError_.clear();
    sweepStopped_ = false;
    if (state_.sweep.saveToFile == 1) {
        // The results of an earlier command must not stay on screen if the sweep stops at
        // a text that is not a number: clear them before the sweep as well.
        ResetOutputs();
        RunSweep();
        if (sweepStopped_) {
            return; // the user stopped the command
        }
    }
    RunSinglePoint();
}

void Calculator::RunSinglePoint() {
    ResetOutputs();
    ReadInputs();
    ComputeTemperatures();
    ComputeProperties();
    ComputeCriteria();
    if (fresh_.properties) {
        ComputeHeatTransfer();
    } else {
        // No fit covered tMean: a block would judge Re and Pr this run did not compute, and
        // its own messages (the finned bank's Reynolds range) would name a wrong cause.
        fresh_.heatTransfer = false;
    }
    FindNegativeMagnitude();
    if (CheckValidity()) {
        ShowResults();
        resultsShown_ = true;
        CollectWarnings(warnings_);
    }
}

void Calculator::CollectWarnings(WarningList& warnings) const {
    // The window is asked for the row-count selection only where a bank's row count is
    // judged: a sweep step of any other geometry costs a few comparisons.
    const bool fewRows =
        IsBankEquation(state_.equation.Id()) && window_.IsSelected(ButtonOf(RowCountMode::FewRows));
    vortalin::CollectWarnings(state_, fewRows ? RowCountMode::FewRows : RowCountMode::ManyRows,
                              warnings);
}

void Calculator::ResetOutputs() {
    if (window_.ResultTextsRead()) {
        for (const DisplayedResult& r : kDisplayedResults) {
            window_.SetText(r.field, kResetText);
        }
    }
    window_.SetStatusText("");
}

void Calculator::ReadCommonInputs(bool sweeping) {
    for (const ReadInput& input : kInputs) {
        if (sweeping && input.sweptBy && window_.IsSelected(*input.sweptBy)) {
            state_.*input.value = SweptValue();
        } else {
            state_.*input.value = window_.NumberFrom(input.field);
        }
    }
}

double Calculator::SweptValue() const {
    const SweepSettings& sw = state_.sweep;
    // The product first, then the division, then the addition; a single step (sweepLast 0)
    // stands at sweepFrom.
    return sw.sweepLast == 0
               ? sw.sweepFrom
               : sw.sweepFrom + (sw.sweepIndex * (sw.sweepTo - sw.sweepFrom)) / sw.sweepLast;
}

std::optional<EditId> Calculator::SweptField() const {
    for (const ReadInput& input : kInputs) {
        if (input.sweptBy && window_.IsSelected(*input.sweptBy)) {
            return input.field;
        }
    }
    return std::nullopt;
}

void Calculator::CollectChartPoint(SweepSeries& series, WarningList& warnings) const {
    const std::optional<std::string> refusal = RefusalMessage();
    warnings.Clear();
    if (!refusal) {
        CollectWarnings(warnings);
    }
    series.Add(SweptValue(), state_, fresh_, refusal, warnings);
}

void Calculator::ReadInputs() {
    ReadCommonInputs(false);
}

void Calculator::ReadSweepInputs() {
    ReadCommonInputs(true);
}

void Calculator::ComputeTemperatures() {
    state_.tMean = MeanTemperature(state_.tIn, state_.tOut);
    state_.dtLog = LogMeanTemperatureDifference(state_.tIn, state_.tOut, state_.tWall);
}

void Calculator::ComputeProperties() {
    const Fluid fluid = SelectedFluid(window_);
    const std::optional<PropertySet> bulk = PropertiesOf(fluid, state_.tMean);
    fresh_.properties = bulk.has_value();
    if (!bulk) {
        return; // outside every fit of the fluid: nothing is written
    }
    StoreBulk(state_, *bulk);
    // Only water is evaluated at the wall, from the same formulas at any temperature;
    // the gases take their bulk values.
    StoreWall(state_, fluid == Fluid::Water ? WaterPropertiesAt(state_.tWall) : *bulk);
}

void Calculator::ComputeCriteria() {
    state_.Pr = PrandtlNumber(state_.nu, state_.rho, state_.cp, state_.lambda);
    state_.PrW = PrandtlNumber(state_.nuW, state_.rhoW, state_.cpW, state_.lambdaW);
    state_.Re = ReynoldsNumber(state_.w, state_.d, state_.nu);
    state_.Pe = state_.Pr * state_.Re;
}

void Calculator::ComputeHeatTransfer() {
    fresh_.heatTransfer = CorrelationEngine(state_, window_).ComputeHeatTransfer();
}

void Calculator::FindNegativeMagnitude() {
    fresh_.negativeMagnitude.reset();
    for (EditId field : InputsReadBy(SelectedGeometry(window_))) {
        if (MagnitudeOf(field) != nullptr && ValueRead(field) < 0) {
            fresh_.negativeMagnitude = field;
            return;
        }
    }
}

double Calculator::ValueRead(EditId field) const {
    // The inputs of ReadInputs (or of the sweep step) as this run took them; the fields of
    // a geometry are read again: they are not swept and their block has just converted them.
    const auto* input = std::find_if(kInputs.begin(), kInputs.end(),
                                     [field](const ReadInput& in) { return in.field == field; });
    return input != kInputs.end() ? state_.*input->value : window_.NumberFrom(field);
}

bool Calculator::CheckValidity() {
    const bool negativeReynolds =
        fresh_.negativeMagnitude && MagnitudeOf(*fresh_.negativeMagnitude)->feedsReynolds;
    if (!fresh_.properties || negativeReynolds) {
        // No fit covered tMean, or Re came from a negative magnitude: the regime was judged
        // on properties this run did not compute or on a meaningless Re, so its text goes
        // too.
        window_.SetStatusText("");
    }
    if (const std::optional<std::string> refusal = RefusalMessage()) {
        window_.ShowMessage(*refusal);
        return false;
    }
    return true;
}

std::optional<std::string> Calculator::RefusalMessage() const {
    std::optional<Refusal> refusal = FirstRefusal();
    return refusal ? std::optional<std::string>(std::move(refusal->message)) : std::nullopt;
}

std::optional<EditId> Calculator::RefusedField() const {
    const std::optional<Refusal> refusal = FirstRefusal();
    return refusal ? refusal->field : std::nullopt;
}

std::optional<Calculator::Refusal> Calculator::FirstRefusal() const {
    if (std::optional<std::string> m = UncoveredTemperatureRefusal()) {
        return Refusal{std::move(*m), std::nullopt};
    }
    if (std::optional<std::string> m = NegativeMagnitudeRefusal()) {
        return Refusal{std::move(*m), fresh_.negativeMagnitude};
    }
    if (std::optional<Refusal> r = FirstValidityCheckRefusal()) {
        return r;
    }
    if (std::optional<std::string> m = UndefinedResultRefusal()) {
        return Refusal{std::move(*m), std::nullopt};
    }
    return std::nullopt;
}

std::optional<std::string> Calculator::UncoveredTemperatureRefusal() const {
    if (fresh_.properties) {
        return std::nullopt;
    }
    // No fit covered tMean, so Re, Pr and the wall values are not this run's: the checks
    // that judge them would blame a wrong cause. The fluid's own temperature range is the
    // reason, whatever ran before.
    const Fluid fluid = SelectedFluid(window_);
    return UncoveredTemperatureMessage(fluid == Fluid::Air, fluid == Fluid::Water);
}

std::optional<std::string> Calculator::NegativeMagnitudeRefusal() const {
    if (!fresh_.negativeMagnitude) {
        return std::nullopt;
    }
    return NegativeMagnitudeMessage(*fresh_.negativeMagnitude);
}

std::optional<Calculator::Refusal> Calculator::FirstValidityCheckRefusal() const {
    const CheckInput in{SelectedGeometry(window_), SelectedFluid(window_), state_};
    for (const ValidityCheck& check : kValidityChecks) {
        if (check.fires(in)) {
            return Refusal{std::string(check.message), check.field};
        }
    }
    return std::nullopt;
}

std::optional<std::string> Calculator::UndefinedResultRefusal() const {
    if (fresh_.heatTransfer && std::isfinite(state_.Nu) && std::isfinite(state_.alpha)) {
        return std::nullopt;
    }
    return std::string(kUndefinedResultMessage);
}

void Calculator::ShowResults() {
    if (!window_.ResultTextsRead()) {
        return;
    }
    const char separator = window_.DecimalSeparator();
    for (const DisplayedResult& r : kDisplayedResults) {
        const double value = state_.*r.value;
        if (!std::isfinite(value)) {
            window_.SetText(r.field, kUndefinedValueText);
        } else if (r.exponent) {
            window_.SetText(r.field, FormatExponent(value, r.precision, r.digits, separator));
        } else {
            window_.SetText(r.field, FormatFixed(value, r.precision, r.digits, separator));
        }
    }
}

void Calculator::Ulodosboru1Click() {
    SweepSettings& sw = state_.sweep;
    if (sw.saveToFile != 0) {
        sw.saveToFile = 0;
        window_.SetSaveToFileChecked(false);
        return;
    }
    sw.saveToFile = 1;
    window_.SetSaveToFileChecked(true);
    if (std::optional<std::string> path = window_.ChooseResultsFile()) {
        sw.fileName = std::move(*path);
    }
}

void Calculator::Nastavenierozsahu1Click() {
    window_.ShowRangeDialog();
}

void Calculator::RunSweep() {
    SweepSettings& sw = state_.sweep;
    if (sw.fileName.empty()) {
        if (std::optional<std::string> path = window_.ChooseResultsFile()) {
            sw.fileName = std::move(*path);
        }
    }
    if (sw.fileName.empty()) {
        window_.ShowMessage(kNoResultsFileMessage);
        return;
    }
    std::unique_ptr<ResultsSink> file = window_.OpenResultsFile(sw.fileName);
    if (!file->IsOpen()) {
        sweepError_ = ResultsFileNotCreatedMessage(sw.fileName, file->ErrorText());
        window_.ShowMessage(sweepError_);
        return;
    }
    window_.SetProgressPosition(0);
    sw.sweepFrom = window_.NumberFrom(EditId::Form2Edit1);
    sw.sweepTo = window_.NumberFrom(EditId::Form2Edit2);
    const int steps = window_.IntegerFrom(EditId::Form2Edit3);
    sw.sweepLast = steps == INT_MIN ? INT_MIN : steps - 1; // N <= 0: the header only

    SweepSeries chart(SweptField(), sw.sweepLast + 1LL, window_.DecimalSeparator());
    const SweepEnd end = WriteSweepSteps(*file, chart);
    if (end == SweepEnd::Stopped) {
        sweepStopped_ = true;
        file.reset(); // dropped without a commit: the earlier file stays as it was
        window_.SetProgressPosition(0);
        window_.ShowMessage(kSweepStoppedMessage);
        return;
    }
    if (end == SweepEnd::WriteFailed || !file->Commit()) {
        sweepError_ = ResultsFileNotWrittenMessage(sw.fileName, file->ErrorText());
        window_.ShowMessage(sweepError_);
        return;
    }
    chart.Finish();
    lastSweep_ = std::make_shared<const SweepSeries>(std::move(chart));
}

Calculator::SweepEnd Calculator::WriteSweepSteps(ResultsSink& file, SweepSeries& chart) {
    SweepSettings& sw = state_.sweep;
    const SweepRunningScope running(window_);
    ProgressTicker progress(window_, sw.sweepLast);
    const char separator = window_.DecimalSeparator();
    bool written = file.Write(ResultsHeader());
    bool stopped = false;
    ResultsBlocks lines(file);
    WarningList stepWarnings; // reused from step to step
    for (sw.sweepIndex = 0; written && !stopped && sw.sweepIndex < sw.sweepLast + 1;
         ++sw.sweepIndex) {
        ReadSweepInputs();
        ComputeTemperatures();
        ComputeProperties();
        ComputeCriteria();
        ComputeHeatTransfer();
        FindNegativeMagnitude();
        written = lines.AddLine(state_, fresh_, separator);
        CollectChartPoint(chart, stepWarnings);
        progress.StepDone(sw.sweepIndex);
        window_.KeepAlive();
        stopped = window_.StopRequested();
    }
    written = written && (stopped || lines.Finish());
    return stopped ? SweepEnd::Stopped : written ? SweepEnd::AllWritten : SweepEnd::WriteFailed;
}

} // namespace vortalin
