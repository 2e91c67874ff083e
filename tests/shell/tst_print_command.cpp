// File/Print as the user meets it: the print dialog (played by the test),
// the sheet it prints, and a print that fails.

#include "shell_fixture.h"

#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include "../printing/pdf_words.h"
#include "charts/chart_image.h"
#include "printing/sheet_date_time.h"
#include "printing/sheet_layout.h"

using namespace vexa;
using vexa::test::PdfText;
using vexa::test::readPdfWords;
using vexa::test::Shell;

namespace {

// Everything printing must leave as it was.
struct WindowState {
    explicit WindowState(const TForm1& form)
        : caption(form.windowTitle()), numFila(form.NumFila), numOrden(form.NumOrden),
          rowsShown(form.Resultados1->rowCountShown()), chart(form.Imagen->raster().image()),
          scale(form.Image2->raster().image())
    {
        for (int row = 0; row <= 51; ++row)
            for (int column = 0; column <= 9; ++column)
                cells << form.Resultados1->cell(column, row);
    }
    bool operator==(const WindowState&) const = default;

    QString caption;
    std::int32_t numFila, numOrden;
    int rowsShown;
    QImage chart, scale;
    QStringList cells;
};

void clickCell(StringGrid* grid, int column, int row)
{
    const QModelIndex index = grid->model()->index(row - 1, column - 1);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualRect(index).center());
}

} // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT

private slots:
    void cancelledDialogPrintsNothing()
    {
        Shell shell;
        shell.calculateWorkedExample();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        QString jobTitle;
        shell.dialogs.answerPrintDialog = [&](QPrintDialog& dialog) {
            QPrinter& printer = *dialog.printer();
            jobTitle = printer.docName();
            // Collated copies, and a page range and the selection on offer.
            [&] {
                QVERIFY(printer.collateCopies());
                QCOMPARE(printer.printRange(), QPrinter::PageRange);
                QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
                QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintSelection));
            }();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return false;
        };
        const WindowState before(shell.form1);

        QTest::keyClick(shell.form1.NomMuestra, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(shell.dialogs.printDialogs, 1);
        QCOMPARE(jobTitle, QStringLiteral("VEXA - Coordinates"));
        QVERIFY(!QFile::exists(path));
        QVERIFY(shell.dialogs.errors.isEmpty());
        QVERIFY(WindowState(shell.form1) == before);

        // The pop-up menu's Print opens the same dialog.
        QAction* popupPrint = shell.form1.PopupMenu1->findChild<QAction*>(QStringLiteral("Imprimir2"));
        QVERIFY(popupPrint);
        popupPrint->trigger();
        QCOMPARE(shell.dialogs.printDialogs, 2);
        QVERIFY(!QFile::exists(path));
    }

    void printsTheGridOnThePaperChosenInTheDialog()
    {
        Shell shell;
        const FixedSheetClock clock(QDateTime(QDate(2026, 12, 11), QTime(13, 40, 5)), QLocale(QStringLiteral("en_US")));
        shell.form1.setSheetClock(clock);
        shell.calculateWorkedExample(QStringLiteral("Crianza"));
        shell.calculateWorkedExample(QStringLiteral("Rosado"));
        clickCell(shell.form1.Resultados1, 1, 2); // row 2's values now carry commas
        // A save cancelled in a fresh run puts the proposed name in the caption.
        QTest::keyClick(shell.form1.NomMuestra, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(shell.form1.windowTitle(), QStringLiteral("VEXA - Coordenadas"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        QString jobTitle;
        shell.dialogs.answerPrintDialog = [&](QPrintDialog& dialog) {
            QPrinter& printer = *dialog.printer();
            jobTitle = printer.docName();
            // The user picks A5 in landscape; the sheet comes out in portrait
            // and laid out for A5.
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageSize(QPageSize(QPageSize::A5));
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        };
        const WindowState before(shell.form1);

        shell.form1.Imprimir1->trigger();
        QVERIFY2(shell.dialogs.errors.isEmpty(), qPrintable(shell.dialogs.errors.join('\n')));
        QCOMPARE(jobTitle, QStringLiteral("VEXA - Coordenadas"));
        QVERIFY(WindowState(shell.form1) == before);

        const PdfText pdf = readPdfWords(path);
        QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
        QCOMPARE(pdf.pages.size(), 1);
        QCOMPARE(qRound(pdf.pages[0].width()), 420);
        QCOMPARE(qRound(pdf.pages[0].height()), 595);

        const auto* title = pdf.find(QStringLiteral("VEXA"));
        QVERIFY(title);
        QCOMPARE(pdf.lineFrom(*title), QStringLiteral("VEXA - Coordenadas (12/11/26 1:40:05 PM)"));
        const auto* rosado = pdf.find(QStringLiteral("Rosado"));
        QVERIFY(rosado);
        QCOMPARE(pdf.lineFrom(*rosado), shell.row(2).join(' '));
        QVERIFY(shell.row(2).join(' ').contains(QLatin1Char(',')));

        // The subtitle stands a quarter of the A5 printable width in.
        const QPrinter& printer = *shell.form1.PrintDialog1->printer();
        const double left = printer.pageLayout().paintRect(QPageLayout::Point).left();
        const double expectedX = left + qRound(printer.width() * 0.25) * 72.0 / printer.resolution();
        const auto* subtitle = pdf.find(QStringLiteral("Coordinates"));
        QVERIFY(subtitle);
        QVERIFY2(qAbs(subtitle->box.left() - expectedX) < 1.0, qPrintable(QString::number(subtitle->box.left())));
        QCOMPARE(pdf.lineFrom(*subtitle), sheetSubtitle());
    }

    void failureReachesTheErrorBoxAndChangesNothing()
    {
        Shell shell;
        shell.calculateWorkedExample();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no-such-folder/sheet.pdf"));
        shell.dialogs.answerPrintDialog = [&](QPrintDialog& dialog) {
            dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog.printer()->setOutputFileName(path);
            return true;
        };
        const WindowState before(shell.form1);

        shell.form1.Imprimir1->trigger();
        QCOMPARE(shell.dialogs.errors, QStringList{QStringLiteral("Cannot print to the PDF file %1.").arg(path)});
        QVERIFY(WindowState(shell.form1) == before);
    }
};

QTEST_MAIN(PrintCommandTest)
#include "tst_print_command.moc"
