#pragma once
// The application object. Its notify is the last line of the general error handler: a
// failure that a handler did not catch itself is shown instead of ending the program.
// It gives Qt's own texts (the file dialogs, the message boxes' buttons) in Slovak.

#include <QApplication>
#include <QTranslator>

namespace vortalin {

class VortalinApplication : public QApplication {
    Q_OBJECT
public:
    VortalinApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QTranslator qtTexts_;
};

} // namespace vortalin
