#include "app/ui/StartupOptions.h"

#include "app/BuildId.h"
#include "app/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdlib>
#include <iostream>

namespace vortalin {

namespace {

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

} // namespace

std::optional<int> AnswerInformationOptions(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Vortalin: forced-convection heat transfer. The window computes the fluid's "
        "properties, the similarity numbers, the Nusselt number and the heat transfer "
        "coefficient of the chosen flow geometry, and runs parameter studies written to a "
        "results file. The same calculation runs without a window in vortalin-cli."));
    // Qt's own single-dash options (-platform, -reverse) must not read as -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    // Options QApplication takes are unknown here; they are not errors of this parser.
    parser.parse(Arguments(argc, argv));
    if (parser.isSet(help)) {
        // The usage line names the program as it was started.
        const QCoreApplication application(argc, argv);
        std::cout << parser.helpText().toStdString();
        return EXIT_SUCCESS;
    }
    if (parser.isSet(version)) {
        std::cout << "vortalin " << kVersion << " (" << BuildId() << ")\n";
        return EXIT_SUCCESS;
    }
    return std::nullopt;
}

} // namespace vortalin
