#include "app/cli/BatchCommand.h"

#include "app/cli/CommandLine.h"
#include "app/cli/RunReport.h"
#include "app/studies/Batch.h"

#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace vortalin {

namespace {

enum BatchExit { kAllRan = 0, kMalformed = 2, kOutputFailed = 3 };

const QString kBatchOption = QStringLiteral("batch");
const QString kGridOption = QStringLiteral("grid");
const QString kOutOption = QStringLiteral("out");

int Fail(int code, const std::string& message) {
    std::cerr << "vortalin-cli: " << message << '\n';
    return code;
}

std::vector<std::string> GridSpecs(const QCommandLineParser& parser) {
    std::vector<std::string> axisTexts;
    for (const QString& axisText : parser.values(kGridOption)) {
        axisTexts.push_back(axisText.toStdString());
    }
    return axisTexts;
}

// The output: --out FILE, written atomically, or standard output without --out.
std::unique_ptr<ResultsSink> OpenBatchOutput(const QCommandLineParser& parser, std::string& name) {
    name = parser.isSet(kOutOption) ? parser.value(kOutOption).toStdString() : "-";
    std::unique_ptr<ResultsSink> out = OpenOutput(name);
    if (IsStandardOutput(name)) {
        name = "standard output";
    }
    return out;
}

} // namespace

void AddBatchOptions(QCommandLineParser& parser) {
    parser.addOption({kBatchOption,
                      QStringLiteral("Runs every case of a CSV table ('-' for standard input): a "
                                     "header of input names (w;d;t-in;geometry;...), then one "
                                     "case per line. One line per case goes to --out or "
                                     "standard output."),
                      QStringLiteral("file")});
    parser.addOption({kGridOption,
                      QStringLiteral("Runs every case of a grid: NAME in STEPS even steps from "
                                     "FROM to TO (repeatable; the last axis varies fastest)."),
                      QStringLiteral("NAME=FROM:TO:STEPS")});
}

bool BatchRequested(const QCommandLineParser& parser) {
    return parser.isSet(kBatchOption) || parser.isSet(kGridOption);
}

int RunBatchCommand(const QCommandLineParser& parser, const FormRecord& base, bool json) {
    if (parser.isSet(kBatchOption) && parser.isSet(kGridOption)) {
        return Fail(kMalformed, "--batch and --grid do not go together");
    }
    // Nothing has been read or written yet: the standard streams may drop their
    // synchronisation with C's, which makes reading and writing them several times faster.
    std::ios::sync_with_stdio(false);
    const char separator = base.DecimalSeparator();
    BatchError error;
    std::unique_ptr<CaseSource> cases;
    std::string where;
    std::ifstream file;
    if (parser.isSet(kGridOption)) {
        cases = OpenGrid(GridSpecs(parser), separator, error);
    } else {
        const std::string table = parser.value(kBatchOption).toStdString();
        where = (table == "-" ? std::string("standard input") : table) + ", ";
        if (table != "-") {
            file.open(table, std::ios::binary);
            if (!file) {
                return Fail(kMalformed, "cannot read " + table + ": " + std::strerror(errno));
            }
        }
        cases = OpenTable(table == "-" ? std::cin : file, separator, error);
    }
    if (!cases) {
        return Fail(kMalformed, where + error.Text());
    }
    std::string outName;
    const std::unique_ptr<ResultsSink> out = OpenBatchOutput(parser, outName);
    CsvCaseWriter csv(separator);
    JsonLinesWriter jsonLines;
    CaseWriter& writer = json ? static_cast<CaseWriter&>(jsonLines) : csv;
    const BatchResult result = RunBatch(*cases, base, writer, *out);
    switch (result.status) {
    case BatchResult::Status::Done:
        break;
    case BatchResult::Status::MalformedTable:
        return Fail(kMalformed, where + result.message);
    case BatchResult::Status::OutputFailed:
        return Fail(kOutputFailed, "cannot write " + outName + ": " + result.message);
    }
    return kAllRan;
}

} // namespace vortalin
