#pragma once
// What the status bar says of the parameter study: that it is on and which file every
// Compute rewrites, and what the last study wrote.

#include <QString>

#include <string>

namespace vortalin {

class SweepSeries;
struct SweepSettings;

// "Štúdia zapnutá: vysledky.txt" while "Ulož do súboru" is on; empty while it is off.
QString StudyMarkText(const SweepSettings& sweep);
// The mark's tooltip: the whole path, and that the next Compute replaces the file.
QString StudyMarkToolTip(const SweepSettings& sweep);

// "Parametrická štúdia: 50 krokov zapísaných do vysledky.txt, z toho 12 mimo platnosti
// rovnice." for a study that wrote every step into `fileName` (UTF-8).
QString StudySummaryText(const SweepSeries& sweep, const std::string& fileName);

} // namespace vortalin
