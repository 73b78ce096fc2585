// The main window as a user meets it beyond one Compute: negative magnitudes refused as
// the command line refuses them, conversion messages that name and focus the field, Enter
// and Tab, Qt's own texts in Slovak, a readable greyed field, result texts that fit, and
// the copied results.

#include "app/compute/Calculator.h"
#include "app/compute/Messages.h"
#include "app/compute/ResultDisplay.h"
#include "app/form/FieldDescriptions.h"
#include "app/form/FormRecord.h"
#include "app/form/Geometries.h"
#include "app/form/InputFields.h"
#include "app/form/Selections.h"
#include "app/format/NumberFormat.h"
#include "app/ui/ResultFields.h"
#include "app/ui/ResultsCopy.h"
#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cmath>
#include <limits>

using vortalin::EditId;
using vortalin::test::Find;
using vortalin::test::ModalWatcher;
using vortalin::test::Name;
using vortalin::test::TypeInto;
using vortalin::test::Windows;

namespace {

// Relative luminance and contrast ratio of two colours (WCAG 2).
double Luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class WindowUseTest : public QObject {
    Q_OBJECT

private slots:
    void init() { windows_ = std::make_unique<Windows>(); }
    void cleanup() { windows_.reset(); }

    void labelsAreTheWindowsOwn();
    void negativeMagnitudesAreRefusedAsOnTheCommandLine();
    void conversionMessageNamesAndFocusesTheField();
    void greyedDiameterMessageSaysWhereToCorrectIt();
    void enterComputesAndTheFocusStays();
    void tabWalksTheSelectedGeometry();
    void qtTextsAreSlovak();
    void greyedDiameterIsReadable();
    void widestResultTextsFit();
    void copiedResults();
    void copiedResultsStayWithTheirInputs_data();
    void copiedResultsStayWithTheirInputs();
    void copiedResultsAfterASweepAreTheSinglePointRuns();
    void refusedComputeCopiesOnlyTheInputs_data();
    void refusedComputeCopiesOnlyTheInputs();

private:
    QWidget& Form() { return windows_->form1; }
    QLineEdit& Edit(EditId id) { return *Find<QLineEdit>(Form(), Name(ControlName(id))); }
    QRadioButton& Button(vortalin::ButtonId id) {
        return *Find<QRadioButton>(Form(), Name(ControlName(id)));
    }
    QPushButton& Compute() { return *Find<QPushButton>(Form(), "Button1"); }
    void ChooseGeometry(vortalin::Geometry g) {
        QTest::mouseClick(&Button(vortalin::ButtonOf(g)), Qt::LeftButton, {}, QPoint(6, 6));
    }
    // "Kopírovať výsledky", then what it put on the clipboard.
    QString Copied() {
        Find<QAction>(Form(), "Kopirovatvysledky1")->trigger();
        return QGuiApplication::clipboard()->text();
    }
    // Types the text into the named field, or clicks the named button when the text is empty;
    // false when the window does not show the change.
    bool Change(const QString& control, const QString& text) {
        if (text.isEmpty()) {
            auto* button = Find<QRadioButton>(Form(), control);
            vortalin::test::Click(*button);
            return button->isChecked();
        }
        auto* field = Find<QLineEdit>(Form(), control);
        TypeInto(*field, text);
        return field->text() == text;
    }

    std::unique_ptr<Windows> windows_;
};

// The caption that names a field: among the captions ending in a colon beside it, the
// nearest to its left edge, rows weighing more than columns.
QString CaptionOf(const QLineEdit& field) {
    const QPoint at(field.x(), field.y() + field.height() / 2);
    QString best;
    int bestDistance = std::numeric_limits<int>::max();
    for (const QLabel* label :
         field.parentWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString text = label->text().trimmed();
        if (!text.endsWith(':')) {
            continue;
        }
        const QPoint end(label->x() + label->width(), label->y() + label->height() / 2);
        const int distance = 4 * std::abs(end.y() - at.y()) + std::abs(at.x() - end.x());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = text;
        }
    }
    best.chop(1);
    return best.trimmed();
}

void WindowUseTest::labelsAreTheWindowsOwn() {
    for (std::size_t i = 0; i < vortalin::kEditCount; ++i) {
        const auto field = static_cast<EditId>(i);
        const std::string_view label = vortalin::LabelOf(field);
        if (label.empty()) {
            continue;
        }
        const bool dialog = ControlName(field).starts_with("Form2.");
        const QString name = dialog ? Name(ControlName(field).substr(6)) : Name(ControlName(field));
        auto* edit =
            Find<QLineEdit>(dialog ? static_cast<QWidget&>(windows_->form2) : Form(), name);
        QVERIFY(edit);
        QCOMPARE(CaptionOf(*edit), Name(label));
    }
    for (const vortalin::ResultLabel& result : vortalin::kResultLabels) {
        const QLineEdit& edit = Edit(result.field);
        bool found = false;
        for (const QLabel* label : edit.parentWidget()->findChildren<QLabel*>()) {
            found = found || (label->text() == QString::fromUtf8(result.label) &&
                              std::abs(label->y() - edit.y()) <= 2);
        }
        QVERIFY2(found, result.label);
    }
}

void WindowUseTest::negativeMagnitudesAreRefusedAsOnTheCommandLine() {
    ModalWatcher watcher;
    for (std::size_t g = 0; g < vortalin::kGeometryCount; ++g) {
        const auto geometry = static_cast<vortalin::Geometry>(g);
        ChooseGeometry(geometry);
        Button(vortalin::ButtonId::RadioButton16).setChecked(true);
        for (EditId field : vortalin::InputsReadBy(geometry)) {
            if (vortalin::MagnitudeOf(field) == nullptr) {
                continue; // temperatures, the angle and s3 are not magnitudes
            }
            std::string negative = vortalin::DefaultText(field, ',');
            negative.insert(negative.begin(), '-');
            // The command line's record of the same case.
            vortalin::FormRecord record;
            record.Select(vortalin::ButtonOf(geometry));
            record.Select(vortalin::ButtonId::RadioButton16);
            record.SetInputText(field, negative);
            vortalin::Calculator(record).Button1Click();

            QLineEdit& edit = Edit(field);
            const QString before = edit.text();
            edit.setText(QString::fromStdString(negative));
            const qsizetype seen = watcher.Boxes().size();
            Compute().click();
            QStringList shown = watcher.Texts().mid(seen);
            QStringList expected;
            for (const std::string& m : record.Messages()) {
                expected << QString::fromStdString(m);
            }
            const QString what =
                Name(vortalin::GeometryName(geometry)) + " " + Name(ControlName(field));
            QCOMPARE(shown, expected);
            QVERIFY2(shown.last() ==
                         QString::fromStdString(vortalin::NegativeMagnitudeMessage(field)),
                     qPrintable(what));
            QCOMPARE(Edit(EditId::Edit17).text(), QString(vortalin::kResetText));
            edit.setText(before);
        }
    }
}

void WindowUseTest::conversionMessageNamesAndFocusesTheField() {
    ModalWatcher watcher;
    ChooseGeometry(vortalin::Geometry::SingleRow);
    QLineEdit& s1 = Edit(EditId::Edit25);
    TypeInto(s1, "abc");
    Compute().setFocus();
    Compute().click();
    QCOMPARE(watcher.Texts(), QStringList{"s1 (m): 'abc' nie je platné číslo."});
    QTRY_COMPARE(QApplication::focusWidget(), &s1);
    QCOMPARE(s1.selectedText(), QString("abc"));

    s1.setText("0,02");
    Edit(EditId::Edit2).setText("");
    ChooseGeometry(vortalin::Geometry::PipeFlow);
    Compute().click();
    QCOMPARE(watcher.Texts().last(), QString("Hydraulický priemer (m): pole je prázdne."));
    QTRY_COMPARE(QApplication::focusWidget(), &Edit(EditId::Edit2));
}

void WindowUseTest::greyedDiameterMessageSaysWhereToCorrectIt() {
    ModalWatcher watcher;
    Edit(EditId::Edit2).setText("x");
    ChooseGeometry(vortalin::Geometry::HelicalPipe);
    QVERIFY(!Edit(EditId::Edit2).isEnabled());
    Compute().click();
    QCOMPARE(watcher.Texts(), QStringList{QString::fromStdString(vortalin::FieldConversionMessage(
                                  "Hydraulický priemer (m)", "'x' nie je platné číslo.", true))});
    QVERIFY(watcher.Texts().front().contains("prístupné na opravu"));
}

void WindowUseTest::enterComputesAndTheFocusStays() {
    ModalWatcher watcher;
    vortalin::FormRecord record;
    record.SetInputText(EditId::Edit1, "2");
    vortalin::Calculator(record).Button1Click();
    QLineEdit& w = Edit(EditId::Edit1);
    TypeInto(w, "2");
    QTest::keyClick(&w, Qt::Key_Return);
    QVERIFY(watcher.Boxes().isEmpty());
    QCOMPARE(Edit(EditId::Edit14).text(), QString::fromStdString(record.Text(EditId::Edit14)));
    QCOMPARE(QApplication::focusWidget(), &w);

    QLineEdit& length = Edit(EditId::Edit8);
    length.setFocus();
    TypeInto(length, "2");
    QTest::keyClick(&length, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(Edit(EditId::Edit16).text() != QString(vortalin::kResetText));
    QCOMPARE(QApplication::focusWidget(), &length);

    w.setText("1");
    Compute().setFocus();
    QTest::keyClick(&Compute(), Qt::Key_Return);
    QCOMPARE(Edit(EditId::Edit14).text(), QString("6588"));
    QCOMPARE(QApplication::focusWidget(), &Compute());
}

void WindowUseTest::tabWalksTheSelectedGeometry() {
    const auto walk = [this] {
        QStringList names;
        Edit(EditId::Edit1).setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 20 && QApplication::focusWidget() != &Compute(); ++i) {
            names << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return names << QApplication::focusWidget()->objectName();
    };
    QCOMPARE(walk(), (QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "RadioButton2",
                                  "RadioButton1", "RadioButton3", "Edit8", "Button1"}));
    ChooseGeometry(vortalin::Geometry::InlineBank);
    QCOMPARE(walk(),
             (QStringList{"Edit1", "Edit3", "Edit4", "Edit5", "RadioButton2", "RadioButton12",
                          "Edit26", "Edit27", "Edit28", "RadioButton15", "Edit30", "Button1"}));
    // The result fields can be clicked into, but Tab passes them by.
    QLineEdit& result = Edit(EditId::Edit16);
    QTest::mouseClick(&result, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), &result);
    QCOMPARE(result.focusPolicy(), Qt::ClickFocus);
}

void WindowUseTest::qtTextsAreSlovak() {
    QMessageBox box(QMessageBox::Question, "t", "t", QMessageBox::Save | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Save)->text(), QString("Uložiť"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QString("Zrušiť"));
    auto* dialog = Find<QFileDialog>(Form(), "SaveDialog1");
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto* label = Find<QLabel>(*dialog, "fileNameLabel");
    QCOMPARE(label->text(), QString("&Názov súboru:"));
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    QVERIFY(buttons);
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QString("Zrušiť"));
    dialog->reject();
}

void WindowUseTest::greyedDiameterIsReadable() {
    ChooseGeometry(vortalin::Geometry::FinnedBank);
    QLineEdit& d = Edit(EditId::Edit2);
    QVERIFY(!d.isEnabled());
    const QImage image = d.grab().toImage();
    const QColor background = image.pixelColor(image.width() - 5, image.height() / 2);
    QCOMPARE(background, QColor(192, 192, 192));
    QColor darkest = background;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 3; x < image.width() / 2; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.lightness() < darkest.lightness()) {
                darkest = c;
            }
        }
    }
    const double contrast = Contrast(darkest, background);
    QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast)));
}

void WindowUseTest::widestResultTextsFit() {
    // The widest texts the formats give: ten integer digits with every decimal, the general
    // exponent form of the largest double, negative, and the text of an undefined value.
    const double largest = -std::numeric_limits<double>::max();
    for (const vortalin::DisplayedResult& r : vortalin::kDisplayedResults) {
        QStringList texts = {QString::fromUtf8(vortalin::kUndefinedValueText)};
        if (r.exponent) {
            texts << QString::fromStdString(
                vortalin::FormatExponent(largest, r.precision, r.digits, ','));
        } else {
            texts << QString::fromStdString(
                         vortalin::FormatFixed(-9999999999.0, r.precision, r.digits, ','))
                  << QString::fromStdString(
                         vortalin::FormatFixed(largest, r.precision, r.digits, ','));
        }
        QLineEdit& field = Edit(r.field);
        for (const QString& text : texts) {
            field.setText(text);
            QVERIFY2(vortalin::TextFits(field, text), qPrintable(field.objectName() + " " + text));
            QVERIFY(field.font().pointSizeF() >= 6.0);
            QVERIFY(field.toolTip().startsWith(Name(vortalin::FullNameOf(r.field))));
        }
    }
    QCOMPARE(vortalin::FormatFixed(-9999999999.0, 10, 4, ','), std::string("-9999999999,0000"));
}

void WindowUseTest::copiedResults() {
    auto* copy = Find<QAction>(Form(), "Kopirovatvysledky1");
    QCOMPARE(copy->shortcut(), QKeySequence("Ctrl+Shift+C"));
    ModalWatcher watcher;
    Compute().click();
    QLineEdit& w = Edit(EditId::Edit1);
    w.setFocus();
    QTest::keySequence(&w, QKeySequence("Ctrl+Shift+C")); // from an input field too
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString("Typ tekutiny\tVzduch\n"
                     "Typ geometrie\tPrúdenie cez potrubie\n"
                     "Typ prestupu\tKonšt. teplota steny\n"
                     "Rýchlosť tekutiny (m.s-1)\t1\n"
                     "Hydraulický priemer (m)\t0,1\n"
                     "Teplota na vstupe (°C)\t20\n"
                     "Teplota na výstupe (°C)\t22\n"
                     "Teplota steny (°C)\t30\n"
                     "Dĺžka potrubia L (m)\t1\n"
                     "Stredná teplota tekutiny (°C)\t21,000\n"
                     "Stredná log. teplota (°C)\t8,963\n"
                     "Hustota (kg.m-3)\t1,202\n"
                     "Kinematická viskozita (m2.s-1)\t1,518E-005\n"
                     "Dynamická viskozita (Pa.s)\t1,824E-005\n"
                     "Tepelná kapacita (J.kg-1.K-1)\t1004,688\n"
                     "Tepelná vodivosť (W.m-1.K-1)\t0,0254\n"
                     "Reynoldsovo číslo (1)\t6588\n"
                     "Prandtlovo číslo (1)\t0,7203\n"
                     "Prandtl pri stene (1)\t0,7203\n"
                     "Nusseltovo číslo (1)\t27,0810\n"
                     "Súčiniteľ prestupu tepla (W.m-2.K-1)\t6,8910\n"
                     "Nachádzate sa v prechodovej oblasti prúdenia.\n"));

    ChooseGeometry(vortalin::Geometry::PartlyStaggeredBank);
    Edit(EditId::Edit27).setText("-0,02");
    Compute().click();
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString("Typ tekutiny\tVzduch\n"
                     "Typ geometrie\tRúrkovnica - čiastočne str.\n"
                     "Počet radov rúrkovnice\tPočet radov >= 10\n"
                     "Rýchlosť tekutiny (m.s-1)\t1\n"
                     "Teplota na vstupe (°C)\t20\n"
                     "Teplota na výstupe (°C)\t22\n"
                     "Teplota steny (°C)\t30\n"
                     "Priemer rúrky d (m)\t0,01\n"
                     "Priečna rozteč s1 (m)\t-0,02\n"
                     "Pozdĺžna rozteč s2 (m)\t0,02\n"
                     "Posunutie radov s3 (m)\t0,005\n"
                     "Počet radov\t1\n") +
                 QString::fromUtf8(vortalin::kNoResultsCopiedText) + "\n");
}

namespace {

QString NameOf(vortalin::ButtonId button) {
    return Name(ControlName(button));
}

// The geometry's own input that comes last in the window.
QString LastInputOf(vortalin::Geometry g) {
    const vortalin::InputList inputs = vortalin::InputsReadBy(g);
    return Name(ControlName(*(inputs.end() - 1)));
}

const QString kNoResultsLine = QString::fromUtf8(vortalin::kNoResultsCopiedText) + "\n";

} // namespace

// A change of a selection or an input after a Compute leaves the results of the Compute on
// screen; the copy keeps pairing them with the inputs they were computed from.
void WindowUseTest::copiedResultsStayWithTheirInputs_data() {
    using vortalin::Geometry;
    QTest::addColumn<int>("geometry");
    QTest::addColumn<QString>("control"); // clicked when the text is empty
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, Geometry g, const QString& control, const char* text) {
        QTest::newRow(name) << static_cast<int>(g) << control << QString::fromUtf8(text);
    };
    const auto button = [](auto choice) { return NameOf(vortalin::ButtonOf(choice)); };
    row("pipe, then the in-line bank", Geometry::PipeFlow, button(Geometry::InlineBank), "");
    row("pipe, then water", Geometry::PipeFlow, button(vortalin::Fluid::Water), "");
    row("pipe, then heat flux", Geometry::PipeFlow, button(vortalin::HeatingMode::ConstHeatFlux),
        "");
    row("pipe, velocity typed", Geometry::PipeFlow, "Edit1", "2");
    row("pipe, diameter typed", Geometry::PipeFlow, "Edit2", "0,2");
    row("pipe, a text that is no number", Geometry::PipeFlow, "Edit1", "abc");
    row("staggered bank, then few rows", Geometry::StaggeredBank,
        button(vortalin::RowCountMode::FewRows), "");
    row("staggered bank, its last field typed", Geometry::StaggeredBank,
        LastInputOf(Geometry::StaggeredBank), "7");
    row("finned bank, then natural gas", Geometry::FinnedBank, button(vortalin::Fluid::NaturalGas),
        "");
    row("finned bank, then the pipe", Geometry::FinnedBank, button(Geometry::PipeFlow), "");
}

void WindowUseTest::copiedResultsStayWithTheirInputs() {
    QFETCH(int, geometry);
    QFETCH(QString, control);
    QFETCH(QString, text);
    ModalWatcher watcher;
    ChooseGeometry(static_cast<vortalin::Geometry>(geometry));
    Compute().click();
    const QString computed = Copied();
    QVERIFY2(!computed.endsWith(kNoResultsLine), qPrintable(computed));
    QVERIFY(Change(control, text));
    QCOMPARE(Copied(), computed);
    QVERIFY(Edit(EditId::Edit16).text() != QLatin1String(vortalin::kResetText));
    QCOMPARE(watcher.Texts(), QStringList());
}

void WindowUseTest::copiedResultsAfterASweepAreTheSinglePointRuns() {
    QTemporaryDir dir;
    const QString path = dir.filePath("studia.txt");
    ModalWatcher watcher([&path](QDialog& dialog) {
        vortalin::test::EnterFileName(static_cast<QFileDialog&>(dialog), path);
    });
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Ulodosboru1");
    QVERIFY(Find<QAction>(Form(), "Ulodosboru1")->isChecked());
    Compute().click();
    QVERIFY(QFile::exists(path));
    const QString afterSweep = Copied();
    QVERIFY(Change(NameOf(vortalin::ButtonOf(vortalin::Geometry::InlineBank)), ""));
    QCOMPARE(Copied(), afterSweep);
    // The same case computed without a sweep.
    QVERIFY(Change(NameOf(vortalin::ButtonOf(vortalin::Geometry::PipeFlow)), ""));
    vortalin::test::ChooseMenuItem(Form(), "daje1", "Ulodosboru1");
    QVERIFY(!Find<QAction>(Form(), "Ulodosboru1")->isChecked());
    Compute().click();
    QCOMPARE(afterSweep, Copied());
    QVERIFY2(!afterSweep.endsWith(kNoResultsLine), qPrintable(afterSweep));
    QCOMPARE(watcher.Texts(), QStringList());
}

// A Compute that shows no results leaves nothing of an earlier one to copy: the inputs as
// they are now, with the note.
void WindowUseTest::refusedComputeCopiesOnlyTheInputs_data() {
    QTest::addColumn<QString>("velocity");
    QTest::newRow("negative velocity") << "-1";
    QTest::newRow("a text that is no number") << "abc";
    QTest::newRow("a blank") << " ";
}

void WindowUseTest::refusedComputeCopiesOnlyTheInputs() {
    QFETCH(QString, velocity);
    ModalWatcher watcher;
    Compute().click();
    const QString computed = Copied();
    QString inputs = computed.left(
        computed.indexOf(Name(vortalin::FullNameOf(vortalin::kResultLabels.front().field))));
    const QString label = Name(vortalin::FullNameOf(EditId::Edit1)) + "\t";
    inputs.replace(label + "1\n", label + velocity + "\n");
    TypeInto(Edit(EditId::Edit1), velocity);
    Compute().click();
    QCOMPARE(watcher.Texts().size(), 1);
    QCOMPARE(Copied(), inputs + kNoResultsLine);
}

VORTALIN_GUI_TEST_MAIN(WindowUseTest)

#include "WindowUseTest.moc"
