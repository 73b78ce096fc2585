#include "app/ui/MainForms.h"

#include "app/ui/StartupOptions.h"

namespace vortalin {

MainForms::MainForms() {
    form1_.show();
    form2_ = std::make_unique<TForm2>();
    form1_.AttachRangeDialog(*form2_);
}

void MainForms::OpenCaseArgument(const QStringList& arguments) {
    if (const std::optional<QString> file = CaseFileArgument(arguments)) {
        form1_.OpenCase(file->toStdString());
    }
}

} // namespace vortalin
