#pragma once
// Batch studies on the command line: --batch FILE runs every case of a table, --grid
// NAME=FROM:TO:STEPS every case of a full grid, each as a single Compute on the record that
// the other options filled; one line per case goes to --out or standard output.

#include "app/form/FormRecord.h"

#include <QCommandLineParser>

namespace vortalin {

void AddBatchOptions(QCommandLineParser& parser);

// Whether --batch or --grid is given.
bool BatchRequested(const QCommandLineParser& parser);

// Runs the batch on `base`. Returns the exit code: 0 when every case ran (whether its
// results were shown or refused), 2 for a malformed table or grid, 3 when the output could
// not be written.
int RunBatchCommand(const QCommandLineParser& parser, const FormRecord& base, bool json);

} // namespace vortalin
