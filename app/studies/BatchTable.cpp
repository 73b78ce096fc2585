#include "app/studies/BatchTable.h"

#include "app/compute/ConversionError.h"
#include "app/form/Selections.h"
#include "app/format/NumberFormat.h"

#include <algorithm>

namespace vortalin {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr auto npos = std::string_view::npos;

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsBlankOrComment(std::string_view line) {
    const std::string_view t = TrimBlanks(line);
    return t.empty() || t.front() == '#';
}

// The range dialog's fields and the swept variable set up a sweep, not a case.
bool IsSweepSetting(const InputField& field) {
    return field.field == EditId::Form2Edit1 || field.field == EditId::Form2Edit2 ||
           field.field == EditId::Form2Edit3;
}

std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted += text;
    quoted += '\'';
    return quoted;
}

// A field in quotes, from the opening quote at `quote`: its text into `field` and the
// position of the separator after it into `end` (npos at the end of the line).
bool ReadQuotedField(std::string_view line, std::size_t quote, char separator, std::string& field,
                     std::size_t& end, std::string& error) {
    field.clear();
    for (std::size_t p = quote + 1;;) {
        const std::size_t close = line.find('"', p);
        if (close == npos) {
            error = "unterminated quote";
            return false;
        }
        field.append(line.substr(p, close - p));
        if (close + 1 < line.size() && line[close + 1] == '"') {
            field += '"';
            p = close + 2;
            continue;
        }
        end = line.find_first_not_of(" \t", close + 1);
        if (end != npos && line[end] != separator) {
            error = "text after a closing quote";
            return false;
        }
        return true;
    }
}

// Splits a line into `fields` (whose strings are reused) and returns their count; nullopt
// with `error` set for a malformed quote. Unquoted fields are kept as given, blanks included.
std::optional<std::size_t> SplitFields(std::string_view line, char separator,
                                       std::vector<std::string>& fields, std::string& error) {
    std::size_t count = 0;
    for (std::size_t start = 0;;) {
        if (count == fields.size()) {
            fields.emplace_back();
        }
        std::string& field = fields[count++];
        std::size_t end = npos;
        const std::size_t first = line.find_first_not_of(" \t", start);
        if (first != npos && line[first] == '"') {
            if (!ReadQuotedField(line, first, separator, field, end, error)) {
                return std::nullopt;
            }
        } else {
            end = line.find(separator, start);
            field.assign(line.substr(start, end == npos ? npos : end - start));
        }
        if (end == npos) {
            return count;
        }
        start = end + 1;
    }
}

class TableSource final : public CaseSource {
public:
    TableSource(std::istream& in, char decimalSeparator)
        : in_(in), decimalSeparator_(decimalSeparator) {}

    bool ReadHeader(BatchError& error);
    const std::vector<BatchColumn>& Columns() const override { return columns_; }
    Step Next(BatchCase& next, BatchError& error) override;

private:
    // Reads the next line that is neither blank nor a comment into line_, without its line
    // end (LF or CR LF); false at the end of the table.
    bool NextContentLine();

    std::istream& in_;
    std::string line_;
    std::size_t lineNumber_ = 0;
    char decimalSeparator_;
    char separator_ = ';';
    std::vector<BatchColumn> columns_;
};

bool TableSource::NextContentLine() {
    while (std::getline(in_, line_)) {
        ++lineNumber_;
        if (lineNumber_ == 1 && line_.starts_with(kByteOrderMark)) {
            line_.erase(0, kByteOrderMark.size());
        }
        if (!line_.empty() && line_.back() == '\r') {
            line_.pop_back();
        }
        if (!IsBlankOrComment(line_)) {
            return true;
        }
    }
    return false;
}

bool TableSource::ReadHeader(BatchError& error) {
    if (!NextContentLine()) {
        error = {0, "the table has no header line"};
        return false;
    }
    error.line = lineNumber_;
    const bool oneColumn = line_.find_first_of(";,") == npos;
    separator_ = line_.find(';') != npos || (oneColumn && decimalSeparator_ == ',') ? ';' : ',';
    std::vector<std::string> names;
    const std::optional<std::size_t> count = SplitFields(line_, separator_, names, error.message);
    if (!count) {
        return false;
    }
    for (std::size_t i = 0; i < *count; ++i) {
        const std::string_view name = TrimBlanks(names[i]);
        const std::optional<BatchColumn> column = BatchColumnByName(name, error.message);
        if (!column) {
            return false;
        }
        if (std::any_of(columns_.begin(), columns_.end(),
                        [&](const BatchColumn& c) { return c.Name() == name; })) {
            error.message = "column " + Quoted(name) + " appears twice";
            return false;
        }
        columns_.push_back(*column);
    }
    return true;
}

CaseSource::Step TableSource::Next(BatchCase& next, BatchError& error) {
    if (!NextContentLine()) {
        return Step::End;
    }
    next.line = lineNumber_;
    std::string problem;
    const std::optional<std::size_t> count = SplitFields(line_, separator_, next.texts, problem);
    if (count && *count == columns_.size()) {
        next.texts.resize(*count);
        return Step::Case;
    }
    error.line = lineNumber_;
    error.message = count ? std::to_string(*count) + (*count == 1 ? " field" : " fields") +
                                " where the header has " + std::to_string(columns_.size())
                          : problem;
    return Step::Malformed;
}

double GridValue(const GridAxis& axis, int index) {
    // Evenly spaced as the sweep's steps: the product first, then the division.
    return axis.steps == 1 ? axis.from
                           : axis.from + (index * (axis.to - axis.from)) / (axis.steps - 1);
}

class GridSource final : public CaseSource {
public:
    GridSource(std::vector<GridAxis> axes, char separator)
        : axes_(std::move(axes)), index_(axes_.size(), 0), texts_(axes_.size()),
          separator_(separator) {
        for (std::size_t k = 0; k < axes_.size(); ++k) {
            columns_.push_back(axes_[k].column);
            UpdateText(k);
        }
    }

    const std::vector<BatchColumn>& Columns() const override { return columns_; }

    Step Next(BatchCase& next, BatchError& /*error*/) override {
        if (done_ || (ordinal_ > 0 && !Advance())) {
            done_ = true;
            return Step::End;
        }
        next.line = ++ordinal_;
        next.texts.resize(texts_.size());
        std::copy(texts_.begin(), texts_.end(), next.texts.begin());
        return Step::Case;
    }

private:
    // Steps to the next combination, the last axis fastest; false after the last one.
    bool Advance() {
        for (std::size_t k = axes_.size(); k-- > 0;) {
            const bool carry = ++index_[k] == axes_[k].steps;
            if (carry) {
                index_[k] = 0;
            }
            UpdateText(k);
            if (!carry) {
                return true;
            }
        }
        return false;
    }

    void UpdateText(std::size_t k) {
        texts_[k].clear();
        AppendShortest(texts_[k], GridValue(axes_[k], index_[k]), separator_);
    }

    std::vector<GridAxis> axes_;
    std::vector<int> index_;
    std::vector<std::string> texts_;
    std::vector<BatchColumn> columns_;
    char separator_;
    std::size_t ordinal_ = 0;
    bool done_ = false;
};

} // namespace

std::string BatchError::Text() const {
    return line == 0 ? message : "line " + std::to_string(line) + ": " + message;
}

std::optional<BatchColumn> BatchColumnByName(std::string_view name, std::string& error) {
    const InputField* field = FieldByName(name);
    if (field && !IsSweepSetting(*field)) {
        return BatchColumn{field, nullptr};
    }
    const SelectionName* selection = SelectionByName(name);
    if (selection && selection->group != ButtonGroup::SweepVariable) {
        return BatchColumn{nullptr, selection};
    }
    error = field || selection ? Quoted(name) + " sets up a sweep and is no batch column"
                               : "unknown column " + Quoted(name);
    return std::nullopt;
}

std::unique_ptr<CaseSource> OpenTable(std::istream& in, char decimalSeparator, BatchError& error) {
    auto table = std::make_unique<TableSource>(in, decimalSeparator);
    if (!table->ReadHeader(error)) {
        return nullptr;
    }
    return table;
}

std::optional<GridAxis> ParseGridAxis(std::string_view axisText, char decimalSeparator,
                                      std::string& error) {
    const std::size_t equals = axisText.find('=');
    std::vector<std::string_view> parts;
    for (std::string_view rest = axisText.substr(equals == npos ? axisText.size() : equals + 1);
         equals != npos;) {
        const std::size_t colon = rest.find(':');
        parts.push_back(rest.substr(0, colon));
        if (colon == npos) {
            break;
        }
        rest.remove_prefix(colon + 1);
    }
    if (parts.size() != 3) {
        error = "expected NAME=FROM:TO:STEPS";
        return std::nullopt;
    }
    GridAxis axis;
    const std::string_view name = axisText.substr(0, equals);
    const std::optional<BatchColumn> column = BatchColumnByName(name, error);
    if (!column) {
        return std::nullopt;
    }
    if (!column->field) {
        error = Quoted(name) + " is a selection; a grid steps number fields";
        return std::nullopt;
    }
    axis.column = *column;
    try {
        axis.from = ParseNumber(parts[0], decimalSeparator);
        axis.to = ParseNumber(parts[1], decimalSeparator);
        axis.steps = ParseInteger(parts[2]);
    } catch (const ConversionError& e) {
        error = e.what();
        return std::nullopt;
    }
    if (axis.steps < 1) {
        error = "STEPS must be at least 1";
        return std::nullopt;
    }
    return axis;
}

std::unique_ptr<CaseSource> OpenGrid(const std::vector<std::string>& axisTexts,
                                     char decimalSeparator, BatchError& error) {
    std::vector<GridAxis> axes;
    for (const std::string& axisText : axisTexts) {
        std::string problem;
        const std::optional<GridAxis> axis = ParseGridAxis(axisText, decimalSeparator, problem);
        if (axis && std::any_of(axes.begin(), axes.end(), [&](const GridAxis& a) {
                return a.column.field == axis->column.field;
            })) {
            problem = "the grid has " + Quoted(axis->column.Name()) + " already";
        }
        if (!problem.empty()) {
            error.message = "--grid " + axisText + ": " + problem;
            return nullptr;
        }
        axes.push_back(*axis);
    }
    if (axes.empty()) {
        error.message = "--grid: no axis";
        return nullptr;
    }
    return std::make_unique<GridSource>(std::move(axes), decimalSeparator);
}

std::optional<std::string> ApplyCase(const std::vector<BatchColumn>& columns,
                                     const BatchCase& batchCase, FormRecord& form) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const BatchColumn& column = columns[i];
        const std::string& text = batchCase.texts[i];
        if (column.field) {
            form.SetInputText(column.field->field, text);
            continue;
        }
        const SelectionName& selection = *column.selection;
        const std::string_view value = TrimBlanks(text);
        const std::optional<ButtonId> button = ChoiceByValue(selection, value);
        if (!button) {
            return "unknown " + std::string(selection.name) + " " + Quoted(value) + " (expected " +
                   ValueList(selection) + ")";
        }
        if (form.IsSelected(*button)) {
            continue; // selected by the case before: clicking it again changes nothing
        }
        SelectAsClicked(form, *button);
    }
    return std::nullopt;
}

} // namespace vortalin
