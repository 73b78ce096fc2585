// Nothing the user typed is lost: "Uložiť ako…", the recent cases, the title with the case's
// name and its mark of unsaved changes, the question before unsaved changes would go
// (closing, Koniec, Načítaj, a recent case) with each answer, and the folders the file
// dialogs remember.

#include "app/qt/CaseFile.h"
#include "app/ui/CaseFiles.h"
#include "app/ui/FormControls.h"
#include "app/ui/KeptSettings.h"
#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>

using vortalin::EditId;
using vortalin::KeptSettings;
using vortalin::test::Find;
using vortalin::test::ModalWatcher;
using vortalin::test::TypeInto;

namespace {

// How the user leaves the case on screen.
enum class Leave { Koniec, CloseWindow, Load, Recent };
// What the user answers: Save with the save dialog answered or cancelled.
enum class Answer { Save, SaveCancelled, Discard, Cancel };

QSettings Settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "vortalin", "vortalin");
}

} // namespace

class KeptWorkTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { run_.reset(); }

    void titleNamesTheCaseAndItsUnsavedChanges();
    void saveAsWritesANewFileAndKeepsTheOld();
    void unsavedChangesAreAskedFor_data();
    void unsavedChangesAreAskedFor();
    void nothingIsAskedWithoutChanges_data();
    void nothingIsAskedWithoutChanges();
    void recentCasesKeepTheLastEight();
    void missingRecentCaseIsDropped();
    void junkInTheSettingsIsIgnored();
    void dialogsSayWhatTheySaveAndRememberTheirFolder();

private:
    QWidget& Form() const { return run_->windows->form1; }
    QString Path(const QString& name) const { return QDir(run_->dir.path()).filePath(name); }
    QLineEdit& Field(EditId id) const { return vortalin::FindEdit(Form(), id); }
    // A case file with the defaults and this velocity.
    void WriteCase(const QString& path, const QString& velocity) const;
    QString SavedVelocity(const QString& path) const;
    // Menu item of "Súbor", the file dialogs answered with these paths (empty: cancelled).
    void Choose(const char* item, ModalWatcher& watcher, const QString& savePath = {},
                const QString& openPath = {});
    QStringList RecentItems() const;
    void Leave(Leave how, ModalWatcher& watcher, const QString& savePath, const QString& openPath);

    std::unique_ptr<vortalin::test::WindowsInFolder> run_;
};

void KeptWorkTest::init() {
    Settings().clear();
    run_ = std::make_unique<vortalin::test::WindowsInFolder>();
    QVERIFY(run_->dir.isValid());
}

void KeptWorkTest::WriteCase(const QString& path, const QString& velocity) const {
    vortalin::CaseInputs inputs = vortalin::DefaultCase(',');
    inputs.texts[0] = velocity.toStdString(); // "w" comes first
    QVERIFY(
        vortalin::WriteCaseFile(path.toStdString(), inputs, vortalin::ReaderWait::Briefly).empty());
}

QString KeptWorkTest::SavedVelocity(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "missing";
    }
    return QJsonDocument::fromJson(file.readAll()).object().value("w").toString();
}

void KeptWorkTest::Choose(const char* item, ModalWatcher& watcher, const QString& savePath,
                          const QString& openPath) {
    watcher.SetDialogHandler([=](QDialog& dialog) {
        auto& chooser = static_cast<QFileDialog&>(dialog);
        const QString path = chooser.objectName() == "OpenDialog1" ? openPath : savePath;
        if (path.isEmpty()) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            vortalin::test::EnterFileName(chooser, path);
        }
    });
    vortalin::test::ChooseMenuItem(Form(), "Sbor1", item);
}

QStringList KeptWorkTest::RecentItems() const {
    QStringList texts;
    for (QAction* action : Find<QMenu>(Form(), "Sbor1")->actions()) {
        if (action->objectName().startsWith("Nedavnypripad") && action->isVisible()) {
            texts << action->data().toString();
        }
    }
    return texts;
}

void KeptWorkTest::titleNamesTheCaseAndItsUnsavedChanges() {
    ModalWatcher watcher;
    QCOMPARE(Form().windowTitle(), QString("Vortalin 0.5"));
    TypeInto(Field(EditId::Edit1), "2");
    QCOMPARE(Form().windowTitle(), QString("Bez názvu* – Vortalin 0.5"));
    TypeInto(Field(EditId::Edit1), "1"); // as it was
    QCOMPARE(Form().windowTitle(), QString("Vortalin 0.5"));
    Choose("Ulozitako1", watcher, Path("ohrievac.vortalin"));
    QCOMPARE(Form().windowTitle(), QString("ohrievac.vortalin – Vortalin 0.5"));
    QCOMPARE(Find<QLabel>(Form(), "MessagePanel")->text(),
             QString("Prípad uložený do ohrievac.vortalin."));
    // A selection, a geometry field and the range dialog count; a Compute does not.
    QTest::mouseClick(Find<QPushButton>(Form(), "Button1"), Qt::LeftButton);
    QCOMPARE(Form().windowTitle(), QString("ohrievac.vortalin – Vortalin 0.5"));
    const std::function<void()> changes[] = {
        [&] { vortalin::test::Click(*Find<QRadioButton>(Form(), "RadioButton5")); },
        [&] { TypeInto(Field(EditId::Edit8), "2"); },
        [&] { TypeInto(*Find<QLineEdit>(run_->windows->form2, "Edit3"), "20"); },
    };
    for (const auto& change : changes) {
        Choose("Ulo1", watcher);
        QCOMPARE(Form().windowTitle(), QString("ohrievac.vortalin – Vortalin 0.5"));
        change();
        QCOMPARE(Form().windowTitle(), QString("ohrievac.vortalin* – Vortalin 0.5"));
    }
    QVERIFY(watcher.Boxes().isEmpty());
}

void KeptWorkTest::saveAsWritesANewFileAndKeepsTheOld() {
    ModalWatcher watcher;
    QCOMPARE(Find<QAction>(Form(), "Ulozitako1")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    TypeInto(Field(EditId::Edit1), "2");
    Choose("Ulo1", watcher, Path("prvy.vortalin")); // no file yet: asks like Save As
    TypeInto(Field(EditId::Edit1), "3");
    QTest::keyClick(&Form(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(SavedVelocity(Path("prvy.vortalin")), QString("2"));
    Choose("Ulozitako1", watcher, Path("druhy"));
    QCOMPARE(SavedVelocity(Path("prvy.vortalin")), QString("2"));
    QCOMPARE(SavedVelocity(Path("druhy.vortalin")), QString("3"));
    QCOMPARE(Form().windowTitle(), QString("druhy.vortalin – Vortalin 0.5"));
    // Ulož now writes the new file; a cancelled Save As changes nothing.
    TypeInto(Field(EditId::Edit1), "4");
    Choose("Ulo1", watcher);
    QCOMPARE(SavedVelocity(Path("druhy.vortalin")), QString("4"));
    TypeInto(Field(EditId::Edit1), "5");
    Choose("Ulozitako1", watcher);
    QCOMPARE(Form().windowTitle(), QString("druhy.vortalin* – Vortalin 0.5"));
    QCOMPARE(RecentItems(), (QStringList{Path("druhy.vortalin"), Path("prvy.vortalin")}));
}

void KeptWorkTest::unsavedChangesAreAskedFor_data() {
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("answer");
    const std::pair<const char*, ::Leave> ways[] = {{"Koniec", Leave::Koniec},
                                                    {"closing", Leave::CloseWindow},
                                                    {"Načítaj", Leave::Load},
                                                    {"recent case", Leave::Recent}};
    const std::pair<const char*, Answer> answers[] = {
        {"Uložiť", Answer::Save},
        {"Uložiť, dialog cancelled", Answer::SaveCancelled},
        {"Zahodiť", Answer::Discard},
        {"Zrušiť", Answer::Cancel}};
    for (const auto& [way, how] : ways) {
        for (const auto& [name, answer] : answers) {
            QTest::addRow("%s, %s", way, name) << int(how) << int(answer);
        }
    }
}

void KeptWorkTest::Leave(::Leave how, ModalWatcher& watcher, const QString& savePath,
                         const QString& openPath) {
    switch (how) {
    case Leave::Koniec:
        return Choose("Koniec1", watcher, savePath);
    case Leave::CloseWindow:
        watcher.SetDialogHandler([=](QDialog& dialog) {
            if (savePath.isEmpty()) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                vortalin::test::EnterFileName(static_cast<QFileDialog&>(dialog), savePath);
            }
        });
        Form().close();
        return;
    case Leave::Load:
        return Choose("Nataj1", watcher, savePath, openPath);
    case Leave::Recent:
        KeptSettings::AddRecentCase(openPath);
        return Choose("Nedavnypripad1", watcher, savePath);
    }
}

void KeptWorkTest::unsavedChangesAreAskedFor() {
    QFETCH(int, how);
    QFETCH(int, answer);
    const auto way = static_cast<::Leave>(how);
    const auto said = static_cast<Answer>(answer);
    ModalWatcher watcher;
    WriteCase(Path("iny.vortalin"), "7");
    TypeInto(Field(EditId::Edit1), "2,5");
    const bool saves = said == Answer::Save;
    watcher.SetAnswer(said == Answer::Discard  ? QMessageBox::Discard
                      : said == Answer::Cancel ? QMessageBox::Cancel
                                               : QMessageBox::Save);
    Leave(way, watcher, saves ? Path("zmeny.vortalin") : QString(), Path("iny.vortalin"));

    QCOMPARE(watcher.Texts(), QStringList{"Uložiť zmeny v prípade Bez názvu?"});
    const bool left = said == Answer::Save || said == Answer::Discard;
    const bool closing = way == Leave::Koniec || way == Leave::CloseWindow;
    QCOMPARE(SavedVelocity(Path("zmeny.vortalin")), saves ? QString("2,5") : QString("missing"));
    QCOMPARE(Form().isVisible(), !(left && closing));
    const QString shown = Field(EditId::Edit1).text();
    QCOMPARE(shown, left && !closing ? QString("7") : QString("2,5"));
    if (!left) { // the typed text stays, still marked as unsaved
        QCOMPARE(Form().windowTitle(), QString("Bez názvu* – Vortalin 0.5"));
    }
}

void KeptWorkTest::nothingIsAskedWithoutChanges_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Koniec") << int(Leave::Koniec);
    QTest::newRow("Načítaj") << int(Leave::Load);
    QTest::newRow("recent case") << int(Leave::Recent);
}

void KeptWorkTest::nothingIsAskedWithoutChanges() {
    QFETCH(int, how);
    ModalWatcher watcher; // a question would fail: no answer is set
    WriteCase(Path("iny.vortalin"), "7");
    TypeInto(Field(EditId::Edit1), "2,5");
    Choose("Ulo1", watcher, Path("ulozeny.vortalin"));
    Leave(static_cast<::Leave>(how), watcher, {}, Path("iny.vortalin"));
    QVERIFY(watcher.Boxes().isEmpty());
    QCOMPARE(Form().isVisible(), static_cast<::Leave>(how) != Leave::Koniec);
}

void KeptWorkTest::recentCasesKeepTheLastEight() {
    ModalWatcher watcher;
    QStringList saved;
    for (int i = 1; i <= 9; ++i) {
        TypeInto(Field(EditId::Edit1), QString::number(i));
        Choose("Ulozitako1", watcher, Path(QString("pripad%1.vortalin").arg(i)));
        saved.prepend(Path(QString("pripad%1.vortalin").arg(i)));
    }
    Choose("Nataj1", watcher, {}, Path("pripad3.vortalin")); // loading puts it first too
    saved.move(saved.indexOf(Path("pripad3.vortalin")), 0);
    QCOMPARE(RecentItems(), saved.mid(0, 8));

    // The next run of the program offers the same list; an item opens its case.
    run_->windows = std::make_unique<vortalin::test::Windows>();
    QCOMPARE(RecentItems(), saved.mid(0, 8));
    QVERIFY(Find<QAction>(Form(), "Nedavnypripad2")->text().contains("pripad9.vortalin"));
    Choose("Nedavnypripad2", watcher);
    QCOMPARE(Field(EditId::Edit1).text(), QString("9"));
    QCOMPARE(Form().windowTitle(), QString("pripad9.vortalin – Vortalin 0.5"));
    QVERIFY(watcher.Boxes().isEmpty());
}

void KeptWorkTest::missingRecentCaseIsDropped() {
    ModalWatcher watcher;
    WriteCase(Path("zostane.vortalin"), "7");
    WriteCase(Path("zmizne.vortalin"), "8");
    KeptSettings::AddRecentCase(Path("zostane.vortalin"));
    KeptSettings::AddRecentCase(Path("zmizne.vortalin"));
    TypeInto(Field(EditId::Edit1), "2,5");
    QVERIFY(QFile::remove(Path("zmizne.vortalin")));
    Choose("Nedavnypripad1", watcher); // no question: nothing would be loaded
    QCOMPARE(watcher.Texts(), QStringList{"Prípad „" + Path("zmizne.vortalin") +
                                          "“ už neexistuje. Zo zoznamu nedávnych prípadov bol "
                                          "odstránený."});
    QCOMPARE(RecentItems(), QStringList{Path("zostane.vortalin")});
    QCOMPARE(KeptSettings::RecentCases(), QStringList{Path("zostane.vortalin")});
    QCOMPARE(Field(EditId::Edit1).text(), QString("2,5"));
}

void KeptWorkTest::junkInTheSettingsIsIgnored() {
    const QString kept = Path("dobry.vortalin");
    const QList<QVariant> junk = {QVariant(42), QVariant(QString()),
                                  QVariant(QStringList{"relativny.vortalin", "", kept, kept,
                                                       QString::fromUtf8("/a/../b/c\0d", 11)}),
                                  QVariant(QByteArray("\xff\xfe"))};
    const QList<QStringList> expected = {{}, {}, {kept}, {}};
    for (qsizetype i = 0; i < junk.size(); ++i) {
        Settings().setValue("recentCases", junk[i]);
        Settings().setValue("folders/cases", junk[i]);
        QCOMPARE(KeptSettings::RecentCases(), expected[i]);
        QCOMPARE(KeptSettings::LastFolder(vortalin::FileKind::Case), QString());
        run_->windows = std::make_unique<vortalin::test::Windows>();
        QCOMPARE(RecentItems(), expected[i]);
    }
}

void KeptWorkTest::dialogsSayWhatTheySaveAndRememberTheirFolder() {
    ModalWatcher watcher;
    const std::pair<const char*, const char*> titles[] = {
        {"SaveDialog1", "Uložiť výsledky parametrickej štúdie"},
        {"SaveDialog2", "Uložiť prípad"},
        {"OpenDialog1", "Načítať prípad"}};
    for (const auto& [dialog, title] : titles) {
        QCOMPARE(Find<QFileDialog>(Form(), dialog)->windowTitle(), QString(title));
    }
    QVERIFY(QDir().mkpath(Path("pripady")) && QDir().mkpath(Path("studie")));
    Choose("Ulozitako1", watcher, Path("pripady/a.vortalin"));
    watcher.SetDialogHandler([&](QDialog& dialog) {
        vortalin::test::EnterFileName(static_cast<QFileDialog&>(dialog), Path("studie/s.txt"));
    });
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Ulodosboru1");

    // The next run opens each dialog in its own folder.
    run_->windows = std::make_unique<vortalin::test::Windows>();
    QStringList folders;
    watcher.SetDialogHandler([&](QDialog& dialog) {
        folders << static_cast<QFileDialog&>(dialog).directory().absolutePath();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    vortalin::test::ChooseMenuItem(Form(), "Sbor1", "Nataj1");
    vortalin::test::ChooseMenuItem(Form(), "Sbor1", "Ulozitako1");
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Ulodosboru1");
    QCOMPARE(folders, (QStringList{Path("pripady"), Path("pripady"), Path("studie")}));
}

VORTALIN_GUI_TEST_MAIN(KeptWorkTest)
#include "KeptWorkTest.moc"
