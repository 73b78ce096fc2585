// JsonWriter against QJsonDocument, which wrote the reports before: the same bytes for
// strings of every kind (invalid UTF-8 included), numbers and nested layouts.

#include "app/cli/JsonWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace vortalin {
namespace {

const std::vector<std::string>& Strings() {
    static const std::vector<std::string> strings = {
        "",
        "plain",
        "Stredná teplota vzduchu je mimo teplotný rozsah -73 až 2226°C !!!",
        "quote \" backslash \\ slash /",
        std::string("nul \0 inside", 12),
        "\b\f\n\r\t\x01\x1f\x7f",
        "€ 𝄞 \xEF\xBF\xBE \xEF\xB7\x90 \xF4\x8F\xBF\xBF", // noncharacters and U+10FFFF are valid
        "lone \x80 continuation",
        "cut \xC3",
        "cut \xE2\x82",
        "overlong \xC0\xAF \xE0\x80\xAF \xF0\x80\x80\xAF",
        "surrogate \xED\xA0\x80",
        "beyond \xF4\x90\x80\x80 \xF5\x80",
        "bytes \xFE\xFF",
        "mixed \xC3\xA1\x80\xE2\x82\xAC\xE2",
    };
    return strings;
}

std::vector<double> Numbers() {
    std::vector<double> numbers = {0.0,
                                   -0.0,
                                   1.0,
                                   -1.0,
                                   90,
                                   0.1,
                                   1e15,
                                   1e16,
                                   1e21,
                                   1e-5,
                                   1e-4,
                                   0.00012345,
                                   123456.789,
                                   9007199254740992.0,
                                   9007199254740994.0,
                                   -9007199254740992.0,
                                   1819469962004524544.0,
                                   5e-324,
                                   1.7976931348623157e308,
                                   std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::quiet_NaN()};
    std::mt19937_64 random(23);
    std::uniform_real_distribution<double> decades(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::pow(10.0, decades(random));
        numbers.insert(numbers.end(), {v, -v, std::round(v), std::bit_cast<double>(random())});
    }
    return numbers;
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonValue JsonNumber(double v) {
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
}

// {"numbers": [...], "object": {"empty": [], "k<i>": "<string i>", ...}, "strings": [...]}
QByteArray QtDocument(QJsonDocument::JsonFormat format) {
    QJsonArray numbers;
    for (const double v : Numbers()) {
        numbers.append(JsonNumber(v));
    }
    QJsonObject object;
    object.insert("empty", QJsonArray());
    QJsonArray strings;
    for (std::size_t i = 0; i < Strings().size(); ++i) {
        object.insert(QString("k%1").arg(i + 10), FromUtf8(Strings()[i]));
        strings.append(FromUtf8(Strings()[i]));
    }
    object.insert("yes", true);
    object.insert("z", qint64{-1234567890123});
    QJsonObject root;
    root.insert("numbers", numbers);
    root.insert("object", object);
    root.insert("strings", strings);
    return QJsonDocument(root).toJson(format);
}

std::string OurDocument(JsonLayout layout) {
    std::string out;
    JsonWriter json(out, layout);
    json.BeginObject();
    json.Key("numbers");
    json.BeginArray();
    for (const double v : Numbers()) {
        json.Number(v);
    }
    json.EndArray();
    json.Key("object");
    json.BeginObject();
    json.Key("empty");
    json.BeginArray();
    json.EndArray();
    for (std::size_t i = 0; i < Strings().size(); ++i) {
        const std::string key = std::to_string(i + 10);
        json.Key(std::string(1, 'k').append(key));
        json.String(Strings()[i]);
    }
    json.Key("yes");
    json.Bool(true);
    json.Key("z");
    json.Integer(-1234567890123);
    json.EndObject();
    json.Key("strings");
    json.BeginArray();
    for (const std::string& s : Strings()) {
        json.String(s);
    }
    json.EndArray();
    json.EndObject();
    json.EndDocument();
    return out;
}

// Empty when equal, else both texts from a little before their first difference.
std::string FirstDifference(const std::string& ours, const std::string& qt) {
    std::size_t i = 0;
    while (i < ours.size() && i < qt.size() && ours[i] == qt[i]) {
        ++i;
    }
    if (i == ours.size() && i == qt.size()) {
        return {};
    }
    const std::size_t from = i < 40 ? 0 : i - 40;
    return "at " + std::to_string(i) + ": ours " + ours.substr(from, 80) + "\nQt   " +
           qt.substr(from, 80);
}

TEST(JsonWriter, WritesTheBytesQJsonDocumentWrites) {
    for (const auto& [layout, format] :
         {std::pair{JsonLayout::Compact, QJsonDocument::Compact},
          std::pair{JsonLayout::Indented, QJsonDocument::Indented}}) {
        EXPECT_EQ(FirstDifference(OurDocument(layout), QtDocument(format).toStdString()), "");
    }
}

} // namespace
} // namespace vortalin
