#include "app/cli/CommandLine.h"

#include "app/cli/BatchCommand.h"
#include "app/cli/CliPlatform.h"
#include "app/files/UserFile.h"
#include "app/form/FieldDescriptions.h"
#include "app/form/InputNames.h"
#include "app/form/Selections.h"
#include "app/qt/CaseFile.h"
#include "app/qt/DecimalSeparator.h"

#include <array>

namespace vortalin {

namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Selects the value of a selection option when it is given. Choosing a geometry runs the
// window's enter handler of its button, as a click in the window does.
QString SelectChoice(const QCommandLineParser& parser, const SelectionName& selection,
                     FormRecord& form) {
    const QString option = Utf8(selection.name);
    if (!parser.isSet(option)) {
        return {};
    }
    const QString value = parser.value(option);
    const std::optional<ButtonId> button = ChoiceByValue(selection, value.toStdString());
    if (!button) {
        return QStringLiteral("--%1: unknown value '%2' (expected %3)")
            .arg(option, value, QString::fromStdString(ValueList(selection)));
    }
    SelectAsClicked(form, *button);
    return {};
}

const SelectionName& Selection(std::string_view name) {
    return *SelectionByName(name);
}

QString ApplySetOptions(const QCommandLineParser& parser, FormRecord& form) {
    for (const QString& assignment : parser.values(QStringLiteral("set"))) {
        const auto eq = assignment.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? assignment : assignment.left(eq);
        const std::optional<EditId> field = EditByName(name.toStdString());
        if (eq < 0 || !field) {
            return QStringLiteral("--set: expected EditN=TEXT with a field name, got '%1'")
                .arg(assignment);
        }
        form.SetInputText(*field, assignment.mid(eq + 1).toStdString());
    }
    for (const QString& name : parser.values(QStringLiteral("select"))) {
        const std::optional<ButtonId> button = ButtonByName(name.toStdString());
        if (!button) {
            return QStringLiteral("--select: unknown button '%1'").arg(name);
        }
        SelectAsClicked(form, *button);
    }
    return {};
}

// Loads the --case file into the record; the other options are applied over it.
QString ApplyCaseOption(const QCommandLineParser& parser, FormRecord& form, CliRequest& request) {
    if (!parser.isSet(QStringLiteral("case"))) {
        return {};
    }
    const std::string path = parser.value(QStringLiteral("case")).toStdString();
    const CaseReading reading = ReadCaseFile(path, form.DecimalSeparator());
    if (!ApplyReading(reading, form)) {
        return QStringLiteral("--case: ") +
               QString::fromStdString(CaseRefusedMessage(path, reading.problem));
    }
    if (!reading.unknownKeys.empty()) {
        request.caseWarning = UnknownKeysMessage(path, reading.unknownKeys);
    }
    request.caseFile = path;
    request.identity = reading.inputs->identity;
    return {};
}

void ApplyIdentityOptions(const QCommandLineParser& parser, CaseIdentity& identity) {
    for (const IdentityField& field : kIdentityFields) {
        if (parser.isSet(Utf8(field.name))) {
            identity.*field.text = parser.value(Utf8(field.name)).toStdString();
        }
    }
}

// --report goes with a single run only; its file name must not be empty.
QString CheckReportOption(const QCommandLineParser& parser, CliRequest& request) {
    if (!parser.isSet(QStringLiteral("report"))) {
        return {};
    }
    request.reportFile = parser.value(QStringLiteral("report")).toStdString();
    if (request.reportFile.empty()) {
        return QStringLiteral("--report: the file name is empty");
    }
    if (BatchRequested(parser) || parser.isSet(QStringLiteral("write-case"))) {
        return QStringLiteral("--report does not go with --batch, --grid or --write-case");
    }
    return {};
}

} // namespace

void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Vortalin: forced-convection heat transfer. Computes the fluid's properties, the "
        "similarity numbers, the Nusselt number and the heat transfer coefficient for the "
        "inputs of the main window (its defaults unless set), optionally after a parameter "
        "sweep written to a results file."));
    parser.addHelpOption();
    parser.addVersionOption();
    const auto values = [](std::string_view name) {
        // Blanks around the bars let the help break a long list between names.
        return QString::fromStdString(ValueList(Selection(name)))
            .replace(QStringLiteral("|"), QStringLiteral(" | "));
    };
    parser.addOption({QStringLiteral("fluid"), QStringLiteral("Fluid: %1.").arg(values("fluid")),
                      QStringLiteral("name")});
    parser.addOption({QStringLiteral("geometry"),
                      QStringLiteral("Flow geometry: %1.").arg(values("geometry")),
                      QStringLiteral("name")});
    parser.addOption({QStringLiteral("heating"),
                      QStringLiteral("Pipe flow heating mode: %1.").arg(values("heating")),
                      QStringLiteral("mode")});
    parser.addOption({QStringLiteral("rows"),
                      QStringLiteral("Tube banks: many (10 rows or more) | few (fewer than 10)."),
                      QStringLiteral("count")});
    for (const InputField& f : kInputFields) {
        // The window's name of the field, as its tooltip and the copied results give it.
        parser.addOption(
            {Utf8(f.name),
             Utf8(f.help) + QStringLiteral(" Window: %1.").arg(Utf8(FullNameOf(f.field))),
             QStringLiteral("text")});
    }
    parser.addOption({QStringLiteral("set"),
                      QStringLiteral("Sets any field's text by its control name, e.g. "
                                     "Edit2=0,05 or Form2.Edit3=20 (repeatable)."),
                      QStringLiteral("EditN=TEXT")});
    parser.addOption({QStringLiteral("select"),
                      QStringLiteral("Selects any radio button by its control name, e.g. "
                                     "RadioButton10 (repeatable)."),
                      QStringLiteral("RadioButtonN")});
    parser.addOption({QStringLiteral("sweep"),
                      QStringLiteral("Parameter sweep of w|d|t-in|t-out|t-wall, written to --out "
                                     "before the single-point run."),
                      QStringLiteral("variable")});
    AddBatchOptions(parser);
    parser.addOption({QStringLiteral("out"),
                      QStringLiteral("Results file of the sweep; the output of --batch or "
                                     "--grid. - is standard output (with --sweep, everything "
                                     "else then goes to standard error)."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("decimal-separator"),
                      QStringLiteral("Decimal separator of numbers read and shown: ',' or '.' "
                                     "(default: the user's locale)."),
                      QStringLiteral("char")});
    parser.addOption({QStringLiteral("json"),
                      QStringLiteral("Prints one JSON object (with --batch or --grid: one "
                                     "per case and line).")});
    parser.addOption({QStringLiteral("case"),
                      QStringLiteral("Loads a case file saved by the window (or --write-case) "
                                     "before the other options, which override it."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("write-case"),
                      QStringLiteral("Writes the case that the options describe to a case file "
                                     "('-' for standard output) and exits without computing."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("report"),
                      QStringLiteral("Also writes the calculation sheet of the run (inputs, "
                                     "properties, equation, results, messages) as a PDF file."),
                      QStringLiteral("file")});
    for (const IdentityField& field : kIdentityFields) {
        parser.addOption({Utf8(field.name), Utf8(field.help), QStringLiteral("text")});
    }
}

std::optional<char> ChosenSeparator(const QCommandLineParser& parser, QString& error) {
    if (!parser.isSet(QStringLiteral("decimal-separator"))) {
        return LocaleDecimalSeparator();
    }
    const QString value = parser.value(QStringLiteral("decimal-separator"));
    if (value == QLatin1String(",") || value == QLatin1String(".")) {
        return value[0].toLatin1();
    }
    error = QStringLiteral("--decimal-separator: expected ',' or '.', got '%1'").arg(value);
    return std::nullopt;
}

QString ApplyOptions(const QCommandLineParser& parser, FormRecord& form, CliRequest& request) {
    if (!parser.positionalArguments().isEmpty()) {
        return QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
    }
    request.json = parser.isSet(QStringLiteral("json"));
    if (QString error = ApplyCaseOption(parser, form, request); !error.isEmpty()) {
        return error;
    }
    for (const SelectionName& selection : kSelectionNames) {
        if (QString error = SelectChoice(parser, selection, form); !error.isEmpty()) {
            return error;
        }
    }
    for (const InputField& f : kInputFields) {
        if (parser.isSet(Utf8(f.name))) {
            form.SetInputText(f.field, parser.value(Utf8(f.name)).toStdString());
        }
    }
    QString error = ApplySetOptions(parser, form);
    if (!error.isEmpty()) {
        return error;
    }
    ApplyIdentityOptions(parser, request.identity);
    if (error = CheckReportOption(parser, request); !error.isEmpty()) {
        return error;
    }
    request.writeCaseFile = parser.value(QStringLiteral("write-case")).toStdString();
    if (parser.isSet(QStringLiteral("write-case"))) {
        // Only the case is written: --sweep names the swept variable it keeps.
        return request.writeCaseFile.empty()
                   ? QStringLiteral("--write-case: the file name is empty")
                   : QString();
    }
    request.sweep = parser.isSet(QStringLiteral("sweep"));
    for (const char* option : {"from", "to", "steps"}) {
        if (!request.sweep && parser.isSet(QLatin1String(option))) {
            return QStringLiteral("--%1 needs --sweep").arg(QLatin1String(option));
        }
    }
    if (BatchRequested(parser)) {
        if (request.sweep) {
            return QStringLiteral("--sweep does not go with --batch or --grid");
        }
        return parser.isSet(QStringLiteral("out")) && parser.value(QStringLiteral("out")).isEmpty()
                   ? QStringLiteral("--out: the file name is empty")
                   : QString();
    }
    if (!request.sweep && parser.isSet(QStringLiteral("out"))) {
        return QStringLiteral("--out needs --sweep, --batch or --grid");
    }
    if (request.sweep && !parser.isSet(QStringLiteral("out"))) {
        return QStringLiteral("--sweep needs --out (a file, or - for standard output)");
    }
    if (request.sweep) {
        request.sweepFile = parser.value(QStringLiteral("out")).toStdString();
        if (request.sweepFile.empty()) {
            return QStringLiteral("--out: the file name is empty");
        }
    }
    return {};
}

bool IsStandardOutput(const std::string& path) {
    return NamesStandardOutput(path);
}

std::unique_ptr<ResultsSink> OpenOutput(const std::string& path) {
    return IsStandardOutput(path) ? OpenStandardOutput() : OpenUserFile(path);
}

} // namespace vortalin
