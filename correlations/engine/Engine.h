#pragma once
// The correlation engine: the blocks of criterion equations, one per geometry (and for
// the pipe one per regime and heating mode). The engine asks the window once which
// geometry is selected and runs that geometry's block; a block that has regimes decides
// its regime from Re with the bounds of its equations and evaluates that regime's
// equation. So every block knows which equation it evaluates.
//
// Each block is a thin wrapper: it reads its own fields from the window, calls the pure
// criterion equations of its geometry (correlations/equations/) and writes Nu, alpha (and
// where the geometry says so d and Re) into CalcState. The blocks are defined in the
// source file of their geometry group beside this one.

#include "app/compute/CalcState.h"
#include "correlations/engine/EngineWindow.h"
#include "correlations/equations/Regime.h"
#include "correlations/equations/SelectionKinds.h"

#include <string>

namespace vortalin {

class CorrelationEngine {
public:
    CorrelationEngine(CalcState& state, EngineWindow& window) : s_(state), window_(window) {}

    // Runs the block of the selected geometry. Returns true when it ran (and so wrote Nu
    // and alpha); false when its guard did not hold: a pipe whose Re is not a number, a
    // slot whose flow is not laminar.
    bool ComputeHeatTransfer();

private:
    bool Selected(ButtonId button) const { return window_.IsSelected(button); }
    double Read(EditId field) const { return window_.NumberFrom(field); }
    void ShowMessage(const std::string& text) { window_.ShowMessage(text); }
    void SetRegime(Regime regime) { window_.SetStatusText(RegimeText(regime)); }
    // The similarity numbers and results every equation's record holds.
    void RecordCommonTerms();
    EquationRecord* Terms() { return &s_.equation; }
    // Runs the selected geometry's block; true when it ran.
    bool RunBlock(Geometry geometry);

    // The heating mode of the pipe and the row-count mode of the banks, as selected now.
    HeatingMode SelectedHeatingMode() const;
    RowCountMode SelectedRowCountMode() const;

    // Pipe flow (PipeFlowBlocks.cpp), blocks 1 to 5: the regime of Re picks the block;
    // false when Re has none.
    bool PipeFlowBlock();
    void PipeLaminarBlock(HeatingMode mode);
    void PipeTurbulentBlock();
    void PipeTransitionalBlock(HeatingMode mode);

    // Cross-flow over a single pipe (CrossFlowBlock.cpp), block 6.
    void CrossFlowPipeBlock();

    // Plate and planar slots (PlateAndSlotBlocks.cpp), blocks 7 to 9; a slot runs only for
    // laminar flow (false otherwise).
    void PlateBlock();
    bool SlotBlock(Geometry slot);

    // Helical pipe (HelicalPipeBlock.cpp), block 10.
    void HelicalPipeBlock();

    // Single tube row (TubeRowBlocks.cpp), block 11, and the row procedure the banks share.
    void SingleRowBlock();
    double SingleRowNusselt(double dTube, double psi);
    // Shows geometry or range messages one after another; the block goes on afterwards.
    template <class Texts> void ShowMessages(const Texts& messages) {
        for (const auto& message : messages) {
            ShowMessage(message);
        }
    }

    // Tube banks (TubeBankBlocks.cpp), blocks 12 to 14.
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

    // Finned tube bank (FinnedBankBlock.cpp), block 15.
    void FinnedBankBlock();
    void RecordFinnedTerms(double d_a, double d_b, double f, double P_f);

    CalcState& s_;
    EngineWindow& window_;
};

} // namespace vortalin
