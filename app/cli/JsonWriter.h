#pragma once
// JSON written as a stream straight into a byte buffer, nothing built per value: the
// command line's --json output and its JSON Lines. It writes what QJsonDocument wrote
// before, byte for byte: the compact layout, or the indented one (four blanks per level, an
// empty array as "[", a line end, the indent and "]"); strings as UTF-8 with ", \ and
// control characters escaped (\b \f \n \r \t, else \u00XX); text that is not valid UTF-8
// repaired as QString::fromUtf8 repairs it (U+FFFD); numbers as Qt spells them (see
// Number). The caller writes the members of an object in the order they are to appear.

#include <cstdint>
#include <string>
#include <string_view>

namespace vortalin {

enum class JsonLayout { Compact, Indented };

class JsonWriter {
public:
    // Appends to `out`, which the caller may reuse from document to document.
    JsonWriter(std::string& out, JsonLayout layout) : out_(out), layout_(layout) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The name of the next member of the object; the value written next is its value.
    void Key(std::string_view name);

    void String(std::string_view utf8);
    // A whole number of magnitude up to 2^53 as an integer (-0 as 0), any other finite
    // number in the shortest digits that read back to it, in fixed form or with an
    // exponent ("1e+21", "1.5e-05") as Qt chooses; null when it is not finite.
    void Number(double value);
    void Integer(std::int64_t value);
    void Bool(bool value);
    void Null();
    // A whole value written before by a compact JsonWriter of its own, copied as it is (in the
    // compact layout a value's bytes do not depend on where it stands).
    void CompactValue(std::string_view json);
    // After the outermost value: the indented layout ends with a line end.
    void EndDocument();

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void Indent(int depth);

    std::string& out_;
    JsonLayout layout_;
    int depth_ = 0;
    bool afterKey_ = false;
    bool empty_ = true; // the innermost open object or array has no member yet
};

// Appends `utf8` between quotes, escaped as above.
void AppendJsonString(std::string& out, std::string_view utf8);

// Appends the number as JsonWriter::Number writes it.
void AppendJsonNumber(std::string& out, double value);

} // namespace vortalin
