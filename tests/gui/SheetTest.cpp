// The calculation sheet in the window: "Exportovať protokol do PDF…" answered like a user
// answers its dialog, the PDF read back with pdftotext; "Údaje o prípade…" kept in the
// case file; "Tlačiť…" opens the print dialog.

#include "app/ui/VortalinApplication.h"
#include "tests/PdfTools.h"
#include "tests/gui/GuiTestSupport.h"

#include "app/report/Captions.h"
#include "app/report/SheetContent.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>

using vortalin::test::Find;
using vortalin::test::ModalWatcher;
using vortalin::test::PdfLines;

namespace {

bool HasLine(const QStringList& lines, const QString& wanted) {
    return std::any_of(lines.begin(), lines.end(),
                       [&wanted](const QString& line) { return line.contains(wanted); });
}

ModalWatcher::DialogHandler SavePdfAs(const QString& path) {
    return [=](QDialog& dialog) {
        auto* chooser = qobject_cast<QFileDialog*>(&dialog);
        QVERIFY(chooser != nullptr);
        QCOMPARE(chooser->objectName(), QString("SaveDialog3"));
        QCOMPARE(chooser->nameFilters(), QStringList{"Dokument PDF (*.pdf)"});
        QCOMPARE(chooser->defaultSuffix(), QString("pdf"));
        vortalin::test::EnterFileName(*chooser, path);
    };
}

} // namespace

class SheetTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { run_.reset(); }
    void exportShowsTheComputedCaseNotLaterInputs();
    void exportWithoutComputeHasNoNumbers();
    void refusedComputeGivesTheRefusal();
    void identityGoesIntoTheCaseFile();
    void printOpensThePrintDialog();
    void captionsAreTheWindows();

private:
    QWidget& Form1() { return run_->windows->form1; }
    QString Path(const QString& name) const { return run_->dir.filePath(name); }
    void Compute() { QTest::mouseClick(Find<QPushButton>(Form1(), "Button1"), Qt::LeftButton); }
    void Type(const char* field, const QString& text) {
        vortalin::test::TypeInto(*Find<QLineEdit>(Form1(), field), text);
    }
    QStringList ExportPdf(const QString& name, ModalWatcher& watcher);
    void EnterIdentity(ModalWatcher& watcher, const QString& project, const QString& note);

    std::unique_ptr<vortalin::test::WindowsInFolder> run_;
};

void SheetTest::init() {
    run_ = std::make_unique<vortalin::test::WindowsInFolder>();
    QVERIFY(run_->dir.isValid());
}

QStringList SheetTest::ExportPdf(const QString& name, ModalWatcher& watcher) {
    watcher.SetDialogHandler(SavePdfAs(Path(name)));
    vortalin::test::ChooseMenuItem(Form1(), "Sbor1", "ExportovaprotokoldoPDF1");
    return PdfLines(Path(name));
}

void SheetTest::EnterIdentity(ModalWatcher& watcher, const QString& project, const QString& note) {
    watcher.SetDialogHandler([=](QDialog& dialog) {
        QCOMPARE(dialog.objectName(), QString("CaseIdentityDialog"));
        QCOMPARE(dialog.windowTitle(), QString("Údaje o prípade"));
        vortalin::test::TypeInto(*Find<QLineEdit>(dialog, "project"), project);
        vortalin::test::TypeInto(*Find<QLineEdit>(dialog, "author"), "Ing. Hudec");
        Find<QPlainTextEdit>(dialog, "note")->setPlainText(note);
        dialog.accept();
    });
    vortalin::test::ChooseMenuItem(Form1(), "Sbor1", "dajeoprpade1");
}

void SheetTest::exportShowsTheComputedCaseNotLaterInputs() {
    ModalWatcher watcher;
    Compute();
    Type("Edit1", "7"); // typed after the Compute: not on the sheet
    EnterIdentity(watcher, "Sušiareň", "Návrh 1");
    const QStringList lines = ExportPdf("protokol.pdf", watcher);
    QVERIFY(HasLine(lines, "Rýchlosť tekutiny (m.s-1) 1"));
    QVERIFY(!HasLine(lines, "Rýchlosť tekutiny (m.s-1) 7"));
    QVERIFY(HasLine(lines, "Nusseltovo číslo Nu (1) 27,0810"));
    QVERIFY(HasLine(lines, "Súčiniteľ prestupu tepla α (W.m-2.K-1) 6,8910"));
    QVERIFY(HasLine(lines, "Oblasť prúdenia Nachádzate sa v prechodovej oblasti prúdenia."));
    QVERIFY(HasLine(lines, "Projekt Sušiareň"));
    QVERIFY(HasLine(lines, "Vypracoval Ing. Hudec"));
    QVERIFY(HasLine(lines, "Poznámka Návrh 1"));
    QVERIFY(HasLine(lines, "Strana 1 z 1"));
    QVERIFY(watcher.Texts().isEmpty());
}

void SheetTest::exportWithoutComputeHasNoNumbers() {
    ModalWatcher watcher;
    const QStringList lines = ExportPdf("prazdny.pdf", watcher);
    QVERIFY(HasLine(lines, vortalin::kNoRunText));
    QVERIFY(!HasLine(lines, "Nusseltovo"));
    QVERIFY(!HasLine(lines, "Vstupné údaje"));
}

void SheetTest::refusedComputeGivesTheRefusal() {
    ModalWatcher watcher;
    vortalin::test::Click(*Find<QRadioButton>(Form1(), "RadioButton7")); // the plate
    Type("Edit1", "0,0001");
    Compute();
    QCOMPARE(watcher.Texts().size(), 1); // the refusal
    const QString refusal = watcher.Texts().first();
    const QStringList lines = ExportPdf("odmietnuty.pdf", watcher);
    QVERIFY(HasLine(lines, vortalin::kRefusedTitle));
    QVERIFY(HasLine(lines, refusal.section('\n', 0, 0).trimmed()));
    QVERIFY(!HasLine(lines, "Nusseltovo"));
    // An unwritable file: a message, nothing else changes.
    watcher.SetDialogHandler(SavePdfAs(Path("chyba/x.pdf")));
    vortalin::test::ChooseMenuItem(Form1(), "Sbor1", "ExportovaprotokoldoPDF1");
    QVERIFY(watcher.Texts().last().startsWith("Protokol sa nepodarilo uložiť"));
}

void SheetTest::identityGoesIntoTheCaseFile() {
    ModalWatcher watcher;
    EnterIdentity(watcher, "Kotolňa", "riadok 1\nriadok 2");
    watcher.SetDialogHandler([this](QDialog& dialog) {
        vortalin::test::EnterFileName(*qobject_cast<QFileDialog*>(&dialog), Path("k.vortalin"));
    });
    vortalin::test::ChooseMenuItem(Form1(), "Sbor1", "Ulo1");
    QFile saved(Path("k.vortalin"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    QVERIFY(text.contains("\"project\": \"Kotolňa\""));
    QVERIFY(text.contains("\"note\": \"riadok 1\\nriadok 2\""));
    // A new program run loads it back.
    run_->windows = std::make_unique<vortalin::test::Windows>();
    watcher.SetDialogHandler([this](QDialog& dialog) {
        vortalin::test::EnterFileName(*qobject_cast<QFileDialog*>(&dialog), Path("k.vortalin"));
    });
    vortalin::test::ChooseMenuItem(Form1(), "Sbor1", "Nataj1");
    watcher.SetDialogHandler([](QDialog& dialog) {
        QCOMPARE(Find<QLineEdit>(dialog, "project")->text(), QString("Kotolňa"));
        QCOMPARE(Find<QPlainTextEdit>(dialog, "note")->toPlainText(),
                 QString("riadok 1\nriadok 2"));
        dialog.reject();
    });
    vortalin::test::ChooseMenuItem(Form1(), "Sbor1", "dajeoprpade1");
    const QStringList lines = ExportPdf("nacitany.pdf", watcher);
    QVERIFY(HasLine(lines, "Projekt Kotolňa"));
    QVERIFY(HasLine(lines, "Súbor prípadu k.vortalin"));
}

void SheetTest::printOpensThePrintDialog() {
    ModalWatcher watcher;
    Compute();
    QString seen;
    watcher.SetDialogHandler([&seen](QDialog& dialog) {
        seen = dialog.objectName();
        dialog.reject();
    });
    QTest::keyClick(&Form1(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(seen, QString("PrintDialog1"));
}

// The sheet names the selections with the captions and group titles the window shows.
void SheetTest::captionsAreTheWindows() {
    using vortalin::ButtonId;
    for (int b = static_cast<int>(ButtonId::RadioButton1);
         b <= static_cast<int>(ButtonId::RadioButton18); ++b) {
        const auto button = static_cast<ButtonId>(b);
        auto* radio =
            Find<QRadioButton>(Form1(), vortalin::test::Name(vortalin::ControlName(button)));
        QCOMPARE(vortalin::test::Name(vortalin::CaptionOf(button)), radio->text());
    }
    const std::pair<const char*, vortalin::ButtonGroup> groups[] = {
        {"GroupBox1", vortalin::ButtonGroup::Geometry},
        {"GroupBox2", vortalin::ButtonGroup::Fluid},
        {"GroupBox3", vortalin::ButtonGroup::HeatingMode},
        {"GroupBox4", vortalin::ButtonGroup::RowCountMode}};
    for (const auto& [box, group] : groups) {
        QCOMPARE(vortalin::test::Name(vortalin::TitleOf(group)),
                 Find<QGroupBox>(Form1(), box)->title());
    }
}

VORTALIN_GUI_TEST_MAIN(SheetTest)
#include "SheetTest.moc"
