#pragma once
// Draws a calculation sheet on A4 pages: the head with the geometry's sketch, the sections
// as tables of label, value and remark, the results large, and a footer with the program,
// its build and the page number on every page. Needs QtGui (a QGuiApplication).

#include "app/files/UserFile.h"
#include "app/report/Sheet.h"

#include <QByteArray>

#include <string>

class QPagedPaintDevice;

namespace vortalin {

// Paints the sheet on the device's pages as they are set up (a printer from its dialog).
void PaintSheet(const Sheet& sheet, QPagedPaintDevice& device);

// The sheet as a PDF document on A4.
QByteArray SheetPdf(const Sheet& sheet);

// Writes the PDF through the writer of the user's files: an earlier file stays as it was
// when writing fails. Returns an empty string on success, otherwise the reason.
std::string WriteSheetPdf(const Sheet& sheet, const std::string& path, ReaderWait wait);

// "Protokol sa nepodarilo uložiť do súboru „…“ (reason). Doterajší obsah súboru zostal
// nezmenený."
std::string SheetNotSavedMessage(const std::string& path, const std::string& reason);

} // namespace vortalin
