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

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>

namespace vortalin {
namespace {

enum ExitCode { kShown = 0, kRefused = 1, kBadInput = 2, kFileFailed = 3 };

QJsonValue Number(double value) {
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonObject StateObject(const CalcState& s) {
    QJsonObject o;
    const std::array<std::pair<const char*, double>, 26> fields = {{
        {"w", s.w},           {"d", s.d},
        {"tIn", s.tIn},       {"tOut", s.tOut},
        {"tWall", s.tWall},   {"length", s.length},
        {"angle", s.angle},   {"slotLength", s.slotLength},
        {"tMean", s.tMean},   {"dtLog", s.dtLog},
        {"nu", s.nu},         {"mu", s.mu},
        {"rho", s.rho},       {"cp", s.cp},
        {"lambda", s.lambda}, {"nuW", s.nuW},
        {"muW", s.muW},       {"rhoW", s.rhoW},
        {"cpW", s.cpW},       {"lambdaW", s.lambdaW},
        {"Pr", s.Pr},         {"PrW", s.PrW},
        {"Re", s.Re},         {"Pe", s.Pe},
        {"Nu", s.Nu},         {"alpha", s.alpha},
    }};
    for (const auto& [name, value] : fields) {
        o.insert(QLatin1String(name), Number(value));
    }
    o.insert(QLatin1String("saveToFile"), s.sweep.saveToFile);
    o.insert(QLatin1String("sweepFrom"), Number(s.sweep.sweepFrom));
    o.insert(QLatin1String("sweepTo"), Number(s.sweep.sweepTo));
    o.insert(QLatin1String("sweepLast"), s.sweep.sweepLast);
    o.insert(QLatin1String("sweepIndex"), s.sweep.sweepIndex);
    return o;
}

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

void PrintJson(const FormRecord& form, const Calculator& calc, const QString& error) {
    QJsonObject texts;
    for (const ResultLabel& line : kResultLabels) {
        texts.insert(QString::fromLatin1(ControlName(line.field).data()),
                     Utf8(form.Text(line.field)));
    }
    QJsonArray messages;
    for (const std::string& m : form.Messages()) {
        messages.append(Utf8(m));
    }
    QJsonObject root;
    root.insert(QLatin1String("texts"), texts);
    root.insert(QLatin1String("status"), Utf8(form.StatusText()));
    root.insert(QLatin1String("messages"), messages);
    root.insert(QLatin1String("shown"), calc.ResultsShown());
    root.insert(QLatin1String("state"), StateObject(calc.State()));
    if (!error.isEmpty()) {
        root.insert(QLatin1String("error"), error);
    }
    std::cout << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

// The conversion failure, naming the field by its option name.
std::string ConversionMessage(const ConversionError& e) {
    const FieldName* name = e.Field() ? NameOfField(*e.Field()) : nullptr;
    return name == nullptr ? std::string(e.what()) : FieldConversionMessage(name->name, e.what());
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
    QCoreApplication::setApplicationVersion(QStringLiteral("0.5.0"));

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
        std::cout << "vortalin-cli 0.5.0\n";
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
        conversionError = QString::fromStdString(ConversionMessage(e));
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
