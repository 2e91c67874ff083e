#include <QTemporaryDir>
#include <QtTest>

#include "pdf_words.h"
#include "printing/sheet_layout.h"
#include "printing/sheet_printing.h"

using namespace vexa;
using vexa::test::PdfText;
using vexa::test::PdfWord;
using vexa::test::readPdfWords;

namespace {

SheetContent twoSamples()
{
    SheetContent content;
    content.caption = QStringLiteral("VEXA - muestras.qrl");
    content.dateTime = QStringLiteral("11/12/26 13:40:05");
    content.numFila = 3;
    // The second sample was selected, so its L* to b* carry commas; the third
    // row is left over from an earlier grid and lies past NumFila.
    content.cell = cellsFromRows({
        {"1", "Crianza", "14.81", "9.49", "2.46", "36.91", "45.73", "40.36", "34.86", "29.61"},
        {"2", "Rosado2", "45.10", "40.22", "35.01", "69,62", "13,46", "28,57", "11,83", "6,44"},
        {"3", "Leftover", "1.00", "1.00", "1.00", "1.00", "1.00", "1.00", "1.00", "1.00"},
    });
    return content;
}

} // namespace

class SheetPdfTest : public QObject {
    Q_OBJECT

private slots:
    void onePageWithTheTextsWhereTheLayoutPutsThem()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        const SheetContent content = twoSamples();
        writeSheetPdf(path, content);

        const PdfText pdf = readPdfWords(path);
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 1);
        QCOMPARE(qRound(pdf.pages[0].width()), 595); // A4 portrait
        QCOMPARE(qRound(pdf.pages[0].height()), 842);

        // Device pixels of the printable area to points on the page.
        const QPageLayout page = sheetPdfPageLayout();
        const QRect area = page.paintRectPixels(kSheetPdfResolution);
        const QPointF origin = page.paintRect(QPageLayout::Point).topLeft();
        const auto toPoints = [&](QPoint p) { return origin + QPointF(p) * 72.0 / kSheetPdfResolution; };

        int checked = 0;
        for (const SheetOperation& op : layoutResultsSheet(area.width(), area.height(), content)) {
            if (op.kind != SheetOperation::Kind::Text)
                continue;
            const QString firstWord = op.text.section(QLatin1Char(' '), 0, 0);
            const PdfWord* word = pdf.find(firstWord);
            QVERIFY2(word, qPrintable(op.text));
            const QPointF expected = toPoints(op.from);
            QVERIFY2(qAbs(word->box.left() - expected.x()) < 1.0 && qAbs(word->box.top() - expected.y()) < 1.0,
                     qPrintable(QStringLiteral("%1 at %2,%3, laid out at %4,%5")
                                    .arg(op.text)
                                    .arg(word->box.left())
                                    .arg(word->box.top())
                                    .arg(expected.x())
                                    .arg(expected.y())));
            QCOMPARE(pdf.lineFrom(*word).left(op.text.simplified().size()), op.text.simplified());
            ++checked;
        }
        QCOMPARE(checked, 12 + 2 * 10);
        QVERIFY(!pdf.find(QStringLiteral("Leftover")));
        QVERIFY(!pdf.find(QStringLiteral("1.00")));
    }

    void fileThatCannotBeWrittenIsNamedInTheError()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no-such-folder/sheet.pdf"));
        try {
            writeSheetPdf(path, twoSamples());
            QFAIL("no error");
        } catch (const PrintError& e) {
            const QString message = QString::fromUtf8(e.what());
            QVERIFY2(message.startsWith(QStringLiteral("Cannot write the PDF file ") + path), qPrintable(message));
            QVERIFY(!message.endsWith(QLatin1Char('.')));
        }
    }

    void refusedContentLeavesAnEarlierFileAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier");
        }
        SheetContent content = twoSamples();
        content.numFila = 52;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, writeSheetPdf(path, content));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    }
};

QTEST_MAIN(SheetPdfTest)
#include "tst_sheet_pdf.moc"
