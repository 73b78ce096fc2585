// Makes the user guide's picture of the main window: starts the window as the program
// does, presses "Vypočítaj" on the defaults and saves a grab of the window.
//
//   vortalin-screenshot docs/window.png

#include "app/ui/FormControls.h"
#include "app/ui/MainForms.h"
#include "app/ui/VortalinApplication.h"

#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// Long enough for the window system to map and paint the window.
constexpr int kSettleMs = 500;

} // namespace

int main(int argc, char* argv[]) {
    vortalin::VortalinApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return EXIT_FAILURE;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    vortalin::MainForms forms;
    bool saved = false;
    QTimer::singleShot(kSettleMs, [&] {
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
