// The equation and the warnings in the window, as a user sees them after "Vypočítaj": the
// status-bar section names the equation and its source, the strip under the results lists
// the warnings, the fields whose values they name turn amber with the warning in their
// tooltip; a refused run shows none of this, and no warning opens a message box.

#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using vortalin::test::Find;
using vortalin::test::ModalWatcher;
using vortalin::test::TypeInto;
using vortalin::test::Windows;

class EquationPanelTest : public QObject {
    Q_OBJECT

private slots:
    void init() { windows_ = std::make_unique<Windows>(); }
    void cleanup() { windows_.reset(); }
    void defaultsNameTheEquationWithoutWarnings();
    void warningsMarkTheirFieldsWithoutAMessageBox_data();
    void warningsMarkTheirFieldsWithoutAMessageBox();
    void aRefusedRunShowsNoEquation();
    void theNextRunClearsTheMarks();

private:
    QLineEdit& Edit(const char* name) { return *Find<QLineEdit>(windows_->form1, name); }
    QLabel& Label(const char* name) { return *Find<QLabel>(windows_->form1, name); }
    void Compute() {
        QTest::mouseClick(Find<QPushButton>(windows_->form1, "Button1"), Qt::LeftButton);
    }
    static bool Amber(const QLineEdit& field) { return field.styleSheet().contains("#ffc24d"); }

    std::unique_ptr<Windows> windows_;
};

void EquationPanelTest::defaultsNameTheEquationWithoutWarnings() {
    ModalWatcher watcher;
    Compute();
    QLabel& equation = Label("EquationPanel");
    QVERIFY(equation.isVisible());
    QCOMPARE(equation.text(),
             QString("Rovnica: Rúra, prechodová oblasť, konšt. teplota steny · Gnielinski 1995, "
                     "VDI G1"));
    // The formula, the ranges and the run's numbers are in the tooltip.
    QVERIFY(equation.toolTip().contains("Overený rozsah: Re: 2300 až 10000; Pr: 0,6 až 1000"));
    QVERIFY(equation.toolTip().contains("γ = (6588,3 − 2300)/7700 = 0,55692"));
    QVERIFY(!Label("WarningsPanel").isVisible());
    // The regime text stays where it was.
    QCOMPARE(Label("StatusPanel0").text(),
             QString("Nachádzate sa v prechodovej oblasti prúdenia."));
    QVERIFY(watcher.Texts().isEmpty());
}

void EquationPanelTest::warningsMarkTheirFieldsWithoutAMessageBox_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("warning");
    QTest::newRow("no flow") << "RadioButton1"
                             << "Edit1"
                             << "0"
                             << "Edit1"
                             << "w = 0 m/s: tekutina neprúdi, rovnica nútenej konvekcie neplatí.";
    QTest::newRow("wall between") << "RadioButton1"
                                  << "Edit5"
                                  << "21"
                                  << "Edit5"
                                  << "Teplota steny 21 °C nie je mimo teplôt tekutiny (20 až 22 "
                                     "°C): teplo netečie jedným smerom.";
    QTest::newRow("rows") << "RadioButton12"
                          << "Edit30"
                          << "1"
                          << "Edit30"
                          << "Počet radov 1 nezodpovedá voľbe „Počet radov >= 10“.";
    QTest::newRow("fin thickness")
        << "RadioButton18"
        << "Edit33"
        << "2,1"
        << "Edit33"
        << "f = 2,1 mm je mimo overeného rozsahu rovnice (0,33 až 2,02 mm).";
}

void EquationPanelTest::warningsMarkTheirFieldsWithoutAMessageBox() {
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, marked);
    QFETCH(QString, warning);
    vortalin::test::Click(*Find<QRadioButton>(windows_->form1, button));
    TypeInto(*Find<QLineEdit>(windows_->form1, field), text);
    ModalWatcher watcher;
    Compute();
    QLineEdit& markedField = *Find<QLineEdit>(windows_->form1, marked);
    QVERIFY(Amber(markedField));
    QVERIFY2(markedField.toolTip().split('\n').contains(warning),
             qPrintable(markedField.toolTip()));
    QLabel& strip = Label("WarningsPanel");
    QVERIFY(strip.isVisible());
    QVERIFY2(strip.toolTip().split('\n').contains(warning), qPrintable(strip.toolTip()));
    QVERIFY(strip.text().startsWith("Upozornenie: "));
    QVERIFY(!Amber(Edit("Edit3"))); // a field no warning names stays as it was
    QVERIFY(watcher.Texts().isEmpty() || button == "RadioButton18"); // the bank's own range boxes
    QVERIFY(!watcher.Texts().contains(warning));
}

void EquationPanelTest::aRefusedRunShowsNoEquation() {
    TypeInto(Edit("Edit1"), "0");
    TypeInto(Edit("Edit8"), "0"); // laminar, zero length: refused as undefined
    ModalWatcher watcher;
    Compute();
    QCOMPARE(watcher.Texts().size(), 1);
    QVERIFY(!Label("EquationPanel").isVisible());
    QVERIFY(!Label("WarningsPanel").isVisible());
    QVERIFY(!Amber(Edit("Edit1")));
}

void EquationPanelTest::theNextRunClearsTheMarks() {
    vortalin::test::Click(*Find<QRadioButton>(windows_->form1, "RadioButton5")); // water
    TypeInto(Edit("Edit5"), "21");
    TypeInto(Edit("Edit1"), "1000"); // Re about 10^8, a result field is marked too
    const QString wallToolTip = Edit("Edit5").toolTip(); // the fields' own, without a mark
    const QString reynoldsToolTip = Edit("Edit14").toolTip();
    Compute();
    QVERIFY(Amber(Edit("Edit5")));
    QVERIFY(Amber(Edit("Edit14")));
    TypeInto(Edit("Edit5"), "60");
    TypeInto(Edit("Edit1"), "1");
    Compute();
    QVERIFY(!Amber(Edit("Edit5")));
    QVERIFY(!Amber(Edit("Edit14")));
    QCOMPARE(Edit("Edit5").toolTip(), wallToolTip);
    // The result field's tooltip is its own again, not the earlier run's warning.
    QCOMPARE(Edit("Edit14").toolTip(), reynoldsToolTip);
    QVERIFY(!Label("WarningsPanel").isVisible());
    QVERIFY(Label("EquationPanel").isVisible());
}

VORTALIN_GUI_TEST_MAIN(EquationPanelTest)
#include "EquationPanelTest.moc"
