#pragma once
// The chart data of a parameter sweep, collected while the sweep runs: for each of the
// twelve displayed results a series of (swept value, result) points, and for each point
// whether the validity checks refuse its step and with which message.
//
// The series stay bounded whatever the number of steps. Up to kMaxPoints steps every step
// is kept. A longer sweep is cut into buckets of consecutive steps, and each result keeps,
// per bucket, the step where it is smallest, the step where it is largest and the first
// step where it is undefined. So peaks and jumps survive, an undefined stretch still breaks
// the line, and every point kept is a real step with its own x, value and refusal. Each
// result is decimated on its own: the steps that hold the extremes of the heat transfer
// coefficient are rarely those of the density, and whichever result the user plots gets
// the full resolution of the budget.

#include "app/compute/CalcState.h"
#include "app/compute/Calculator.h"
#include "app/compute/ResultDisplay.h"
#include "app/form/Controls.h"
#include "correlations/equations/EquationWarnings.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vortalin {

struct ChartPoint {
    double x;         // the swept variable of the step
    double y;         // the result; NaN where the step did not compute it or it is not finite
    int refusal;      // index into SweepSeries::Refusals(), or SweepSeries::kAccepted
    int warning = -1; // index into SweepSeries::WarningTexts(), or SweepSeries::kNoWarning
    bool Defined() const { return !std::isnan(y); }
};

class SweepSeries {
public:
    // Points of one result at most, whatever the number of steps.
    static constexpr std::size_t kMaxPoints = 10000;
    static constexpr int kAccepted = -1;
    static constexpr int kNoWarning = -1;
    // The results in the order of kDisplayedResults.
    static constexpr std::size_t kResultCount = kDisplayedResults.size();

    SweepSeries() = default; // no sweep yet: no steps, no points
    // A sweep of `steps` steps (none when not positive) over the input of `sweptField`
    // (Edit1 to Edit5; nullopt when no variable is selected); warning texts are written with
    // the decimal separator given.
    SweepSeries(std::optional<EditId> sweptField, long long steps, char separator = '.');

    // Records the next step: the swept value, the results as the step left them, and the
    // message of the check that refuses the step (nullopt when it passes every check).
    // `warnings` are those of a step that passes every check (ignored for a refused one).
    void Add(double x, const CalcState& state, const Freshness& computed,
             const std::optional<std::string>& refusal, const WarningList& warnings = {});
    // Ends the sweep; the last, partial bucket is kept too.
    void Finish();

    std::optional<EditId> SweptField() const { return sweptField_; }
    long long Steps() const { return stepsAdded_; }
    long long RefusedSteps() const { return refusedSteps_; }
    // Steps that pass every check but carry warnings.
    long long WarnedSteps() const { return warnedSteps_; }
    // The distinct warnings of warned steps, one text per combination of rules, in the
    // order they first occurred.
    const std::vector<std::string>& WarningTexts() const { return warningTexts_; }
    // Steps of one result's series, in step order. `result` indexes kDisplayedResults.
    const std::vector<ChartPoint>& Points(std::size_t result) const { return points_[result]; }
    // The distinct refusal messages, in the order they first occurred.
    const std::vector<std::string>& Refusals() const { return refusals_; }
    // Consecutive steps that share one bucket (1 while every step is kept).
    long long BucketSize() const { return bucketSize_; }

private:
    // A step kept for the current bucket.
    struct Kept {
        long long step = -1; // -1: none yet
        ChartPoint point{};
    };
    // What one result keeps of the current bucket.
    struct Bucket {
        Kept smallest, largest, firstUndefined;
    };

    int RefusalIndex(const std::optional<std::string>& refusal);
    int WarningIndex(EquationId equation, const WarningList& warnings);
    void Take(Bucket& bucket, const ChartPoint& point) const;
    void FlushBuckets();

    std::optional<EditId> sweptField_;
    char separator_ = '.';
    long long bucketSize_ = 1;
    long long stepsAdded_ = 0;
    long long refusedSteps_ = 0;
    long long warnedSteps_ = 0;
    std::array<Bucket, kResultCount> buckets_{};
    std::array<std::vector<ChartPoint>, kResultCount> points_{};
    std::vector<std::string> refusals_;
    // The texts of warnings are built once per combination of rules, not per step.
    std::vector<std::uint64_t> warningKeys_;
    std::vector<std::string> warningTexts_;
};

// The displayed result's value as a sweep step leaves it: NaN when the step did not
// compute it or it is not a finite number, as the results file leaves such a field empty.
double StepValue(std::size_t result, const CalcState& state, const Freshness& computed);

} // namespace vortalin
