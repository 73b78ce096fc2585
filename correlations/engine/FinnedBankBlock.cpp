#include "correlations/engine/Engine.h"

#include "correlations/equations/FinnedBank.h"

namespace vortalin {

namespace {

// The window's fields of the finned bank are in millimetres.
constexpr double kMetresPerMillimetre = 0.001;

} // namespace

// --- engine block 15 ---

void CorrelationEngine::RecordFinnedTerms(double d_a, double d_b, double f, double P_f) {
    EquationRecord& r = s_.equation;
    r.Use(EquationId::FinnedBank);
    const double h = FinHeight(d_a, d_b);
    const double s = P_f - f;
    r.Set(Term::FinRootDiameter, d_b);
    r.Set(Term::FinHeight, h);
    r.Set(Term::FinThickness, f);
    r.Set(Term::FinPitch, P_f);
    r.Set(Term::GapOverHeight, s / h);
    r.Set(Term::GapOverThickness, s / f);
}

void CorrelationEngine::FinnedBankBlock() {
    const double d_a = Read(EditId::Edit31) * kMetresPerMillimetre;
    const double d_b = Read(EditId::Edit32) * kMetresPerMillimetre;
    const double f = Read(EditId::Edit33) * kMetresPerMillimetre;
    const double P_f = Read(EditId::Edit34) * kMetresPerMillimetre;
    s_.Re = FinnedReynolds(s_.w, d_b, s_.nu);
    s_.Nu = FinnedBankNusselt(s_.Re, s_.Pr, d_a, d_b, f, P_f);
    s_.alpha = s_.Nu * s_.lambda / d_b; // referred to the tube diameter, not to d
    RecordFinnedTerms(d_a, d_b, f, P_f);
    // The range messages would interrupt a sweep at every step; they are shown only for a
    // calculation that is not being saved to a file.
    if (s_.sweep.saveToFile == 0) {
        ShowMessages(FinnedBankRangeErrors(s_.Re, d_a, d_b, f, P_f));
    }
}

} // namespace vortalin
