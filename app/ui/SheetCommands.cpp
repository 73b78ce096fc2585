#include "app/ui/SheetCommands.h"

#include "app/report/SheetContent.h"
#include "app/report/SheetJson.h"
#include "app/report/SheetPainter.h"
#include "app/ui/FormControls.h"
#include "app/ui/QtWindowServices.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>

namespace vortalin {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QAction& AddItem(QMainWindow& window, QMenu& menu, QAction* before, const char* caption,
                 const char* name) {
    auto* item = new QAction(QString::fromUtf8(caption), &window);
    item->setObjectName(QLatin1String(name));
    menu.insertAction(before, item);
    return *item;
}

void CreatePdfDialog(QMainWindow& window) {
    auto* dialog = new QFileDialog(&window);
    dialog->setObjectName(QStringLiteral("SaveDialog3"));
    dialog->setWindowTitle(QStringLiteral("Exportovať protokol do PDF"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(QStringLiteral("Dokument PDF (*.pdf)"));
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
}

// The dialog's fields are named after the case-file keys ("project", "note", ...).
void CreateIdentityDialog(QMainWindow& window) {
    auto* dialog = new QDialog(&window);
    dialog->setObjectName(QStringLiteral("CaseIdentityDialog"));
    dialog->setWindowTitle(QStringLiteral("Údaje o prípade"));
    auto* layout = new QFormLayout(dialog);
    for (const IdentityField& field : kIdentityFields) {
        QWidget* edit = field.text == &CaseIdentity::note
                            ? static_cast<QWidget*>(new QPlainTextEdit(dialog))
                            : static_cast<QWidget*>(new QLineEdit(dialog));
        edit->setObjectName(Q(field.name));
        layout->addRow(Q(field.label) + QStringLiteral(":"), edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addRow(buttons);
    dialog->resize(420, dialog->sizeHint().height());
}

// The fields are line edits, but the note's, which takes several lines.
QString TextOf(const QWidget& edit) {
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(&edit)) {
        return plain->toPlainText();
    }
    return static_cast<const QLineEdit&>(edit).text();
}

void SetTextOf(QWidget& edit, const QString& text) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(&edit)) {
        plain->setPlainText(text);
    } else {
        static_cast<QLineEdit&>(edit).setText(text);
    }
}

} // namespace

SheetCommands::SheetCommands(QMainWindow& mainWindow, QMenu& menu, QAction* before,
                             QtWindowServices& services)
    : QObject(&mainWindow), mainWindow_(mainWindow), services_(services) {
    CreatePdfDialog(mainWindow);
    CreateIdentityDialog(mainWindow);
    QAction& identity = AddItem(mainWindow, menu, before, "Údaje o prípade…", "dajeoprpade1");
    QAction& print = AddItem(mainWindow, menu, before, "Tlačiť…", "Tlai1");
    print.setShortcut(QKeySequence::Print);
    mainWindow.addAction(&print); // the shortcut works with the menu closed
    QAction& pdf =
        AddItem(mainWindow, menu, before, "Exportovať protokol do PDF…", "ExportovaprotokoldoPDF1");
    menu.insertSeparator(before);
    connect(&identity, &QAction::triggered, this, &SheetCommands::EditIdentity);
    connect(&print, &QAction::triggered, this, &SheetCommands::Print);
    connect(&pdf, &QAction::triggered, this, &SheetCommands::ExportPdf);
}

void SheetCommands::CaseLoaded(const CaseIdentity& identity) {
    identity_ = identity;
    lastRun_.reset();
}

Sheet SheetCommands::SheetNow() const {
    return BuildSheet(lastRun_, identity_, CurrentSheetHead(caseFile_));
}

void SheetCommands::EditIdentity() {
    auto& dialog = FindControl<QDialog>(mainWindow_, "CaseIdentityDialog");
    for (const IdentityField& field : kIdentityFields) {
        SetTextOf(FindControl<QWidget>(dialog, std::string(field.name)), Q(identity_.*field.text));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    for (const IdentityField& field : kIdentityFields) {
        identity_.*field.text =
            TextOf(FindControl<QWidget>(dialog, std::string(field.name))).toStdString();
    }
}

void SheetCommands::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    printer.setDocName(QStringLiteral("Vortalin – protokol"));
    QPrintDialog dialog(&printer, &mainWindow_);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    if (dialog.exec() == QDialog::Accepted) {
        PaintSheet(SheetNow(), printer);
    }
}

void SheetCommands::ExportPdf() {
    const std::optional<std::string> path =
        AskForFile(FindControl<QFileDialog>(mainWindow_, "SaveDialog3"));
    if (!path) {
        return;
    }
    const std::string failure = WriteSheetPdf(SheetNow(), *path, ReaderWait::Briefly);
    if (!failure.empty()) {
        services_.ShowMessage(SheetNotSavedMessage(*path, failure));
    }
}

} // namespace vortalin
