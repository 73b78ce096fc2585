#include "app/cli/RunReport.h"

#include "app/compute/EquationReport.h"

#include <QJsonArray>
#include <QJsonValue>

#include <cmath>
#include <utility>

namespace vortalin {

namespace {

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

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonArray RangesArray(const EquationRow& row, char separator) {
    QJsonArray ranges;
    for (const ValidityRange& range : row.ranges) {
        QJsonObject o;
        o.insert(QLatin1String("quantity"), Utf8(InfoOf(range.term).symbol));
        o.insert(QLatin1String("low"), Number(range.low));
        o.insert(QLatin1String("high"), Number(range.high));
        o.insert(QLatin1String("text"), Utf8(RangeText(range, separator)));
        ranges.append(o);
    }
    return ranges;
}

// The equation whose results were shown, or null.
QJsonValue EquationValue(const Calculator& calc, char separator) {
    const EquationRow* row = ShownEquation(calc);
    if (row == nullptr) {
        return QJsonValue(QJsonValue::Null);
    }
    QJsonObject o;
    o.insert(QLatin1String("id"), Utf8(row->key));
    o.insert(QLatin1String("name"), Utf8(row->name));
    o.insert(QLatin1String("formula"), Utf8(LocalDecimals(std::string(row->formula), separator)));
    o.insert(QLatin1String("source"), Utf8(LocalDecimals(std::string(row->source), separator)));
    o.insert(QLatin1String("ranges"), RangesArray(*row, separator));
    return o;
}

QJsonArray WarningsArray(const WarningList& warnings, char separator) {
    QJsonArray list;
    for (const Warning& w : warnings) {
        QJsonObject o;
        o.insert(QLatin1String("quantity"), Utf8(w.quantity));
        o.insert(QLatin1String("value"), Number(w.value));
        o.insert(QLatin1String("bound"), Number(w.bound));
        o.insert(QLatin1String("text"), Utf8(WarningText(w, separator)));
        list.append(o);
    }
    return list;
}

} // namespace

QJsonObject RunJson(const FormRecord& form, const Calculator& calc, const QString& error) {
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
    root.insert(QLatin1String("equation"), EquationValue(calc, form.DecimalSeparator()));
    root.insert(QLatin1String("warnings"), WarningsArray(calc.Warnings(), form.DecimalSeparator()));
    if (!error.isEmpty()) {
        root.insert(QLatin1String("error"), error);
    }
    return root;
}

} // namespace vortalin
