// vortalin-cli: the calculation of the main window without the window. The options fill a
// plain record of the window's fields; the Compute command runs on it exactly as on the
// window, and the messages, the status text and the twelve results are printed.

#include "app/BuildId.h"
#include "app/Version.h"
#include "app/cli/BatchCommand.h"
#include "app/cli/CliPlatform.h"
#include "app/cli/CommandLine.h"
#include "app/cli/ReportCommand.h"
#include "app/cli/RunReport.h"
#include "app/compute/Calculator.h"
#include "app/compute/ConversionError.h"
#include "app/compute/EquationReport.h"
#include "app/compute/Messages.h"
#include "app/compute/ResultDisplay.h"
#include "app/files/UserFile.h"
#include "app/form/FieldDescriptions.h"
#include "app/form/FormRecord.h"
#include "app/form/InputFields.h"
#include "app/form/InputNames.h"
#include "app/qt/CaseFile.h"
#include "app/report/SheetContent.h"
#include "app/report/SheetJson.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>

namespace vortalin {
namespace {

enum ExitCode { kShown = 0, kRefused = 1, kBadInput = 2, kFileFailed = 3 };

// The results file `--out -` names standard output.

void PrintJson(std::ostream& out, const FormRecord& form, const Calculator& calc,
               const std::string& error) {
    std::string text;
    JsonWriter json(text, JsonLayout::Indented);
    WriteRunJson(json, {form, calc, error, std::nullopt});
    json.EndDocument();
    out << text;
}

void PrintText(std::ostream& out, const FormRecord& form, const Calculator& calc) {
    out << "status: " << form.StatusText() << '\n';
    for (const ResultLabel& line : kResultLabels) {
        out << line.label << ' ' << form.Text(line.field) << '\n';
    }
    const char separator = form.DecimalSeparator();
    if (const EquationRow* row = ShownEquation(calc)) {
        out << "equation: " << EquationLine(*row) << '\n';
    }
    for (const Warning& warning : calc.Warnings()) {
        out << "warning: " << WarningText(warning, separator) << '\n';
    }
}

// A study of a variable the geometry does not use is written as any other; standard error
// says why all its lines are alike.
void ReportConstantStudy(const FormRecord& form, const Calculator& calc) {
    const std::optional<EditId> swept = calc.SweptField();
    if (!swept) {
        return;
    }
    const std::string note = ConstantStudyNote(SelectedGeometry(form), *swept);
    if (!note.empty()) {
        std::cerr << "vortalin-cli: " << note << '\n';
    }
}

// The calculation sheet of the run just made; false (and said why) when it was not written.
bool WriteRunReport(const CliRequest& request, const FormRecord& form, const Calculator& calc,
                    const QString& conversionError) {
    std::optional<std::string> stopped;
    if (!conversionError.isEmpty()) {
        stopped = conversionError.toStdString();
    }
    const RunSnapshot run = SnapshotOf(form, calc, form.StatusText(), form.Messages(), stopped);
    const Sheet sheet = BuildSheet(run, request.identity, CurrentSheetHead(request.caseFile));
    std::string problem;
    if (WriteReport(sheet, request.reportFile, problem)) {
        return true;
    }
    if (!problem.empty()) {
        std::cerr << "vortalin-cli: " << problem << '\n';
    }
    return false;
}

int Run(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vortalin-cli"));
    QCoreApplication::setApplicationVersion(QLatin1String(kVersion));

    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::cerr << "vortalin-cli: " << parser.errorText().toStdString() << '\n';
        return kBadInput;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::cout << parser.helpText().toStdString();
        return kShown;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::cout << "vortalin-cli " << kVersion << " (" << BuildId() << ")\n";
        return kShown;
    }

    QString error;
    const std::optional<char> separator = ChosenSeparator(parser, error);
    if (!separator) {
        std::cerr << "vortalin-cli: " << error.toStdString() << '\n';
        return kBadInput;
    }
    FormRecord form(*separator);
    CliRequest request;
    error = ApplyOptions(parser, form, request);
    if (!error.isEmpty()) {
        std::cerr << "vortalin-cli: " << error.toStdString() << '\n';
        return kBadInput;
    }
    if (!request.caseWarning.empty()) {
        std::cerr << "vortalin-cli: " << request.caseWarning << '\n';
    }
    if (!request.writeCaseFile.empty()) {
        CaseInputs inputs = CaseOf(form);
        inputs.identity = request.identity;
        const std::string failure =
            WriteAll(*OpenOutput(request.writeCaseFile), CaseFileText(inputs));
        if (!failure.empty()) {
            std::cerr << "vortalin-cli: " << CaseNotSavedMessage(request.writeCaseFile, failure)
                      << '\n';
            return kFileFailed;
        }
        return kShown;
    }
    if (BatchRequested(parser)) {
        return RunBatchCommand(parser, form, request.json);
    }
    // With the results file on standard output, everything else goes to standard error.
    std::ostream& report =
        request.sweep && IsStandardOutput(request.sweepFile) ? std::cerr : std::cout;
    Calculator calc(form);
    if (!request.json) {
        // Each message is printed as it is shown, so a long sweep reports as it goes; a
        // stopped sweep is reported in one line at the end.
        form.SetMessageObserver([&report, &calc](const std::string& m) {
            if (!calc.SweepStopped()) {
                report << "message: " << m << '\n';
            }
        });
    }
    form.SetResultsFileOpener(OpenOutput);
    form.SetStopCheck([] { return StopRequests::Received() != 0; });

    if (request.sweep) {
        form.SetSaveDialogAnswer(request.sweepFile);
        calc.Ulodosboru1Click();
    }
    int code = kShown;
    QString conversionError;
    try {
        std::optional<StopRequests> signalScope;
        if (request.sweep) {
            signalScope.emplace();
        }
        calc.Button1Click();
        code = calc.SweepFailed() ? kFileFailed : calc.ResultsShown() ? kShown : kRefused;
    } catch (const ConversionError& e) {
        conversionError = QString::fromStdString(OptionConversionMessage(e));
        code = kBadInput;
    }
    if (const int signal = StopRequests::Received(); signal != 0) {
        if (calc.SweepStopped()) {
            std::cerr << "vortalin-cli: " << StopName(signal) << ": " << kSweepStoppedMessage
                      << '\n';
            return 128 + signal;
        }
        EndAsStopped(signal); // it came after the sweep: end as the request ends a program
    }
    if (calc.SweepFailed()) {
        std::cerr << "vortalin-cli: " << calc.SweepError() << '\n';
    }
    if (request.sweep) {
        ReportConstantStudy(form, calc);
    }
    if (!conversionError.isEmpty()) {
        std::cerr << "vortalin-cli: " << conversionError.toStdString() << '\n';
    }
    if (request.json) {
        PrintJson(report, form, calc, conversionError.toStdString());
    } else {
        PrintText(report, form, calc);
    }
    if (!request.reportFile.empty() && !WriteRunReport(request, form, calc, conversionError)) {
        return kFileFailed;
    }
    return code;
}

} // namespace
} // namespace vortalin

int main(int argc, char* argv[]) {
    vortalin::PrepareConsole();
    vortalin::FailWritesBeyondTheFileSizeLimit();
    return vortalin::Run(argc, argv);
}
