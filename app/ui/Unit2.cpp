#include "app/ui/Unit2.h"

#include "app/ui/FormControls.h"
#include "app/ui/OuterGeometry.h"
#include "app/ui/TextFitting.h"
#include "ui_Unit2.h"

namespace {

constexpr QSize kOuterSize(359, 153); // frame included

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm2>()) {
    ui_->setupUi(this);
    vortalin::ShowDefaults(*this, vortalin::FormId::RangeDialog);
    vortalin::FitCaptions(*this);
    // Left open, the dialog must not keep the program running once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    new vortalin::OuterGeometry(*this, kOuterSize);
}

TForm2::~TForm2() = default;
