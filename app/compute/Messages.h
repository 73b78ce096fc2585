#pragma once
// Texts of the messages that the Compute command itself shows (the correlation blocks
// keep their geometry messages beside their equations).

#include <string>

namespace vortalin {

// A mean temperature that no property fit of the fluid covers: the refusal that comes
// before every validity check.
std::string UncoveredTemperatureMessage(bool air, bool water);

// Nu or alpha came out undefined (not a finite number), or no block computed them.
inline constexpr const char* kUndefinedResultMessage =
    "Výsledok nie je definovaný: Nusseltovo číslo alebo súčiniteľ prestupu tepla nevychádza "
    "ako konečné číslo. Skontrolujte zadané hodnoty !!!";

// Shown in a result field in place of a value that is not a finite number.
inline constexpr const char* kUndefinedValueText = "nedefinované";

// Result fields after ResetOutputs (at start-up they show kStartText, Controls.h).
inline constexpr const char* kResetText = "--------------";

// The results file of a sweep.
std::string ResultsFileNotCreatedMessage(const std::string& path, const std::string& reason);
std::string ResultsFileNotWrittenMessage(const std::string& path, const std::string& reason);
// The user stopped a running sweep: its file is dropped and the command ends.
inline constexpr const char* kSweepStoppedMessage =
    "Parametrická štúdia bola zastavená. Nič sa neuložilo, predchádzajúci súbor zostal "
    "nezmenený.";
inline constexpr const char* kNoResultsFileMessage =
    "Nebol zvolený súbor pre výsledky, parametrická štúdia sa preto neuloží.";

} // namespace vortalin
