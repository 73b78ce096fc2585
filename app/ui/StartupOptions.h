#pragma once
// The desktop program's own options, --help and --version. They are answered before the
// window system is contacted, so that they work without a display (the manual page is
// made from --help at build time). Everything else is left to QApplication (its -platform,
// -style, ...).

#include <optional>

namespace vortalin {

// Prints the help or the version when asked for and returns the exit code; an empty
// optional when the program is to start its window.
std::optional<int> AnswerInformationOptions(int argc, char* argv[]);

} // namespace vortalin
