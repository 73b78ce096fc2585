#pragma once
// The operations through which the calculation reaches the window. The Qt main window
// implements them with widgets; FormRecord implements them with a plain record for the
// command-line front end and the tests. The four that the correlation engine uses
// (selected button, field number, status text, message) are those of EngineWindow.

#include "app/files/ResultsSink.h"
#include "app/form/Controls.h"
#include "correlations/engine/EngineWindow.h"

#include <memory>
#include <optional>
#include <string>

namespace vortalin {

enum class FieldColour : std::uint8_t { Window, Silver };

class WindowServices : public EngineWindow {
public:
    // Integer from an edit field's text; ConversionError when the text is not one.
    virtual int IntegerFrom(EditId field) const = 0;

    // Text of a result field.
    virtual void SetText(EditId field, const std::string& text) = 0;

    // Background colour and enabled state of the hydraulic-diameter field Edit2.
    virtual void SetDiameterFieldColour(FieldColour colour) = 0;
    virtual void SetDiameterFieldEnabled(bool enabled) = 0;

    // Check mark of "Ulož do súboru", and the save dialog (nullopt when cancelled).
    virtual void SetSaveToFileChecked(bool checked) = 0;
    virtual std::optional<std::string> ChooseResultsFile() = 0;

    // Progress bar.
    virtual void SetProgressMaximum(int maximum) = 0;
    virtual void SetProgressPosition(int position) = 0;
    virtual int ProgressPosition() const = 0;

    // Shows the range dialog without making it modal, or brings it forward.
    virtual void ShowRangeDialog() = 0;

    // The decimal separator of numbers shown and parsed.
    virtual char DecimalSeparator() const = 0;

    // Opens the results file for a sweep: written to a temporary file beside the target
    // and put in its place only by ResultsSink::Commit.
    virtual std::unique_ptr<ResultsSink> OpenResultsFile(const std::string& path) = 0;

    // Called after every step of a sweep; a window repaints and takes the user's keys now
    // and then (it decides how often, so this stays cheap).
    virtual void KeepAlive() {}

    // Whether the user asked to stop the running sweep (Esc, closing the window, a signal).
    // Polled after every step, so it must be cheap.
    virtual bool StopRequested() const { return false; }

    // A sweep starts writing its results file (true) and ends (false), also when it stops
    // at a text that is not a number: a window locks its inputs meanwhile.
    virtual void SetSweepRunning(bool running) { (void)running; }

    // Whether anybody reads the twelve result texts. A batch that writes only the numbers
    // does not, and the Compute command then leaves the result fields alone: formatting
    // them is half the cost of a case.
    virtual bool ResultTextsRead() const { return true; }
};

} // namespace vortalin
