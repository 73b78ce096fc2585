// Makes the user guide's picture of the main window: starts the window as the program
// does, presses "Vypočítaj" on the defaults and saves a grab of the window. Further
// arguments change the window first: NAME=TEXT types TEXT into the field NAME, a bare NAME
// clicks the button of that name.
//
//   vortalin-screenshot docs/window.png
//   vortalin-screenshot warnings.png RadioButton5 Edit1=1000 Edit5=60

#include "app/ui/FormControls.h"
#include "app/ui/MainForms.h"
#include "app/ui/VortalinApplication.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// Long enough for the window system to map and paint the window.
constexpr int kSettleMs = 500;

// Applies one NAME=TEXT or NAME argument to the window.
void Apply(QWidget& form, const QString& argument) {
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals < 0) {
        vortalin::FindControl<QAbstractButton>(form, argument.toStdString()).click();
        return;
    }
    vortalin::FindControl<QLineEdit>(form, argument.left(equals).toStdString())
        .setText(argument.mid(equals + 1));
}

} // namespace

int main(int argc, char* argv[]) {
    vortalin::VortalinApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [NAME=TEXT | NAME]...\n", argv[0]);
        return EXIT_FAILURE;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    vortalin::MainForms forms;
    bool saved = false;
    QTimer::singleShot(kSettleMs, [&] {
        for (int i = 2; i < argc; ++i) {
            Apply(forms.Form1(), QString::fromLocal8Bit(argv[i]));
        }
        vortalin::FindControl<QPushButton>(forms.Form1(), "Button1").click();
        QTimer::singleShot(kSettleMs, [&] {
            saved = forms.Form1().grab().save(output);
            QApplication::quit();
        });
    });
    application.exec();
    if (!saved) {
        std::fprintf(stderr, "could not save %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
