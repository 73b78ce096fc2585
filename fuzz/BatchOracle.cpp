#include "fuzz/BatchOracle.h"

#include "app/compute/ConversionError.h"
#include "app/form/InputNames.h"
#include "app/format/NumberFormat.h"
#include "app/studies/Batch.h"
#include "correlations/equations/EquationTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <string_view>
#include <vector>

namespace vortalin::fuzz {

namespace {

// Keeps what is written and whether it was committed.
class StringSink final : public ResultsSink {
public:
    bool IsOpen() const override { return true; }
    bool Write(std::string_view bytes) override {
        text += bytes;
        return true;
    }
    bool Commit() override {
        committed = true;
        return true;
    }
    std::string ErrorText() const override { return {}; }
    std::string text;
    bool committed = false;
};

// Writes the CSV records and compares each with the record of the same case run alone: the
// base record copied, the case applied, a new calculator.
class CrossCheckingWriter final : public CaseWriter {
public:
    CrossCheckingWriter(const FormRecord& base, char separator) : base_(base), csv_(separator) {}

    void AppendHeader(std::string& out, std::span<const BatchColumn> columns) override {
        columns_.assign(columns.begin(), columns.end());
        csv_.AppendHeader(out, columns);
    }

    void AppendCase(std::string& out, const CaseOutcome& outcome) override {
        const std::size_t start = out.size();
        csv_.AppendCase(out, outcome);
        FormRecord form = base_;
        if (ApplyCase(columns_, outcome.input, form)) {
            problem = "a case the batch ran cannot be applied alone";
            return;
        }
        Calculator calc(form);
        const std::string stoppedBy = ComputeCase(calc);
        std::string alone;
        csv_.AppendCase(alone, {outcome.input, form, calc, stoppedBy});
        if (problem.empty() && std::string_view(out).substr(start) != alone) {
            problem = "the batch gave\n" + out.substr(start) + "alone the case gives\n" + alone;
        }
    }

    std::string problem;

private:
    const FormRecord& base_;
    CsvCaseWriter csv_;
    std::vector<BatchColumn> columns_;
};

// The fields of the CSV record at `pos` (quotes resolved); pos moves past it.
std::vector<std::string> NextRecord(std::string_view text, std::size_t& pos) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (quoted && c == '"' && pos + 1 < text.size() && text[pos + 1] == '"') {
            fields.back() += '"';
            ++pos;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ';') {
            fields.emplace_back();
        } else if (!quoted && c == '\n') {
            ++pos;
            break;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::size_t LineCount(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

// "line N: ..." with N a line of the table, or the one message without a line.
std::string CheckRefusal(const BatchResult& result, const StringSink& sink,
                         std::string_view table) {
    if (sink.committed) {
        return "a malformed table was committed";
    }
    if (result.message == "the table has no header line") {
        return {};
    }
    std::size_t line = 0;
    const std::string_view m = result.message;
    const auto res =
        std::from_chars(m.data() + std::min<std::size_t>(5, m.size()), m.data() + m.size(), line);
    const std::string_view after = m.substr(static_cast<std::size_t>(res.ptr - m.data()));
    if (!m.starts_with("line ") || res.ec != std::errc() || line == 0 || line > LineCount(table) ||
        !after.starts_with(": ") || after.size() <= 2) {
        return "a refusal without a clear line: " + result.message;
    }
    return {};
}

// A shown case names a row of the equation table; a refused one names none.
bool KnownEquationOrNone(std::string_view equation, bool shown) {
    if (!shown) {
        return equation.empty();
    }
    const auto rows = EquationTable();
    return std::any_of(rows.begin(), rows.end(),
                       [equation](const EquationRow& row) { return row.key == equation; });
}

// One header, one record per case with ascending lines of the table, 0/1 in "shown", an
// equation of the table where the case was shown, and numbers that read back.
std::string CheckOutput(const BatchResult& result, const StringSink& sink, std::string_view table,
                        char separator) {
    if (!sink.committed) {
        return "a batch that ran was not committed";
    }
    std::size_t pos = 0;
    const std::size_t width = NextRecord(sink.text, pos).size();
    std::size_t cases = 0;
    std::size_t lastLine = 0;
    while (pos < sink.text.size()) {
        const std::vector<std::string> record = NextRecord(sink.text, pos);
        ++cases;
        std::size_t line = 0;
        std::from_chars(record[0].data(), record[0].data() + record[0].size(), line);
        if (record.size() != width || line <= lastLine || line > LineCount(table)) {
            return "a malformed output record at case " + std::to_string(cases);
        }
        lastLine = line;
        // ...;shown;message;equation;warnings
        const std::string& shown = record[width - 4];
        if (shown != "0" && shown != "1") {
            return "shown is neither 0 nor 1";
        }
        if (!KnownEquationOrNone(record[width - 2], shown == "1")) {
            return "an equation that is not a row of the table, or one of a refused case: " +
                   record[width - 2];
        }
        for (std::size_t k = width - 21; k < width - 4; ++k) {
            try {
                if (!record[k].empty() && !std::isfinite(ParseNumber(record[k], separator))) {
                    return "a quantity that is not finite";
                }
            } catch (const ConversionError&) {
                return "a quantity that does not read back: " + record[k];
            }
        }
    }
    return cases == result.cases ? std::string() : "one record per case expected";
}

std::string CheckTable(std::string_view table, char separator) {
    const FormRecord base(separator);
    std::istringstream in{std::string(table)};
    BatchError error;
    const std::unique_ptr<CaseSource> cases = OpenTable(in, separator, error);
    StringSink sink;
    if (!cases) {
        return CheckRefusal({BatchResult::Status::MalformedTable, 0, error.Text()}, sink, table);
    }
    CrossCheckingWriter writer(base, separator);
    const BatchResult result = RunBatch(*cases, base, writer, sink);
    if (!writer.problem.empty()) {
        return writer.problem;
    }
    if (result.status == BatchResult::Status::MalformedTable) {
        return CheckRefusal(result, sink, table);
    }
    if (result.status != BatchResult::Status::Done) {
        return "a batch to memory failed: " + result.message;
    }
    return CheckOutput(result, sink, table, separator);
}

// Grids of at most this many cases are run through.
constexpr double kMaxGridCases = 500;

std::string CheckGrid(std::string_view text, char separator) {
    std::vector<std::string> axisTexts;
    double combinations = 1;
    bool allValid = true;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        axisTexts.emplace_back(text.substr(start, end - start));
        std::string error;
        const std::optional<GridAxis> axis = ParseGridAxis(axisTexts.back(), separator, error);
        if (axis) {
            combinations *= axis->steps;
        } else if (error.empty()) {
            return "a grid axis refused without a message";
        }
        allValid = allValid && axis.has_value();
        start = end + 1;
    }
    if (allValid && combinations > kMaxGridCases) {
        return {};
    }
    BatchError error;
    const std::unique_ptr<CaseSource> grid = OpenGrid(axisTexts, separator, error);
    if (!grid) {
        return error.message.starts_with("--grid ") && error.message.size() > 8
                   ? std::string()
                   : "a grid refused without a clear message: " + error.message;
    }
    if (!allValid) {
        return "a grid with a malformed axis was accepted";
    }
    BatchCase next;
    std::size_t count = 0;
    while (grid->Next(next, error) == CaseSource::Step::Case) {
        if (next.line != ++count || next.texts.size() != axisTexts.size()) {
            return "grid cases out of order";
        }
    }
    return count == static_cast<std::size_t>(combinations) ? std::string() : "a grid case missing";
}

} // namespace

std::string CheckBatchTable(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return {};
    }
    const char separator = (data[0] & 1) != 0 ? '.' : ',';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    return (data[0] & 2) != 0 ? CheckGrid(text, separator) : CheckTable(text, separator);
}

} // namespace vortalin::fuzz
