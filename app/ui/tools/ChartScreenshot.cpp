// Makes the user guide's picture of the chart: from the main window as a user would, a
// velocity sweep of the pipe (1 to 200 m/s in 100 steps, the defaults otherwise) into a
// temporary results file, then a grab of "Graf parametrickej štúdie".
//
//   vortalin-chart-screenshot docs/chart.png

#include "app/ui/FileNameField.h"
#include "app/ui/FormControls.h"
#include "app/ui/MainForms.h"
#include "app/ui/VortalinApplication.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// Long enough for the window system to map and paint the windows.
constexpr int kSettleMs = 800;
constexpr int kAnswerIntervalMs = 20;

void SetRange(const QWidget& rangeDialog) {
    vortalin::FindControl<QLineEdit>(rangeDialog, "Edit1").setText(QStringLiteral("1"));
    vortalin::FindControl<QLineEdit>(rangeDialog, "Edit2").setText(QStringLiteral("200"));
    vortalin::FindControl<QLineEdit>(rangeDialog, "Edit3").setText(QStringLiteral("100"));
}

// Ticks "Ulož do súboru" and names the results file in its save dialog, typed into the
// dialog's name field: QFileDialog::selectFile() leaves that field alone while it has the
// keyboard focus, as it has under a real window system (Xvfb); the dialog then accepts only
// its folder, opens it, and stays.
void SaveResultsTo(QWidget& mainWindow, const QString& path) {
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        const QFileInfo file(path);
        dialog->setDirectory(file.absolutePath());
        if (vortalin::PutFileName(*dialog, file.fileName()) != nullptr) {
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own accept, public here
        }
    });
    answer.start(kAnswerIntervalMs);
    vortalin::FindControl<QAction>(mainWindow, "Ulodosboru1").trigger();
}

} // namespace

int main(int argc, char* argv[]) {
    vortalin::VortalinApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return EXIT_FAILURE;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir folder;
    vortalin::MainForms forms;
    SetRange(forms.Form2());
    SaveResultsTo(forms.Form1(), folder.filePath(QStringLiteral("vysledky.txt")));
    vortalin::FindControl<QAction>(forms.Form1(), "Grafparametrickejtdie1").trigger();
    bool saved = false;
    QTimer::singleShot(kSettleMs, [&] {
        vortalin::FindControl<QPushButton>(forms.Form1(), "Button1").click();
        QTimer::singleShot(kSettleMs, [&] {
            auto* chart = forms.Form1().findChild<QWidget*>(QStringLiteral("ChartWindow"));
            saved = chart != nullptr && chart->grab().save(output);
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
