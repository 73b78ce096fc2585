#include "app/ui/Unit2.h"

#include "app/form/FieldDescriptions.h"
#include "app/form/InputNames.h"
#include "app/ui/FormControls.h"
#include "app/ui/OuterGeometry.h"
#include "app/ui/TextFitting.h"
#include "ui_Unit2.h"

#include <QCloseEvent>
#include <QShowEvent>

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr QSize kOuterSize(359, 153); // frame included

// The units stand between the captions "Od :", "Do :" and their fields; OK and Zrušiť below
// "Počet krokov:".
constexpr int kUnitGap = 2;
constexpr QRect kButtonsPlace(196, 108, 154, 27);

// "(m.s-1)" from "Rýchlosť tekutiny (m.s-1)": the unit of the main window's field.
QString UnitOf(vortalin::EditId field) {
    const std::string_view name = vortalin::FullNameOf(field);
    const std::size_t open = name.rfind('(');
    return open == std::string_view::npos
               ? QString()
               : QString::fromUtf8(name.substr(open).data(),
                                   static_cast<qsizetype>(name.size() - open));
}

// The main window's field that the dialog's button sweeps.
vortalin::EditId SweptBy(vortalin::ButtonId button) {
    for (const vortalin::ChoiceValue& choice : vortalin::kSweepValues) {
        if (choice.button == button) {
            return vortalin::FieldByName(choice.value)->field;
        }
    }
    return vortalin::EditId::Edit1;
}

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm2>()) {
    ui_->setupUi(this);
    vortalin::ShowDefaults(*this, vortalin::FormId::RangeDialog);
    vortalin::FitCaptions(*this);
    // Left open, the dialog must not keep the program running once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    AddUnitLabels();
    AddButtons();
    new vortalin::OuterGeometry(*this, kOuterSize);
}

void TForm2::AddUnitLabels() {
    const std::pair<QLabel*, const char*> captions[] = {{ui_->Label1, "UnitLabel1"},
                                                        {ui_->Label2, "UnitLabel2"}};
    for (const auto& [caption, name] : captions) {
        // The caption keeps its place and gives the room beyond its text to the unit.
        caption->resize(caption->sizeHint().width(), caption->height());
        auto* unit = new QLabel(this);
        unit->setObjectName(QLatin1String(name));
        const int left = caption->geometry().right() + kUnitGap;
        unit->setGeometry(left, caption->y(), ui_->Edit1->x() - kUnitGap - left, caption->height());
        unit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (const vortalin::ChoiceValue& choice : vortalin::kSweepValues) {
        connect(&vortalin::FindButton(*this, choice.button), &QRadioButton::toggled, this,
                &TForm2::ShowUnit);
    }
    ShowUnit();
}

void TForm2::ShowUnit() {
    QString unit;
    for (const vortalin::ChoiceValue& choice : vortalin::kSweepValues) {
        if (vortalin::FindButton(*this, choice.button).isChecked()) {
            unit = UnitOf(SweptBy(choice.button));
        }
    }
    for (const char* name : {"UnitLabel1", "UnitLabel2"}) {
        vortalin::FindControl<QLabel>(*this, name).setText(unit);
    }
}

void TForm2::AddButtons() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("DialogButtons"));
    buttons->setGeometry(kButtonsPlace);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Zrušiť"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TForm2::reject);
}

void TForm2::reject() {
    RestoreOpenedValues();
    QDialog::reject();
}

void TForm2::closeEvent(QCloseEvent* event) {
    event->accept(); // QDialog's own would reject, which puts the opened values back
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return; // shown again by the window system, not opened
    }
    openedTexts_ = {ui_->Edit1->text(), ui_->Edit2->text(), ui_->Edit3->text()};
    openedVariable_ = nullptr;
    for (const vortalin::ChoiceValue& choice : vortalin::kSweepValues) {
        if (vortalin::FindButton(*this, choice.button).isChecked()) {
            openedVariable_ = &vortalin::FindButton(*this, choice.button);
        }
    }
}

void TForm2::RestoreOpenedValues() {
    if (openedTexts_.size() != 3) {
        return;
    }
    ui_->Edit1->setText(openedTexts_[0]);
    ui_->Edit2->setText(openedTexts_[1]);
    ui_->Edit3->setText(openedTexts_[2]);
    if (openedVariable_ != nullptr) {
        openedVariable_->setChecked(true);
    }
}

TForm2::~TForm2() = default;
