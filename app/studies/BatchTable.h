#pragma once
// The cases of a batch study: a table read line by line (CSV with a header line naming
// the columns by their input names), or a full grid of evenly spaced values. A source
// holds one case at a time, never the whole table.

#include "app/form/FormRecord.h"
#include "app/form/InputNames.h"

#include <cstddef>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vortalin {

// A column of a batch: a number field or a selection, by its name in InputNames.h.
struct BatchColumn {
    const InputField* field = nullptr;        // a number field, or
    const SelectionName* selection = nullptr; // a selection
    std::string_view Name() const { return field ? field->name : selection->name; }
};

// The batch column of that name; nullopt with `error` set for a name that is none (unknown,
// or one of the sweep's settings, which a batch does not use).
std::optional<BatchColumn> BatchColumnByName(std::string_view name, std::string& error);

// One case: its line in the table (its ordinal number in a grid) and the texts of its
// columns in the order of the columns.
struct BatchCase {
    std::size_t line = 0;
    std::vector<std::string> texts;
};

// What makes a table or a grid unusable, and on which line (0 when no line is concerned).
struct BatchError {
    std::size_t line = 0;
    std::string message;
    std::string Text() const; // "line 7: unknown column 'x'"
};

class CaseSource {
public:
    enum class Step { Case, End, Malformed };
    virtual ~CaseSource() = default;
    virtual const std::vector<BatchColumn>& Columns() const = 0;
    // The next case into `next` (its vectors are reused), the end, or a malformed line
    // described in `error`.
    virtual Step Next(BatchCase& next, BatchError& error) = 0;
};

// A table: UTF-8 with or without a byte-order mark; the first line that is neither blank nor
// a comment (starting with '#') names the columns, separated by ';' when the header holds
// one, else by ','. A header of one column holds neither: its column is then ended by ';'
// when numbers are written with a decimal comma, so that "0,5" stays one number. A field in double
// quotes may hold the separator ("" stands for one quote). Blank and comment lines are skipped;
// line numbers count every line. Returns nullptr with `error` set when the header is missing or
// names a column twice or a column that does not exist.
std::unique_ptr<CaseSource> OpenTable(std::istream& in, char decimalSeparator, BatchError& error);

// One axis of a grid, "NAME=FROM:TO:STEPS": STEPS values from FROM to TO, evenly spaced
// (a single step stands at FROM). nullopt with `error` set when malformed.
struct GridAxis {
    BatchColumn column;
    double from = 0;
    double to = 0;
    int steps = 1;
};
std::optional<GridAxis> ParseGridAxis(std::string_view axisText, char decimalSeparator,
                                      std::string& error);

// Every combination of the axes' values, the last axis varying fastest. Each value is
// written with the shortest digits that read back to it. nullptr with `error` set for a
// malformed axis or an axis named twice.
std::unique_ptr<CaseSource> OpenGrid(const std::vector<std::string>& axisTexts,
                                     char decimalSeparator, BatchError& error);

// Puts a case's texts into the record: a field's text as given, a selection's value selected
// as a click in the window selects it (a geometry through its button's enter handler).
// Returns an error text for an unknown selection value; the record is then partly changed.
std::optional<std::string> ApplyCase(const std::vector<BatchColumn>& columns,
                                     const BatchCase& batchCase, FormRecord& form);

} // namespace vortalin
