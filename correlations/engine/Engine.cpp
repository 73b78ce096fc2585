#include "correlations/engine/Engine.h"

#include "app/form/Selections.h"

namespace vortalin {

bool CorrelationEngine::ComputeHeatTransfer() {
    // Exactly one geometry button is selected, so exactly one geometry's block can run;
    // it is decided here once. The block marks the equation it used and records its terms;
    // the similarity numbers and results are recorded after it, so that the Re of the
    // geometries that replace it is the one recorded.
    s_.equation.Clear();
    const bool ran = RunBlock(SelectedGeometry(window_));
    if (ran) {
        RecordCommonTerms();
    }
    return ran;
}

void CorrelationEngine::RecordCommonTerms() {
    EquationRecord& r = s_.equation;
    r.Set(Term::Re, s_.Re);
    r.Set(Term::Pr, s_.Pr);
    r.Set(Term::PrW, s_.PrW);
    r.Set(Term::PrRatio, s_.Pr / s_.PrW);
    r.Set(Term::Nu, s_.Nu);
    r.Set(Term::Alpha, s_.alpha);
}

bool CorrelationEngine::RunBlock(Geometry geometry) {
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
