#pragma once
// Which criterion equation a run used, and the values of the named terms of its formula.
//
// The engine marks the equation of the block that ran and records each term as the block
// computes it, so that the formula can later be printed with the run's numbers put in and
// its validity ranges judged without computing anything again. Recording a term is one
// store into a fixed array: it costs next to nothing in a sweep of millions of steps.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace vortalin {

// One identifier per equation and regime the engine can pick.
enum class EquationId : std::uint8_t {
    PipeLaminarWallTemp,
    PipeLaminarHeatFlux,
    PipeTransitionalWallTemp,
    PipeTransitionalHeatFlux,
    PipeTurbulent,
    CrossFlowLow,
    CrossFlowMiddle,
    CrossFlowHigh,
    Plate,
    PlanarSlot,
    SlotInsulatedOneSide,
    HelicalLaminar,
    HelicalTransitional,
    HelicalTurbulent,
    SingleRow,
    InlineBank,
    StaggeredBank,
    PartlyStaggeredInline,
    PartlyStaggeredStaggered,
    FinnedBank,
    None, // no block ran (a slot with Re >= 2300, or no run yet)
};
inline constexpr std::size_t kEquationCount = static_cast<std::size_t>(EquationId::None);

// The named terms of the formulas. Their symbols and units are in EquationTable.h.
enum class Term : std::uint8_t {
    Re,
    Pr,
    PrW,
    PrRatio, // Pr / Pr_w
    Pe,
    DiameterOverLength, // d / L
    Nu1,                // fully developed laminar value
    Nu2,                // laminar entrance term
    X,                  // 2300 · Pr · d / L, the laminar argument at Re = 2300
    NuL,                // laminar end value of an interpolation
    NuT,                // turbulent end value of an interpolation
    Gamma,              // interpolation weight
    Xi,                 // friction factor
    IncidencePsi,       // incidence factor of oblique cross-flow
    K,
    M,
    N,
    NuLam,
    NuTurb,
    G, // entrance term of the slot
    CoilDiameter,
    CurvatureRatio, // d / D_w
    CriticalRe,
    VoidFraction, // ψ of a row or bank
    FlowLength,   // l = π · d / 2
    Nu0,          // Nusselt number of one row
    PitchA,       // s1 / d
    PitchB,       // s2 / d
    PitchC,       // s3 / d
    ArrangementFactor,
    RowCount,
    FinRootDiameter, // d_b
    FinHeight,       // h
    FinThickness,    // f
    FinPitch,        // P_f
    GapOverHeight,   // s / h
    GapOverThickness,
    Nu,
    Alpha,
    Count,
};
inline constexpr std::size_t kTermCount = static_cast<std::size_t>(Term::Count);

// The equation and term values of one run. A term the run did not compute is NaN.
class EquationRecord {
public:
    EquationRecord() { Clear(); }

    void Clear() {
        id_ = EquationId::None;
        terms_.fill(std::numeric_limits<double>::quiet_NaN());
    }
    void Use(EquationId id) { id_ = id; }
    void Set(Term term, double value) { terms_[static_cast<std::size_t>(term)] = value; }

    EquationId Id() const { return id_; }
    bool Used() const { return id_ != EquationId::None; }
    double Value(Term term) const { return terms_[static_cast<std::size_t>(term)]; }
    bool Has(Term term) const { return !std::isnan(Value(term)); }

private:
    EquationId id_ = EquationId::None;
    std::array<double, kTermCount> terms_{};
};

// Records a term where the caller asked for a record; the pure equations take an optional
// record so that they can be used alone.
inline void Record(EquationRecord* record, Term term, double value) {
    if (record != nullptr) {
        record->Set(term, value);
    }
}

} // namespace vortalin
