// vortalin-cli --batch and --grid run as a user runs them, each case compared with a single
// run of vortalin-cli on the same inputs.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun RunCli(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(VORTALIN_CLI), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// Options given besides the table: the base every case starts from.
const QStringList kBase = {"--decimal-separator", ",", "--t-wall", "60", "--length", "2"};

// Every geometry with every fluid, at velocities and inlet temperatures that give shown,
// refused and undefined results, and texts that are not numbers.
QList<QStringList> StudyOverEveryGeometry() {
    const QStringList geometries = {
        "pipe",       "cross-flow", "plate",       "slot",           "slot-insulated",
        "helical",    "tube-row",   "inline-bank", "staggered-bank", "partly-staggered-bank",
        "finned-bank"};
    const QStringList fluids = {"air", "water", "gas"};
    const QStringList velocities = {"1", "0,3", "40", "0,001", "1e300", "x"};
    QList<QStringList> rows;
    int i = 0;
    for (const QString& geometry : geometries) {
        for (const QString& fluid : fluids) {
            rows.append({geometry, fluid, velocities[i % velocities.size()], i % 4 ? "20" : "-300",
                         i % 5 ? "0,01" : "0,02"});
            ++i;
        }
    }
    return rows;
}
const QStringList kColumns = {"geometry", "fluid", "w", "t-in", "row-s1"};

QByteArray Table(const QList<QStringList>& rows) {
    QByteArray table = "# a study\n" + kColumns.join(';').toUtf8() + "\n\n";
    for (const QStringList& row : rows) {
        table += row.join(';').toUtf8() + '\n';
    }
    return table;
}

QJsonObject SingleRun(const QStringList& row) {
    QStringList arguments = kBase;
    for (qsizetype k = 0; k < kColumns.size(); ++k) {
        arguments << "--" + kColumns[k] << row[k];
    }
    arguments << "--json";
    return QJsonDocument::fromJson(RunCli(arguments).out).object();
}

// The fields of one CSV record, quotes resolved; `pos` moves to the next record.
QStringList NextRecord(const QString& text, qsizetype& pos) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (quoted) {
            if (c == '"' && pos + 1 < text.size() && text[pos + 1] == '"') {
                field += '"';
                ++pos;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';') {
            fields << field;
            field.clear();
        } else if (c == '\n') {
            ++pos;
            break;
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

TEST(BatchCli, EveryCaseAgreesWithASingleRun) {
    QTemporaryDir dir;
    const QList<QStringList> rows = StudyOverEveryGeometry();
    const QString table = dir.filePath("study.csv");
    QFile file(table);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Table(rows));
    file.close();

    const CliRun json = RunCli(kBase + QStringList{"--batch", table, "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QList<QByteArray> lines = json.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), rows.size());

    const CliRun csv = RunCli(kBase + QStringList{"--batch", "-"}, Table(rows));
    ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    const QString csvText = QString::fromUtf8(csv.out);
    qsizetype pos = 0;
    const QStringList header = NextRecord(csvText, pos);
    ASSERT_EQ(header.size(), 1 + kColumns.size() + 17 + 4);

    int shown = 0, stopped = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QJsonObject batch = QJsonDocument::fromJson(lines[i]).object();
        EXPECT_EQ(batch.take("line").toInt(), i + 4);
        const QJsonObject single = SingleRun(rows[i]);
        EXPECT_EQ(batch, single) << rows[i].join(';').toStdString() << "\n"
                                 << lines[i].toStdString();

        // The CSV record: the line, the inputs as given, shown and every message.
        const QStringList record = NextRecord(csvText, pos);
        ASSERT_EQ(record.size(), header.size());
        EXPECT_EQ(record[0], QString::number(i + 4));
        EXPECT_EQ(record.mid(1, kColumns.size()), rows[i]);
        // ...;shown;message;equation;warnings
        EXPECT_EQ(record[record.size() - 4], single["shown"].toBool() ? "1" : "0");
        QStringList messages;
        for (const QJsonValue& m : single["messages"].toArray()) {
            messages << m.toString();
        }
        if (single.contains("error")) {
            messages << single["error"].toString();
        }
        EXPECT_EQ(record[record.size() - 3], messages.join(" | "));
        EXPECT_EQ(record[record.size() - 2], single["equation"].toObject()["id"].toString());
        QStringList warnings;
        for (const QJsonValue& w : single["warnings"].toArray()) {
            warnings << w.toObject()["text"].toString();
        }
        EXPECT_EQ(record.last(), warnings.join(" | "));
        shown += single["shown"].toBool();
        stopped += single.contains("error");
    }
    EXPECT_GT(shown, 3);
    EXPECT_GT(stopped, 3);
}

TEST(BatchCli, MalformedTableNamesTheLineAndLeavesTheOutputAlone) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.csv");
    const CliRun run = RunCli({"--batch", "-", "--out", out}, "w;geometry\n1;pipe\n\n2;rocket\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("standard input, line 4: unknown geometry 'rocket'"))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    const CliRun unknown = RunCli({"--batch", "-"}, "w;speed\n");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("line 1: unknown column 'speed'"));
    const CliRun shortLine = RunCli({"--batch", "-"}, "w,d\n1,2\n3\n");
    EXPECT_EQ(shortLine.exitCode, 2);
    EXPECT_TRUE(shortLine.err.contains("line 3: 1 field where the header has 2"));
    EXPECT_EQ(RunCli({"--batch", dir.filePath("none.csv")}).exitCode, 2);
    EXPECT_EQ(RunCli({"--batch", "-", "--sweep", "w"}, "w\n1\n").exitCode, 2);
    EXPECT_EQ(RunCli({"--batch", "-", "--grid", "w=1:2:2"}, "w\n1\n").exitCode, 2);
}

TEST(BatchCli, OutputIsWrittenAtomicallyOrExitCodeThree) {
    QTemporaryDir dir;
    const QString out = dir.filePath("grid.csv");
    const CliRun grid = RunCli({"--grid", "w=1:10:10", "--grid", "d=0,01:0,1:10",
                                "--decimal-separator", ",", "--out", out});
    EXPECT_EQ(grid.exitCode, 0) << grid.err.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 101);
    EXPECT_TRUE(lines[1].startsWith("1;1;0,01;"));
    EXPECT_TRUE(lines[2].startsWith("2;1;0,02"));
    EXPECT_TRUE(lines[100].startsWith("100;10;0,1;"));

    const CliRun missing = RunCli({"--grid", "w=1:2:2", "--out", dir.filePath("none/grid.csv")});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.err.contains("none/grid.csv"));
}

} // namespace
