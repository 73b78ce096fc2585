#pragma once
// What vortalin-cli reports of one run as JSON: a single run and each case of a batch
// report the same object, written as a stream by JsonWriter.

#include "app/cli/JsonWriter.h"
#include "app/compute/Calculator.h"
#include "app/form/FormRecord.h"
#include "app/studies/Batch.h"
#include "correlations/equations/EquationTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vortalin {

// The equation object as last written in the compact layout, with its row and separator.
struct EquationCache {
    const EquationRow* row = nullptr;
    char separator = 0;
    std::string json;
};

// One run: the record after it, its calculation, the message of a text that is not a
// number that stopped it (empty when none did), and in a batch the case's line.
struct RunJsonSource {
    const FormRecord& form;
    const Calculator& calc;
    std::string_view error;
    std::optional<std::size_t> line;
    // The compact text of the last equation written, for a batch whose cases share it.
    EquationCache* equationCache = nullptr;
};

// The run as one object: "equation" (id, name, formula, source and ranges of the equation
// whose results were shown; null when none were), "error" (when a text that is not a number
// stopped the run), "line" (in a batch), "messages", "shown", "state" (every number of the
// calculation, null where not finite), "status", "texts" (the displayed texts by control
// name) and "warnings" (quantity, value, bound and text of each).
void WriteRunJson(JsonWriter& json, const RunJsonSource& run);

// JSON Lines of a batch: per case the object a single run prints with --json, on one line,
// with the case's line number added; written straight into the batch's output buffer.
class JsonLinesWriter final : public CaseWriter {
public:
    void AppendHeader(std::string& /*out*/, std::span<const BatchColumn> /*columns*/) override {}
    void AppendCase(std::string& out, const CaseOutcome& outcome) override;

private:
    EquationCache equation_;
};

} // namespace vortalin
