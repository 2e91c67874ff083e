#pragma once

#include <QPageLayout>
#include <QString>
#include <stdexcept>

#include "printing/sheet_layout.h"

class QPagedPaintDevice;

namespace vexa {

// A failure of the printing layer. Its text says what failed, with no full stop.
class PrintError : public std::runtime_error {
public:
    explicit PrintError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Prints the sheet as the single page of a new document on the device (a
// printer, a PDF writer), laid out for the device's printable area as it
// stands at this call. `target` names the device in error texts, for example
// "the printer Office" or "the PDF file /tmp/sheet.pdf".
//
// Throws PrintError when the document cannot be begun or finished, and what
// layoutResultsSheet throws, before anything is printed, for content it
// refuses.
void printSheet(QPagedPaintDevice& device, const QString& target, const SheetContent& content);

// The page of the PDF sheet: A4 portrait with printer-like margins of 5 mm
// all round, at 600 dots per inch, the resolution of a common laser printer.
QPageLayout sheetPdfPageLayout();
inline constexpr int kSheetPdfResolution = 600;

// Writes the sheet, without any window, as a one-page PDF file on that page;
// the PDF's title is the caption. The file is replaced only when the whole
// document has been written. Throws PrintError naming the file when it
// cannot be written.
void writeSheetPdf(const QString& path, const SheetContent& content);

} // namespace vexa
