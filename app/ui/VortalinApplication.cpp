#include "VortalinApplication.h"

#include "ErrorBox.h"
#include "app/Version.h"

#include <QIcon>

namespace vortalin {

VortalinApplication::VortalinApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationVersion(QLatin1String(kVersion));
    // The desktop links the windows to the installed desktop entry and shows its icon.
    setDesktopFileName(QLatin1String(kApplicationId));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vortalin.svg")));
}

bool VortalinApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentFailure(activeWindow());
    }
    return false;
}

} // namespace vortalin
