#include "app/studies/SweepSeries.h"

#include "app/files/ResultsFile.h"

#include <algorithm>

namespace vortalin {

namespace {

// A bucket keeps up to three steps of each result (smallest, largest, first undefined).
constexpr long long kKeptPerBucket = 3;
constexpr long long kBuckets = static_cast<long long>(SweepSeries::kMaxPoints) / kKeptPerBucket;

// The results-file column of each displayed result: the file and the chart agree on what
// a step computed.
constexpr std::array<std::size_t, SweepSeries::kResultCount> kColumnOfResult = [] {
    std::array<std::size_t, SweepSeries::kResultCount> columns{};
    for (std::size_t r = 0; r < kDisplayedResults.size(); ++r) {
        columns[r] = kResultsColumns.size();
        for (std::size_t c = 0; c < kResultsColumns.size(); ++c) {
            if (kResultsColumns[c].value == kDisplayedResults[r].value) {
                columns[r] = c;
            }
        }
    }
    return columns;
}();
static_assert(std::none_of(kColumnOfResult.begin(), kColumnOfResult.end(),
                           [](std::size_t c) { return c == kResultsColumns.size(); }),
              "every displayed result is a column of the results file");

long long BucketSizeFor(long long steps) {
    if (steps <= static_cast<long long>(SweepSeries::kMaxPoints)) {
        return 1;
    }
    return (steps + kBuckets - 1) / kBuckets;
}

} // namespace

double StepValue(std::size_t result, const CalcState& state, const Freshness& computed) {
    return ColumnValue(kResultsColumns[kColumnOfResult[result]], state, computed);
}

SweepSeries::SweepSeries(std::optional<EditId> sweptField, long long steps, char separator)
    : sweptField_(sweptField), separator_(separator), bucketSize_(BucketSizeFor(steps)) {
    const long long expected = std::max(0LL, steps);
    const auto reserved =
        static_cast<std::size_t>(std::min(expected, static_cast<long long>(kMaxPoints)));
    for (std::vector<ChartPoint>& points : points_) {
        points.reserve(reserved);
    }
}

void SweepSeries::Add(double x, const CalcState& state, const Freshness& computed,
                      const std::optional<std::string>& refusal, const WarningList& warnings) {
    const int refusalIndex = RefusalIndex(refusal);
    const int warningIndex = refusal ? kNoWarning : WarningIndex(state.equation.Id(), warnings);
    const std::array<bool, 5> needs = ComputedNeeds(computed);
    for (std::size_t r = 0; r < kResultCount; ++r) {
        const double y = ColumnValue(kResultsColumns[kColumnOfResult[r]], state, needs);
        Take(buckets_[r], {x, y, refusalIndex, warningIndex});
    }
    ++stepsAdded_;
    if (stepsAdded_ % bucketSize_ == 0) {
        FlushBuckets();
    }
}

void SweepSeries::Finish() {
    FlushBuckets();
}

int SweepSeries::RefusalIndex(const std::optional<std::string>& refusal) {
    if (!refusal) {
        return kAccepted;
    }
    ++refusedSteps_;
    const auto known = std::find(refusals_.begin(), refusals_.end(), *refusal);
    if (known != refusals_.end()) {
        return static_cast<int>(known - refusals_.begin());
    }
    refusals_.push_back(*refusal);
    return static_cast<int>(refusals_.size() - 1);
}

int SweepSeries::WarningIndex(EquationId equation, const WarningList& warnings) {
    if (warnings.Empty()) {
        return kNoWarning;
    }
    ++warnedSteps_;
    const std::uint64_t key = WarningRulesKey(equation, warnings);
    const auto known = std::find(warningKeys_.begin(), warningKeys_.end(), key);
    if (known != warningKeys_.end()) {
        return static_cast<int>(known - warningKeys_.begin());
    }
    std::string text;
    for (const Warning& w : warnings) {
        if (!text.empty()) {
            text += ' ';
        }
        text += WarningRuleText(w, separator_);
    }
    warningKeys_.push_back(key);
    warningTexts_.push_back(std::move(text));
    return static_cast<int>(warningTexts_.size() - 1);
}

void SweepSeries::Take(Bucket& bucket, const ChartPoint& point) const {
    const Kept step{stepsAdded_, point};
    if (!point.Defined()) {
        if (bucket.firstUndefined.step < 0) {
            bucket.firstUndefined = step;
        }
        return;
    }
    if (bucket.smallest.step < 0 || point.y < bucket.smallest.point.y) {
        bucket.smallest = step;
    }
    if (bucket.largest.step < 0 || point.y > bucket.largest.point.y) {
        bucket.largest = step;
    }
}

void SweepSeries::FlushBuckets() {
    for (std::size_t r = 0; r < kResultCount; ++r) {
        Bucket& bucket = buckets_[r];
        std::array<Kept, kKeptPerBucket> kept = {bucket.smallest, bucket.largest,
                                                 bucket.firstUndefined};
        std::sort(kept.begin(), kept.end(),
                  [](const Kept& a, const Kept& b) { return a.step < b.step; });
        long long lastStep = -1;
        for (const Kept& k : kept) {
            if (k.step > lastStep) { // skips "none" and a step that is both extremes
                points_[r].push_back(k.point);
                lastStep = k.step;
            }
        }
        bucket = Bucket{};
    }
}

} // namespace vortalin
