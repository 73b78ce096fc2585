// vortalin-cli: the calculation of the main window without the window. The options fill a
// plain record of the window's fields; the Compute command runs on it exactly as on the
// window, and the messages, the status text and the twelve results are printed.

#include "CommandLine.h"
#include "app/Calculator.h"
#include "app/ConversionError.h"
#include "app/FormRecord.h"
#include "app/Messages.h"
#include "app/qt/UserFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vortalin {
namespace {

enum ExitCode { kShown = 0, kRefused = 1, kBadInput = 2, kFileFailed = 3 };

// The results file `--out -` names standard output.
constexpr const char* kStandardOutputName = "-";

// While it exists, SIGINT and SIGTERM ask the running sweep to stop instead of ending the
// program at once, so that the sweep can drop its temporary file; a second signal ends the
// program as usual. A pipe whose reader went away is a failed write, not the end.
class SweepSignals {
public:
    SweepSignals() {
        struct sigaction stop {};
        stop.sa_handler = &SweepSignals::OnSignal;
        stop.sa_flags = SA_RESETHAND; // no SA_RESTART: a blocked write returns at once
        sigemptyset(&stop.sa_mask);
        Catch(SIGINT, stop, oldInt_);
        Catch(SIGTERM, stop, oldTerm_);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGPIPE, &ignore, &oldPipe_);
    }
    ~SweepSignals() {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
        sigaction(SIGPIPE, &oldPipe_, nullptr);
    }
    SweepSignals(const SweepSignals&) = delete;
    SweepSignals& operator=(const SweepSignals&) = delete;

    // The signal that arrived, or 0.
    static int Received() { return received_; }

private:
    static void OnSignal(int signal) { received_ = signal; }

    // A signal that the program was started to ignore (nohup) stays ignored.
    static void Catch(int signal, const struct sigaction& stop, struct sigaction& old) {
        sigaction(signal, &stop, &old);
        if (old.sa_handler == SIG_IGN) {
            sigaction(signal, &old, nullptr);
        }
    }

    // A signal handler may do no more than set a flag of this type.
    static inline volatile std::sig_atomic_t received_ = 0;
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
    struct sigaction oldPipe_ {};
};

const char* SignalName(int signal) {
    return signal == SIGINT ? "SIGINT" : signal == SIGTERM ? "SIGTERM" : "signal";
}

// `--out -`, or a name of the file that standard output already is (/dev/stdout, or the
// file the shell redirected it to): written through standard output itself, so that the
// results file and the report do not overwrite each other.
bool IsStandardOutput(const std::string& path) {
    struct stat named {};
    struct stat out {};
    return path == kStandardOutputName ||
           (::stat(path.c_str(), &named) == 0 && ::fstat(STDOUT_FILENO, &out) == 0 &&
            named.st_dev == out.st_dev && named.st_ino == out.st_ino);
}

std::unique_ptr<ResultsSink> OpenResults(const std::string& path) {
    return IsStandardOutput(path) ? OpenStandardOutput() : OpenUserFile(path);
}

// The result fields in their on-screen order, with their labels.
struct ResultLine {
    EditId field;
    const char* label;
};

constexpr std::array<ResultLine, 12> kResultLines = {{
    {EditId::Edit6, "Stredná teplota tekutiny (°C) :"},
    {EditId::Edit7, "Stredná log. teplota (°C) :"},
    {EditId::Edit9, "Hustota (kg.m-3) :"},
    {EditId::Edit10, "Kinematická viskozita (m2.s-1) :"},
    {EditId::Edit11, "Dynamická viskozita (Pa.s) :"},
    {EditId::Edit12, "Tepelná kapacita (J.kg-1.K-1):"},
    {EditId::Edit13, "Tepelná vodivosť (W.m-1.K-1)"},
    {EditId::Edit14, "Reynoldsovo číslo (1) :"},
    {EditId::Edit15, "Prandtlovo číslo (1) :"},
    {EditId::Edit18, "Prandtl pri stene (1):"},
    {EditId::Edit16, "Nuseltovo číslo (1) :"},
    {EditId::Edit17, "Súčiniteľ prestupu tepla (W.m-2.K-1):"},
}};

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

void PrintJson(std::ostream& out, const FormRecord& form, const Calculator& calc,
               const QString& error) {
    QJsonObject texts;
    for (const ResultLine& line : kResultLines) {
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
    out << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

void PrintText(std::ostream& out, const FormRecord& form) {
    out << "status: " << form.StatusText() << '\n';
    for (const ResultLine& line : kResultLines) {
        out << line.label << ' ' << form.Text(line.field) << '\n';
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
    form.SetResultsFileOpener(OpenResults);
    form.SetStopCheck([] { return SweepSignals::Received() != 0; });

    if (request.sweep) {
        form.SetSaveDialogAnswer(request.sweepFile);
        calc.Ulodosboru1Click();
    }
    int code = kShown;
    QString conversionError;
    try {
        std::optional<SweepSignals> signalScope;
        if (request.sweep) {
            signalScope.emplace();
        }
        calc.Button1Click();
        code = calc.SweepFailed() ? kFileFailed : calc.ResultsShown() ? kShown : kRefused;
    } catch (const ConversionError& e) {
        conversionError = QString::fromUtf8(e.what());
        code = kBadInput;
    }
    if (const int signal = SweepSignals::Received(); signal != 0) {
        if (calc.SweepStopped()) {
            std::cerr << "vortalin-cli: " << SignalName(signal) << ": " << kSweepStoppedMessage
                      << '\n';
            return 128 + signal;
        }
        std::raise(signal); // it came after the sweep: end as the signal ends a program
    }
    if (calc.SweepFailed()) {
        std::cerr << "vortalin-cli: " << calc.SweepError() << '\n';
    }
    if (!conversionError.isEmpty()) {
        std::cerr << "vortalin-cli: " << conversionError.toStdString() << '\n';
    }
    if (request.json) {
        PrintJson(report, form, calc, conversionError);
    } else {
        PrintText(report, form);
    }
    return code;
}

} // namespace
} // namespace vortalin

int main(int argc, char* argv[]) {
    return vortalin::Run(argc, argv);
}
