#pragma once
// The correlation engine: the blocks of criterion equations, one per geometry (and for
// the pipe one per regime and heating mode), tested in a fixed order on every run.
//
// Each block is a thin wrapper: it reads its own fields from the window, calls the pure
// correlation functions of its geometry's header and writes Nu, alpha (and where the
// geometry says so d and Re) into CalcState. The blocks are defined in the source file of
// their geometry group.

#include "../app/CalcState.h"
#include "../app/Selections.h"
#include "../app/WindowServices.h"
#include "Regime.h"

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

    // Tube banks (TubeBanks.cpp), blocks 12 to 14.
    void InlineBankBlock();
    void StaggeredBankBlock();
    void PartlyStaggeredBankBlock();

    // Finned tube bank (FinnedBank.cpp), block 15.
    void FinnedBankBlock();

    CalcState& s_;
    WindowServices& window_;
};

} // namespace vortalin
