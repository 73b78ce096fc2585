#include "QtWindowServices.h"

#include "FormControls.h"
#include "app/qt/UserFile.h"
#include "app/NumberFormat.h"
#include "app/qt/DecimalSeparator.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>

namespace vortalin {

namespace {

// Silver, the background of Edit2 while a geometry with its own diameters is selected.
const QColor kSilver(192, 192, 192);

// A sweep lets the window repaint at most this often.
constexpr qint64 kRepaintIntervalMs = 50;

std::string Utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

QtWindowServices::QtWindowServices(QWidget& mainWindow)
    : mainWindow_(mainWindow), statusPanel_(FindControl<QLabel>(mainWindow, "StatusPanel0")),
      progressBar_(FindControl<QProgressBar>(mainWindow, "ProgressBar1")),
      saveToFileItem_(FindControl<QAction>(mainWindow, "Ulodosboru1")),
      saveDialog_(FindControl<QFileDialog>(mainWindow, "SaveDialog1")) {
    FindControlsOf(mainWindow, false);
    diameterWindowPalette_ = Edit(EditId::Edit2).palette();
}

void QtWindowServices::AttachRangeDialog(QWidget& rangeDialog) {
    FindControlsOf(rangeDialog, true);
    rangeDialog_ = &rangeDialog;
}

void QtWindowServices::FindControlsOf(QWidget& form, bool rangeDialog) {
    const FormId which = rangeDialog ? FormId::RangeDialog : FormId::MainWindow;
    for (std::size_t i = 0; i < kEditCount; ++i) {
        if (FormOf(static_cast<EditId>(i)) == which) {
            edits_[i] = &FindEdit(form, static_cast<EditId>(i));
        }
    }
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        if (FormOf(static_cast<ButtonId>(i)) == which) {
            buttons_[i] = &FindButton(form, static_cast<ButtonId>(i));
        }
    }
}

QLineEdit& QtWindowServices::Edit(EditId id) const {
    if (edits_[Index(id)] == nullptr) {
        RangeDialog(); // the only controls that can be missing are the dialog's
    }
    return *edits_[Index(id)];
}

QRadioButton& QtWindowServices::Button(ButtonId id) const {
    if (buttons_[Index(id)] == nullptr) {
        RangeDialog();
    }
    return *buttons_[Index(id)];
}

QWidget& QtWindowServices::RangeDialog() const {
    if (rangeDialog_ == nullptr) {
        throw std::logic_error("Okno „Nastavenie rozsahu“ ešte nebolo vytvorené.");
    }
    return *rangeDialog_;
}

bool QtWindowServices::IsSelected(ButtonId button) const {
    return Button(button).isChecked();
}

double QtWindowServices::NumberFrom(EditId field) const {
    return ParseNumber(Utf8(Edit(field).text()), LocaleDecimalSeparator());
}

int QtWindowServices::IntegerFrom(EditId field) const {
    return ParseInteger(Utf8(Edit(field).text()));
}

void QtWindowServices::SetText(EditId field, const std::string& text) {
    QLineEdit& edit = Edit(field);
    edit.setText(QString::fromStdString(text));
    edit.setCursorPosition(0); // show the beginning of a text longer than the field
}

void QtWindowServices::SetStatusText(const std::string& text) {
    statusPanel_.setText(QString::fromStdString(text));
}

void QtWindowServices::SetDiameterFieldColour(FieldColour colour) {
    QLineEdit& edit = Edit(EditId::Edit2);
    if (colour == FieldColour::Window) {
        edit.setPalette(diameterWindowPalette_);
        return;
    }
    QPalette silver = diameterWindowPalette_;
    silver.setColor(QPalette::Base, kSilver); // in every colour group, the disabled one too
    edit.setPalette(silver);
}

void QtWindowServices::SetDiameterFieldEnabled(bool enabled) {
    Edit(EditId::Edit2).setEnabled(enabled);
}

void QtWindowServices::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, mainWindow_.windowTitle(), QString::fromStdString(text),
                    QMessageBox::Ok, &mainWindow_);
    box.exec();
}

void QtWindowServices::SetSaveToFileChecked(bool checked) {
    saveToFileItem_.setChecked(checked);
}

std::optional<std::string> QtWindowServices::ChooseResultsFile() {
    if (saveDialog_.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = saveDialog_.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) {
        return std::nullopt;
    }
    return Utf8(chosen.front());
}

void QtWindowServices::SetProgressMaximum(int maximum) {
    // A bar whose maximum equals its minimum turns into a busy indicator; one step of
    // range keeps it an ordinary bar.
    progressBar_.setMaximum(std::max(maximum, progressBar_.minimum() + 1));
}

void QtWindowServices::SetProgressPosition(int position) {
    // QProgressBar ignores a value outside its range instead of limiting it.
    progressBar_.setValue(std::clamp(position, progressBar_.minimum(), progressBar_.maximum()));
}

int QtWindowServices::ProgressPosition() const {
    // Before its first value the bar reports minimum - 1.
    return std::max(progressBar_.value(), progressBar_.minimum());
}

void QtWindowServices::ShowRangeDialog() {
    QWidget& dialog = RangeDialog();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

char QtWindowServices::DecimalSeparator() const {
    return LocaleDecimalSeparator();
}

std::unique_ptr<ResultsSink> QtWindowServices::OpenResultsFile(const std::string& path) {
    return OpenUserFile(path);
}

void QtWindowServices::KeepAlive() {
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintIntervalMs) {
        return;
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint_.restart();
}

} // namespace vortalin
