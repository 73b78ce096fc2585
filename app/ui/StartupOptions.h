#pragma once
// The desktop program's own options, --help and --version, and the case file it may be
// started on (`vortalin ohrievac.vortalin`, as the desktop opens a case file). The options
// are answered before the window system is contacted, so that they work without a display
// (the manual page is made from --help at build time). Everything else is left to
// QApplication (its -platform, -style, ...).

#include <QString>
#include <QStringList>

#include <optional>

namespace vortalin {

// Prints the help or the version when asked for and returns the exit code; an empty
// optional when the program is to start its window.
std::optional<int> AnswerInformationOptions(int argc, char* argv[]);

// The case file named on the command line (the first argument that is no option), from
// the arguments that QApplication left (QCoreApplication::arguments()); none when no file
// is named.
std::optional<QString> CaseFileArgument(const QStringList& arguments);

} // namespace vortalin
