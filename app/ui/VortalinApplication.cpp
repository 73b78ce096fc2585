#include "VortalinApplication.h"

#include "ErrorBox.h"

#include <QLibraryInfo>

namespace vortalin {

VortalinApplication::VortalinApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Qt's Slovak translation of its own texts, whatever the locale: the whole program
    // speaks Slovak. Without the translation installed, Qt's English texts remain.
    if (qtTexts_.load(QStringLiteral("qtbase_sk"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(&qtTexts_);
    }
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
