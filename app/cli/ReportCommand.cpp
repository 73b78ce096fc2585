#include "app/cli/ReportCommand.h"

#include "app/report/SheetJson.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace vortalin {

namespace {

enum HelperExit { kWritten = 0, kNotWritten = 3 };

// Beside this program (the build tree, the Windows folder), then where the package
// installs helpers (relative to the installed program).
QString ReportProgram() {
    const QString here = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("vortalin-report" VORTALIN_EXECUTABLE_SUFFIX);
    for (const QString& dir : {here, here + QStringLiteral("/" VORTALIN_HELPER_DIR_FROM_BIN)}) {
        const QFileInfo program(dir + QLatin1Char('/') + name);
        if (program.isExecutable()) {
            return program.absoluteFilePath();
        }
    }
    return {};
}

} // namespace

bool WriteReport(const Sheet& sheet, const std::string& path, std::string& problem) {
    problem.clear();
    const QString program = ReportProgram();
    if (program.isEmpty()) {
        problem = "Protokol sa nedá vytvoriť: program vortalin-report sa nenašiel.";
        return false;
    }
    QProcess helper;
    // Its own message (why the file could not be written) goes straight to standard error.
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(program, {QString::fromStdString(path)});
    if (!helper.waitForStarted(-1)) {
        problem = "Protokol sa nedá vytvoriť: program vortalin-report sa nedá spustiť (" +
                  helper.errorString().toStdString() + ").";
        return false;
    }
    const std::string json = SheetToJson(sheet);
    helper.write(json.data(), static_cast<qint64>(json.size()));
    helper.closeWriteChannel();
    helper.waitForFinished(-1);
    if (helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == kWritten) {
        return true;
    }
    if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != kNotWritten) {
        problem = "Protokol sa nepodarilo vytvoriť: program vortalin-report skončil chybou.";
    }
    return false;
}

} // namespace vortalin
