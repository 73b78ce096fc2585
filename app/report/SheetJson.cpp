#include "app/report/SheetJson.h"

#include "app/BuildId.h"
#include "app/Version.h"

#include <QDateTime>
#include <QFileInfo>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace vortalin {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QJsonArray RowsArray(const std::vector<SheetRow>& rows) {
    QJsonArray array;
    for (const SheetRow& row : rows) {
        QJsonArray cells{Q(row.label), Q(row.value), Q(row.note)};
        if (row.noteOnlyIfOneLine) {
            cells.append(true);
        }
        array.append(cells);
    }
    return array;
}

QJsonArray TextsArray(const std::vector<std::string>& texts) {
    QJsonArray array;
    for (const std::string& text : texts) {
        array.append(Q(text));
    }
    return array;
}

std::string Text(const QJsonValue& value) {
    return value.toString().toStdString();
}

bool ReadRows(const QJsonValue& value, std::vector<SheetRow>& rows) {
    if (!value.isArray()) {
        return false;
    }
    for (const QJsonValue& item : value.toArray()) {
        const QJsonArray cells = item.toArray();
        if (cells.size() != 3 && !(cells.size() == 4 && cells[3].isBool())) {
            return false;
        }
        rows.push_back({Text(cells[0]), Text(cells[1]), Text(cells[2]),
                        cells.size() == 4 && cells[3].toBool()});
    }
    return true;
}

bool ReadSection(const QJsonObject& object, SheetSection& section) {
    section.title = Text(object.value(QLatin1String("title")));
    section.prominent = object.value(QLatin1String("prominent")).toBool();
    for (const QJsonValue& text : object.value(QLatin1String("paragraphs")).toArray()) {
        section.paragraphs.push_back(Text(text));
    }
    return ReadRows(object.value(QLatin1String("rows")), section.rows);
}

} // namespace

SheetHead CurrentSheetHead(const std::string& caseFilePath) {
    SheetHead head;
    head.version = kVersion;
    head.build = BuildId();
    head.dateTime =
        QDateTime::currentDateTime().toString(QStringLiteral("d. M. yyyy HH:mm")).toStdString();
    if (!caseFilePath.empty()) {
        head.caseFile = QFileInfo(QString::fromStdString(caseFilePath)).fileName().toStdString();
    }
    return head;
}

std::string SheetToJson(const Sheet& sheet) {
    QJsonArray sections;
    for (const SheetSection& section : sheet.sections) {
        sections.append(QJsonObject{{QLatin1String("title"), Q(section.title)},
                                    {QLatin1String("rows"), RowsArray(section.rows)},
                                    {QLatin1String("paragraphs"), TextsArray(section.paragraphs)},
                                    {QLatin1String("prominent"), section.prominent}});
    }
    const QJsonObject root{{QLatin1String("title"), Q(sheet.title)},
                           {QLatin1String("header"), RowsArray(sheet.header)},
                           {QLatin1String("sketch"), Q(sheet.sketch)},
                           {QLatin1String("sections"), sections},
                           {QLatin1String("footer"), Q(sheet.footer)}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact).toStdString();
}

std::optional<Sheet> SheetFromJson(std::string_view bytes) {
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    Sheet sheet;
    sheet.title = Text(root.value(QLatin1String("title")));
    sheet.sketch = Text(root.value(QLatin1String("sketch")));
    sheet.footer = Text(root.value(QLatin1String("footer")));
    if (!ReadRows(root.value(QLatin1String("header")), sheet.header)) {
        return std::nullopt;
    }
    const QJsonValue sections = root.value(QLatin1String("sections"));
    if (!sections.isArray()) {
        return std::nullopt;
    }
    for (const QJsonValue& item : sections.toArray()) {
        SheetSection section;
        if (!item.isObject() || !ReadSection(item.toObject(), section)) {
            return std::nullopt;
        }
        sheet.sections.push_back(std::move(section));
    }
    return sheet;
}

} // namespace vortalin
