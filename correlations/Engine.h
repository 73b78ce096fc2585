#pragma once
// The correlation engine: the blocks of criterion equations, one per geometry (and for
// the pipe one per regime and heating mode), tested in a fixed order on every run.
//
// Each block is a thin wrapper: it reads its own fields from the window, calls the pure
// correlation functions of its geometry's header and writes Nu, alpha (and where the
// geometry says so d and Re) into CalcState. The blocks are defined in the source file of
// their geometry group.

#include "app/compute/CalcState.h"
#include "app/compute/WindowServices.h"
#include "app/form/Selections.h"
#include "correlations/Regime.h"

namespace vortalin {

class CorrelationEngine {
public:
    CorrelationEngine(CalcState& state, WindowServices& window) : s_(state), window_(window) {}

    // Runs every block whose guard holds, in the order of the table of blocks. Returns
    // true when a block ran (and so wrote Nu and alpha).
    bool ComputeHeatTransfer();

private:
    bool Selected(ButtonId button) const { return window_.IsSelected(button); }
    double Read(EditId field) const { return window_.NumberFrom(field); }
    void ShowMessage(const std::string& text) { window_.ShowMessage(text); }
    void SetRegime(Regime regime) { window_.SetStatusText(RegimeText(regime)); }
    // The similarity numbers and results every equation's record holds.
    void RecordCommonTerms();
    EquationRecord* Terms() { return &s_.equation; }

    // Pipe flow (PipeFlow.cpp), blocks 1 to 5.
    void PipeLaminarBlock(HeatingMode mode);
    void PipeTurbulentBlock();
    void PipeTransitionalBlock(HeatingMode mode);

    // Cross-flow over a single pipe (CrossFlow.cpp), block 6.
    void CrossFlowPipeBlock();

    // Plate and planar slots (PlateAndSlots.cpp), blocks 7 to 9.
    void PlateBlock();
    void SlotBlock(Geometry slot);

    // Helical pipe (HelicalPipe.cpp), block 10.
    void HelicalPipeBlock();

    // Single tube row (TubeRow.cpp), block 11, and the row procedure the banks share.
    void SingleRowBlock();
    double SingleRowNusselt(double dTube, double psi);
    // Shows geometry or range messages one after another; the block goes on afterwards.
    template <class Texts> void ShowMessages(const Texts& messages) {
        for (const auto& message : messages) {
            ShowMessage(message);
        }
    }

    // Tube banks (TubeBanks.cpp), blocks 12 to 14.
    void InlineBankBlock();
    void StaggeredBankBlock();
    void PartlyStaggeredBankBlock();
    // The bank fields in the order they are read; s3 only for the partly staggered bank.
    struct BankInputs {
        double dTube = 0, s1 = 0, s2 = 0, s3 = 0, rowCount = 0;
    };
    BankInputs ReadBankInputs(bool readsShift);
    // What the three banks share after their checks: bank void fraction, row procedure,
    // arrangement factor fA(a, b, psi, c), row-count correction and alpha.
    using ArrangementFactor = double (*)(double a, double b, double psi, double c);
    void BankBlock(const BankInputs& bank, ArrangementFactor arrangementFactor);
    // The bank's Nusselt number from Nu0 and fA under the selected RowCountMode.
    double RowCorrection(double Nu0, double fA, double rowCount);

    // Finned tube bank (FinnedBank.cpp), block 15.
    void FinnedBankBlock();
    void RecordFinnedTerms(double d_a, double d_b, double f, double P_f);

    CalcState& s_;
    WindowServices& window_;
};

} // namespace vortalin
