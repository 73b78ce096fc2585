#include "app/ui/QtWindowServices.h"

#include "app/compute/ConversionError.h"
#include "app/compute/ResultDisplay.h"
#include "app/files/UserFile.h"
#include "app/form/InputFields.h"
#include "app/format/NumberFormat.h"
#include "app/qt/DecimalSeparator.h"
#include "app/ui/ErrorBox.h"
#include "app/ui/FieldStates.h"
#include "app/ui/FormControls.h"
#include "app/ui/KeptSettings.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace vortalin {

namespace {

// A sweep lets the window repaint and take the user's keys this often: Esc then stops it
// well within 0.2 s, and the events cost little of the sweep's time.
constexpr qint64 kRepaintIntervalMs = 50;

// The status panel while a sweep runs.
constexpr const char* kStopHint = "Esc zastaví parametrickú štúdiu.";

bool IsResultField(EditId field) {
    for (const DisplayedResult& r : kDisplayedResults) {
        if (r.field == field) {
            return true;
        }
    }
    return false;
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

std::optional<std::string> AskForFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) {
        return std::nullopt;
    }
    return Utf8(chosen.front());
}

std::optional<std::string> AskForFile(QFileDialog& dialog, FileKind kind) {
    const QString folder = KeptSettings::LastFolder(kind);
    if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    std::optional<std::string> path = AskForFile(dialog);
    if (path) {
        KeptSettings::KeepFolderOf(kind, QString::fromStdString(*path));
    }
    return path;
}

QtWindowServices::QtWindowServices(QWidget& mainWindow)
    : mainWindow_(mainWindow), statusPanel_(FindControl<QLabel>(mainWindow, "StatusPanel0")),
      progressBar_(FindControl<QProgressBar>(mainWindow, "ProgressBar1")),
      saveToFileItem_(FindControl<QAction>(mainWindow, "Ulodosboru1")),
      saveDialog_(FindControl<QFileDialog>(mainWindow, "SaveDialog1")),
      stopKey_(*new QShortcut(QKeySequence(Qt::Key_Escape), &mainWindow)),
      separator_(LocaleDecimalSeparator()) {
    FindControlsOf(mainWindow, false);
    diameterWindowPalette_ = Edit(EditId::Edit2).palette();
    requestedMaximum_ = progressBar_.maximum();
    // Esc in either window stops the sweep.
    stopKey_.setContext(Qt::ApplicationShortcut);
    stopKey_.setEnabled(false);
    QObject::connect(&stopKey_, &QShortcut::activated, [this] { RequestStop(false); });
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

std::string QtWindowServices::InputText(EditId field) const {
    // The inputs are locked during a sweep: their texts, read once, are read millions of times.
    return sweepRunning_ ? lockedTexts_[Index(field)] : Utf8(Edit(field).text());
}

double QtWindowServices::NumberFrom(EditId field) const {
    if (sweepRunning_) { // the locked texts: each is parsed once for the whole sweep
        return lockedNumbers_.Read(field, lockedTexts_[Index(field)], separator_);
    }
    return ConvertField(field, [&] { return ParseNumber(Utf8(Edit(field).text()), separator_); });
}

int QtWindowServices::IntegerFrom(EditId field) const {
    const std::string text = InputText(field);
    return ConvertField(field, [&] { return ParseInteger(text); });
}

void QtWindowServices::SetText(EditId field, const std::string& text) {
    QLineEdit& edit = Edit(field);
    edit.setText(QString::fromStdString(text));
    edit.setCursorPosition(0); // show the beginning of a text longer than the field
}

void QtWindowServices::SetStatusText(const std::string& text) {
    if (sweepRunning_) {
        return; // the hint how to stop the sweep stays; the steps' regime texts are not shown
    }
    statusPanel_.setText(QString::fromStdString(text));
}

void QtWindowServices::SetDiameterFieldColour(FieldColour colour) {
    QLineEdit& edit = Edit(EditId::Edit2);
    if (colour == FieldColour::Window) {
        edit.setPalette(diameterWindowPalette_);
        return;
    }
    edit.setPalette(GreyedPalette(diameterWindowPalette_));
}

void QtWindowServices::SetDiameterFieldEnabled(bool enabled) {
    Edit(EditId::Edit2).setEnabled(enabled);
}

void QtWindowServices::ShowMessage(const std::string& text) {
    if (windowClosing_) {
        return; // the program ends: nobody would read it
    }
    // A study shows a tube geometry's message once per step: kept once.
    if (std::find(shownMessages_.begin(), shownMessages_.end(), text) == shownMessages_.end()) {
        shownMessages_.push_back(text);
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kProgramTitle),
                    QString::fromStdString(text), QMessageBox::Ok, &mainWindow_);
    box.exec();
}

void QtWindowServices::SetSaveToFileChecked(bool checked) {
    saveToFileItem_.setChecked(checked);
}

std::optional<std::string> QtWindowServices::ChooseResultsFile() {
    return AskForFile(saveDialog_, FileKind::StudyResults);
}

void QtWindowServices::SetProgressMaximum(int maximum) {
    // A bar whose maximum equals its minimum turns into a busy indicator; one step of
    // range keeps it an ordinary bar.
    requestedMaximum_ = maximum;
    progressBar_.setMaximum(std::max(maximum, progressBar_.minimum() + 1));
}

void QtWindowServices::SetProgressPosition(int position) {
    // At a maximum of 0 (a one-step sweep) the position 0 is the end: the bar shows full.
    const bool atEnd = requestedMaximum_ <= progressBar_.minimum() && position >= requestedMaximum_;
    const int shown = atEnd ? progressBar_.maximum() : position;
    // QProgressBar ignores a value outside its range instead of limiting it.
    progressBar_.setValue(std::clamp(shown, progressBar_.minimum(), progressBar_.maximum()));
}

int QtWindowServices::ProgressPosition() const {
    // Before its first value the bar reports minimum - 1.
    return std::clamp(progressBar_.value(), progressBar_.minimum(),
                      std::max(requestedMaximum_, progressBar_.minimum()));
}

void QtWindowServices::ShowRangeDialog() {
    QWidget& dialog = RangeDialog();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

char QtWindowServices::DecimalSeparator() const {
    return separator_;
}

std::unique_ptr<ResultsSink> QtWindowServices::OpenResultsFile(const std::string& path) {
    return OpenUserFile(path, ReaderWait::Briefly);
}

std::string QtWindowServices::Text(EditId field) const {
    return Utf8(Edit(field).text());
}

void QtWindowServices::Select(ButtonId button) {
    // The buttons of a group are exclusive: checking one clears the others.
    Button(button).setChecked(true);
}

std::string QtWindowServices::ConversionFailureText(const ConversionError& failure) const {
    if (!failure.Field()) {
        return failure.what();
    }
    const EditId field = *failure.Field();
    const bool greyed = FormOf(field) == FormId::MainWindow && !Edit(field).isEnabled();
    return FieldConversionMessage(LabelOf(field), failure.what(), greyed);
}

void QtWindowServices::ReportConversionFailure(const ConversionError& failure) {
    ShowFailure(&mainWindow_, QString::fromStdString(ConversionFailureText(failure)));
    if (!failure.Field()) {
        return;
    }
    const EditId field = *failure.Field();
    FieldStates::Of(mainWindow_).OpenForCorrection(field);
    FocusField(field);
}

void QtWindowServices::FocusField(EditId field) {
    if (FormOf(field) == FormId::RangeDialog) {
        ShowRangeDialog();
    }
    QLineEdit& edit = Edit(field);
    edit.activateWindow();
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
}

void QtWindowServices::KeepAlive() {
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintIntervalMs) {
        return;
    }
    // The user's keys and clicks too: the inputs are locked, Esc and closing stop the sweep.
    QCoreApplication::processEvents();
    sinceRepaint_.restart();
}

void QtWindowServices::RequestStop(bool windowClosing) {
    if (sweepRunning_) {
        stopRequested_ = true;
        windowClosing_ = windowClosing_ || windowClosing;
    }
}

void QtWindowServices::SetSweepRunning(bool running) {
    if (running == sweepRunning_) {
        return;
    }
    sweepRunning_ = running;
    stopKey_.setEnabled(running);
    if (running) {
        stopRequested_ = false;
        statusBeforeSweep_ = statusPanel_.text();
        LockInputs();
        statusPanel_.setText(QString::fromUtf8(kStopHint));
        sinceRepaint_.invalidate(); // show the locked window and the hint at once
        return;
    }
    RestoreInputs();
    statusPanel_.setText(statusBeforeSweep_);
}

// Every input and selection of both windows, the menu and Button1 are disabled while a
// sweep runs, so that the file and the results shown after it describe the same inputs;
// their states before are restored exactly afterwards (Edit2's follows the geometry).
void QtWindowServices::LockInputs() {
    lockedWidgets_.clear();
    lockedActions_.clear();
    lockedNumbers_.ForgetAll();
    for (std::size_t i = 0; i < kEditCount; ++i) {
        if (edits_[i] != nullptr && !IsResultField(static_cast<EditId>(i))) {
            lockedWidgets_.emplace_back(edits_[i], edits_[i]->isEnabled());
            lockedTexts_[i] = Utf8(edits_[i]->text());
        }
    }
    for (QRadioButton* button : buttons_) {
        if (button != nullptr) {
            lockedWidgets_.emplace_back(button, button->isEnabled());
        }
    }
    auto& compute = FindControl<QPushButton>(mainWindow_, "Button1");
    lockedWidgets_.emplace_back(&compute, compute.isEnabled());
    if (auto* buttons = RangeDialog().findChild<QWidget*>(QStringLiteral("DialogButtons"))) {
        lockedWidgets_.emplace_back(buttons, buttons->isEnabled()); // Zrušiť would change texts
    }
    if (auto* window = qobject_cast<QMainWindow*>(&mainWindow_)) {
        lockedWidgets_.emplace_back(window->menuBar(), window->menuBar()->isEnabled());
    }
    // The menu items too, so that their shortcuts do nothing either.
    for (QAction* action : mainWindow_.findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        lockedActions_.emplace_back(action, action->isEnabled());
    }
    for (const auto& [widget, enabled] : lockedWidgets_) {
        widget->setEnabled(false);
    }
    for (const auto& [action, enabled] : lockedActions_) {
        action->setEnabled(false);
    }
}

void QtWindowServices::RestoreInputs() {
    for (const auto& [widget, enabled] : lockedWidgets_) {
        widget->setEnabled(enabled);
    }
    for (const auto& [action, enabled] : lockedActions_) {
        action->setEnabled(enabled);
    }
    lockedWidgets_.clear();
    lockedActions_.clear();
}

} // namespace vortalin
