#include "correlations/engine/Engine.h"

#include "app/form/Selections.h"

namespace vortalin {

bool CorrelationEngine::ComputeHeatTransfer() {
    // Exactly one geometry button is selected, so exactly one geometry's block can run;
    // it is decided here once.
    const Geometry geometry = SelectedGeometry(window_);
    switch (geometry) {
    case Geometry::PipeFlow:
        return PipeFlowBlock();
    case Geometry::CrossFlowPipe:
        CrossFlowPipeBlock();
        break;
    case Geometry::Plate:
        PlateBlock();
        break;
    case Geometry::PlanarSlot:
    case Geometry::SlotInsulatedOneSide:
        return SlotBlock(geometry);
    case Geometry::HelicalPipe:
        HelicalPipeBlock();
        break;
    case Geometry::SingleRow:
        SingleRowBlock();
        break;
    case Geometry::InlineBank:
        InlineBankBlock();
        break;
    case Geometry::StaggeredBank:
        StaggeredBankBlock();
        break;
    case Geometry::PartlyStaggeredBank:
        PartlyStaggeredBankBlock();
        break;
    case Geometry::FinnedBank:
        FinnedBankBlock();
        break;
    }
    return true;
}

HeatingMode CorrelationEngine::SelectedHeatingMode() const {
    return Selected(ButtonOf(HeatingMode::ConstHeatFlux)) ? HeatingMode::ConstHeatFlux
                                                          : HeatingMode::ConstWallTemp;
}

RowCountMode CorrelationEngine::SelectedRowCountMode() const {
    return Selected(ButtonOf(RowCountMode::FewRows)) ? RowCountMode::FewRows
                                                     : RowCountMode::ManyRows;
}

} // namespace vortalin
