#include "app/studies/Batch.h"

#include "app/compute/ConversionError.h"
#include "app/compute/EquationReport.h"
#include "app/files/ResultsFile.h"
#include "app/form/InputNames.h"
#include "app/format/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vortalin {

namespace {

// Output is handed to the sink in pieces of about this size.
constexpr std::size_t kChunkSize = 64 * 1024;

constexpr std::string_view kMessageJoint = " | ";

bool NeedsQuotes(std::string_view text) {
    // One pass over the text (find_first_of would search the set once per character).
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c == ';' || c == '"' || c == '\n' || c == '\r'; });
}

void AppendCsvField(std::string& out, std::string_view text) {
    if (!NeedsQuotes(text)) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

void AppendNumber(std::string& out, std::size_t n) {
    char buffer[24];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, n);
    out.append(buffer, res.ptr);
}

// The 17 quantities, each after a ';'. A case stopped by a text that is not a number
// computed none of them.
void AppendQuantities(std::string& out, const CaseOutcome& outcome, char separator) {
    const bool ran = outcome.stoppedBy.empty();
    const CalcState& state = outcome.calc.State();
    for (const ResultsColumn& column : kResultsColumns) {
        out += ';';
        const double value = state.*column.value;
        if (ran && WasComputed(column, outcome.calc.Computed()) && std::isfinite(value)) {
            AppendShortest(out, value, separator);
        }
    }
}

// Every message of the case in order, then the conversion message that stopped it, joined
// in `joined` (reused from case to case).
void AppendMessages(std::string& out, const CaseOutcome& outcome, std::string& joined) {
    joined.clear();
    const auto join = [&joined](std::string_view message) {
        if (!joined.empty()) {
            joined += kMessageJoint;
        }
        joined += message;
    };
    for (const std::string& message : outcome.form.Messages()) {
        join(message);
    }
    if (!outcome.stoppedBy.empty()) {
        join(outcome.stoppedBy);
    }
    AppendCsvField(out, joined);
}

// The identifier of the equation whose results the case showed, and its warnings joined
// like the messages; both empty for a refused case.
void AppendEquation(std::string& out, const CaseOutcome& outcome, char separator,
                    std::string& joined) {
    out += ';';
    if (const EquationRow* row = ShownEquation(outcome.calc)) {
        out += row->key;
    }
    out += ';';
    joined.clear();
    AppendWarningTexts(joined, outcome.calc.Warnings(), separator, kMessageJoint);
    AppendCsvField(out, joined);
}

// Hands the buffer to the sink and empties it; false when the sink refused it.
bool Flush(std::string& buffer, ResultsSink& out) {
    const bool written = out.Write(buffer);
    buffer.clear();
    return written;
}

} // namespace

void CsvCaseWriter::AppendHeader(std::string& out, std::span<const BatchColumn> columns) {
    out += "line";
    for (const BatchColumn& column : columns) {
        out += ';';
        out += column.Name();
    }
    out += ';';
    out += ResultsTitles();
    out += ";shown;message;equation;warnings\n";
}

void CsvCaseWriter::AppendCase(std::string& out, const CaseOutcome& outcome) {
    AppendNumber(out, outcome.input.line);
    for (const std::string& text : outcome.input.texts) {
        out += ';';
        AppendCsvField(out, text);
    }
    AppendQuantities(out, outcome, separator_);
    out += outcome.calc.ResultsShown() ? ";1;" : ";0;";
    AppendMessages(out, outcome, joined_);
    AppendEquation(out, outcome, separator_, joined_);
    out += '\n';
}

std::string ComputeCase(Calculator& calc) {
    try {
        calc.Button1Click();
    } catch (const ConversionError& e) {
        return OptionConversionMessage(e);
    }
    return {};
}

BatchResult RunBatch(CaseSource& cases, const FormRecord& base, CaseWriter& writer,
                     ResultsSink& out) {
    using Status = BatchResult::Status;
    BatchResult result;
    if (!out.IsOpen()) {
        return {Status::OutputFailed, 0, out.ErrorText()};
    }
    // One record serves every case. Each case sets the same columns, and the Compute command
    // writes only the result fields and the status (which it resets first) and messages
    // (cleared here), so each case starts from the base record exactly as a single run does.
    FormRecord form = base;
    form.SetMessageObserver(nullptr);
    form.SetResultTextsRead(writer.ReadsResultTexts());
    std::string buffer;
    buffer.reserve(kChunkSize + kChunkSize / 4);
    writer.AppendHeader(buffer, cases.Columns());
    BatchCase next;
    BatchError error;
    for (;;) {
        const CaseSource::Step step = cases.Next(next, error);
        if (step == CaseSource::Step::End) {
            break;
        }
        if (step == CaseSource::Step::Case) {
            if (std::optional<std::string> bad = ApplyCase(cases.Columns(), next, form)) {
                error = {next.line, std::move(*bad)};
            }
        }
        if (step == CaseSource::Step::Malformed || !error.message.empty()) {
            Flush(buffer, out); // the cases before the bad line, uncommitted
            return {Status::MalformedTable, result.cases, error.Text()};
        }
        form.ClearMessages();
        Calculator calc(form); // every number 0, as at the start of a single run
        const std::string stoppedBy = ComputeCase(calc);
        writer.AppendCase(buffer, {next, form, calc, stoppedBy});
        ++result.cases;
        if (buffer.size() >= kChunkSize && !Flush(buffer, out)) {
            return {Status::OutputFailed, result.cases, out.ErrorText()};
        }
    }
    if (!Flush(buffer, out) || !out.Commit()) {
        return {Status::OutputFailed, result.cases, out.ErrorText()};
    }
    return result;
}

} // namespace vortalin
