// The Compute command as a user runs it: typing, clicking the geometry buttons and
// "Vypočítaj", reading the result fields and the message boxes; the general error handler;
// and the dialogs of "Súbor", which change nothing when cancelled.

#include "app/form/FieldDescriptions.h"
#include "app/form/InputFields.h"
#include "app/format/NumberFormat.h"
#include "app/ui/QtWindowServices.h"
#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <stdexcept>

using vortalin::test::Find;
using vortalin::test::kResultFields;
using vortalin::test::ModalWatcher;
using vortalin::test::TypeInto;
using vortalin::test::Windows;

namespace {

const QColor kSilver(192, 192, 192);

// An object whose event handler fails, standing for a handler that does not catch.
class FailingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw std::runtime_error("Skúšobná porucha obsluhy udalosti");
        }
        return QObject::event(event);
    }
};

} // namespace

class ComputeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { windows_ = std::make_unique<Windows>(); }
    void cleanup() { windows_.reset(); }

    void defaultsGiveTheTwelveResultsAndTheRegime();
    void geometryButtonSetsTheDiameterField_data();
    void geometryButtonSetsTheDiameterField();
    void keyboardFocusOnAGeometryButtonSetsTheDiameterField();
    void eachGroupKeepsExactlyOneSelection();
    void otherSelectionsStayActiveWithAnyGeometry();
    void textThatIsNoNumberIsReportedAndResultsStayHyphens_data();
    void textThatIsNoNumberIsReportedAndResultsStayHyphens();
    void validityMessageKeepsResultsHiddenAndTheRegimeShown_data();
    void validityMessageKeepsResultsHiddenAndTheRegimeShown();
    void cancelledDialogsOfTheFileMenuChangeNothing();
    void failureEscapingAHandlerIsShownAndTheProgramGoesOn();
    void missingControlIsReportedAtStartUp();

private:
    QLineEdit& Edit(const char* name) { return *Find<QLineEdit>(windows_->form1, name); }
    QRadioButton& Button(const char* name) { return *Find<QRadioButton>(windows_->form1, name); }
    QString Status() { return Find<QLabel>(windows_->form1, "StatusPanel0")->text(); }
    void ClickCompute() {
        auto* compute = Find<QPushButton>(windows_->form1, "Button1");
        QTest::mouseClick(compute, Qt::LeftButton);
        QVERIFY(compute->isEnabled()); // enabled again after the command
    }
    QStringList Results() {
        QStringList texts;
        for (const QString& name : kResultFields) {
            texts << Find<QLineEdit>(windows_->form1, name)->text();
        }
        return texts;
    }
    // The colour the diameter field is drawn with, taken from the screen image.
    QColor DiameterFieldColour() {
        QLineEdit& edit = Edit("Edit2");
        const QImage image = edit.grab().toImage();
        return image.pixelColor(image.width() - 5, image.height() / 2);
    }

    std::unique_ptr<Windows> windows_;
};

void ComputeTest::defaultsGiveTheTwelveResultsAndTheRegime() {
    ModalWatcher watcher;
    ClickCompute();
    QVERIFY(watcher.Boxes().isEmpty());
    const QStringList expected = {"21,000",     "8,963",    "1,202",   "1,518E-005",
                                  "1,824E-005", "1004,688", "0,0254",  "6588",
                                  "0,7203",     "0,7203",   "27,0810", "6,8910"};
    QCOMPARE(Results(), expected);
    QCOMPARE(Status(), QString("Nachádzate sa v prechodovej oblasti prúdenia."));
    // The inputs keep their texts, and a Compute without save-to-file leaves the bar alone.
    QCOMPARE(Edit("Edit2").text(), QString("0,1"));
    QCOMPARE(Find<QProgressBar>(windows_->form1, "ProgressBar1")->value(), 0);
}

void ComputeTest::geometryButtonSetsTheDiameterField_data() {
    QTest::addColumn<bool>("greys");
    for (const char* button : {"RadioButton10", "RadioButton11", "RadioButton12", "RadioButton13",
                               "RadioButton14", "RadioButton18"}) {
        QTest::newRow(button) << true;
    }
    for (const char* button :
         {"RadioButton1", "RadioButton6", "RadioButton7", "RadioButton8", "RadioButton9"}) {
        QTest::newRow(button) << false;
    }
}

void ComputeTest::geometryButtonSetsTheDiameterField() {
    QFETCH(bool, greys);
    QLineEdit& diameter = Edit("Edit2");
    const QColor window = DiameterFieldColour();
    QVERIFY(window != kSilver);
    TypeInto(diameter, "0,05");
    if (!greys) {
        // Start from the greyed state, which the button must undo.
        QTest::mouseClick(&Button("RadioButton10"), Qt::LeftButton);
        QVERIFY(!diameter.isEnabled());
    }
    QRadioButton& button = Button(QTest::currentDataTag());
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isChecked());
    QCOMPARE(diameter.isEnabled(), !greys);
    QCOMPARE(diameter.palette().color(QPalette::Base), greys ? kSilver : window);
    QCOMPARE(DiameterFieldColour(), greys ? kSilver : window);
    QCOMPARE(diameter.text(), QString("0,05"));
}

void ComputeTest::keyboardFocusOnAGeometryButtonSetsTheDiameterField() {
    // Tab from the selected fluid enters the geometry group at its selected button, the
    // pipe, whose handler enables Edit2 (disabled here as a greying button leaves it).
    Edit("Edit2").setEnabled(false);
    Button("RadioButton2").setFocus(Qt::MouseFocusReason);
    QTest::keyClick(&Button("RadioButton2"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &Button("RadioButton1"));
    QVERIFY(Edit("Edit2").isEnabled());

    // The arrow key moves focus and selection within the group; the handler of the button
    // that receives the focus runs.
    QTest::keyClick(&Button("RadioButton1"), Qt::Key_Right);
    auto* focused = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    QVERIFY(focused != nullptr);
    QVERIFY(focused != &Button("RadioButton1"));
    QVERIFY(focused->isChecked());
    const QStringList greying = {"RadioButton10", "RadioButton11", "RadioButton12",
                                 "RadioButton13", "RadioButton14", "RadioButton18"};
    QCOMPARE(Edit("Edit2").isEnabled(), !greying.contains(focused->objectName()));

    // Focus alone runs the handler; the selection stays where it is.
    QRadioButton& bank = Button("RadioButton12");
    Button("RadioButton7").click();
    Edit("Edit2").setEnabled(true);
    bank.setFocus(Qt::TabFocusReason);
    QVERIFY(bank.hasFocus());
    QVERIFY(!Edit("Edit2").isEnabled());
    QVERIFY(Button("RadioButton7").isChecked());
}

void ComputeTest::eachGroupKeepsExactlyOneSelection() {
    // Clicks on geometry buttons, on the selected one again, and on buttons of the groups
    // nested inside the geometry group.
    const char* clicks[] = {"RadioButton1",  "RadioButton1",  "RadioButton18", "RadioButton4",
                            "RadioButton1",  "RadioButton16", "RadioButton12", "RadioButton12",
                            "RadioButton3",  "RadioButton6",  "RadioButton15", "RadioButton5",
                            "RadioButton17", "RadioButton14", "RadioButton2",  "RadioButton9"};
    const QList<QStringList> groups = {
        {"RadioButton1", "RadioButton6", "RadioButton7", "RadioButton8", "RadioButton9",
         "RadioButton10", "RadioButton11", "RadioButton12", "RadioButton13", "RadioButton14",
         "RadioButton18"},
        {"RadioButton2", "RadioButton5", "RadioButton17"},
        {"RadioButton3", "RadioButton4"},
        {"RadioButton15", "RadioButton16"},
    };
    for (const char* name : clicks) {
        vortalin::test::Click(Button(name));
        QVERIFY2(Button(name).isChecked(), name);
        for (const QStringList& group : groups) {
            const auto selected = std::count_if(group.begin(), group.end(), [&](const QString& b) {
                return Button(qPrintable(b)).isChecked();
            });
            QVERIFY2(selected == 1, qPrintable("after " + QString(name) + " in " + group.front()));
        }
    }
}

void ComputeTest::otherSelectionsStayActiveWithAnyGeometry() {
    QTest::mouseClick(&Button("RadioButton18"), Qt::LeftButton);
    for (const char* name : {"RadioButton4", "RadioButton16", "RadioButton5"}) {
        QRadioButton& button = Button(name);
        QVERIFY(button.isEnabled());
        vortalin::test::Click(button);
        QVERIFY2(button.isChecked(), name);
    }
    // Of the fields, those the finned bank does not use are greyed, and only those.
    for (QLineEdit* edit : windows_->form1.centralWidget()->findChildren<QLineEdit*>()) {
        const auto id = vortalin::EditByName(edit->objectName().toStdString());
        QVERIFY(id);
        const bool used = vortalin::GeometryReads(vortalin::Geometry::FinnedBank, *id) ||
                          vortalin::LabelOf(*id).empty();
        QVERIFY2(edit->isEnabled() == used, qPrintable(edit->objectName()));
        QVERIFY(edit->isVisible());
    }
}

void ComputeTest::textThatIsNoNumberIsReportedAndResultsStayHyphens_data() {
    QTest::addColumn<QString>("geometry");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    // A bank ignores Edit2, yet its text is converted; the user cannot type into it.
    QTest::newRow("disabled diameter of a bank") << "RadioButton12"
                                                 << "Edit2"
                                                 << "abc" << false;
    QTest::newRow("typed with a diacritic") << "RadioButton1"
                                            << "Edit3"
                                            << "2č" << true;
    QTest::newRow("empty length") << "RadioButton1"
                                  << "Edit8"
                                  << "" << true;
    QTest::newRow("point under a comma locale") << "RadioButton6"
                                                << "Edit19"
                                                << "4.5" << true;
}

void ComputeTest::textThatIsNoNumberIsReportedAndResultsStayHyphens() {
    QFETCH(QString, geometry);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, typed);
    ModalWatcher watcher;
    ClickCompute(); // earlier results, which the failed command must clear
    QTest::mouseClick(&Button(qPrintable(geometry)), Qt::LeftButton);
    QLineEdit& edit = Edit(qPrintable(field));
    if (typed) {
        TypeInto(edit, text);
    } else {
        edit.setText(text);
    }
    QCOMPARE(edit.text(), text);

    ClickCompute();
    QCOMPARE(watcher.Boxes().size(), 1);
    const ModalWatcher::Box& box = watcher.Boxes().front();
    const QString named = text.isEmpty() ? QString(vortalin::kEmptyFieldText) : "'" + text + "'";
    QVERIFY2(box.text.contains(named), qPrintable(box.text));
    QCOMPARE(box.title, QString("Vortalin 0.5"));
    QCOMPARE(Results(), QStringList(kResultFields.size(), QString(14, '-')));
    QVERIFY(Status().isEmpty());
    QCOMPARE(edit.text(), text);
    QVERIFY(windows_->form1.isVisible());

    // The program goes on: with the default text back in the field, the next Compute
    // converts every field.
    edit.setText(QString::fromStdString(
        vortalin::DefaultText(*vortalin::EditByName(field.toStdString()), ',')));
    ClickCompute();
    for (const QString& later : watcher.Texts().mid(1)) {
        QVERIFY2(!later.contains("nie je platné číslo"), qPrintable(later));
    }
}

void ComputeTest::validityMessageKeepsResultsHiddenAndTheRegimeShown_data() {
    QTest::addColumn<QString>("geometry");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("status");
    QTest::newRow("pipe above Re 1.0e6") << "RadioButton1"
                                         << "Edit1"
                                         << "1000"
                                         << "Reynoldsovo kritérium je nad limit 1.0e6 !!!"
                                         << "Nachádzate sa v turbulentnej oblasti prúdenia.";
    QTest::newRow("slot at Re 6588")
        << "RadioButton8"
        << "Edit1"
        << "1"
        << "Platnosť kriteriálnej rovnice je len v oblasti laminárneho prúdenia (Re<2300)."
        << QString();
    QTest::newRow("cross-flow at 10 degrees")
        << "RadioButton6"
        << "Edit19"
        << "10"
        << "Uhol medzi prúdiacim médiom a potrubím musí byť v rozsahu 20 až 90° !!!" << QString();
    // tMean -80 °C: no fit of air, so the fluid's range is the reason, not Re.
    QTest::newRow("cross-flow, air at -80 degrees")
        << "RadioButton6"
        << "Edit3"
        << "-182"
        << "Stredná teplota vzduchu je mimo teplotný rozsah -73 až 2226°C !!!" << QString("");
}

void ComputeTest::validityMessageKeepsResultsHiddenAndTheRegimeShown() {
    QFETCH(QString, geometry);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, status);
    ModalWatcher watcher;
    QTest::mouseClick(&Button(qPrintable(geometry)), Qt::LeftButton);
    TypeInto(Edit(qPrintable(field)), text);
    ClickCompute();
    QCOMPARE(watcher.Texts(), QStringList{message});
    QCOMPARE(watcher.Boxes().front().title, QString("Vortalin 0.5"));
    QCOMPARE(Results(), QStringList(kResultFields.size(), QString(14, '-')));
    if (!status.isNull()) {
        QCOMPARE(Status(), status);
    }
}

void ComputeTest::cancelledDialogsOfTheFileMenuChangeNothing() {
    ModalWatcher watcher;
    ClickCompute();
    const QStringList before = vortalin::test::WindowSnapshot(windows_->form1, windows_->form2);
    for (const char* item : {"Nataj1", "Ulo1"}) {
        auto* action = Find<QAction>(windows_->form1, item);
        QSignalSpy chosen(action, &QAction::triggered);
        vortalin::test::ChooseMenuItem(windows_->form1, "Sbor1", item);
        QCOMPARE(chosen.count(), 1); // the item was really chosen
        QCoreApplication::processEvents();
        QCOMPARE(vortalin::test::WindowSnapshot(windows_->form1, windows_->form2), before);
    }
    QVERIFY(windows_->form1.isVisible());
    QVERIFY(watcher.Boxes().isEmpty());
    QCOMPARE(watcher.DialogsSeen(), 2); // the open and the save dialog, both cancelled
}

void ComputeTest::failureEscapingAHandlerIsShownAndTheProgramGoesOn() {
    ModalWatcher watcher;
    FailingObject failing;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&failing, &event);
    QCOMPARE(watcher.Boxes().size(), 1);
    QCOMPARE(watcher.Boxes().front().text, QString("Skúšobná porucha obsluhy udalosti"));
    QCOMPARE(watcher.Boxes().front().title, QString("Vortalin 0.5"));
    QCOMPARE(watcher.Boxes().front().icon, QMessageBox::Critical);
    ClickCompute();
    QCOMPARE(Edit("Edit14").text(), QString("6588"));
}

void ComputeTest::missingControlIsReportedAtStartUp() {
    QMainWindow bare;
    bare.setObjectName("Form1");
    try {
        vortalin::QtWindowServices services(bare);
        QFAIL("a window without its controls was accepted");
    } catch (const std::runtime_error& failure) {
        QVERIFY2(QString(failure.what()).contains("StatusPanel0"), failure.what());
    }
}

VORTALIN_GUI_TEST_MAIN(ComputeTest)
#include "ComputeTest.moc"
