#include "app/ui/Unit1.h"

#include "app/compute/ConversionError.h"
#include "app/form/FieldDescriptions.h"
#include "app/form/Geometries.h"
#include "app/form/Selections.h"
#include "app/ui/CaseFiles.h"
#include "app/ui/ChartWindow.h"
#include "app/ui/EquationPanel.h"
#include "app/ui/ErrorBox.h"
#include "app/ui/FieldStates.h"
#include "app/ui/FormControls.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/OuterGeometry.h"
#include "app/ui/ResultFields.h"
#include "app/ui/ResultsCopy.h"
#include "app/ui/SheetCommands.h"
#include "app/ui/Sketch.h"
#include "app/ui/StaleResults.h"
#include "app/ui/StatusBarPanels.h"
#include "app/ui/StudyReport.h"
#include "app/ui/TextFitting.h"
#include "app/ui/Unit2.h"
#include "app/ui/WindowKeys.h"
#include "ui_Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QPointer>

#include <optional>

namespace {

constexpr QSize kOuterSize(955, 611); // frame included

} // namespace

using vortalin::ButtonId;

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), ui_(std::make_unique<Ui::TForm1>()) {
    ui_->setupUi(this);
    CreateStatusPanel();
    CreateSaveDialog();
    CreateCaseDialogs();
    LoadSketches();
    vortalin::ShowDefaults(*this, vortalin::FormId::MainWindow);
    fieldStates_ = new vortalin::FieldStates(*this);
    staleResults_ = new vortalin::StaleResults(*this);
    vortalin::FitCaptions(*centralWidget());
    vortalin::KeepResultsReadable(*this);
    vortalin::SetUpKeyboard(*this, *ui_->Button1);
    vortalin::AddCopyResultsItem(*this, *ui_->daje1, copiedResults_);
    new vortalin::OuterGeometry(*this, kOuterSize);
    equationPanel_ = new vortalin::EquationPanel(*this); // its warnings strip counts below
    SetMinimumSizeToShowEveryControl();

    services_ = std::make_unique<vortalin::QtWindowServices>(*this);
    calculator_ = std::make_unique<vortalin::Calculator>(*services_);
    chartWindow_ = new vortalin::ChartWindow(this);
    vortalin::AddHelpMenu(*this, *new vortalin::HelpWindow(*this),
                          [this] { return vortalin::SelectedGeometry(*services_); });
    caseFiles_ = new vortalin::CaseFiles(*this, *services_, [this] {
        calculator_->ResetOutputs();
        equationPanel_->Clear();
        staleResults_->ComputeEnded(false);
    });
    caseFiles_->KeepIdentity(
        [this] { return sheetCommands_->Identity(); },
        [this](const vortalin::CaseIdentity& identity, const std::string& path) {
            sheetCommands_->CaseLoaded(identity);
            sheetCommands_->SetCaseFile(path);
        },
        [this](const std::string& path) { sheetCommands_->SetCaseFile(path); });
    // After the case items, so that the sheet's items stand just above "Koniec".
    sheetCommands_ = new vortalin::SheetCommands(*this, *ui_->Sbor1, ui_->Koniec1, *services_);
    ConnectHandlers();
    WatchGeometryButtonsFocus();
}

TForm1::~TForm1() = default;

void TForm1::AttachRangeDialog(TForm2& form2) {
    services_->AttachRangeDialog(form2);
    fieldStates_->AttachRangeDialog(form2);
    caseFiles_->Start(form2);
}

void TForm1::SetMinimumSizeToShowEveryControl() {
    // The controls stand at fixed places: the client area may not get smaller than the
    // rectangle they take, and the window not smaller than what that leaves room for.
    // Hidden controls count too: the warnings strip shows only after some runs.
    QWidget& client = *centralWidget();
    QRect controls;
    for (const QWidget* child : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        controls |= child->geometry();
    }
    client.setMinimumSize(controls.right() + 1, controls.bottom() + 1);
}

void TForm1::CreateStatusPanel() {
    new vortalin::StatusBarPanels(*ui_->StatusBar1);
}

void TForm1::CreateSaveDialog() {
    // Qt's own dialog rather than the platform's, so that it behaves alike everywhere.
    auto* dialog = new QFileDialog(this);
    dialog->setObjectName(QStringLiteral("SaveDialog1"));
    dialog->setWindowTitle(QStringLiteral("Uložiť výsledky parametrickej štúdie"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->setNameFilter(QStringLiteral("Textový súbor (*.txt)"));
    dialog->setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
}

void TForm1::CreateCaseDialogs() {
    const QString filter = QStringLiteral("Prípad Vortalinu (*.vortalin)");
    const QString suffix = QStringLiteral("vortalin");
    auto* open = new QFileDialog(this);
    open->setObjectName(QStringLiteral("OpenDialog1"));
    open->setWindowTitle(QStringLiteral("Načítať prípad"));
    open->setAcceptMode(QFileDialog::AcceptOpen);
    open->setFileMode(QFileDialog::ExistingFile);
    open->setNameFilter(filter);
    open->setDefaultSuffix(suffix);
    open->setOption(QFileDialog::DontUseNativeDialog);
    // Overwriting an existing case is confirmed, as save dialogs usually do.
    auto* save = new QFileDialog(this);
    save->setObjectName(QStringLiteral("SaveDialog2"));
    save->setWindowTitle(QStringLiteral("Uložiť prípad"));
    save->setAcceptMode(QFileDialog::AcceptSave);
    save->setFileMode(QFileDialog::AnyFile);
    save->setNameFilter(filter);
    save->setDefaultSuffix(suffix);
    save->setOption(QFileDialog::DontUseNativeDialog);
}

void TForm1::LoadSketches() {
    for (const vortalin::GeometryEntry& geometry : vortalin::kGeometries) {
        const QString name =
            QString::fromUtf8(geometry.sketch.data(), qsizetype(geometry.sketch.size()));
        vortalin::FindControl<vortalin::Sketch>(*this, name.toStdString()).Load(name);
    }
}

void TForm1::ConnectHandlers() {
    connect(ui_->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(ui_->Nastavenierozsahu1, &QAction::triggered, this, &TForm1::Nastavenierozsahu1Click);
    connect(ui_->Ulodosboru1, &QAction::triggered, this, &TForm1::Ulodosboru1Click);
    connect(ui_->Nataj1, &QAction::triggered, this, &TForm1::Nataj1Click);
    connect(ui_->Ulo1, &QAction::triggered, this, &TForm1::Ulo1Click);
    connect(ui_->Koniec1, &QAction::triggered, this, &TForm1::Koniec1Click);
    connect(ui_->Grafparametrickejtdie1, &QAction::triggered, this,
            &TForm1::Grafparametrickejtdie1Click);
}

void TForm1::WatchGeometryButtonsFocus() {
    for (const vortalin::GeometryEntry& geometry : vortalin::kGeometries) {
        vortalin::FindButton(*this, geometry.button).installEventFilter(this);
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // The enter handler of a geometry button runs when the button receives the input
    // focus, by a click or from the keyboard; it is the slot named after the button.
    if (event->type() == QEvent::FocusIn) {
        const QByteArray handler = watched->objectName().toLatin1() + "Enter";
        QMetaObject::invokeMethod(this, handler.constData(), Qt::DirectConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::Button1Click() {
    // The focus returns where it was, unless a text that is no number takes it.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    std::optional<vortalin::ConversionError> conversionFailure;
    // Disabled while the command runs, so that a repaint during a long sweep cannot
    // start a second one.
    ui_->Button1->setEnabled(false);
    StudyStarts();
    const auto sweepBefore = calculator_->LastSweep();
    services_->ForgetShownMessages();
    equationPanel_->Clear(); // nothing of the previous run stays marked while this one runs
    vortalin::RunCommand(this, [this, &conversionFailure] {
        try {
            calculator_->Button1Click();
        } catch (const vortalin::ConversionError& failure) {
            conversionFailure = failure;
        }
    });
    ui_->Button1->setEnabled(true);
    copiedResults_.ComputeEnded(*this, calculator_->ResultsShown());
    staleResults_->ComputeEnded(calculator_->ResultsShown());
    RestoreFieldStates();
    KeepRunForTheSheet(conversionFailure);
    equationPanel_->ShowRun(*calculator_, services_->DecimalSeparator());
    if (calculator_->LastSweep() != sweepBefore) {
        SweepCompleted();
    }
    ShowStudyMark(); // a first study asks for its file
    if (closeAfterCommand_) {
        closeAfterCommand_ = false; // the question about unsaved changes may keep it open
        close();
        return;
    }
    // A stopped study ran no single point whose refusal could name a field.
    const bool refusedRun = !calculator_->ResultsShown() && !calculator_->SweepStopped();
    const std::optional<vortalin::EditId> refused =
        refusedRun ? calculator_->RefusedField() : std::nullopt;
    if (conversionFailure) {
        services_->ReportConversionFailure(*conversionFailure);
    } else if (refused) {
        services_->FocusField(*refused);
    } else if (focused != nullptr) {
        focused->setFocus(Qt::OtherFocusReason);
    }
}

void TForm1::StudyStarts() {
    // The bar and the summary showed the previous study.
    ui_->ProgressBar1->setValue(ui_->ProgressBar1->minimum());
    vortalin::StatusBarPanels::Of(*this).SetStudySummary({});
}

void TForm1::KeepRunForTheSheet(const std::optional<vortalin::ConversionError>& failure) {
    std::optional<std::string> stopped;
    if (failure) {
        stopped = services_->ConversionFailureText(*failure);
    }
    const QString status = vortalin::FindControl<QLabel>(*this, "StatusPanel0").text();
    sheetCommands_->ComputeEnded(vortalin::SnapshotOf(
        *services_, *calculator_, status.toStdString(), services_->ShownMessages(), stopped));
}

void TForm1::SweepCompleted() {
    chartWindow_->ShowSweep(calculator_->LastSweep(), StudySubject());
    const vortalin::SweepSettings& sweep = calculator_->State().sweep;
    QString summary = vortalin::StudySummaryText(*calculator_->LastSweep(), sweep.fileName);
    // A study of a variable the geometry does not use is written as any other; the summary
    // says why all its lines are alike.
    if (const std::optional<vortalin::EditId> swept = calculator_->SweptField()) {
        const std::string note =
            vortalin::ConstantStudyNote(vortalin::SelectedGeometry(*services_), *swept);
        if (!note.empty()) {
            summary += QLatin1Char(' ') + QString::fromStdString(note);
        }
    }
    vortalin::StatusBarPanels::Of(*this).SetStudySummary(summary,
                                                         QString::fromStdString(sweep.fileName));
}

// A field opened for correcting a text that was no number is greyed again if the geometry
// does not use it.
void TForm1::RestoreFieldStates() {
    vortalin::GeometryButtonEnter(*services_,
                                  vortalin::ButtonOf(vortalin::SelectedGeometry(*services_)));
    fieldStates_->Refresh();
}

QString TForm1::StudySubject() const {
    // The captions of the selected buttons, as the window shows them.
    const vortalin::Fluid fluid = vortalin::SelectedFluid(*services_);
    const vortalin::Geometry geometry = vortalin::SelectedGeometry(*services_);
    return vortalin::FindButton(*this, vortalin::ButtonOf(fluid)).text() + QStringLiteral(" – ") +
           QString::fromUtf8(vortalin::GeometryCaption(geometry).data());
}

void TForm1::ShowStudyMark() {
    const vortalin::SweepSettings& sweep = calculator_->State().sweep;
    vortalin::StatusBarPanels::Of(*this).SetStudyMark(vortalin::StudyMarkText(sweep),
                                                      vortalin::StudyMarkToolTip(sweep));
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (services_->SweepRunning()) {
        services_->RequestStop(true);
        closeAfterCommand_ = true;
        event->ignore();
        return;
    }
    // Nothing typed is lost: unsaved changes are saved or discarded only when the user says so.
    if (!caseFiles_->MayLeave()) {
        services_->WindowStaysOpen();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TForm1::GeometryButtonEntered(ButtonId button) {
    vortalin::RunCommand(this, [&] { vortalin::GeometryButtonEnter(*services_, button); });
}

void TForm1::RadioButton1Enter() {
    GeometryButtonEntered(ButtonId::RadioButton1);
}
void TForm1::RadioButton6Enter() {
    GeometryButtonEntered(ButtonId::RadioButton6);
}
void TForm1::RadioButton7Enter() {
    GeometryButtonEntered(ButtonId::RadioButton7);
}
void TForm1::RadioButton8Enter() {
    GeometryButtonEntered(ButtonId::RadioButton8);
}
void TForm1::RadioButton9Enter() {
    GeometryButtonEntered(ButtonId::RadioButton9);
}
void TForm1::RadioButton10Enter() {
    GeometryButtonEntered(ButtonId::RadioButton10);
}
void TForm1::RadioButton11Enter() {
    GeometryButtonEntered(ButtonId::RadioButton11);
}
void TForm1::RadioButton12Enter() {
    GeometryButtonEntered(ButtonId::RadioButton12);
}
void TForm1::RadioButton13Enter() {
    GeometryButtonEntered(ButtonId::RadioButton13);
}
void TForm1::RadioButton14Enter() {
    GeometryButtonEntered(ButtonId::RadioButton14);
}
void TForm1::RadioButton18Enter() {
    GeometryButtonEntered(ButtonId::RadioButton18);
}

void TForm1::Nastavenierozsahu1Click() {
    vortalin::RunCommand(this, [this] { calculator_->Nastavenierozsahu1Click(); });
}

void TForm1::Ulodosboru1Click() {
    vortalin::RunCommand(this, [this] { calculator_->Ulodosboru1Click(); });
    ShowStudyMark();
}

void TForm1::Nataj1Click() {
    vortalin::RunCommand(this, [this] { caseFiles_->Load(); });
}

void TForm1::OpenCase(const std::string& path) {
    vortalin::RunCommand(this, [&] { caseFiles_->Open(path); });
}

void TForm1::Ulo1Click() {
    vortalin::RunCommand(this, [this] { caseFiles_->Save(); });
}

void TForm1::Koniec1Click() {
    close();
}

void TForm1::Grafparametrickejtdie1Click() {
    // Modeless, like the range dialog: shown, or brought forward when already shown.
    chartWindow_->show();
    chartWindow_->raise();
    chartWindow_->activateWindow();
}
