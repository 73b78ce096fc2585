// vortalin-cli --report as a user runs it: the PDF's text (pdftotext) against the program's
// own JSON of the same case, over every geometry; a refused case; a PDF that cannot be
// written; and the GUI libraries loaded only for a sheet.

#include "app/compute/ResultDisplay.h"
#include "app/form/Geometries.h"
#include "app/form/InputFields.h"
#include "app/form/InputNames.h"
#include "app/report/SheetContent.h"
#include "tests/PdfTools.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace vortalin;
using vortalin::test::PdfLines;

struct ProcessRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProcessRun
Start(const QString& program, const QStringList& arguments,
      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

ProcessRun Cli(const QStringList& arguments) {
    return Start(QStringLiteral(VORTALIN_CLI), arguments);
}

// The whole text without any white space: long texts wrap at any place.
QString Squeezed(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

bool HasLine(const QStringList& lines, const QString& wanted) {
    return std::any_of(lines.begin(), lines.end(),
                       [&wanted](const QString& line) { return line.contains(wanted); });
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString WithoutColon(QString label) {
    return label.remove(QRegularExpression(QStringLiteral("[ :]+$")));
}

struct SheetCase {
    const char* geometry;
    QStringList options; // besides --geometry
};

// Every geometry, each with other inputs than the defaults and with each fluid somewhere.
const SheetCase kCases[] = {
    {"pipe", {"--w", "2,5", "--length", "1,5", "--heating", "heat-flux", "--t-wall", "21"}},
    {"cross-flow", {"--fluid", "water", "--angle", "60", "--t-wall", "60", "--w", "0,3"}},
    {"plate", {"--d", "0,5", "--w", "3"}},
    {"slot", {"--w", "0,2", "--slot-length", "2"}},
    {"slot-insulated",
     {"--fluid", "water", "--w", "0,01", "--t-in", "20", "--t-out", "30", "--t-wall", "50"}},
    {"helical", {"--fluid", "water", "--w", "0,5", "--t-wall", "40", "--coil-d", "0,2"}},
    {"tube-row", {"--w", "4", "--row-s1", "0,03"}},
    {"inline-bank", {"--rows", "few", "--row-count", "4", "--w", "5"}},
    {"staggered-bank", {"--fluid", "water", "--row-count", "4", "--t-wall", "45"}},
    {"partly-staggered-bank", {"--bank-s3", "0,004", "--w", "6"}},
    {"finned-bank",
     {"--fluid", "gas", "--t-in", "40", "--t-out", "50", "--t-wall", "20", "--w", "3"}},
};

// The text of every input the geometry reads: as given, or the window's default.
std::map<EditId, QString> InputTexts(const SheetCase& c) {
    std::map<EditId, QString> texts;
    for (qsizetype i = 0; i + 1 < c.options.size(); i += 2) {
        if (const InputField* field = FieldByName(c.options[i].mid(2).toStdString())) {
            texts[field->field] = c.options[i + 1];
        }
    }
    return texts;
}

class ReportPerGeometry : public ::testing::TestWithParam<SheetCase> {};

TEST_P(ReportPerGeometry, SheetHoldsWhatTheJsonSays) {
    const SheetCase& c = GetParam();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("protokol.pdf");
    QStringList arguments = {"--decimal-separator",
                             ",",
                             "--geometry",
                             c.geometry,
                             "--json",
                             "--report",
                             pdf,
                             "--project",
                             "Skúška " + QString(c.geometry)};
    const ProcessRun run = Cli(arguments + c.options);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    const QStringList lines = PdfLines(pdf);
    const QString all = Squeezed(lines.join(' '));

    EXPECT_TRUE(HasLine(lines, "Projekt Skúška " + QString(c.geometry)));
    // Every input the geometry reads, with its label.
    const std::map<EditId, QString> given = InputTexts(c);
    const Geometry geometry = [&] {
        for (std::size_t g = 0; g < kGeometryCount; ++g) {
            if (GeometryName(static_cast<Geometry>(g)) == c.geometry) {
                return static_cast<Geometry>(g);
            }
        }
        return Geometry::PipeFlow;
    }();
    for (EditId field : InputsReadBy(geometry)) {
        const auto it = given.find(field);
        const QString text = it != given.end() ? it->second : Q(DefaultText(field, ','));
        EXPECT_TRUE(HasLine(lines, Q(LabelOf(field)) + ' ' + text)) << LabelOf(field);
    }
    // The twelve results as the screen shows them, with their labels.
    const QJsonObject texts = json.value("texts").toObject();
    for (const ResultLabel& result : kResultLabels) {
        const QString value = texts.value(Q(ControlName(result.field))).toString();
        const QString label = result.field == EditId::Edit16
                                  ? QStringLiteral("Nusseltovo číslo Nu (1)")
                              : result.field == EditId::Edit17
                                  ? QStringLiteral("Súčiniteľ prestupu tepla α (W.m-2.K-1)")
                                  : WithoutColon(result.label);
        EXPECT_TRUE(HasLine(lines, label + ' ' + value)) << result.label;
    }
    EXPECT_TRUE(HasLine(lines, "pri t = " + texts.value("Edit6").toString() + " °C"));
    // The equation: its name, formula and source, and the formula with numbers put in.
    const QJsonObject equation = json.value("equation").toObject();
    for (const char* key : {"name", "formula", "source"}) {
        EXPECT_TRUE(all.contains(Squeezed(equation.value(key).toString()))) << key;
    }
    EXPECT_TRUE(HasLine(lines, "S hodnotami výpočtu"));
    // Every message and warning.
    for (const QJsonValue message : json.value("messages").toArray()) {
        EXPECT_TRUE(all.contains(Squeezed(message.toString()))) << message.toString().toStdString();
    }
    for (const QJsonValue warning : json.value("warnings").toArray()) {
        EXPECT_TRUE(all.contains(Squeezed(warning.toObject().value("text").toString())));
    }
    // The geometry's sketch is an image of the page.
    const QByteArray images = vortalin::test::PdfImageList(pdf);
    EXPECT_TRUE(QString::fromUtf8(images).contains(QRegularExpression(" 1 +0 image ")))
        << images.toStdString();
    // One page, with the program and its build in the footer.
    EXPECT_TRUE(HasLine(lines, "Strana 1 z 1"));
    EXPECT_FALSE(HasLine(lines, "Strana 2"));
}

INSTANTIATE_TEST_SUITE_P(EveryGeometry, ReportPerGeometry, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<SheetCase>& info) {
                             return QString(info.param.geometry).replace('-', '_').toStdString();
                         });

TEST(Report, RefusedCaseHoldsTheRefusalAndNoResult) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("odmietnuty.pdf");
    // A plate at Re < 10: check 9 refuses it.
    const ProcessRun run = Cli({"--decimal-separator", ",", "--geometry", "plate", "--w", "0,0001",
                                "--json", "--report", pdf});
    ASSERT_EQ(run.exitCode, 1) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    const QStringList lines = PdfLines(pdf);
    const QString all = Squeezed(lines.join(' '));
    const QJsonArray messages = json.value("messages").toArray();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(all.contains(Squeezed(messages.last().toString())));
    EXPECT_TRUE(HasLine(lines, kRefusedTitle));
    EXPECT_TRUE(HasLine(lines, "Rýchlosť tekutiny (m.s-1) 0,0001"));
    for (const char* absent :
         {"Výsledky", "Nusseltovo", "Reynoldsovo číslo", "Hustota", "Vzorec"}) {
        EXPECT_FALSE(HasLine(lines, absent)) << absent;
    }
    // The numbers the run computed but did not show appear nowhere.
    const QJsonObject state = json.value("state").toObject();
    const QString nu = QString::number(state.value("Nu").toDouble(), 'f', 4).replace('.', ',');
    EXPECT_FALSE(all.contains(nu)) << nu.toStdString();
}

TEST(Report, StoppedCaseSaysWhy) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("zastaveny.pdf");
    const ProcessRun run = Cli({"--decimal-separator", ",", "--w", "abc", "--report", pdf});
    ASSERT_EQ(run.exitCode, 2);
    const QStringList lines = PdfLines(pdf);
    EXPECT_TRUE(HasLine(lines, kStoppedTitle));
    EXPECT_TRUE(HasLine(lines, "'abc'"));
    EXPECT_FALSE(HasLine(lines, "Nusseltovo"));
}

TEST(Report, UnwritablePdfLeavesTheEarlierFile) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("protokol.pdf");
    QFile earlier(pdf);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier sheet");
    earlier.close();
    // A file-size limit of 4 KiB: the sheet (some 50 KiB) cannot be written.
    const ProcessRun run =
        Start("bash", {"-c", "ulimit -f 4; exec \"$0\" --report \"$1\"", VORTALIN_CLI, pdf});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains("Protokol sa nepodarilo uložiť")) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Nusseltovo")); // the usual output still came
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "earlier sheet");
    // A folder that does not exist.
    const ProcessRun missing = Cli({"--report", dir.filePath("chyba/protokol.pdf")});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.err.contains("Protokol sa nepodarilo uložiť"));
}

TEST(Report, IdentityFromTheCaseFileAndTheOptions) {
    QTemporaryDir dir;
    const QString caseFile = dir.filePath("ohrievac.vortalin");
    ASSERT_EQ(Cli({"--project", "Ohrievač", "--author", "Ing. Malá", "--note", "Variant A",
                   "--write-case", caseFile})
                  .exitCode,
              0);
    const QString pdf = dir.filePath("p.pdf");
    ASSERT_EQ(Cli({"--case", caseFile, "--author", "Ing. Veľký", "--checked-by", "Ing. Malá",
                   "--report", pdf})
                  .exitCode,
              0);
    const QStringList lines = PdfLines(pdf);
    for (const char* line : {"Projekt Ohrievač", "Vypracoval Ing. Veľký", "Skontroloval Ing. Malá",
                             "Poznámka Variant A", "Súbor prípadu ohrievac.vortalin"}) {
        EXPECT_TRUE(HasLine(lines, line)) << line;
    }
}

TEST(Report, BadCombinationsAreRefused) {
    EXPECT_EQ(Cli({"--report", ""}).exitCode, 2);
    EXPECT_EQ(Cli({"--report", "x.pdf", "--grid", "w=1:2:2"}).exitCode, 2);
    EXPECT_EQ(Cli({"--report", "x.pdf", "--write-case", "x.vortalin"}).exitCode, 2);
}

// Qt's GUI library is loaded by the program that draws a sheet, never by vortalin-cli.
TEST(Report, GuiLibrariesOnlyForASheet) {
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_DEBUG", "libs");
    const ProcessRun plain = Start(VORTALIN_CLI, {"--json"}, environment);
    ASSERT_EQ(plain.exitCode, 0);
    EXPECT_TRUE(plain.err.contains("libQt6Core")); // LD_DEBUG did report the libraries
    EXPECT_FALSE(plain.err.contains("libQt6Gui"));
    const ProcessRun sheet = Start(VORTALIN_CLI, {"--report", dir.filePath("p.pdf")}, environment);
    ASSERT_EQ(sheet.exitCode, 0);
    EXPECT_TRUE(sheet.err.contains("libQt6Gui"));
}

} // namespace
