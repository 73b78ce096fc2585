#pragma once
// Options of vortalin-cli: how each one fills the window record.

#include "app/files/ResultsSink.h"
#include "app/form/FormRecord.h"
#include "app/report/CaseIdentity.h"

#include <QCommandLineParser>
#include <QString>

#include <memory>
#include <optional>
#include <string>

namespace vortalin {

struct CliRequest {
    char decimalSeparator = '.';
    bool json = false;
    bool sweep = false;
    std::string sweepFile;
    std::string writeCaseFile; // --write-case: write the case instead of computing
    std::string caseWarning;   // about the --case file, to be printed on stderr
    std::string caseFile;      // --case, named on the calculation sheet
    CaseIdentity identity;     // from the --case file, then --project, --author, ...
    std::string reportFile;    // --report: the calculation sheet's PDF
};

// Declares every option on the parser.
void AddOptions(QCommandLineParser& parser);

// The separator: --decimal-separator, or the user's locale. Empty optional with `error`
// set when the option is malformed.
std::optional<char> ChosenSeparator(const QCommandLineParser& parser, QString& error);

// Applies the options to a record built with the chosen separator: first the --case file,
// then every other option over it. Returns an error text for a bad option (unknown name or
// value) or a refused case file, or an empty string.
QString ApplyOptions(const QCommandLineParser& parser, FormRecord& form, CliRequest& request);

// `-`, or a name of the file that standard output already is (/dev/stdout, or the file the
// shell redirected it to).
bool IsStandardOutput(const std::string& path);

// A file the program writes for the user (results file, batch output, case file): for such
// a name standard output itself, so that it and the report do not overwrite each other;
// otherwise through the one writer of the user's files.
std::unique_ptr<ResultsSink> OpenOutput(const std::string& path);

} // namespace vortalin
