#pragma once
// Flow regimes and the texts the status bar shows for them.

#include <string>

namespace vortalin {

enum class Regime { Laminar, Transitional, Turbulent };

const std::string& RegimeText(Regime regime);

} // namespace vortalin
