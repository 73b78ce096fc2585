// vortalin-report: draws the calculation sheet that vortalin-cli hands over on standard
// input (as JSON) into the PDF file named by its one argument. A program of its own, so
// that vortalin-cli loads Qt's GUI libraries only when a sheet is asked for. It opens no
// window: unless told otherwise it uses Qt's offscreen platform, also without a display.
// Exit codes: 0 written, 2 no sheet on standard input or a wrong call, 3 not written.

#include "app/files/UserFile.h"
#include "app/report/SheetJson.h"
#include "app/report/SheetPainter.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

#include <iostream>

namespace {

// Qt's warnings about the environment (no runtime folder, no session) mean nothing to the
// user of a PDF; only failures are passed on.
void ReportFailuresOnly(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "vortalin-report: " << text.toStdString() << '\n';
    }
}

// The sheet's fonts shipped in fonts/ beside this program (on Windows, where the offscreen
// platform knows no fonts of the system), so that a sheet looks as on Linux whatever fonts
// the machine has.
void AddTheShippedFonts() {
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        QFontDatabase::addApplicationFont(fonts.filePath(name));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(ReportFailuresOnly);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    vortalin::FailWritesBeyondTheFileSizeLimit();
    QGuiApplication app(argc, argv);
    AddTheShippedFonts();
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::cerr << "vortalin-report: Použitie: vortalin-report SÚBOR.pdf < protokol.json\n";
        return 2;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        return 2;
    }
    const QByteArray bytes = input.readAll();
    const std::optional<vortalin::Sheet> sheet = vortalin::SheetFromJson(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!sheet) {
        std::cerr << "vortalin-report: Na štandardnom vstupe nie je protokol.\n";
        return 2;
    }
    const std::string path = arguments[1].toStdString();
    const std::string failure =
        vortalin::WriteSheetPdf(*sheet, path, vortalin::ReaderWait::Forever);
    if (!failure.empty()) {
        std::cerr << vortalin::SheetNotSavedMessage(path, failure) << '\n';
        return 3;
    }
    return 0;
}
