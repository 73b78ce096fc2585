// vortalin-cli: the calculation of the main window without the window. The options fill a
// plain record of the window's fields; the Compute command runs on it exactly as on the
// window, and the messages, the status text and the twelve results are printed.

#include "CommandLine.h"
#include "app/Calculator.h"
#include "app/ConversionError.h"
#include "app/FormRecord.h"
#include "app/InputLabels.h"
#include "app/InputNames.h"
#include "app/ResultDisplay.h"
#include "app/Version.h"
#include "app/cli/BatchCommand.h"
#include "app/cli/RunReport.h"
#include "app/qt/CaseFile.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdio>
#include <iostream>
#include <memory>

namespace vortalin {
namespace {

enum ExitCode { kShown = 0, kRefused = 1, kBadInput = 2, kFileFailed = 3 };

void PrintJson(const FormRecord& form, const Calculator& calc, const QString& error) {
    std::cout
        << QJsonDocument(RunJson(form, calc, error)).toJson(QJsonDocument::Indented).toStdString();
}

void PrintText(const FormRecord& form) {
    std::cout << "status: " << form.StatusText() << '\n';
    for (const ResultLabel& line : kResultLabels) {
        std::cout << line.label << ' ' << form.Text(line.field) << '\n';
    }
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
        std::cout << "vortalin-cli " << kVersion << '\n';
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
        const std::string failure = WriteCaseFile(request.writeCaseFile, CaseOf(form));
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
    if (!request.json) {
        // Each message is printed as it is shown, so a long sweep reports as it goes.
        form.SetMessageObserver(
            [](const std::string& m) { std::cout << "message: " << m << '\n'; });
    }

    Calculator calc(form);
    if (request.sweep) {
        form.SetSaveDialogAnswer(request.sweepFile);
        calc.Ulodosboru1Click();
    }
    int code = kShown;
    QString conversionError;
    try {
        calc.Button1Click();
        code = calc.SweepFailed() ? kFileFailed : calc.ResultsShown() ? kShown : kRefused;
    } catch (const ConversionError& e) {
        conversionError = QString::fromStdString(OptionConversionMessage(e));
        code = kBadInput;
    }
    if (calc.SweepFailed()) {
        std::cerr << "vortalin-cli: " << calc.SweepError() << '\n';
    }
    if (!conversionError.isEmpty()) {
        std::cerr << "vortalin-cli: " << conversionError.toStdString() << '\n';
    }
    if (request.json) {
        PrintJson(form, calc, conversionError);
    } else {
        PrintText(form);
    }
    return code;
}

} // namespace
} // namespace vortalin

int main(int argc, char* argv[]) {
    return vortalin::Run(argc, argv);
}
