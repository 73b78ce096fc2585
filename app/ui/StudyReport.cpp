#include "app/ui/StudyReport.h"

#include "app/compute/CalcState.h"
#include "app/studies/SweepSeries.h"

#include <QDir>
#include <QFileInfo>

namespace vortalin {

namespace {

QString FileNameOf(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).fileName();
}

// "1 krok zapísaný", "3 kroky zapísané", "50 krokov zapísaných" (also 0 and 22: Slovak
// takes the genitive plural from five on, compounds included).
QString StepsWritten(long long steps) {
    if (steps == 1) {
        return QStringLiteral("1 krok zapísaný");
    }
    if (steps >= 2 && steps <= 4) {
        return QStringLiteral("%1 kroky zapísané").arg(steps);
    }
    return QStringLiteral("%1 krokov zapísaných").arg(steps);
}

} // namespace

QString StudyMarkText(const SweepSettings& sweep) {
    if (sweep.saveToFile == 0) {
        return {};
    }
    if (sweep.fileName.empty()) {
        return QStringLiteral("Štúdia zapnutá: súbor nie je vybraný");
    }
    return QStringLiteral("Štúdia zapnutá: %1").arg(FileNameOf(sweep.fileName));
}

QString StudyMarkToolTip(const SweepSettings& sweep) {
    if (sweep.saveToFile == 0) {
        return {};
    }
    if (sweep.fileName.empty()) {
        return QStringLiteral("Vypočítaj sa najprv opýta, kam zapísať parametrickú štúdiu.");
    }
    return QStringLiteral("Každé Vypočítaj zapíše parametrickú štúdiu do súboru %1 a prepíše "
                          "jeho doterajší obsah.")
        .arg(QDir::toNativeSeparators(QString::fromStdString(sweep.fileName)));
}

QString StudySummaryText(const SweepSeries& sweep, const std::string& fileName) {
    return QStringLiteral("Parametrická štúdia: %1 do %2, z toho %3 mimo platnosti rovnice.")
        .arg(StepsWritten(sweep.Steps()), FileNameOf(fileName))
        .arg(sweep.RefusedSteps());
}

} // namespace vortalin
