#include "correlations/engine/Engine.h"

#include "correlations/equations/TubeBanks.h"

namespace vortalin {

// --- engine: what the three banks share, and blocks 12 to 14 ---

CorrelationEngine::BankInputs CorrelationEngine::ReadBankInputs(bool readsShift) {
    BankInputs bank;
    bank.dTube = Read(EditId::Edit26);
    bank.s1 = Read(EditId::Edit27);
    bank.s2 = Read(EditId::Edit28);
    bank.s3 = readsShift ? Read(EditId::Edit29) : 0;
    bank.rowCount = Read(EditId::Edit30); // read under either row-count mode
    return bank;
}

double CorrelationEngine::RowCorrection(double Nu0, double fA, double rowCount) {
    return RowCorrectedNusselt(Nu0, fA, SelectedRowCountMode(), rowCount);
}

void CorrelationEngine::BankBlock(const BankInputs& bank, ArrangementFactor arrangementFactor) {
    const double a = bank.s1 / bank.dTube;
    const double b = bank.s2 / bank.dTube;
    const double c = bank.s3 / bank.dTube;
    const double psi = BankVoidFraction(a, b);
    const double Nu0 = SingleRowNusselt(bank.dTube, psi); // also sets d and Re
    const double fA = arrangementFactor(a, b, psi, c);
    s_.Nu = RowCorrection(Nu0, fA, bank.rowCount);
    s_.alpha = s_.Nu * s_.lambda / s_.d;
    EquationRecord& r = s_.equation;
    r.Set(Term::PitchA, a);
    r.Set(Term::PitchB, b);
    r.Set(Term::PitchC, c);
    r.Set(Term::ArrangementFactor, fA);
    r.Set(Term::RowCount, bank.rowCount);
}

void CorrelationEngine::InlineBankBlock() {
    const BankInputs bank = ReadBankInputs(false);
    ShowMessages(InlineBankGeometryErrors(bank.dTube, bank.s1, bank.s2));
    s_.equation.Use(EquationId::InlineBank);
    BankBlock(bank, [](double a, double b, double psi, double) {
        return InlineArrangementFactor(a, b, psi);
    });
}

void CorrelationEngine::StaggeredBankBlock() {
    const BankInputs bank = ReadBankInputs(false);
    ShowMessages(StaggeredBankGeometryErrors(bank.dTube, bank.s1, bank.s2));
    s_.equation.Use(EquationId::StaggeredBank);
    BankBlock(bank, [](double, double b, double, double) { return StaggeredArrangementFactor(b); });
}

void CorrelationEngine::PartlyStaggeredBankBlock() {
    const BankInputs bank = ReadBankInputs(true);
    ShowMessages(PartlyStaggeredBankGeometryErrors(bank.dTube, bank.s1, bank.s2, bank.s3));
    BankBlock(bank, PartlyStaggeredArrangementFactor);
    const EquationRecord& r = s_.equation;
    s_.equation.Use(PartlyStaggeredTakesInlineFactor(r.Value(Term::PitchA), r.Value(Term::PitchC))
                        ? EquationId::PartlyStaggeredInline
                        : EquationId::PartlyStaggeredStaggered);
}

} // namespace vortalin
