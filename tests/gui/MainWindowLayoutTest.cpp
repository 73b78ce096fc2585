// The windows as they open: captions, sizes, every control with its name, default text,
// selection and place, and no caption cut off or control covering another.

#include "app/form/FieldDescriptions.h"
#include "app/form/InputFields.h"
#include "app/format/NumberFormat.h"
#include "app/ui/Sketch.h"
#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QAction>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QStatusBar>

using vortalin::test::Find;
using vortalin::test::Windows;

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { windows_ = std::make_unique<Windows>(); }
    void cleanup() { windows_.reset(); }

    void mainWindowHasItsCaptionSizeAndPlace();
    void rangeDialogIsCreatedHiddenWithItsCaptionAndSize();
    void fieldsShowTheirDefaultTexts_data();
    void fieldsShowTheirDefaultTexts();
    void buttonsHaveTheirCaptionsAndStartSelection_data();
    void buttonsHaveTheirCaptionsAndStartSelection();
    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();
    void everyFieldHasItsLabelBesideIt_data();
    void everyFieldHasItsLabelBesideIt();
    void otherControlsHaveTheirTexts();
    void menuHasItsItems();
    void sketchesAreLoaded();
    void noCaptionIsCutOff();
    void noControlCoversAnother();

private:
    std::unique_ptr<Windows> windows_;
};

void MainWindowLayoutTest::mainWindowHasItsCaptionSizeAndPlace() {
    TForm1& form1 = windows_->form1;
    QCOMPARE(form1.objectName(), QString("Form1"));
    QCOMPARE(form1.windowTitle(), QString("Vortalin 0.5"));
    QCOMPARE(form1.frameGeometry().size(), QSize(955, 611));
    QVERIFY(form1.isVisible());
    const QRect desktop = form1.screen()->availableGeometry();
    // Centred: the frame's corner at half the free space. The offscreen screen is narrower
    // than the window, and its platform shifts a window that would start left of the
    // screen by the frame's width (2 pixels).
    const QPoint corner(desktop.x() + (desktop.width() - 955) / 2,
                        desktop.y() + (desktop.height() - 611) / 2);
    QVERIFY(qAbs(form1.frameGeometry().left() - corner.x()) <= 2);
    QVERIFY(qAbs(form1.frameGeometry().top() - corner.y()) <= 2);
    // The client area holds the geometry group, which reaches down to 545.
    QVERIFY(form1.centralWidget()->height() >= 545);
}

void MainWindowLayoutTest::rangeDialogIsCreatedHiddenWithItsCaptionAndSize() {
    TForm2& form2 = windows_->form2;
    QCOMPARE(form2.objectName(), QString("Form2"));
    QVERIFY(!form2.isVisible());
    QVERIFY(!form2.isModal());
    QCOMPARE(form2.windowTitle(), QString("Nastavenie rozsahu"));
    QCOMPARE(form2.frameGeometry().size(), QSize(359, 153));
    auto* group = Find<QGroupBox>(form2, "GroupBox1");
    QVERIFY(group);
    QCOMPARE(group->title(), QString("Výber premennej"));
}

void MainWindowLayoutTest::fieldsShowTheirDefaultTexts_data() {
    QTest::addColumn<bool>("inRangeDialog");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readOnly");
    const QString hyphens(16, '-');
    const struct {
        const char* name;
        const char* text;
    } inputs[] = {
        {"Edit1", "1"},      {"Edit2", "0,1"},   {"Edit3", "20"},    {"Edit4", "22"},
        {"Edit5", "30"},     {"Edit8", "1"},     {"Edit19", "90"},   {"Edit20", "1"},
        {"Edit21", "0,01"},  {"Edit22", "0,1"},  {"Edit23", "0,02"}, {"Edit24", "0,01"},
        {"Edit25", "0,02"},  {"Edit26", "0,01"}, {"Edit27", "0,02"}, {"Edit28", "0,02"},
        {"Edit29", "0,005"}, {"Edit30", "1"},    {"Edit31", "53,6"}, {"Edit32", "25"},
        {"Edit33", "0,44"},  {"Edit34", "2,46"},
    };
    for (const auto& input : inputs) {
        QTest::newRow(input.name) << false << QString(input.text) << false;
    }
    for (const char* result : {"Edit6", "Edit7"}) {
        QTest::newRow(result) << false << hyphens << true;
    }
    for (const char* result : {"Edit9", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15",
                               "Edit16", "Edit17", "Edit18"}) {
        QTest::newRow(result) << false << hyphens << false;
    }
    QTest::newRow("Form2.Edit1") << true << QString("0,1") << false;
    QTest::newRow("Form2.Edit2") << true << QString("0,2") << false;
    QTest::newRow("Form2.Edit3") << true << QString("10") << false;
}

void MainWindowLayoutTest::fieldsShowTheirDefaultTexts() {
    QFETCH(bool, inRangeDialog);
    QFETCH(QString, text);
    QFETCH(bool, readOnly);
    QString name = QTest::currentDataTag();
    name.remove("Form2.");
    const QWidget& form = inRangeDialog ? static_cast<QWidget&>(windows_->form2)
                                        : static_cast<QWidget&>(windows_->form1);
    auto* edit = Find<QLineEdit>(form, name);
    QVERIFY(edit);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->isReadOnly(), readOnly);
    // The pipe is selected at start: of the geometries' own fields only its length is open.
    const auto id = vortalin::EditByName(QTest::currentDataTag());
    QVERIFY(id);
    QCOMPARE(edit->isEnabled(), vortalin::GeometryReads(vortalin::Geometry::PipeFlow, *id) ||
                                    vortalin::LabelOf(*id).empty());
}

void MainWindowLayoutTest::buttonsHaveTheirCaptionsAndStartSelection_data() {
    QTest::addColumn<bool>("inRangeDialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("selected");
    const struct {
        const char* name;
        const char* caption;
        bool selected;
    } buttons[] = {
        {"RadioButton1", "Prúdenie cez potrubie", true},
        {"RadioButton6", "Priečne obtekanie potrubia", false},
        {"RadioButton7", "Obtekanie dosky", false},
        {"RadioButton8", "Tok v rovinnej štrbine", false},
        {"RadioButton9", "Štrbina jednostranne izol.", false},
        {"RadioButton10", "Skrutkovicové potrubie", false},
        {"RadioButton11", "Prúdenie cez 1 rad ", false},
        {"RadioButton12", "Usporiadaná rúrkovnica", false},
        {"RadioButton13", "Rúrkovnica - striedavá", false},
        {"RadioButton14", "Rúrkovnica - čiastočne str.", false},
        {"RadioButton18", "Rebrovaná rúrkovnica", false},
        {"RadioButton2", "Vzduch", true},
        {"RadioButton5", "Voda", false},
        {"RadioButton17", "ZP (p=6,528 MPa)", false},
        {"RadioButton3", "Konšt. teplota steny", true},
        {"RadioButton4", "Konšt. tepelný tok", false},
        {"RadioButton15", "Počet radov >= 10", true},
        {"RadioButton16", "Počet radov < 10", false},
    };
    for (const auto& button : buttons) {
        QTest::newRow(button.name) << false << QString(button.caption) << button.selected;
    }
    const char* sweepCaptions[] = {"Rýchlosť tekutiny", "Hydraulický priemer", "Teplota na vstupe",
                                   "Teplota na výstupe", "Teplota steny"};
    for (int i = 0; i < 5; ++i) {
        const QByteArray tag = "Form2.RadioButton" + QByteArray::number(i + 1);
        QTest::newRow(tag.constData()) << true << QString(sweepCaptions[i]) << (i == 0);
    }
}

void MainWindowLayoutTest::buttonsHaveTheirCaptionsAndStartSelection() {
    QFETCH(bool, inRangeDialog);
    QFETCH(QString, caption);
    QFETCH(bool, selected);
    QString name = QTest::currentDataTag();
    name.remove("Form2.");
    const QWidget& form = inRangeDialog ? static_cast<QWidget&>(windows_->form2)
                                        : static_cast<QWidget&>(windows_->form1);
    auto* button = Find<QRadioButton>(form, name);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->isChecked(), selected);
    QVERIFY(button->isEnabled());
}

void MainWindowLayoutTest::controlsStandAtTheirPlaces_data() {
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("place"); // width or height 0: not prescribed
    const struct {
        const char* name;
        const char* parent;
        QRect place;
    } places[] = {
        {"Edit1", "ClientArea", {216, 8, 73, 0}},
        {"Edit2", "ClientArea", {216, 32, 73, 0}},
        {"Edit3", "ClientArea", {216, 56, 73, 0}},
        {"Edit4", "ClientArea", {216, 80, 73, 0}},
        {"Edit5", "ClientArea", {216, 104, 73, 0}},
        {"GroupBox2", "ClientArea", {8, 136, 281, 65}},
        {"Button1", "ClientArea", {8, 208, 281, 25}},
        {"ProgressBar1", "ClientArea", {8, 236, 281, 16}},
        {"Edit6", "ClientArea", {216, 256, 73, 0}},
        {"Edit7", "ClientArea", {216, 280, 73, 0}},
        {"Edit9", "ClientArea", {216, 304, 73, 0}},
        {"Edit10", "ClientArea", {216, 328, 73, 0}},
        {"Edit11", "ClientArea", {216, 352, 73, 0}},
        {"Edit12", "ClientArea", {216, 376, 73, 0}},
        {"Edit13", "ClientArea", {216, 400, 73, 0}},
        {"Edit14", "ClientArea", {216, 424, 73, 0}},
        {"Edit15", "ClientArea", {216, 448, 73, 0}},
        {"Edit18", "ClientArea", {216, 472, 73, 0}},
        {"Edit16", "ClientArea", {216, 496, 73, 0}},
        {"Edit17", "ClientArea", {216, 520, 73, 0}},
        {"GroupBox1", "ClientArea", {296, 0, 649, 545}},
        {"RadioButton1", "GroupBox1", {8, 16, 0, 0}},
        {"Image1", "GroupBox1", {8, 32, 153, 105}},
        {"GroupBox3", "GroupBox1", {160, 40, 129, 57}},
        {"Edit8", "GroupBox1", {240, 104, 0, 0}},
        {"RadioButton6", "GroupBox1", {8, 146, 0, 0}},
        {"Image2", "GroupBox1", {8, 168, 153, 105}},
        {"Edit19", "GroupBox1", {240, 174, 0, 0}},
        {"RadioButton7", "GroupBox1", {8, 288, 0, 0}},
        {"Image3", "GroupBox1", {8, 304, 153, 105}},
        {"RadioButton8", "GroupBox1", {8, 416, 0, 0}},
        {"Image4", "GroupBox1", {8, 432, 153, 85}},
        {"RadioButton9", "GroupBox1", {168, 416, 0, 0}},
        {"Image5", "GroupBox1", {168, 432, 153, 85}},
        {"Edit20", "GroupBox1", {168, 520, 0, 0}},
        {"RadioButton10", "GroupBox1", {184, 208, 0, 0}},
        {"Image6", "GroupBox1", {184, 224, 137, 129}},
        {"Edit21", "GroupBox1", {240, 360, 0, 0}},
        {"Edit22", "GroupBox1", {240, 376, 0, 0}},
        {"Edit23", "GroupBox1", {240, 392, 0, 0}},
        {"RadioButton11", "GroupBox1", {328, 16, 0, 0}},
        {"Image7", "GroupBox1", {328, 32, 137, 105}},
        {"Edit24", "GroupBox1", {400, 144, 0, 0}},
        {"Edit25", "GroupBox1", {400, 160, 0, 0}},
        {"RadioButton12", "GroupBox1", {328, 192, 0, 0}},
        {"Image8", "GroupBox1", {336, 208, 137, 113}},
        {"Edit26", "GroupBox1", {448, 328, 0, 0}},
        {"Edit27", "GroupBox1", {448, 344, 0, 0}},
        {"Edit28", "GroupBox1", {448, 360, 0, 0}},
        {"Edit29", "GroupBox1", {448, 376, 0, 0}},
        {"RadioButton13", "GroupBox1", {336, 400, 0, 0}},
        {"Image9", "GroupBox1", {336, 416, 137, 120}},
        {"RadioButton14", "GroupBox1", {480, 400, 0, 0}},
        {"Image10", "GroupBox1", {488, 416, 137, 120}},
        {"GroupBox4", "GroupBox1", {504, 314, 137, 84}},
        {"RadioButton18", "GroupBox1", {472, 16, 0, 0}},
        {"Image11", "GroupBox1", {472, 24, 169, 137}},
        {"Edit31", "GroupBox1", {560, 168, 0, 0}},
        {"Edit32", "GroupBox1", {560, 192, 0, 0}},
        {"Edit33", "GroupBox1", {560, 216, 0, 0}},
        {"Edit34", "GroupBox1", {560, 240, 0, 0}},
        {"RadioButton2", "GroupBox2", {}},
        {"RadioButton5", "GroupBox2", {}},
        {"RadioButton17", "GroupBox2", {}},
        {"RadioButton3", "GroupBox3", {}},
        {"RadioButton4", "GroupBox3", {}},
        {"RadioButton15", "GroupBox4", {}},
        {"RadioButton16", "GroupBox4", {}},
        {"Edit30", "GroupBox4", {}},
    };
    for (const auto& entry : places) {
        QTest::newRow(entry.name) << QString(entry.parent) << entry.place;
    }
}

void MainWindowLayoutTest::controlsStandAtTheirPlaces() {
    QFETCH(QString, parentName);
    QFETCH(QRect, place);
    auto* control = Find<QWidget>(windows_->form1, QTest::currentDataTag());
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parentName);
    QVERIFY(control->isVisible());
    if (place.isNull()) {
        return; // only the parent is prescribed
    }
    QCOMPARE(control->pos(), place.topLeft());
    if (place.width() > 0) {
        QCOMPARE(control->width(), place.width());
    }
    if (place.height() > 0) {
        QCOMPARE(control->height(), place.height());
    }
}

void MainWindowLayoutTest::everyFieldHasItsLabelBesideIt_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("bold");
    const struct {
        const char* edit;
        const char* label;
        bool bold;
    } pairs[] = {
        {"Edit1", "Rýchlosť tekutiny (m.s-1) :", true},
        {"Edit2", "Hydraulický priemer (m) :", true},
        {"Edit3", "Teplota na vstupe (°C) :", true},
        {"Edit4", "Teplota na výstupe (°C) :", true},
        {"Edit5", "Teplota steny (°C) :", true},
        {"Edit6", "Stredná teplota tekutiny (°C) :", true},
        {"Edit7", "Stredná log. teplota (°C) :", true},
        {"Edit9", "Hustota (kg.m-3) :", true},
        {"Edit10", "Kinematická viskozita (m2.s-1) :", true},
        {"Edit11", "Dynamická viskozita (Pa.s) :", true},
        {"Edit12", "Tepelná kapacita (J.kg-1.K-1):", true},
        {"Edit13", "Tepelná vodivosť (W.m-1.K-1)", true},
        {"Edit14", "Reynoldsovo číslo (1) :", true},
        {"Edit15", "Prandtlovo číslo (1) :", true},
        {"Edit18", "Prandtl pri stene (1):", true},
        {"Edit16", "Nusseltovo číslo (1) :", true},
        {"Edit17", "Súčiniteľ prestupu tepla (W.m-2.K-1):", true},
        {"Edit8", "Dĺžka (m):", false},
        {"Edit20", "Dĺžka L (m) :", false},
        {"Edit21", "d (m) :", false},
        {"Edit22", "D (m) :", false},
        {"Edit23", "h (m) :", false},
        {"Edit24", "d (m) :", false},
        {"Edit25", "s1 (m):", false},
        {"Edit26", "d (m):", false},
        {"Edit27", "s1 (m) :", false},
        {"Edit28", "s2 (m) :", false},
        {"Edit29", "s3 (m) :", false},
        {"Edit30", "Počet radov :", false},
        {"Edit31", "d_a (mm):", false},
        {"Edit32", "d_b (mm):", false},
        {"Edit33", "f (mm):", false},
        {"Edit34", "P_f (mm):", false},
    };
    for (const auto& pair : pairs) {
        QTest::newRow(pair.edit) << QString(pair.label) << pair.bold;
    }
}

void MainWindowLayoutTest::everyFieldHasItsLabelBesideIt() {
    QFETCH(QString, label);
    QFETCH(bool, bold);
    auto* edit = Find<QLineEdit>(windows_->form1, QTest::currentDataTag());
    QVERIFY(edit);
    // The label with that text in the same row, ending left of the field.
    const QList<QLabel*> labels =
        edit->parentWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    const auto beside = std::find_if(labels.begin(), labels.end(), [&](const QLabel* candidate) {
        return candidate->text() == label && candidate->y() == edit->y() &&
               candidate->geometry().right() < edit->x();
    });
    QVERIFY2(beside != labels.end(), qPrintable("no label \"" + label + "\" beside the field"));
    QCOMPARE((*beside)->font().bold(), bold);
    if (edit->parentWidget()->objectName() == "ClientArea") {
        QCOMPARE((*beside)->x(), 8);
    }
}

void MainWindowLayoutTest::otherControlsHaveTheirTexts() {
    const TForm1& form1 = windows_->form1;
    const std::pair<const char*, const char*> groups[] = {{"GroupBox1", "Typ geometrie"},
                                                          {"GroupBox2", "Typ tekutiny"},
                                                          {"GroupBox3", "Typ prestupu"},
                                                          {"GroupBox4", "Počet radov rúrkovnice"}};
    for (const auto& [name, title] : groups) {
        auto* group = Find<QGroupBox>(form1, name);
        QVERIFY(group);
        QCOMPARE(group->title(), QString(title));
    }
    auto* compute = Find<QPushButton>(form1, "Button1");
    QVERIFY(compute);
    QCOMPARE(compute->text(), QString("Vypočítaj"));

    auto* bar = Find<QProgressBar>(form1, "ProgressBar1");
    QVERIFY(bar);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QVERIFY(!bar->isTextVisible());

    auto* status = Find<QStatusBar>(form1, "StatusBar1");
    QVERIFY(status);
    QCOMPARE(form1.statusBar(), status);
    auto* panel = Find<QLabel>(*status, "StatusPanel0");
    QVERIFY(panel);
    QVERIFY(panel->text().isEmpty());
    QVERIFY(panel->width() > status->width() * 3 / 4); // one panel across the width

    // The hints of the cross-flow and the slots, and the red notes of the finned bank.
    const QList<QLabel*> labels = form1.findChildren<QLabel*>();
    const auto labelWithText = [&](const QString& text) -> QLabel* {
        for (QLabel* label : labels) {
            if (label->text() == text) {
                return label;
            }
        }
        return nullptr;
    };
    for (const char* hint : {"Uhol dopadu (°):", "( 20 až 90° )", "Dh = 2*s"}) {
        QVERIFY2(labelWithText(hint) != nullptr, hint);
    }
    for (const char* note : {"!!! Iba pre 6 radov !!!", "Rovnostranný trojuholník"}) {
        QLabel* label = labelWithText(note);
        QVERIFY2(label != nullptr, note);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    }
    const QPoint notes[] = {{488, 258}, {472, 274}};
    QCOMPARE(labelWithText("!!! Iba pre 6 radov !!!")->pos(), notes[0]);
    QCOMPARE(labelWithText("Rovnostranný trojuholník")->pos(), notes[1]);

    auto* saveDialog = Find<QFileDialog>(form1, "SaveDialog1");
    QVERIFY(saveDialog);
    QVERIFY(!saveDialog->isVisible());

    const std::pair<const char*, const char*> rangeLabels[] = {
        {"Edit1", "Od :"}, {"Edit2", "Do :"}, {"Edit3", "Počet krokov:"}};
    for (const auto& [editName, text] : rangeLabels) {
        auto* edit = Find<QLineEdit>(windows_->form2, editName);
        QVERIFY(edit);
        const QList<QLabel*> dialogLabels = windows_->form2.findChildren<QLabel*>();
        QVERIFY2(std::any_of(dialogLabels.begin(), dialogLabels.end(),
                             [&](const QLabel* label) {
                                 return label->text() == text && label->y() == edit->y();
                             }),
                 text);
    }
}

void MainWindowLayoutTest::menuHasItsItems() {
    const TForm1& form1 = windows_->form1;
    QCOMPARE(form1.menuBar()->objectName(), QString("MainMenu1"));
    const struct {
        const char* menu;
        const char* title;
        QStringList items;
        QStringList texts;
    } menus[] = {
        // The case items, then the calculation sheet's items before "Koniec".
        {"Sbor1",
         "Súbor",
         {"Nataj1", "Ulo1", "Ulozitako1", "dajeoprpade1", "Tlai1", "ExportovaprotokoldoPDF1",
          "Koniec1"},
         {"Načítaj", "Ulož", "Uložiť ako…", "Údaje o prípade…", "Tlačiť…",
          "Exportovať protokol do PDF…", "Koniec"}},
        {"daje1",
         "Údaje",
         {"Nastavenierozsahu1", "Ulodosboru1", "Grafparametrickejtdie1", "Kopirovatvysledky1"},
         {"Nastavenie rozsahu", "Ulož do súboru", "Graf parametrickej štúdie",
          "Kopírovať výsledky"}},
        {"Pomocnik1",
         "Pomocník",
         {"Pouzivatelskaprirucka1", "OprogrameVortalin1"},
         {"Používateľská príručka", "O programe Vortalin"}},
    };
    QList<QAction*> bar = form1.menuBar()->actions();
    QCOMPARE(bar.size(), int(std::size(menus)));
    for (int m = 0; m < int(std::size(menus)); ++m) {
        auto* menu = Find<QMenu>(form1, menus[m].menu);
        QVERIFY(menu);
        QCOMPARE(bar[m], menu->menuAction());
        QCOMPARE(menu->title(), QString(menus[m].title));
        QList<QAction*> actions = menu->actions();
        // Separators, and the recent cases, none of which a fresh start has.
        actions.removeIf([](const QAction* a) { return a->isSeparator() || !a->isVisible(); });
        QCOMPARE(actions.size(), menus[m].items.size());
        for (int i = 0; i < actions.size(); ++i) {
            QCOMPARE(actions[i]->objectName(), menus[m].items[i]);
            QCOMPARE(actions[i]->text(), menus[m].texts[i]);
            QCOMPARE(actions[i]->isCheckable(), actions[i]->objectName() == "Ulodosboru1");
            QVERIFY(!actions[i]->isChecked());
        }
    }
}

// Each sketch holds its picture at its own size and at twice that (rendered from the
// drawing, not scaled up), and paints it.
void MainWindowLayoutTest::sketchesAreLoaded() {
    for (int i = 1; i <= 11; ++i) {
        const QString name = QString("Image%1").arg(i);
        auto* sketch = Find<vortalin::Sketch>(windows_->form1, name);
        QVERIFY(sketch);
        const QSize size = sketch->size();
        for (const qreal ratio : {1.0, 2.0}) {
            const QPixmap pixmap = sketch->Picture().pixmap(size, ratio);
            QCOMPARE(pixmap.size(), size * ratio);
            QCOMPARE(pixmap.devicePixelRatio(), ratio);
        }
        const QImage fine = sketch->Picture().pixmap(size, 2).toImage();
        const QImage coarse = sketch->Picture().pixmap(size, 1).toImage();
        QVERIFY2(fine != coarse.scaled(fine.size()), qPrintable(name));
        const QImage shown = sketch->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < shown.height(); y += 3) {
            for (int x = 0; x < shown.width(); x += 3) {
                colours.insert(shown.pixel(x, y));
            }
        }
        QVERIFY2(colours.size() > 20, qPrintable(name));
    }
}

void MainWindowLayoutTest::noCaptionIsCutOff() {
    for (const QWidget* area : {static_cast<QWidget*>(windows_->form1.centralWidget()),
                                static_cast<QWidget*>(&windows_->form2)}) {
        for (const QLabel* label : area->findChildren<QLabel*>()) {
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(needed <= label->contentsRect().width(), qPrintable(label->text()));
            QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(label->text()));
        }
        for (const QAbstractButton* button : area->findChildren<QAbstractButton*>()) {
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
        }
        for (const QGroupBox* group : area->findChildren<QGroupBox*>()) {
            const int needed = group->fontMetrics().horizontalAdvance(group->title());
            QVERIFY2(needed < group->width() - 8, qPrintable(group->title()));
        }
    }
}

void MainWindowLayoutTest::noControlCoversAnother() {
    // The finned bank's button stands on the top edge of its sketch, as the layout places
    // them; the button stays above the sketch.
    const QWidget* finnedSketch = Find<QWidget>(windows_->form1, "Image11");
    const QWidget* finnedButton = Find<QWidget>(windows_->form1, "RadioButton18");
    const QObjectList& siblings = finnedButton->parentWidget()->children();
    QVERIFY(siblings.indexOf(finnedButton) > siblings.indexOf(finnedSketch));
    // Elsewhere neighbours at the layout's positions may share one pixel column or row.
    const auto cover = [&](const QWidget* a, const QWidget* b) {
        if ((a == finnedSketch && b == finnedButton) || (a == finnedButton && b == finnedSketch)) {
            return false;
        }
        const QRect common = a->geometry().intersected(b->geometry());
        return common.width() > 1 && common.height() > 1;
    };

    QList<const QWidget*> containers = {windows_->form1.centralWidget(), &windows_->form2};
    for (const QGroupBox* group : windows_->form1.findChildren<QGroupBox*>()) {
        containers << group;
    }
    for (const QGroupBox* group : windows_->form2.findChildren<QGroupBox*>()) {
        containers << group;
    }
    for (const QWidget* container : containers) {
        const QList<QWidget*> children =
            container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (const QWidget* child : children) {
            QVERIFY2(container->rect().contains(child->geometry()),
                     qPrintable(child->objectName() + " leaves " + container->objectName()));
            for (const QWidget* other : children) {
                QVERIFY2(child == other || !cover(child, other),
                         qPrintable(child->objectName() + " covers " + other->objectName()));
            }
        }
    }
}

VORTALIN_GUI_TEST_MAIN(MainWindowLayoutTest)
#include "MainWindowLayoutTest.moc"
