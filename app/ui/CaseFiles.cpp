#include "app/ui/CaseFiles.h"

#include "app/ui/ErrorBox.h"
#include "app/ui/FormControls.h"
#include "app/ui/QtWindowServices.h"
#include "app/ui/StatusBarPanels.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace vortalin {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The unsaved-changes question; its buttons in the order a Slovak desktop shows them.
QMessageBox::StandardButton AskToSave(QWidget& window, const QString& caseName) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kProgramTitle),
                    QStringLiteral("Uložiť zmeny v prípade %1?").arg(caseName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window);
    box.setObjectName(QStringLiteral("SaveChangesBox"));
    box.button(QMessageBox::Save)->setText(QStringLiteral("Uložiť"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Zahodiť"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Zrušiť"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// "ohrievac.vortalin – /home/jana/prípady", with the folder for cases of the same name.
QString RecentItemText(int number, const QString& path) {
    const QFileInfo file(path);
    return QStringLiteral("&%1 %2 – %3")
        .arg(number)
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
}

} // namespace

QString CaseWindowTitle(const QString& caseName, bool hasFile, bool modified) {
    const QString program = QString::fromUtf8(kProgramTitle);
    if (!hasFile && !modified) {
        return program;
    }
    return caseName + (modified ? QStringLiteral("*") : QString()) + QStringLiteral(" – ") +
           program;
}

CaseFiles::CaseFiles(QMainWindow& window, QtWindowServices& services,
                     std::function<void()> resultsGone)
    : QObject(&window), window_(window), services_(services), resultsGone_(std::move(resultsGone)) {
    AddMenuItems(FindControl<QMenu>(window, "Sbor1"), FindControl<QAction>(window, "Koniec1"));
}

void CaseFiles::AddMenuItems(QMenu& fileMenu, QAction& before) {
    // Parented to the window, like the designer's items, so that a sweep locks them too.
    auto* saveAs = new QAction(QStringLiteral("Uložiť ako…"), &window_);
    saveAs->setObjectName(QStringLiteral("Ulozitako1"));
    saveAs->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    connect(saveAs, &QAction::triggered, this,
            [this] { RunCommand(&window_, [this] { SaveAs(); }); });
    fileMenu.insertAction(&before, saveAs);
    fileMenu.insertSeparator(&before);
    for (std::size_t i = 0; i < recentItems_.size(); ++i) {
        auto* item = new QAction(&window_);
        item->setObjectName(QStringLiteral("Nedavnypripad%1").arg(i + 1));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, item] {
            const QString path = item->data().toString();
            RunCommand(&window_, [this, &path] { OpenRecent(path); });
        });
        fileMenu.insertAction(&before, item);
        recentItems_[i] = item;
    }
    fileMenu.insertSeparator(&before);
    // Another run of the program may have changed the list meanwhile.
    connect(&fileMenu, &QMenu::aboutToShow, this, &CaseFiles::ShowRecentCases);
    ShowRecentCases();
}

void CaseFiles::Start(QWidget& rangeDialog) {
    saved_ = CaseOf(services_);
    started_ = true;
    WatchInputs(window_);
    WatchInputs(rangeDialog);
    ShowTitle();
}

void CaseFiles::WatchInputs(const QWidget& form) {
    const FormId which =
        form.objectName() == window_.objectName() ? FormId::MainWindow : FormId::RangeDialog;
    for (const InputField& f : kInputFields) {
        if (FormOf(f.field) == which) {
            connect(&FindEdit(form, f.field), &QLineEdit::textChanged, this, &CaseFiles::ShowTitle);
        }
    }
    for (const SelectionName& s : kSelectionNames) {
        for (const ChoiceValue& c : s.values) {
            if (FormOf(c.button) == which) {
                connect(&FindButton(form, c.button), &QRadioButton::toggled, this,
                        &CaseFiles::ShowTitle);
            }
        }
    }
}

bool CaseFiles::Modified() const {
    return started_ && CaseOf(services_) != saved_;
}

QString CaseFiles::DisplayName() const {
    return path_.empty() ? QString::fromUtf8(kUntitledName) : QFileInfo(FromUtf8(path_)).fileName();
}

void CaseFiles::ShowTitle() {
    window_.setWindowTitle(CaseWindowTitle(DisplayName(), !path_.empty(), Modified()));
}

bool CaseFiles::MayLeave() {
    if (!Modified()) {
        return true;
    }
    switch (AskToSave(window_, DisplayName())) {
    case QMessageBox::Save:
        return Save(); // a save dialog cancelled or a failed save keeps the case
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void CaseFiles::Load() {
    if (!MayLeave()) {
        return;
    }
    if (const std::optional<std::string> path =
            AskForFile(FindControl<QFileDialog>(window_, "OpenDialog1"), FileKind::Case)) {
        LoadFrom(*path);
    }
}

void CaseFiles::OpenRecent(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        KeptSettings::ForgetRecentCase(path);
        ShowRecentCases();
        services_.ShowMessage(MissingRecentCaseMessage(path.toStdString()));
        return;
    }
    if (MayLeave()) {
        LoadFrom(path.toStdString());
    }
}

void CaseFiles::Open(const std::string& path) {
    if (MayLeave()) {
        LoadFrom(path);
    }
}

void CaseFiles::LoadFrom(const std::string& path) {
    const CaseReading reading = ReadCaseFile(path, services_.DecimalSeparator());
    if (!ApplyReading(reading, services_)) {
        services_.ShowMessage(CaseRefusedMessage(path, reading.problem));
        return;
    }
    resultsGone_(); // no result of the previous inputs may stay on screen
    Saved(path);
    if (identityLoaded_) {
        identityLoaded_(reading.inputs->identity, path);
    }
    if (!reading.unknownKeys.empty()) {
        services_.ShowMessage(UnknownKeysMessage(path, reading.unknownKeys));
    }
}

void CaseFiles::KeepIdentity(std::function<CaseIdentity()> current,
                             std::function<void(const CaseIdentity&, const std::string&)> loaded,
                             std::function<void(const std::string&)> saved) {
    currentIdentity_ = std::move(current);
    identityLoaded_ = std::move(loaded);
    caseSaved_ = std::move(saved);
}

bool CaseFiles::Save() {
    return path_.empty() ? SaveAs() : SaveTo(path_);
}

bool CaseFiles::SaveAs() {
    const std::optional<std::string> path =
        AskForFile(FindControl<QFileDialog>(window_, "SaveDialog2"), FileKind::Case);
    return path && SaveTo(*path);
}

bool CaseFiles::SaveTo(const std::string& path) {
    CaseInputs inputs = CaseOf(services_);
    if (currentIdentity_) {
        inputs.identity = currentIdentity_();
    }
    const std::string failure = WriteCaseFile(path, inputs, ReaderWait::Briefly);
    if (!failure.empty()) {
        services_.ShowMessage(CaseNotSavedMessage(path, failure));
        return false;
    }
    Saved(path);
    if (caseSaved_) {
        caseSaved_(path);
    }
    StatusBarPanels::Of(window_).Confirm(
        QStringLiteral("Prípad uložený do %1.").arg(QFileInfo(FromUtf8(path)).fileName()));
    return true;
}

void CaseFiles::Saved(const std::string& path) {
    path_ = path;
    saved_ = CaseOf(services_);
    KeptSettings::AddRecentCase(FromUtf8(path));
    ShowRecentCases();
    ShowTitle();
}

void CaseFiles::ShowRecentCases() {
    const QStringList paths = KeptSettings::RecentCases();
    for (std::size_t i = 0; i < recentItems_.size(); ++i) {
        QAction& item = *recentItems_[i];
        const bool used = static_cast<qsizetype>(i) < paths.size();
        item.setVisible(used);
        item.setData(used ? paths[static_cast<qsizetype>(i)] : QString());
        item.setText(used
                         ? RecentItemText(static_cast<int>(i) + 1, paths[static_cast<qsizetype>(i)])
                         : QString());
    }
}

std::string MissingRecentCaseMessage(const std::string& path) {
    return "Prípad „" + path + "“ už neexistuje. Zo zoznamu nedávnych prípadov bol odstránený.";
}

} // namespace vortalin
