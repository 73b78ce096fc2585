// Vortalin: the desktop program. Start-up creates the application, the main window and
// the hidden range dialog, loads the case file it was started on (if any) once the event
// loop runs, and runs the event loop until the main window is closed.

#include "app/files/UserFile.h"
#include "app/ui/ErrorBox.h"
#include "app/ui/MainForms.h"
#include "app/ui/StartupOptions.h"
#include "app/ui/VortalinApplication.h"

#include <QCoreApplication>
#include <QTimer>

#include <csignal>
#include <cstdlib>
#include <optional>

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = vortalin::AnswerInformationOptions(argc, argv)) {
        return *answered;
    }
    // A results file on a pipe whose reader went away is a failed write that the window
    // reports, not the end of the program.
#ifdef SIGPIPE // POSIX only: Windows has no SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
    vortalin::FailWritesBeyondTheFileSizeLimit();
#ifdef _WIN32
    // The Windows platform draws text with Qt's own FreeType engine unless told otherwise:
    // with the system's engine the fields' texts were found undrawn (under Wine), and the
    // fields must never look empty while they hold numbers.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
    }
#endif
    vortalin::VortalinApplication application(argc, argv);
    try {
        vortalin::MainForms forms;
        QTimer::singleShot(0, &forms.Form1(),
                           [&forms] { forms.OpenCaseArgument(QCoreApplication::arguments()); });
        return application.exec();
    } catch (...) {
        // A failure during start-up is shown, and the program ends.
        vortalin::ShowCurrentFailure(nullptr);
        return EXIT_FAILURE;
    }
}
