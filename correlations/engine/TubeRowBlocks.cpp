#include "correlations/engine/Engine.h"

#include "correlations/equations/TubeRow.h"

namespace vortalin {

// --- engine: the row procedure shared by every tube geometry, and block 11 ---

double CorrelationEngine::SingleRowNusselt(double dTube, double psi) {
    const double flowLength = TubeFlowLength(dTube);
    s_.d = flowLength;
    s_.Re = RowReynolds(s_.w, flowLength, s_.nu, psi);
    const double Nu0 = RowNusselt(s_.Re, s_.Pr, s_.PrW, Terms());
    s_.equation.Set(Term::VoidFraction, psi);
    s_.equation.Set(Term::FlowLength, flowLength);
    s_.equation.Set(Term::Nu0, Nu0);
    return Nu0;
}

void CorrelationEngine::SingleRowBlock() {
    const double dTube = Read(EditId::Edit24);
    const double s1 = Read(EditId::Edit25);
    ShowMessages(SingleRowGeometryErrors(dTube, s1));
    const double psi = SingleRowVoidFraction(dTube, s1);
    // A single row takes no arrangement factor and no row-count correction.
    s_.equation.Use(EquationId::SingleRow);
    s_.Nu = SingleRowNusselt(dTube, psi);
    s_.alpha = s_.Nu * s_.lambda / s_.d;
}

} // namespace vortalin
