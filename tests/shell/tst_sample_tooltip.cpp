// The tooltip over a sample's row of the results grid: a swatch of the
// sample's colour, its L*, C* and h, and its difference from the sample in
// the selected row; nothing for rows without a readable sample.

#include "shell_fixture.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QTextDocument>
#include <QToolTip>

#include "numbers/result_columns.h"

using namespace vexa;
using vexa::test::Shell;

namespace {

// What a hover over one cell showed.
struct Shown {
    QString text;  // the tooltip as plain text, empty when none showed
    QColor swatch; // the colour in the middle of the swatch
    QSize swatchSize;
};

Shown hover(Shell& shell, int column, int row)
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        qWarning("the last tooltip did not go");

    StringGrid& grid = *shell.form1.Resultados1;
    QWidget* area;
    QPoint at;
    if (column == 0) {
        area = grid.verticalHeader()->viewport();
        at = QPoint(area->width() / 2, grid.verticalHeader()->sectionViewportPosition(row - 1) + 12);
    } else {
        area = grid.viewport();
        at = grid.visualRect(grid.store().index(row - 1, column - 1)).center();
    }
    QHelpEvent event(QEvent::ToolTip, at, area->mapToGlobal(at));
    QApplication::sendEvent(area, &event);
    if (!QToolTip::isVisible())
        return {};

    const QString html = QToolTip::text();
    QTextDocument document;
    document.setHtml(html);
    // The swatch stands in the plain text as an object replacement character.
    Shown shown{document.toPlainText().remove(QChar::ObjectReplacementCharacter).simplified(), {}, {}};
    const QRegularExpression image(QStringLiteral("src=\"data:image/png;base64,([^\"]+)\""));
    const QRegularExpressionMatch match = image.match(html);
    if (match.hasMatch()) {
        const QImage swatch = QImage::fromData(QByteArray::fromBase64(match.captured(1).toLatin1()), "PNG");
        shown.swatch = swatch.pixelColor(swatch.width() / 2, swatch.height() / 2);
        shown.swatchSize = swatch.size();
    }
    return shown;
}

void calculateTwoSamples(Shell& shell)
{
    shell.calculateWorkedExample();                                            // L* 67.3, a* 22.99, b* 7.90
    shell.calculate("Joven", "2", {"0.65", "0.65", "0.40", "0.60"}); // L* 61.1, a* 1.00, b* 10.59
}

void clickCell(Shell& shell, int column, int row)
{
    StringGrid& grid = *shell.form1.Resultados1;
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(grid.store().index(row - 1, column - 1)).center());
}

const QString kFirstSample = QString::fromUtf8("L* 67.3 \u00B7 C* 24.31 \u00B7 h 18.96");
const QString kSecondSample = QString::fromUtf8("L* 61.1 \u00B7 C* 10.64 \u00B7 h 84.61");
const QString kApart = QString::fromUtf8("\u0394E*ab 23.0 \u00B7 \u0394E00 21.1 from sample %1");

} // namespace

class SampleTooltipTest : public QObject {
    Q_OBJECT

private slots:
    void computedSamples()
    {
        Shell shell;
        calculateTwoSamples(shell);
        clickCell(shell, 3, 1);

        // The selected row itself shows no difference.
        Shown first = hover(shell, 5, 1);
        QCOMPARE(first.text, kFirstSample);
        QCOMPARE(first.swatch, QColor(209, 148, 151));
        QCOMPARE(first.swatchSize, QSize(48, 24));

        // Any cell of another row, also its row number, adds the difference.
        for (int column : {0, 1, 9}) {
            const Shown second = hover(shell, column, 2);
            QCOMPARE(second.text, kSecondSample + " " + kApart.arg(1));
            QCOMPARE(second.swatch, QColor(157, 146, 129));
        }

        clickCell(shell, 1, 2);
        QCOMPARE(hover(shell, 4, 1).text, kFirstSample + " " + kApart.arg(2));

        // With the selection on a row that holds no sample, no difference shows.
        clickCell(shell, 1, 5);
        QCOMPARE(hover(shell, 4, 1).text, kFirstSample);
        QCOMPARE(hover(shell, 4, 2).text, kSecondSample);
        QVERIFY(shell.dialogs.errors.isEmpty());
    }

    // Texts as a results file brings them: a comma in L* to b*, whatever the
    // user's own separator.
    void loadedSampleWithCommas_data()
    {
        QTest::addColumn<uint>("separator");
        QTest::newRow("point settings") << uint(U'.');
        QTest::newRow("comma settings") << uint(U',');
    }

    void loadedSampleWithCommas()
    {
        QFETCH(uint, separator);
        Shell shell{char32_t(separator)};
        const QStringList texts{"Rosado", "14.900", "13.826", "15.321", "45,6", "13,58", "24,68", "12,34", "5,67"};
        for (int i = 0; i < texts.size(); ++i)
            shell.form1.Resultados1->setCell(kNameColumn + i, 1, texts[i]);
        shell.form1.NumFila = 2;

        const Shown shown = hover(shell, 2, 1);
        QCOMPARE(shown.text, QString::fromUtf8("L* 45.6 \u00B7 C* 13.58 \u00B7 h 24.68"));
        QCOMPARE(shown.swatch, QColor(132, 100, 99));
    }

    // Rows typed into the grid: L*, C*, h, a*, b*.
    void outsideTheGamut_data()
    {
        QTest::addColumn<QStringList>("lToB");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("swatch"); // clipped
        QTest::newRow("saturated blue-green")
            << QStringList{"50.0", "100.00", "180.00", "-100.00", "0.00"}
            << QString::fromUtf8("L* 50.0 \u00B7 C* 100.00 \u00B7 h 180.00 outside sRGB") << QColor(0, 151, 117);
        QTest::newRow("absurd values in exponent form")
            << QStringList{"1E300", "1,5E7", "12", "2e300", "0"}
            << QString::fromUtf8("L* 1e+300 \u00B7 C* 1.5e+07 \u00B7 h 12.00 outside sRGB") << QColor(0, 0, 0);
    }

    void outsideTheGamut()
    {
        QFETCH(QStringList, lToB);
        QFETCH(QString, text);
        QFETCH(QColor, swatch);
        Shell shell;
        for (int i = 0; i < lToB.size(); ++i)
            shell.form1.Resultados1->setCell(kLightnessColumn + i, 1, lToB[i]);
        shell.form1.NumFila = 2;

        const Shown shown = hover(shell, 2, 1);
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.swatch, swatch);
    }

    void noTooltip_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("bStar"); // typed into row 1's b* cell
        QTest::newRow("empty row below the samples") << 3 << 2 << "";
        QTest::newRow("its row number") << 3 << 0 << "";
        QTest::newRow("b* emptied") << 1 << 2 << "";
        QTest::newRow("b* not a number") << 1 << 5 << "dark";
        QTest::newRow("b* with two separators") << 1 << 9 << "7,9,0";
    }

    void noTooltip()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, bStar);
        Shell shell;
        calculateTwoSamples(shell);
        if (row == 1)
            shell.form1.Resultados1->setCell(kBColumn, 1, bStar);

        QCOMPARE(hover(shell, column, row).text, QString());
        QVERIFY(shell.dialogs.errors.isEmpty());
    }

    // A selected row whose texts do not read leaves out the difference only.
    void unreadableSelectedRow()
    {
        Shell shell;
        calculateTwoSamples(shell);
        shell.form1.Resultados1->setCell(kLightnessColumn, 1, QStringLiteral("?"));
        QCOMPARE(shell.form1.Resultados1->selectedRow(), 1);
        QCOMPARE(hover(shell, 2, 2).text, kSecondSample);
        QVERIFY(shell.dialogs.errors.isEmpty());
    }
};

QTEST_MAIN(SampleTooltipTest)
#include "tst_sample_tooltip.moc"
