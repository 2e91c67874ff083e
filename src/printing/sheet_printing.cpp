#include "printing/sheet_printing.h"

#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "printing/sheet_painter.h"

namespace vexa {

void printSheet(QPagedPaintDevice& device, const QString& target, const SheetContent& content)
{
    const auto operations = layoutResultsSheet(device.width(), device.height(), content);

    QPainter painter;
    if (!painter.begin(&device))
        throw PrintError(QStringLiteral("Cannot print to %1").arg(target));
    playSheet(painter, operations);
    if (!painter.end())
        throw PrintError(QStringLiteral("Printing to %1 did not finish").arg(target));
}

QPageLayout sheetPdfPageLayout()
{
    constexpr double marginMm = 5.0;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
}

void writeSheetPdf(const QString& path, const SheetContent& content)
{
    const QString target = QStringLiteral("the PDF file %1").arg(QDir::toNativeSeparators(path));

    // The document is made in memory first, so that a failure leaves any
    // earlier file of that name as it was.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(content.caption);
        writer.setCreator(QStringLiteral("VEXA"));
        writer.setResolution(kSheetPdfResolution);
        writer.setPageLayout(sheetPdfPageLayout());
        printSheet(writer, target, content);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw PrintError(QStringLiteral("Cannot write %1: %2").arg(target, file.errorString()));
    if (file.write(pdf.data()) != pdf.data().size() || !file.commit())
        throw PrintError(QStringLiteral("Cannot write %1: %2").arg(target, file.errorString()));
}

} // namespace vexa
