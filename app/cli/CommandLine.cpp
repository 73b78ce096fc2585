#include "CommandLine.h"

#include "app/Selections.h"
#include "app/qt/DecimalSeparator.h"

#include <array>

namespace vortalin {

namespace {

// Options that set the text of one input field.
struct FieldOption {
    const char* name;
    EditId field;
    const char* help;
};

constexpr std::array<FieldOption, 25> kFieldOptions = {{
    {"w", EditId::Edit1, "Fluid velocity in m/s (Edit1)."},
    {"d", EditId::Edit2, "Hydraulic diameter in m (Edit2)."},
    {"t-in", EditId::Edit3, "Inlet temperature in °C (Edit3)."},
    {"t-out", EditId::Edit4, "Outlet temperature in °C (Edit4)."},
    {"t-wall", EditId::Edit5, "Wall temperature in °C (Edit5)."},
    {"length", EditId::Edit8, "Pipe length in m (Edit8)."},
    {"angle", EditId::Edit19, "Angle of incidence in degrees, cross-flow (Edit19)."},
    {"slot-length", EditId::Edit20, "Slot length in m (Edit20)."},
    {"coil-tube-d", EditId::Edit21, "Helical pipe: tube diameter d in m (Edit21)."},
    {"coil-d", EditId::Edit22, "Helical pipe: coil diameter D in m (Edit22)."},
    {"coil-pitch", EditId::Edit23, "Helical pipe: pitch h in m (Edit23)."},
    {"row-d", EditId::Edit24, "Tube row: tube diameter d in m (Edit24)."},
    {"row-s1", EditId::Edit25, "Tube row: pitch s1 in m (Edit25)."},
    {"bank-d", EditId::Edit26, "Tube banks: tube diameter d in m (Edit26)."},
    {"bank-s1", EditId::Edit27, "Tube banks: transverse pitch s1 in m (Edit27)."},
    {"bank-s2", EditId::Edit28, "Tube banks: longitudinal pitch s2 in m (Edit28)."},
    {"bank-s3", EditId::Edit29, "Partly staggered bank: shift s3 in m (Edit29)."},
    {"row-count", EditId::Edit30, "Tube banks: number of rows (Edit30)."},
    {"fin-da", EditId::Edit31, "Finned bank: fin diameter d_a in mm (Edit31)."},
    {"fin-db", EditId::Edit32, "Finned bank: tube diameter d_b in mm (Edit32)."},
    {"fin-f", EditId::Edit33, "Finned bank: fin thickness f in mm (Edit33)."},
    {"fin-pf", EditId::Edit34, "Finned bank: fin pitch P_f in mm (Edit34)."},
    {"from", EditId::Form2Edit1, "Sweep: first value (range dialog \"Od :\")."},
    {"to", EditId::Form2Edit2, "Sweep: last value (range dialog \"Do :\")."},
    {"steps", EditId::Form2Edit3, "Sweep: number of steps (range dialog \"Počet krokov:\")."},
}};

// Options that select one button out of a few named values.
struct Choice {
    const char* value;
    ButtonId button;
};

constexpr std::array<Choice, 3> kFluids = {{
    {"air", ButtonId::RadioButton2},
    {"water", ButtonId::RadioButton5},
    {"gas", ButtonId::RadioButton17},
}};
constexpr std::array<Choice, 2> kHeating = {{
    {"wall-temperature", ButtonId::RadioButton3},
    {"heat-flux", ButtonId::RadioButton4},
}};
constexpr std::array<Choice, 2> kRows = {{
    {"many", ButtonId::RadioButton15},
    {"few", ButtonId::RadioButton16},
}};
constexpr std::array<Choice, 5> kSweepVariables = {{
    {"w", ButtonId::Form2RadioButton1},
    {"d", ButtonId::Form2RadioButton2},
    {"t-in", ButtonId::Form2RadioButton3},
    {"t-out", ButtonId::Form2RadioButton4},
    {"t-wall", ButtonId::Form2RadioButton5},
}};

template <std::size_t N> QString ChoiceList(const std::array<Choice, N>& choices) {
    QStringList names;
    for (const Choice& c : choices) {
        names << QString::fromLatin1(c.value);
    }
    return names.join(QLatin1Char('|'));
}

QString GeometryList() {
    QStringList names;
    for (std::size_t i = 0; i < kGeometryCount; ++i) {
        names << QString::fromUtf8(GeometryName(static_cast<Geometry>(i)));
    }
    return names.join(QLatin1Char('|'));
}

template <std::size_t N>
QString SelectChoice(const QCommandLineParser& parser, const char* option,
                     const std::array<Choice, N>& choices, FormRecord& form) {
    if (!parser.isSet(QString::fromLatin1(option))) {
        return {};
    }
    const QString value = parser.value(QString::fromLatin1(option));
    for (const Choice& c : choices) {
        if (value == QLatin1String(c.value)) {
            form.Select(c.button);
            return {};
        }
    }
    return QStringLiteral("--%1: unknown value '%2' (expected %3)")
        .arg(QString::fromLatin1(option), value, ChoiceList(choices));
}

QString SelectGeometry(const QCommandLineParser& parser, FormRecord& form) {
    if (!parser.isSet(QStringLiteral("geometry"))) {
        return {};
    }
    const QString value = parser.value(QStringLiteral("geometry"));
    for (std::size_t i = 0; i < kGeometryCount; ++i) {
        const auto g = static_cast<Geometry>(i);
        if (value == QString::fromUtf8(GeometryName(g))) {
            form.Select(ButtonOf(g));
            // The window's enter handler of the button runs when it is chosen.
            GeometryButtonEnter(form, ButtonOf(g));
            return {};
        }
    }
    return QStringLiteral("--geometry: unknown value '%1' (expected %2)")
        .arg(value, GeometryList());
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
        form.Select(*button);
        if (GroupOf(*button) == ButtonGroup::Geometry) {
            GeometryButtonEnter(form, *button);
        }
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
    parser.addOption(
        {QStringLiteral("fluid"), QStringLiteral("Fluid: air|water|gas."), QStringLiteral("name")});
    parser.addOption({QStringLiteral("geometry"),
                      QStringLiteral("Flow geometry: %1.").arg(GeometryList()),
                      QStringLiteral("name")});
    parser.addOption({QStringLiteral("heating"),
                      QStringLiteral("Pipe flow heating mode: wall-temperature|heat-flux."),
                      QStringLiteral("mode")});
    parser.addOption({QStringLiteral("rows"),
                      QStringLiteral("Tube banks: many (10 rows or more) | few (fewer than 10)."),
                      QStringLiteral("count")});
    for (const FieldOption& o : kFieldOptions) {
        parser.addOption(
            {QString::fromLatin1(o.name), QString::fromUtf8(o.help), QStringLiteral("text")});
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
    parser.addOption({QStringLiteral("out"), QStringLiteral("Results file of the sweep."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("decimal-separator"),
                      QStringLiteral("Decimal separator of numbers read and shown: ',' or '.' "
                                     "(default: the user's locale)."),
                      QStringLiteral("char")});
    parser.addOption({QStringLiteral("json"), QStringLiteral("Prints one JSON object.")});
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
    QString error = SelectChoice(parser, "fluid", kFluids, form);
    if (error.isEmpty()) {
        error = SelectGeometry(parser, form);
    }
    if (error.isEmpty()) {
        error = SelectChoice(parser, "heating", kHeating, form);
    }
    if (error.isEmpty()) {
        error = SelectChoice(parser, "rows", kRows, form);
    }
    if (error.isEmpty()) {
        error = SelectChoice(parser, "sweep", kSweepVariables, form);
    }
    if (!error.isEmpty()) {
        return error;
    }
    for (const FieldOption& o : kFieldOptions) {
        if (parser.isSet(QString::fromLatin1(o.name))) {
            form.SetInputText(o.field, parser.value(QString::fromLatin1(o.name)).toStdString());
        }
    }
    error = ApplySetOptions(parser, form);
    if (!error.isEmpty()) {
        return error;
    }
    request.sweep = parser.isSet(QStringLiteral("sweep"));
    if (request.sweep != parser.isSet(QStringLiteral("out"))) {
        return QStringLiteral("--sweep and --out go together");
    }
    if (request.sweep) {
        request.sweepFile = parser.value(QStringLiteral("out")).toStdString();
        if (request.sweepFile.empty()) {
            return QStringLiteral("--out: the file name is empty");
        }
    }
    return {};
}

} // namespace vortalin
