#include "app/cli/JsonWriter.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vortalin {

namespace {

constexpr int kIndentWidth = 4;

// The length of the well-formed UTF-8 sequence starting at text[i] (lead byte >= 0x80), or 0
// when it is not one: no overlong form, no surrogate, nothing above U+10FFFF.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) {
        return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0U;
    };
    const unsigned lead = byte(0);
    const auto continues = [&](std::size_t k, unsigned low = 0x80, unsigned high = 0xBF) {
        return byte(k) >= low && byte(k) <= high;
    };
    if (lead >= 0xC2 && lead <= 0xDF) {
        return continues(1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong form
        const unsigned high = lead == 0xED ? 0x9F : 0xBF; // no surrogate
        return continues(1, low, high) && continues(2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned low = lead == 0xF0 ? 0x90 : 0x80;  // no overlong form
        const unsigned high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
        return continues(1, low, high) && continues(2) && continues(3) ? 4 : 0;
    }
    return 0;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

void AppendEscaped(std::string& out, unsigned char c) {
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    out += '\\';
    switch (c) {
    case '"':
    case '\\':
        out += static_cast<char>(c);
        return;
    case '\b':
        out += 'b';
        return;
    case '\f':
        out += 'f';
        return;
    case '\n':
        out += 'n';
        return;
    case '\r':
        out += 'r';
        return;
    case '\t':
        out += 't';
        return;
    default:
        out += "u00";
        out += kHexDigits[c >> 4];
        out += kHexDigits[c & 0xF];
    }
}

bool NeedsEscape(unsigned char c) {
    return c < 0x20 || c == '"' || c == '\\';
}

// Valid UTF-8 between quotes, runs of plain bytes copied at once.
void AppendQuoted(std::string& out, std::string_view utf8) {
    out += '"';
    std::size_t run = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (NeedsEscape(c)) {
            out.append(utf8.data() + run, i - run);
            AppendEscaped(out, c);
            run = i + 1;
        }
    }
    out.append(utf8.data() + run, utf8.size() - run);
    out += '"';
}

void AppendInteger(std::string& out, std::int64_t value) {
    std::array<char, 24> buffer;
    const auto res = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), res.ptr);
}

// The shortest digits of a finite nonzero double: "d.ddd" without the point, and the
// exponent of the first digit.
struct ShortestDigits {
    std::array<char, 32> text; // sign, digits, exponent as to_chars wrote them
    const char* first = nullptr;
    int count = 0;
    int exponent = 0;
    bool negative = false;
};

ShortestDigits Shortest(double value) {
    ShortestDigits d;
    char* const begin = d.text.data();
    const auto res =
        std::to_chars(begin, begin + d.text.size(), value, std::chars_format::scientific);
    char* p = begin;
    d.negative = *p == '-';
    p += d.negative ? 1 : 0;
    // "d.ddde±XX": move the first digit next to the others, over the point.
    char* const e = std::find(p, res.ptr, 'e');
    if (e - p > 1) {
        p[1] = p[0];
        ++p;
    }
    d.first = p;
    d.count = static_cast<int>(e - p);
    std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, d.exponent);
    return d;
}

// Qt's choice between the fixed and the exponent form for the shortest digits: the one
// with fewer characters, fixed on a tie.
bool UsesExponent(int count, int point) {
    int bias = 4; // the point, 'e', its sign and two exponent digits, less what fixed needs
    if (count <= point && count > 1) {
        ++bias;
    } else if (count == 1 && point <= 0) {
        --bias;
    }
    if (point <= 0) {
        return 1 - point > bias;
    }
    return point > count && point > bias + count;
}

void AppendShortestJson(std::string& out, double value) {
    const ShortestDigits d = Shortest(value);
    const std::string_view digits(d.first, static_cast<std::size_t>(d.count));
    const int point = d.exponent + 1; // digits before the decimal point
    if (d.negative) {
        out += '-';
    }
    if (UsesExponent(d.count, point)) {
        out += digits[0];
        if (d.count > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += d.exponent < 0 ? "e-" : "e+";
        const int magnitude = std::abs(d.exponent);
        if (magnitude < 10) {
            out += '0';
        }
        AppendInteger(out, magnitude);
    } else if (point <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-point), '0');
        out += digits;
    } else if (point >= d.count) {
        out += digits;
        out.append(static_cast<std::size_t>(point - d.count), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(point));
        out += '.';
        out += digits.substr(static_cast<std::size_t>(point));
    }
}

} // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
    if (IsValidUtf8(utf8)) {
        AppendQuoted(out, utf8);
        return;
    }
    const QByteArray repaired =
        QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUtf8();
    AppendQuoted(out, {repaired.constData(), static_cast<std::size_t>(repaired.size())});
}

void AppendJsonNumber(std::string& out, double value) {
    constexpr double kLargestExactWhole = 9007199254740992.0; // 2^53
    if (!std::isfinite(value)) {
        out += "null";
    } else if (value == std::trunc(value) && std::fabs(value) <= kLargestExactWhole) {
        AppendInteger(out, static_cast<std::int64_t>(value));
    } else {
        AppendShortestJson(out, value);
    }
}

void JsonWriter::Indent(int depth) {
    out_.append(static_cast<std::size_t>(kIndentWidth * depth), ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (depth_ == 0) {
        return;
    }
    if (!empty_) {
        out_ += ',';
        if (layout_ == JsonLayout::Indented) {
            out_ += '\n';
        }
    }
    empty_ = false;
    if (layout_ == JsonLayout::Indented) {
        Indent(depth_);
    }
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    out_ += bracket;
    if (layout_ == JsonLayout::Indented) {
        out_ += '\n';
    }
    ++depth_;
    empty_ = true;
}

void JsonWriter::Close(char bracket) {
    --depth_;
    if (layout_ == JsonLayout::Indented) {
        if (!empty_) {
            out_ += '\n';
        }
        Indent(depth_);
    }
    out_ += bracket;
    empty_ = false; // the closed value is a member of the enclosing one
}

void JsonWriter::Key(std::string_view name) {
    BeforeValue();
    AppendJsonString(out_, name);
    out_ += layout_ == JsonLayout::Indented ? ": " : ":";
    afterKey_ = true;
}

void JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    AppendJsonString(out_, utf8);
}

void JsonWriter::Number(double value) {
    BeforeValue();
    AppendJsonNumber(out_, value);
}

void JsonWriter::Integer(std::int64_t value) {
    BeforeValue();
    AppendInteger(out_, value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    out_ += "null";
}

void JsonWriter::CompactValue(std::string_view json) {
    BeforeValue();
    out_ += json;
}

void JsonWriter::EndDocument() {
    if (layout_ == JsonLayout::Indented) {
        out_ += '\n';
    }
}

} // namespace vortalin
