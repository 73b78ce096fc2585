#pragma once
// The window operations of the calculation, carried out on the widgets of the main window
// (Form1) and the range dialog (Form2).

#include "app/compute/WindowServices.h"
#include "app/form/ParsedNumbers.h"
#include "app/ui/KeptSettings.h"

#include <QElapsedTimer>
#include <QPalette>

#include <array>
#include <utility>
#include <vector>

class QAction;
class QShortcut;
class QFileDialog;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QWidget;

namespace vortalin {

// The file named in a modal file dialog; nullopt when the dialog is cancelled.
std::optional<std::string> AskForFile(QFileDialog& dialog);
// The same in the folder last used for this kind of file, which the choice then becomes.
std::optional<std::string> AskForFile(QFileDialog& dialog, FileKind kind);

class ConversionError;

class QtWindowServices final : public WindowServices {
public:
    // Finds the main window's controls by their names; a missing one throws.
    explicit QtWindowServices(QWidget& mainWindow);

    // The range dialog is created after the main window; its controls are found here.
    void AttachRangeDialog(QWidget& rangeDialog);

    bool IsSelected(ButtonId button) const override;
    double NumberFrom(EditId field) const override;
    int IntegerFrom(EditId field) const override;
    void SetText(EditId field, const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    void SetDiameterFieldColour(FieldColour colour) override;
    void SetDiameterFieldEnabled(bool enabled) override;
    void ShowMessage(const std::string& text) override;
    void SetSaveToFileChecked(bool checked) override;
    std::optional<std::string> ChooseResultsFile() override;
    void SetProgressMaximum(int maximum) override;
    void SetProgressPosition(int position) override;
    int ProgressPosition() const override;
    void ShowRangeDialog() override;
    char DecimalSeparator() const override;
    std::unique_ptr<ResultsSink> OpenResultsFile(const std::string& path) override;
    void KeepAlive() override;
    bool StopRequested() const override { return stopRequested_; }
    void SetSweepRunning(bool running) override;

    // Whether a sweep is running, and the user's request to stop it. A stop because the
    // main window closes shows no message: the program is ending.
    bool SweepRunning() const { return sweepRunning_; }
    void RequestStop(bool windowClosing);
    // The user kept the window open after all: its messages are read again.
    void WindowStaysOpen() { windowClosing_ = false; }

    // An input as a user sees, types and clicks it (the same operations as FormRecord's).
    std::string Text(EditId field) const;
    void SetInputText(EditId field, const std::string& text) { SetText(field, text); }
    void Select(ButtonId button);

    // Shows a conversion failure naming the field by its label, then puts the focus on the
    // field with its text selected.
    void ReportConversionFailure(const ConversionError& failure);
    // Its text: the message naming the field by its label.
    std::string ConversionFailureText(const ConversionError& failure) const;

    // The messages shown since the last ForgetShownMessages, each once, in the order they
    // first came: a calculation sheet lists those of its Compute command.
    const std::vector<std::string>& ShownMessages() const { return shownMessages_; }
    void ForgetShownMessages() { shownMessages_.clear(); }
    // Puts the focus on the field with its text selected, as after a refusal that names it.
    void FocusField(EditId field);

private:
    std::vector<std::string> shownMessages_;
    QLineEdit& Edit(EditId id) const;
    QRadioButton& Button(ButtonId id) const;
    QWidget& RangeDialog() const;
    void FindControlsOf(QWidget& form, bool rangeDialog);
    std::string InputText(EditId field) const;
    void LockInputs();
    void RestoreInputs();

    QWidget& mainWindow_;
    QWidget* rangeDialog_ = nullptr;
    std::array<QLineEdit*, kEditCount> edits_{};
    std::array<QRadioButton*, kButtonCount> buttons_{};
    QLabel& statusPanel_;
    QProgressBar& progressBar_;
    QAction& saveToFileItem_;
    QFileDialog& saveDialog_;
    QPalette diameterWindowPalette_; // Edit2 as the style draws an ordinary field
    QElapsedTimer sinceRepaint_;
    QShortcut& stopKey_; // Esc, active only while a sweep runs
    // The locale's separator, looked up once: a sweep reads numbers millions of times.
    char separator_;
    int requestedMaximum_ = 100; // the bar's maximum as the calculation set it
    bool sweepRunning_ = false;
    bool stopRequested_ = false;
    bool windowClosing_ = false;
    QString statusBeforeSweep_;
    // The enabled state of every input, selection, menu item and button before a sweep.
    std::vector<std::pair<QWidget*, bool>> lockedWidgets_;
    std::vector<std::pair<QAction*, bool>> lockedActions_;
    std::array<std::string, kEditCount> lockedTexts_; // the inputs' texts while locked
    ParsedNumbers lockedNumbers_;                     // and the numbers they read as
};

} // namespace vortalin
