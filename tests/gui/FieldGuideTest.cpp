// What the window tells a user about its fields: the tooltips, which fields each geometry
// opens, results marked once the inputs change, the focus after a refusal clicked with the
// mouse, the copy's confirmation, and a window that cannot hide its controls.

#include "app/form/FieldDescriptions.h"
#include "app/form/InputFields.h"
#include "app/form/InputNames.h"
#include "app/ui/ResultsCopy.h"
#include "app/ui/StaleResults.h"
#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>

using vortalin::EditId;
using vortalin::Geometry;
using vortalin::test::Find;
using vortalin::test::ModalWatcher;
using vortalin::test::Name;
using vortalin::test::TypeInto;
using vortalin::test::Windows;

class FieldGuideTest : public QObject {
    Q_OBJECT

private slots:
    void init() { windows_ = std::make_unique<Windows>(); }
    void cleanup() { windows_.reset(); }

    void everyInputAndResultExplainsItself();
    void openFieldsAreThoseTheGeometryUses_data();
    void openFieldsAreThoseTheGeometryUses();
    void greyedTextThatIsNoNumberIsOpenedForCorrection();
    void changeAfterComputeMarksTheResults_data();
    void changeAfterComputeMarksTheResults();
    void refusalClickedWithTheMouseFocusesItsField_data();
    void refusalClickedWithTheMouseFocusesItsField();
    void copyIsConfirmedAndNamesTheCoil();
    void studyOfAVariableTheGeometryDoesNotUseSaysSo();
    void windowKeepsRoomForEveryControl();

private:
    QWidget& Form() { return windows_->form1; }
    QLineEdit& Edit(EditId id) { return *Find<QLineEdit>(Form(), Name(ControlName(id))); }
    QRadioButton& Button(vortalin::ButtonId id) {
        return *Find<QRadioButton>(Form(), Name(ControlName(id)));
    }
    void Choose(Geometry g) { vortalin::test::Click(Button(vortalin::ButtonOf(g))); }
    void ClickCompute() { QTest::mouseClick(Find<QPushButton>(Form(), "Button1"), Qt::LeftButton); }
    QLabel& Panel(const char* name) { return *Find<QLabel>(Form(), name); }
    bool ResultsGreyed() {
        const QPalette palette = Edit(EditId::Edit16).palette();
        return palette.color(QPalette::Active, QPalette::Text) ==
               palette.color(QPalette::Disabled, QPalette::Text);
    }

    std::unique_ptr<Windows> windows_;
};

void FieldGuideTest::everyInputAndResultExplainsItself() {
    QStringList edit2Tips;
    for (std::size_t g = 0; g < vortalin::kGeometryCount; ++g) {
        Choose(static_cast<Geometry>(g));
        for (QLineEdit* edit : Form().findChildren<QLineEdit*>(QRegularExpression("^Edit\\d+$"))) {
            QVERIFY2(edit->toolTip().size() > edit->objectName().size() + 10,
                     qPrintable(edit->objectName()));
            QVERIFY(!edit->toolTip().contains("---"));
        }
        edit2Tips << Edit(EditId::Edit2).toolTip();
    }
    for (QLineEdit* edit : windows_->form2.findChildren<QLineEdit*>()) {
        QVERIFY2(!edit->toolTip().isEmpty(), qPrintable(edit->objectName()));
    }
    // The tooltips follow the selections: what the plate and the slots make of the
    // hydraulic diameter, the wall's Prandtl number of water and of the gases.
    QVERIFY(edit2Tips[static_cast<int>(Geometry::Plate)].contains("dĺžka L"));
    QVERIFY(edit2Tips[static_cast<int>(Geometry::PlanarSlot)].contains("Dh = 2·s"));
    QVERIFY(edit2Tips[static_cast<int>(Geometry::HelicalPipe)].contains("nepoužíva"));
    const QString gasWall = Edit(EditId::Edit18).toolTip();
    vortalin::test::Click(Button(vortalin::ButtonOf(vortalin::Fluid::Water)));
    QVERIFY(Edit(EditId::Edit18).toolTip() != gasWall);
    QVERIFY(gasWall.contains("rovná Prandtlovmu číslu"));
}

// The fields of each geometry as its calculation reads them, written out.
void FieldGuideTest::openFieldsAreThoseTheGeometryUses_data() {
    QTest::addColumn<int>("geometry");
    QTest::addColumn<QStringList>("open"); // besides the velocity and the temperatures
    const auto row = [](Geometry g, const QStringList& open) {
        QTest::newRow(vortalin::GeometryName(g).data()) << static_cast<int>(g) << open;
    };
    row(Geometry::PipeFlow, {"Edit2", "Edit8"});
    row(Geometry::CrossFlowPipe, {"Edit2", "Edit19"});
    row(Geometry::Plate, {"Edit2"});
    row(Geometry::PlanarSlot, {"Edit2", "Edit20"});
    row(Geometry::SlotInsulatedOneSide, {"Edit2", "Edit20"});
    row(Geometry::HelicalPipe, {"Edit21", "Edit22", "Edit23"});
    row(Geometry::SingleRow, {"Edit24", "Edit25"});
    row(Geometry::InlineBank, {"Edit26", "Edit27", "Edit28", "Edit30"});
    row(Geometry::StaggeredBank, {"Edit26", "Edit27", "Edit28", "Edit30"});
    row(Geometry::PartlyStaggeredBank, {"Edit26", "Edit27", "Edit28", "Edit29", "Edit30"});
    row(Geometry::FinnedBank, {"Edit31", "Edit32", "Edit33", "Edit34"});
}

void FieldGuideTest::openFieldsAreThoseTheGeometryUses() {
    QFETCH(int, geometry);
    QFETCH(QStringList, open);
    Choose(Geometry::FinnedBank); // from elsewhere
    Choose(static_cast<Geometry>(geometry));
    QStringList opened;
    for (const vortalin::InputField& f : vortalin::kInputFields) {
        const QString name = Name(ControlName(f.field));
        if (!name.startsWith("Form2") && Edit(f.field).isEnabled()) {
            opened << name;
        }
    }
    QStringList expected = QStringList({"Edit1", "Edit3", "Edit4", "Edit5"}) + open;
    std::sort(expected.begin(), expected.end());
    std::sort(opened.begin(), opened.end());
    QCOMPARE(opened, expected);
    auto* diameterSweep = Find<QRadioButton>(windows_->form2, "RadioButton2");
    QCOMPARE(diameterSweep->isEnabled(), open.contains("Edit2"));
    QCOMPARE(diameterSweep->toolTip().isEmpty(), open.contains("Edit2"));
}

void FieldGuideTest::greyedTextThatIsNoNumberIsOpenedForCorrection() {
    ModalWatcher watcher;
    Choose(Geometry::HelicalPipe);
    QLineEdit& length = Edit(EditId::Edit8);
    QVERIFY(!length.isEnabled());
    length.setText("x"); // left from the pipe
    ClickCompute();
    QCOMPARE(watcher.Texts(), QStringList{QString::fromStdString(vortalin::FieldConversionMessage(
                                  "Dĺžka (m)", "'x' nie je platné číslo.", true))});
    QVERIFY(length.isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), &length);
    TypeInto(length, "1");
    ClickCompute();
    QCOMPARE(watcher.Texts().size(), 1);
    QVERIFY(!length.isEnabled()); // greyed again: the coil does not use it
}

void FieldGuideTest::changeAfterComputeMarksTheResults_data() {
    QTest::addColumn<QString>("control"); // a field typed into, or a button clicked
    QTest::addColumn<QString>("text");
    QTest::newRow("velocity typed") << "Edit1"
                                    << "2";
    QTest::newRow("pipe length typed") << "Edit8"
                                       << "3";
    QTest::newRow("water") << "RadioButton5" << QString();
    QTest::newRow("plate") << "RadioButton7" << QString();
    QTest::newRow("heat flux") << "RadioButton4" << QString();
    QTest::newRow("fewer rows") << "RadioButton16" << QString();
}

void FieldGuideTest::changeAfterComputeMarksTheResults() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    ModalWatcher watcher;
    ClickCompute();
    const QString computed = [this] {
        Find<QAction>(Form(), "Kopirovatvysledky1")->trigger();
        return QGuiApplication::clipboard()->text();
    }();
    QVERIFY(Panel("StaleResultsPanel").isHidden());
    QVERIFY(!ResultsGreyed());
    QString before;
    if (text.isEmpty()) {
        vortalin::test::Click(*Find<QRadioButton>(Form(), control));
    } else {
        before = Find<QLineEdit>(Form(), control)->text();
        TypeInto(*Find<QLineEdit>(Form(), control), text);
    }
    QVERIFY(!Panel("StaleResultsPanel").isHidden());
    QCOMPARE(Panel("StaleResultsPanel").text(), QString(vortalin::kStaleResultsNote));
    QVERIFY(ResultsGreyed());
    Find<QAction>(Form(), "Kopirovatvysledky1")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), computed); // the computed case
    if (!before.isEmpty()) { // typed back: the results fit the inputs again
        TypeInto(*Find<QLineEdit>(Form(), control), before);
        QVERIFY(!ResultsGreyed());
        TypeInto(*Find<QLineEdit>(Form(), control), text);
    }
    ClickCompute();
    QVERIFY(Panel("StaleResultsPanel").isHidden());
    QVERIFY(!ResultsGreyed());
    QCOMPARE(watcher.Texts(), QStringList());
}

void FieldGuideTest::refusalClickedWithTheMouseFocusesItsField_data() {
    QTest::addColumn<int>("geometry");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, Geometry g, const char* field, const char* text,
                        const char* message) {
        QTest::newRow(name) << static_cast<int>(g) << field << QString::fromUtf8(text)
                            << QString::fromUtf8(message);
    };
    row("negative diameter", Geometry::PipeFlow, "Edit2", "-0,1",
        "Hydraulický priemer (m) nesmie byť záporný !!!");
    row("angle out of range", Geometry::CrossFlowPipe, "Edit19", "10",
        "Uhol medzi prúdiacim médiom a potrubím musí byť v rozsahu 20 až 90° !!!");
    row("decimal point", Geometry::PipeFlow, "Edit1", "0.5",
        "Rýchlosť tekutiny (m.s-1): '0.5' nie je platné číslo. Desatinný oddeľovač je čiarka.");
    row("empty field", Geometry::SingleRow, "Edit25", "", "s1 (m): pole je prázdne.");
}

void FieldGuideTest::refusalClickedWithTheMouseFocusesItsField() {
    QFETCH(int, geometry);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    ModalWatcher watcher;
    Choose(static_cast<Geometry>(geometry));
    auto* edit = Find<QLineEdit>(Form(), field);
    TypeInto(*edit, text);
    ClickCompute();
    QCOMPARE(watcher.Texts(), QStringList{message});
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(edit->selectedText(), text);
}

void FieldGuideTest::copyIsConfirmedAndNamesTheCoil() {
    ModalWatcher watcher;
    auto* copy = Find<QAction>(Form(), "Kopirovatvysledky1");
    copy->trigger();
    QCOMPARE(Panel("MessagePanel").text(), QString(vortalin::kInputsCopiedText));
    Choose(Geometry::HelicalPipe);
    ClickCompute();
    copy->trigger();
    QCOMPARE(Panel("MessagePanel").text(), QString(vortalin::kResultsCopiedText));
    QVERIFY(!Panel("MessagePanel").isHidden());
    const QString copied = QGuiApplication::clipboard()->text();
    for (const char* line : {"\nPriemer rúrky d (m)\t0,01\n", "\nPriemer závitu D (m)\t0,1\n",
                             "\nStúpanie závitu h (m)\t0,02\n", "\nNusseltovo číslo (1)\t"}) {
        QVERIFY2(copied.contains(QString::fromUtf8(line)), line);
    }
    QVERIFY(!copied.contains(":\t"));
}

void FieldGuideTest::studyOfAVariableTheGeometryDoesNotUseSaysSo() {
    QTemporaryDir dir;
    const QString path = dir.filePath("studia.txt");
    ModalWatcher watcher([&path](QDialog& dialog) {
        vortalin::test::EnterFileName(static_cast<QFileDialog&>(dialog), path);
    });
    auto* diameterSweep = Find<QRadioButton>(windows_->form2, "RadioButton2");
    diameterSweep->setChecked(true); // chosen while the pipe was selected
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Ulodosboru1");
    Choose(Geometry::HelicalPipe);
    QVERIFY(!diameterSweep->isEnabled());
    ClickCompute();
    QVERIFY(QFile::exists(path));
    const QString note =
        QString::fromStdString(vortalin::ConstantStudyNote(Geometry::HelicalPipe, EditId::Edit2));
    QVERIFY2(Panel("StudySummaryPanel").text().endsWith(note),
             qPrintable(Panel("StudySummaryPanel").text()));
    Choose(Geometry::Plate); // a study the plate's length changes
    ClickCompute();
    QVERIFY(!Panel("StudySummaryPanel").text().contains(note));
    QCOMPARE(watcher.Texts(), QStringList());
}

void FieldGuideTest::windowKeepsRoomForEveryControl() {
    QWidget& client = *Find<QWidget>(Form(), "ClientArea");
    Form().resize(300, 200);
    QTRY_VERIFY(Form().width() > 300);
    for (QWidget* child : client.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(client.rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    // The finned bank's red note stands with its fields, apart from the row-count group.
    const QRect note = Find<QLabel>(Form(), "Label38")->geometry();
    const int toFinFields =
        Find<QLabel>(Form(), "Label37")->y() - Edit(EditId::Edit34).geometry().bottom();
    const int toRowGroup = Find<QWidget>(Form(), "GroupBox4")->y() - note.bottom();
    QVERIFY2(toRowGroup > 3 * toFinFields, qPrintable(QString::number(toRowGroup)));
}

VORTALIN_GUI_TEST_MAIN(FieldGuideTest)

#include "FieldGuideTest.moc"
