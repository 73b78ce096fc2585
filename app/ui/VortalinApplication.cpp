#include "app/ui/VortalinApplication.h"

#include "app/Version.h"
#include "app/ui/ErrorBox.h"

#include <QDir>
#include <QIcon>
#include <QLibraryInfo>

namespace vortalin {

namespace {

// The icon at every size it was rendered in from its drawing at build time.
QIcon ProgramIcon() {
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString& png : sizes.entryList({QStringLiteral("*.png")})) {
        icon.addFile(sizes.filePath(png));
    }
    return icon;
}

} // namespace

QString QtSlovakTexts::translate(const char* context, const char* sourceText,
                                 const char* disambiguation, int n) const {
    QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    if (text.isEmpty() && qstrcmp(context, "QPlatformTheme") == 0) {
        text = QTranslator::translate("QDialogButtonBox", sourceText, disambiguation, n);
    }
    return text;
}

VortalinApplication::VortalinApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationVersion(QLatin1String(kVersion));
    // The desktop links the windows to the installed desktop entry and shows its icon.
    setDesktopFileName(QLatin1String(kApplicationId));
    setWindowIcon(ProgramIcon());
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
