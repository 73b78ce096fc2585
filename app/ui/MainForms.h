#pragma once
// The program's windows, created in the start-up order: the main window Form1, shown as
// the application's main window, then the range dialog Form2, hidden.

#include "app/ui/Unit1.h"
#include "app/ui/Unit2.h"

#include <QStringList>

#include <memory>

namespace vortalin {

class MainForms {
public:
    MainForms();

    // Loads the case file the program was started on, if any (QCoreApplication::arguments()).
    void OpenCaseArgument(const QStringList& arguments);

    TForm1& Form1() { return form1_; }
    TForm2& Form2() { return *form2_; }

private:
    TForm1 form1_;
    std::unique_ptr<TForm2> form2_; // destroyed before the main window that reads it
};

} // namespace vortalin
