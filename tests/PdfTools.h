#pragma once
// poppler's pdftotext and pdfimages as the sheet's tests run them, by their absolute path
// (found by CMake), with the PDF on standard input.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace vortalin::test {

// What the tool writes on standard output for the PDF given on standard input.
inline QByteArray RunPdfTool(const QString& tool, const QStringList& arguments,
                             const QString& pdf) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QProcess process;
    process.start(tool, arguments);
    process.write(file.readAll());
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

// The PDF's lines as pdftotext lays them out, runs of blanks made one.
inline QStringList PdfLines(const QString& pdf) {
    const QByteArray text =
        RunPdfTool(QStringLiteral(VORTALIN_PDFTOTEXT), {"-layout", "-", "-"}, pdf);
    QStringList lines;
    for (QString line : QString::fromUtf8(text).split('\n')) {
        lines << line.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    }
    return lines;
}

// pdfimages' list of the PDF's images.
inline QByteArray PdfImageList(const QString& pdf) {
    return RunPdfTool(QStringLiteral(VORTALIN_PDFIMAGES), {"-list", "fd://0"}, pdf);
}

} // namespace vortalin::test
