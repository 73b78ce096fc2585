#include "Unit2.h"

#include "FormControls.h"
#include "OuterGeometry.h"
#include "TextFitting.h"
#include "ui_Unit2.h"

TForm2::TForm2(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm2>()) {
    ui_->setupUi(this);
    vortalin::ShowDefaults(*this, vortalin::FormId::RangeDialog);
    vortalin::FitCaptions(*this);
    // Left open, the dialog must not keep the program running once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    new vortalin::OuterGeometry(*this, QSize(359, 153));
}

TForm2::~TForm2() = default;
