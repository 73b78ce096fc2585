#include "VortalinApplication.h"

#include "ErrorBox.h"

namespace vortalin {

VortalinApplication::VortalinApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VortalinApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentFailure(activeWindow());
    }
    return false;
}

} // namespace vortalin
