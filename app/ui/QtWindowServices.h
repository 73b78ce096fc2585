#pragma once
// The window operations of the calculation, carried out on the widgets of the main window
// (Form1) and the range dialog (Form2).

#include "app/WindowServices.h"

#include <QElapsedTimer>
#include <QPalette>

#include <array>

class QAction;
class QFileDialog;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QWidget;

namespace vortalin {

// The file named in a modal file dialog; nullopt when the dialog is cancelled.
std::optional<std::string> AskForFile(QFileDialog& dialog);

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

    // An input as a user sees, types and clicks it (the same operations as FormRecord's).
    std::string Text(EditId field) const;
    void SetInputText(EditId field, const std::string& text) { SetText(field, text); }
    void Select(ButtonId button);

    // Shows a conversion failure naming the field by its label, then puts the focus on the
    // field with its text selected.
    void ReportConversionFailure(const ConversionError& failure);

private:
    QLineEdit& Edit(EditId id) const;
    QRadioButton& Button(ButtonId id) const;
    QWidget& RangeDialog() const;
    void FindControlsOf(QWidget& form, bool rangeDialog);

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
};

} // namespace vortalin
