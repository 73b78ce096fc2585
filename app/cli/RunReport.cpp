#include "app/cli/RunReport.h"

#include "app/compute/EquationReport.h"
#include "app/form/Controls.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace vortalin {

namespace {

// A member of an object, written by `write`; `present` (when given) says whether the run has
// it at all.
template <typename Of> struct Member {
    std::string_view key;
    void (*write)(JsonWriter&, const Of&);
    bool (*present)(const Of&) = nullptr;
};

// The members of every object come in the byte order of their keys, as the reports always
// had them; a new member goes to its place in that order.
template <typename Of, std::size_t N>
constexpr bool KeysInOrder(const std::array<Member<Of>, N>& members) {
    return std::is_sorted(members.begin(), members.end(),
                          [](const Member<Of>& a, const Member<Of>& b) { return a.key < b.key; });
}

template <typename Of, std::size_t N>
void WriteObject(JsonWriter& json, const std::array<Member<Of>, N>& members, const Of& of) {
    json.BeginObject();
    for (const Member<Of>& member : members) {
        if (member.present == nullptr || member.present(of)) {
            json.Key(member.key);
            member.write(json, of);
        }
    }
    json.EndObject();
}

template <double CalcState::*Field> void WriteNumber(JsonWriter& json, const CalcState& s) {
    json.Number(s.*Field);
}

constexpr std::array<Member<CalcState>, 31> kStateMembers = {{
    {"Nu", WriteNumber<&CalcState::Nu>},
    {"Pe", WriteNumber<&CalcState::Pe>},
    {"Pr", WriteNumber<&CalcState::Pr>},
    {"PrW", WriteNumber<&CalcState::PrW>},
    {"Re", WriteNumber<&CalcState::Re>},
    {"alpha", WriteNumber<&CalcState::alpha>},
    {"angle", WriteNumber<&CalcState::angle>},
    {"cp", WriteNumber<&CalcState::cp>},
    {"cpW", WriteNumber<&CalcState::cpW>},
    {"d", WriteNumber<&CalcState::d>},
    {"dtLog", WriteNumber<&CalcState::dtLog>},
    {"lambda", WriteNumber<&CalcState::lambda>},
    {"lambdaW", WriteNumber<&CalcState::lambdaW>},
    {"length", WriteNumber<&CalcState::length>},
    {"mu", WriteNumber<&CalcState::mu>},
    {"muW", WriteNumber<&CalcState::muW>},
    {"nu", WriteNumber<&CalcState::nu>},
    {"nuW", WriteNumber<&CalcState::nuW>},
    {"rho", WriteNumber<&CalcState::rho>},
    {"rhoW", WriteNumber<&CalcState::rhoW>},
    {"saveToFile", [](JsonWriter& json, const CalcState& s) { json.Integer(s.sweep.saveToFile); }},
    {"slotLength", WriteNumber<&CalcState::slotLength>},
    {"sweepFrom", [](JsonWriter& json, const CalcState& s) { json.Number(s.sweep.sweepFrom); }},
    {"sweepIndex", [](JsonWriter& json, const CalcState& s) { json.Integer(s.sweep.sweepIndex); }},
    {"sweepLast", [](JsonWriter& json, const CalcState& s) { json.Integer(s.sweep.sweepLast); }},
    {"sweepTo", [](JsonWriter& json, const CalcState& s) { json.Number(s.sweep.sweepTo); }},
    {"tIn", WriteNumber<&CalcState::tIn>},
    {"tMean", WriteNumber<&CalcState::tMean>},
    {"tOut", WriteNumber<&CalcState::tOut>},
    {"tWall", WriteNumber<&CalcState::tWall>},
    {"w", WriteNumber<&CalcState::w>},
}};
static_assert(KeysInOrder(kStateMembers));

// The twelve result fields in the byte order of their control names ("Edit10" before
// "Edit6").
constexpr std::array<EditId, 12> kResultFieldsByName = {
    EditId::Edit10, EditId::Edit11, EditId::Edit12, EditId::Edit13, EditId::Edit14, EditId::Edit15,
    EditId::Edit16, EditId::Edit17, EditId::Edit18, EditId::Edit6,  EditId::Edit7,  EditId::Edit9,
};

void WriteTexts(JsonWriter& json, const RunJsonSource& run) {
    json.BeginObject();
    for (const EditId field : kResultFieldsByName) {
        json.Key(ControlName(field));
        json.String(run.form.Text(field));
    }
    json.EndObject();
}

void WriteMessages(JsonWriter& json, const RunJsonSource& run) {
    json.BeginArray();
    for (const std::string& message : run.form.Messages()) {
        json.String(message);
    }
    json.EndArray();
}

// A part of the equation's row, or a warning, with the separator its texts use.
template <typename Item> struct Localised {
    const Item& item;
    char separator;
};

constexpr std::array<Member<Localised<ValidityRange>>, 4> kRangeMembers = {{
    {"high", [](JsonWriter& json, const Localised<ValidityRange>& r) { json.Number(r.item.high); }},
    {"low", [](JsonWriter& json, const Localised<ValidityRange>& r) { json.Number(r.item.low); }},
    {"quantity",
     [](JsonWriter& json, const Localised<ValidityRange>& r) {
         json.String(InfoOf(r.item.term).symbol);
     }},
    {"text",
     [](JsonWriter& json, const Localised<ValidityRange>& r) {
         json.String(RangeText(r.item, r.separator));
     }},
}};
static_assert(KeysInOrder(kRangeMembers));

void WriteRanges(JsonWriter& json, const Localised<EquationRow>& row) {
    json.BeginArray();
    for (const ValidityRange& range : row.item.ranges) {
        WriteObject(json, kRangeMembers, Localised<ValidityRange>{range, row.separator});
    }
    json.EndArray();
}

constexpr std::array<Member<Localised<EquationRow>>, 5> kEquationMembers = {{
    {"formula",
     [](JsonWriter& json, const Localised<EquationRow>& row) {
         json.String(LocalDecimals(std::string(row.item.formula), row.separator));
     }},
    {"id", [](JsonWriter& json, const Localised<EquationRow>& row) { json.String(row.item.key); }},
    {"name",
     [](JsonWriter& json, const Localised<EquationRow>& row) { json.String(row.item.name); }},
    {"ranges", WriteRanges},
    {"source",
     [](JsonWriter& json, const Localised<EquationRow>& row) {
         json.String(LocalDecimals(std::string(row.item.source), row.separator));
     }},
}};
static_assert(KeysInOrder(kEquationMembers));

// The equation whose results were shown, or null.
void WriteEquation(JsonWriter& json, const RunJsonSource& run) {
    const EquationRow* row = ShownEquation(run.calc);
    if (row == nullptr) {
        json.Null();
        return;
    }
    const Localised<EquationRow> shown{*row, run.form.DecimalSeparator()};
    EquationCache* cache = run.equationCache;
    if (cache == nullptr) {
        WriteObject(json, kEquationMembers, shown);
        return;
    }
    if (cache->row != row || cache->separator != shown.separator) {
        cache->json.clear();
        JsonWriter compact(cache->json, JsonLayout::Compact);
        WriteObject(compact, kEquationMembers, shown);
        cache->row = row;
        cache->separator = shown.separator;
    }
    json.CompactValue(cache->json);
}

constexpr std::array<Member<Localised<Warning>>, 4> kWarningMembers = {{
    {"bound", [](JsonWriter& json, const Localised<Warning>& w) { json.Number(w.item.bound); }},
    {"quantity",
     [](JsonWriter& json, const Localised<Warning>& w) { json.String(w.item.quantity); }},
    {"text", [](JsonWriter& json,
                const Localised<Warning>& w) { json.String(WarningText(w.item, w.separator)); }},
    {"value", [](JsonWriter& json, const Localised<Warning>& w) { json.Number(w.item.value); }},
}};
static_assert(KeysInOrder(kWarningMembers));

void WriteWarnings(JsonWriter& json, const RunJsonSource& run) {
    const char separator = run.form.DecimalSeparator();
    json.BeginArray();
    for (const Warning& warning : run.calc.Warnings()) {
        WriteObject(json, kWarningMembers, Localised<Warning>{warning, separator});
    }
    json.EndArray();
}

constexpr std::array<Member<RunJsonSource>, 9> kRunMembers = {{
    {"equation", WriteEquation},
    {"error", [](JsonWriter& json, const RunJsonSource& run) { json.String(run.error); },
     [](const RunJsonSource& run) { return !run.error.empty(); }},
    {"line",
     [](JsonWriter& json, const RunJsonSource& run) {
         json.Integer(static_cast<std::int64_t>(*run.line));
     },
     [](const RunJsonSource& run) { return run.line.has_value(); }},
    {"messages", WriteMessages},
    {"shown",
     [](JsonWriter& json, const RunJsonSource& run) { json.Bool(run.calc.ResultsShown()); }},
    {"state", [](JsonWriter& json,
                 const RunJsonSource& run) { WriteObject(json, kStateMembers, run.calc.State()); }},
    {"status",
     [](JsonWriter& json, const RunJsonSource& run) { json.String(run.form.StatusText()); }},
    {"texts", WriteTexts},
    {"warnings", WriteWarnings},
}};
static_assert(KeysInOrder(kRunMembers));

} // namespace

void WriteRunJson(JsonWriter& json, const RunJsonSource& run) {
    WriteObject(json, kRunMembers, run);
}

void JsonLinesWriter::AppendCase(std::string& out, const CaseOutcome& outcome) {
    JsonWriter json(out, JsonLayout::Compact);
    WriteRunJson(json,
                 {outcome.form, outcome.calc, outcome.stoppedBy, outcome.input.line, &equation_});
    out += '\n';
}

} // namespace vortalin
