#include "fuzz/CaseFileOracle.h"

#include "app/form/FormRecord.h"
#include "app/form/Geometries.h"
#include "app/form/Selections.h"
#include "app/qt/CaseFile.h"

#include <QString>

#include <string_view>

namespace vortalin::fuzz {

namespace {

// Messages are one short line of text: valid UTF-8 without control characters.
constexpr std::size_t kMaxMessageBytes = 600;

std::string CheckMessage(const std::string& message, std::string_view what) {
    if (message.empty() || message.back() != '.') {
        return std::string(what) + " does not end a sentence: " + message;
    }
    if (message.size() > kMaxMessageBytes) {
        return std::string(what) + " is too long: " + message;
    }
    if (QString::fromStdString(message).toStdString() != message) {
        return std::string(what) + " is no valid UTF-8: " + message;
    }
    for (const unsigned char c : message) {
        if (c < 0x20 || c == 0x7f) {
            return std::string(what) + " holds a control character: " + message;
        }
    }
    return {};
}

// Everything a case can change in a record, besides the inputs themselves.
struct RecordState {
    CaseInputs inputs;
    bool diameterEnabled;
    FieldColour diameterColour;
    bool operator==(const RecordState&) const = default;
};

RecordState StateOf(const FormRecord& form) {
    return {CaseOf(form), form.DiameterFieldEnabled(), form.DiameterFieldColour()};
}

// A record that differs from the defaults everywhere a case reaches.
FormRecord EditedRecord(char separator) {
    FormRecord form(separator);
    for (const InputField& f : kInputFields) {
        form.SetInputText(f.field, "x" + form.Text(f.field));
    }
    for (const SelectionName& s : kSelectionNames) {
        form.Select(s.values.back().button);
        if (s.group == ButtonGroup::Geometry) {
            GeometryButtonEnter(form, s.values.back().button);
        }
    }
    return form;
}

// The identity is kept by the front end beside the record.
CaseInputs CaseWithIdentity(const FormRecord& form, const CaseIdentity& identity) {
    CaseInputs inputs = CaseOf(form);
    inputs.identity = identity;
    return inputs;
}

std::string CheckIdentity(const CaseIdentity& identity) {
    for (const IdentityField& field : kIdentityFields) {
        const std::string& text = identity.*field.text;
        if (static_cast<std::size_t>(QString::fromStdString(text).size()) >
            kMaxIdentityTextLength) {
            return "an identity text longer than allowed was accepted";
        }
    }
    return {};
}

std::string CheckAccepted(const CaseReading& reading, FormRecord& form, char separator) {
    const CaseInputs& inputs = *reading.inputs;
    if (inputs.decimalSeparator != separator) {
        return "the inputs came back with another separator";
    }
    if (std::string p = CheckIdentity(inputs.identity); !p.empty()) {
        return p;
    }
    if (!ApplyReading(reading, form) || CaseWithIdentity(form, inputs.identity) != inputs) {
        return "an accepted case did not set every input";
    }
    const bool usesDiameter = UsesHydraulicDiameter(SelectedGeometry(form));
    if (form.DiameterFieldEnabled() != usesDiameter) {
        return "Edit2 does not follow the loaded geometry";
    }
    const CaseReading again =
        ParseCase(CaseFileText(CaseWithIdentity(form, inputs.identity)), separator);
    if (!again.inputs || *again.inputs != inputs || !again.unknownKeys.empty()) {
        return "a written case does not read back to the same inputs: " + again.problem;
    }
    return {};
}

} // namespace

std::string CheckCaseFile(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return {};
    }
    const char separator = (data[0] & 1) != 0 ? '.' : ',';
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    FormRecord form = EditedRecord(separator);
    const RecordState before = StateOf(form);

    const CaseReading reading = ParseCase(bytes, separator);
    if (!reading.inputs) {
        if (std::string p =
                CheckMessage(CaseRefusedMessage("c.vortalin", reading.problem), "refusal message");
            !p.empty()) {
            return p;
        }
        if (ApplyReading(reading, form) || !(StateOf(form) == before)) {
            return "a refused case changed the record";
        }
        return {};
    }
    if (!reading.unknownKeys.empty()) {
        if (std::string p = CheckMessage(UnknownKeysMessage("c.vortalin", reading.unknownKeys),
                                         "unknown-keys message");
            !p.empty()) {
            return p;
        }
    }
    return CheckAccepted(reading, form, separator);
}

} // namespace vortalin::fuzz
