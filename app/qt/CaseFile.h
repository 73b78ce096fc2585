#pragma once
// Case files: the inputs of the window (every input text as typed, the selections by name,
// the range dialog and the decimal separator of the texts) kept in a small JSON document
// whose keys are the command line's option names. The window's "Načítaj"/"Ulož" and the
// command line's --case/--write-case share this reader and writer.

#include "app/compute/WindowServices.h"
#include "app/files/UserFile.h"
#include "app/form/InputNames.h"
#include "app/form/Selections.h"
#include "app/report/CaseIdentity.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vortalin {

inline constexpr std::string_view kCaseFormatName = "vortalin-case";
inline constexpr int kCaseFormatVersion = 1;
// Larger files are refused before parsing; a case is well under a kilobyte.
inline constexpr std::size_t kMaxCaseFileBytes = 1 << 20;

// A case as plain data, independent of the front end.
struct CaseInputs {
    char decimalSeparator = ',';
    std::array<std::string, kInputFields.size()> texts{};   // in the order of kInputFields
    std::array<ButtonId, kSelectionNames.size()> choices{}; // in the order of kSelectionNames
    CaseIdentity identity; // not part of the window's fields: front ends keep it themselves

    bool operator==(const CaseInputs&) const = default;
};

// The window's inputs as it opens, with the given separator.
CaseInputs DefaultCase(char decimalSeparator);

// The case with its number texts written with another separator; texts that are not
// numbers under the case's own separator are kept unchanged.
CaseInputs WithSeparator(const CaseInputs& inputs, char decimalSeparator);

// The outcome of reading a case: the inputs (with the reader's separator), or why the file
// was refused; keys the reader does not know are listed and otherwise ignored.
struct CaseReading {
    std::optional<CaseInputs> inputs;
    std::string problem; // Slovak, without the file's name; empty when accepted
    std::vector<std::string> unknownKeys;
};

// Reads the bytes of a case file. Missing keys take the window's defaults; texts come back
// with `decimalSeparator`.
CaseReading ParseCase(std::string_view bytes, char decimalSeparator);
// Reads a case file (path in UTF-8).
CaseReading ReadCaseFile(const std::string& path, char decimalSeparator);

// The file's bytes: indented JSON with its keys sorted by name, UTF-8.
std::string CaseFileText(const CaseInputs& inputs);
// Writes a case file through the writer of the user's files. Returns an empty string on
// success, otherwise the reason it failed.
std::string WriteCaseFile(const std::string& path, const CaseInputs& inputs, ReaderWait wait);

// Messages for the user, naming the file.
std::string CaseRefusedMessage(const std::string& path, const std::string& problem);
std::string UnknownKeysMessage(const std::string& path, const std::vector<std::string>& keys);
std::string CaseNotSavedMessage(const std::string& path, const std::string& reason);

// --- A front end's inputs: FormRecord and the Qt window both provide Text, IsSelected,
// SetInputText and Select, and are WindowServices. The identity is not among them: CaseOf
// leaves it empty and ApplyCase does not touch it. ---

template <class Form> CaseInputs CaseOf(const Form& form) {
    CaseInputs inputs;
    inputs.decimalSeparator = form.DecimalSeparator();
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        inputs.texts[i] = form.Text(kInputFields[i].field);
    }
    for (std::size_t i = 0; i < kSelectionNames.size(); ++i) {
        inputs.choices[i] = kSelectionNames[i].values.front().button;
        for (const ChoiceValue& choice : kSelectionNames[i].values) {
            if (form.IsSelected(choice.button)) {
                inputs.choices[i] = choice.button;
            }
        }
    }
    return inputs;
}

// Sets every selection and field as a user would click and type them: choosing a geometry
// runs its button's enter handler, so Edit2 is greyed for the geometries that need it.
template <class Form> void ApplyCase(const CaseInputs& inputs, Form& form) {
    const CaseInputs converted = WithSeparator(inputs, form.DecimalSeparator());
    for (std::size_t i = 0; i < kSelectionNames.size(); ++i) {
        SelectAsClicked(form, converted.choices[i]);
    }
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        form.SetInputText(kInputFields[i].field, converted.texts[i]);
    }
}

// Applies an accepted reading; a refused one changes nothing. Returns whether it applied.
template <class Form> bool ApplyReading(const CaseReading& reading, Form& form) {
    if (!reading.inputs) {
        return false;
    }
    ApplyCase(*reading.inputs, form);
    return true;
}

} // namespace vortalin
