#pragma once
// Batch studies: many cases in one call. Every case of a table or grid runs the Compute
// command on the window record exactly as a single run would; its outcome is written as
// one line (CSV) and the output is streamed, so memory stays flat however many cases run.

#include "app/compute/Calculator.h"
#include "app/files/ResultsSink.h"
#include "app/form/FormRecord.h"
#include "app/studies/BatchTable.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace vortalin {

// Runs the Compute command of one case, as the window's button does. Returns the message of
// a text that is not a number (naming its column) when one stopped it, else an empty text.
std::string ComputeCase(Calculator& calc);

// What one case gave, for the writers.
struct CaseOutcome {
    const BatchCase& input;
    const FormRecord& form;     // status, messages (and result texts, when read) after it
    const Calculator& calc;     // state, what it computed, whether it showed its results
    std::string_view stoppedBy; // the message of a text that is not a number, else empty
};

// Formats the output of a batch: a header, then one record per case.
class CaseWriter {
public:
    virtual ~CaseWriter() = default;
    virtual void AppendHeader(std::string& out, std::span<const BatchColumn> columns) = 0;
    virtual void AppendCase(std::string& out, const CaseOutcome& outcome) = 0;
    // Whether a case's record must hold its result texts (the CSV writes numbers only).
    virtual bool ReadsResultTexts() const { return true; }
};

// CSV, ';'-separated: "line", the input columns as given, the 17 quantities of the results
// file under its titles (the shortest digits that read back to the same double, with the
// decimal separator; empty where the case did not compute them), "shown" (1/0) and
// "message" (every message of the case, and the conversion message that stopped it, joined
// with " | "), "equation" (the identifier of the equation whose results the case showed)
// and "warnings" (its warnings, joined the same way). A field holding ';', a quote or a
// line break is quoted.
class CsvCaseWriter final : public CaseWriter {
public:
    explicit CsvCaseWriter(char decimalSeparator) : separator_(decimalSeparator) {}
    void AppendHeader(std::string& out, std::span<const BatchColumn> columns) override;
    void AppendCase(std::string& out, const CaseOutcome& outcome) override;
    bool ReadsResultTexts() const override { return false; }

private:
    char separator_;
    std::string joined_; // the messages of the case being written
};

struct BatchResult {
    enum class Status { Done, MalformedTable, OutputFailed } status = Status::Done;
    std::size_t cases = 0; // cases run
    std::string message;   // what made the table malformed, or why the output failed
};

// Runs every case of `cases` on a copy of `base` (the record the other options filled) and
// writes the header and each case's record to `out`, which is committed only when the whole
// table ran. A malformed line stops the batch (the cases before it have been written but
// not committed).
BatchResult RunBatch(CaseSource& cases, const FormRecord& base, CaseWriter& writer,
                     ResultsSink& out);

} // namespace vortalin
