#include "app/ui/MainForms.h"

namespace vortalin {

MainForms::MainForms() {
    form1_.show();
    form2_ = std::make_unique<TForm2>();
    form1_.AttachRangeDialog(*form2_);
}

} // namespace vortalin
