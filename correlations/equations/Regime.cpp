#include "correlations/equations/Regime.h"

namespace vortalin {

const std::string& RegimeText(Regime regime) {
    static const std::string laminar = "Nachádzate sa v laminárnej oblasti prúdenia.";
    static const std::string transitional = "Nachádzate sa v prechodovej oblasti prúdenia.";
    static const std::string turbulent = "Nachádzate sa v turbulentnej oblasti prúdenia.";
    switch (regime) {
    case Regime::Laminar:
        return laminar;
    case Regime::Transitional:
        return transitional;
    case Regime::Turbulent:
        break;
    }
    return turbulent;
}

} // namespace vortalin
