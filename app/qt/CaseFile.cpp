#include "app/qt/CaseFile.h"

#include "app/compute/ConversionError.h"
#include "app/files/FileErrors.h"
#include "app/files/UserFile.h"
#include "app/format/NumberFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vortalin {

namespace {

constexpr QLatin1StringView kFormatKey("format");
constexpr QLatin1StringView kVersionKey("version");
constexpr QLatin1StringView kSeparatorKey("decimal-separator");

// Texts from the file are quoted in messages shortened and without control characters;
// file names are quoted whole.
constexpr qsizetype kQuotedLength = 40;
constexpr qsizetype kWhole = std::numeric_limits<qsizetype>::max();
constexpr std::size_t kListedUnknownKeys = 10;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Quoted(const QString& text, qsizetype maxLength = kQuotedLength) {
    QString shown = text.left(maxLength);
    for (QChar& c : shown) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c.isSurrogate()) {
            c = QLatin1Char('?');
        }
    }
    if (text.size() > maxLength) {
        shown += QStringLiteral("…");
    }
    return "„" + shown.toStdString() + "“";
}

bool IsNumberText(const std::string& text, char separator) {
    try {
        ParseNumber(text, separator);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

// The result of one check of the file: empty when it passes.
using Problem = std::string;

Problem CheckFormat(const QJsonObject& root) {
    const QJsonValue format = root.value(kFormatKey);
    if (!format.isString()) {
        return "nie je to prípad Vortalinu (chýba kľúč „format“).";
    }
    if (format.toString() != Utf8(kCaseFormatName)) {
        return "nie je to prípad Vortalinu (formát " + Quoted(format.toString()) + ").";
    }
    const QJsonValue version = root.value(kVersionKey);
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || number != std::floor(number)) {
        return "chýba platná verzia formátu (kľúč „version“).";
    }
    if (number > kCaseFormatVersion) {
        return "prípad uložila novšia verzia programu (verzia formátu " +
               std::to_string(static_cast<long long>(std::min(number, 1e15))) + ").";
    }
    return {};
}

Problem ReadSeparator(const QJsonObject& root, char& separator) {
    if (!root.contains(kSeparatorKey)) {
        return {}; // texts written with the reader's separator
    }
    const QString value = root.value(kSeparatorKey).toString();
    if (value != QLatin1String(",") && value != QLatin1String(".")) {
        return "kľúč „decimal-separator“ musí byť „,“ alebo „.“.";
    }
    separator = value[0].toLatin1();
    return {};
}

Problem TextOf(const QJsonObject& root, std::string_view key, std::optional<QString>& text) {
    const QJsonValue value = root.value(Utf8(key));
    if (value.isUndefined()) {
        return {};
    }
    if (!value.isString()) {
        return "hodnota kľúča " + Quoted(Utf8(key)) + " musí byť text v úvodzovkách.";
    }
    text = value.toString();
    return {};
}

Problem ReadTexts(const QJsonObject& root, CaseInputs& inputs) {
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        std::optional<QString> text;
        if (Problem p = TextOf(root, kInputFields[i].name, text); !p.empty()) {
            return p;
        }
        if (text) {
            inputs.texts[i] = text->toStdString();
        }
    }
    return {};
}

Problem ReadIdentity(const QJsonObject& root, CaseIdentity& identity) {
    for (const IdentityField& field : kIdentityFields) {
        std::optional<QString> text;
        if (Problem p = TextOf(root, field.name, text); !p.empty()) {
            return p;
        }
        if (!text) {
            continue;
        }
        if (static_cast<std::size_t>(text->size()) > kMaxIdentityTextLength) {
            return "text kľúča " + Quoted(Utf8(field.name)) + " je dlhší ako " +
                   std::to_string(kMaxIdentityTextLength) + " znakov.";
        }
        identity.*field.text = text->toStdString();
    }
    return {};
}

bool IsIdentityKey(const std::string& name) {
    return std::any_of(kIdentityFields.begin(), kIdentityFields.end(),
                       [&name](const IdentityField& field) { return field.name == name; });
}

Problem ReadChoices(const QJsonObject& root, CaseInputs& inputs) {
    for (std::size_t i = 0; i < kSelectionNames.size(); ++i) {
        const SelectionName& selection = kSelectionNames[i];
        std::optional<QString> value;
        if (Problem p = TextOf(root, selection.name, value); !p.empty()) {
            return p;
        }
        if (!value) {
            continue;
        }
        const std::optional<ButtonId> button = ChoiceByValue(selection, value->toStdString());
        if (!button) {
            return Quoted(*value) + " nie je známa hodnota kľúča " + Quoted(Utf8(selection.name)) +
                   " (" + ValueList(selection) + ").";
        }
        inputs.choices[i] = *button;
    }
    return {};
}

bool IsKnownKey(const QString& key) {
    const std::string name = key.toStdString();
    return key == kFormatKey || key == kVersionKey || key == kSeparatorKey ||
           FieldByName(name) != nullptr || SelectionByName(name) != nullptr || IsIdentityKey(name);
}

CaseReading Refused(Problem problem) {
    CaseReading reading;
    reading.problem = std::move(problem);
    return reading;
}

// Why a case file could not be opened. A missing file and a folder are told from the file
// system itself, since the system's wording of them differs between Linux and Windows.
std::string OpenFailureReason(const QFile& file) {
    const QFileInfo info(file.fileName());
    if (info.isDir()) {
        return "je to priečinok";
    }
    if (!info.exists()) {
        return "súbor neexistuje";
    }
    return FileReadErrorReason(file.errorString().toStdString());
}

} // namespace

CaseInputs DefaultCase(char decimalSeparator) {
    CaseInputs inputs;
    inputs.decimalSeparator = decimalSeparator;
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        inputs.texts[i] = DefaultText(kInputFields[i].field, decimalSeparator);
    }
    for (std::size_t i = 0; i < kSelectionNames.size(); ++i) {
        for (const ChoiceValue& choice : kSelectionNames[i].values) {
            if (SelectedAtStart(choice.button)) {
                inputs.choices[i] = choice.button;
            }
        }
    }
    return inputs;
}

CaseInputs WithSeparator(const CaseInputs& inputs, char decimalSeparator) {
    CaseInputs converted = inputs;
    converted.decimalSeparator = decimalSeparator;
    if (decimalSeparator == inputs.decimalSeparator) {
        return converted;
    }
    for (std::string& text : converted.texts) {
        if (IsNumberText(text, inputs.decimalSeparator)) {
            std::replace(text.begin(), text.end(), inputs.decimalSeparator, decimalSeparator);
        }
    }
    return converted;
}

CaseReading ParseCase(std::string_view bytes, char decimalSeparator) {
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return Refused("súbor je prázdny.");
    }
    if (bytes.size() > kMaxCaseFileBytes) {
        return Refused("súbor je na prípad priveľký.");
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError) {
        return Refused("nie je to platný dokument JSON (chyba pri znaku " +
                       std::to_string(error.offset + 1) + ").");
    }
    if (!document.isObject()) {
        return Refused("nie je to prípad Vortalinu (dokument JSON nie je objekt).");
    }
    const QJsonObject root = document.object();
    if (Problem p = CheckFormat(root); !p.empty()) {
        return Refused(std::move(p));
    }
    // Missing texts take the defaults written with the file's separator, so that they
    // convert with the rest.
    char fileSeparator = decimalSeparator;
    if (Problem p = ReadSeparator(root, fileSeparator); !p.empty()) {
        return Refused(std::move(p));
    }
    CaseInputs inputs = DefaultCase(fileSeparator);
    if (Problem p = ReadTexts(root, inputs); !p.empty()) {
        return Refused(std::move(p));
    }
    if (Problem p = ReadChoices(root, inputs); !p.empty()) {
        return Refused(std::move(p));
    }
    if (Problem p = ReadIdentity(root, inputs.identity); !p.empty()) {
        return Refused(std::move(p));
    }
    CaseReading reading;
    reading.inputs = WithSeparator(inputs, decimalSeparator);
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (!IsKnownKey(it.key())) {
            reading.unknownKeys.push_back(it.key().toStdString());
        }
    }
    return reading;
}

CaseReading ReadCaseFile(const std::string& path, char decimalSeparator) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return Refused("súbor sa nedá otvoriť (" + OpenFailureReason(file) + ").");
    }
    // One byte more than allowed is enough to tell a file that is too large.
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxCaseFileBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        return Refused("súbor sa nedá čítať (" +
                       FileReadErrorReason(file.errorString().toStdString()) + ").");
    }
    return ParseCase(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     decimalSeparator);
}

std::string CaseFileText(const CaseInputs& inputs) {
    QJsonObject root;
    root.insert(kFormatKey, Utf8(kCaseFormatName));
    root.insert(kVersionKey, kCaseFormatVersion);
    root.insert(kSeparatorKey, QString(QLatin1Char(inputs.decimalSeparator)));
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        root.insert(Utf8(kInputFields[i].name), QString::fromStdString(inputs.texts[i]));
    }
    for (std::size_t i = 0; i < kSelectionNames.size(); ++i) {
        root.insert(Utf8(kSelectionNames[i].name), Utf8(ValueOfButton(inputs.choices[i])));
    }
    // An empty identity text is left out, so a case without one reads as before.
    for (const IdentityField& field : kIdentityFields) {
        if (const std::string& text = inputs.identity.*field.text; !text.empty()) {
            root.insert(Utf8(field.name), QString::fromStdString(text));
        }
    }
    // QJsonObject keeps its keys sorted, so a saved case is stable under diff.
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

std::string WriteCaseFile(const std::string& path, const CaseInputs& inputs, ReaderWait wait) {
    return WriteUserFile(path, CaseFileText(inputs), wait);
}

std::string CaseRefusedMessage(const std::string& path, const std::string& problem) {
    return "Prípad zo súboru " + Quoted(QString::fromStdString(path), kWhole) +
           " sa nedá načítať: " + problem;
}

std::string UnknownKeysMessage(const std::string& path, const std::vector<std::string>& keys) {
    std::string list;
    for (std::size_t i = 0; i < keys.size() && i < kListedUnknownKeys; ++i) {
        list += (i == 0 ? "" : ", ") + Quoted(QString::fromStdString(keys[i]));
    }
    if (keys.size() > kListedUnknownKeys) {
        list += " a ďalšie";
    }
    return "Súbor " + Quoted(QString::fromStdString(path), kWhole) + " obsahuje neznáme kľúče " +
           list + "; program ich vynechal.";
}

std::string CaseNotSavedMessage(const std::string& path, const std::string& reason) {
    return "Prípad sa nepodarilo uložiť do súboru " + Quoted(QString::fromStdString(path), kWhole) +
           " (" + reason + "). Doterajší obsah súboru zostal nezmenený.";
}

} // namespace vortalin
