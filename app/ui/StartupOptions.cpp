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

// The program's options and its one argument. Options QApplication takes are unknown
// here; they are not errors of this parser.
struct Options {
    Options();
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Displays help on commandline options.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Displays version information.")};
};

Options::Options() {
    parser.setApplicationDescription(QStringLiteral(
        "Vortalin: forced-convection heat transfer. The window computes the fluid's "
        "properties, the similarity numbers, the Nusselt number and the heat transfer "
        "coefficient of the chosen flow geometry, and runs parameter studies written to a "
        "results file. The same calculation runs without a window in vortalin-cli."));
    // Qt's own single-dash options (-platform, -reverse) must not read as -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A case file (*.vortalin) to load at start, as Súbor → Načítaj does."),
        QStringLiteral("[file]"));
}

} // namespace

std::optional<int> AnswerInformationOptions(int argc, char* argv[]) {
    Options options;
    QCommandLineParser& parser = options.parser;
    parser.parse(Arguments(argc, argv));
    if (parser.isSet(options.help)) {
        // The usage line names the program as it was started.
        const QCoreApplication application(argc, argv);
        std::cout << parser.helpText().toStdString();
        return EXIT_SUCCESS;
    }
    if (parser.isSet(options.version)) {
        std::cout << "vortalin " << kVersion << " (" << BuildId() << ")\n";
        return EXIT_SUCCESS;
    }
    return std::nullopt;
}

std::optional<QString> CaseFileArgument(const QStringList& arguments) {
    Options options;
    options.parser.parse(arguments);
    const QStringList files = options.parser.positionalArguments();
    if (files.isEmpty()) {
        return std::nullopt;
    }
    return files.front();
}

} // namespace vortalin
