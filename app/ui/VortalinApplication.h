#pragma once
// The application object. Its notify is the last line of the general error handler: a
// failure that a handler did not catch itself is shown instead of ending the program.
// It gives Qt's own texts (the file dialogs, the message boxes' buttons) in Slovak.

#include <QApplication>
#include <QTranslator>

namespace vortalin {

// Qt's Slovak catalogue. Debian's keeps the standard buttons' texts (Uložiť, Zrušiť, ...)
// under the context in which Qt 5 asked for them; Qt 6 asks under QPlatformTheme, so a text
// missing there is looked up under QDialogButtonBox as well.
class QtSlovakTexts : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
};

class VortalinApplication : public QApplication {
    Q_OBJECT
public:
    VortalinApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QtSlovakTexts qtTexts_;
};

} // namespace vortalin
