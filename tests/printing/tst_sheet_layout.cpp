#include <QtTest>
#include <set>

#include "printing/sheet_layout.h"

using namespace vexa;

namespace {

// One line per operation, so that a mismatch names the first operation that differs.
QStringList describe(const std::vector<SheetOperation>& ops)
{
    QStringList lines;
    for (const SheetOperation& op : ops) {
        if (op.kind == SheetOperation::Kind::Line)
            lines << QStringLiteral("line %1,%2 %3,%4").arg(op.from.x()).arg(op.from.y()).arg(op.to.x()).arg(op.to.y());
        else
            lines << QStringLiteral("text %1,%2 %3").arg(op.from.x()).arg(op.from.y()).arg(op.text);
    }
    return lines;
}

// Cell (c, r) holds "c/r", so every text shows where it came from.
QString namedCell(int column, int row)
{
    return QStringLiteral("%1/%2").arg(column).arg(row);
}

SheetContent content(std::int32_t numFila, SheetCellText cell = namedCell)
{
    return {QStringLiteral("VEXA - Coordinates"), QStringLiteral("11/12/26 13:40:05"), numFila, std::move(cell)};
}

} // namespace

class SheetLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void workedExample()
    {
        // W 4800, H 6400, two samples.
        QStringList expected{QStringLiteral("text 249,81 VEXA - Coordinates          (11/12/26 13:40:05)")};
        for (int y : {242, 358, 474, 590, 706})
            expected << QStringLiteral("line 175,%1 3578,%1").arg(y);
        expected << "line 345,358 345,706" << "line 175,242 175,706";
        for (int x : {922, 1254, 1586, 1918, 2250, 2582, 2914, 3246})
            expected << QStringLiteral("line %1,358 %1,706").arg(x);
        expected << "line 3578,242 3578,706";
        expected << QStringLiteral("text 1200,258 Coordinates with illuminant D65 and 10\u00BA observer");
        const std::pair<int, const char*> headers[] = {{229, "no"},  {505, "Sample"}, {1055, "X*"}, {1387, "Y"},
                                                       {1719, "Z"},  {2051, "L*"},    {2383, "C*"}, {2715, "h*"},
                                                       {3047, "a*"}, {3379, "b*"}};
        for (const auto& [x, text] : headers)
            expected << QStringLiteral("text %1,371 %2").arg(x).arg(QLatin1String(text));
        const int columnX[] = {229, 400, 987, 1319, 1651, 1983, 2315, 2647, 2979, 3311};
        for (int c = 0; c <= 9; ++c)
            for (int r = 1; r <= 2; ++r)
                expected << QStringLiteral("text %1,%2 %3/%4").arg(columnX[c]).arg(r == 1 ? 487 : 603).arg(c).arg(r);

        QCOMPARE(describe(layoutResultsSheet(4800, 6400, content(3))), expected);
    }

    void rulesAndRowsFollowTheRowCount_data()
    {
        QTest::addColumn<int>("numFila");
        QTest::newRow("empty grid") << 1;
        QTest::newRow("two samples") << 3;
        QTest::newRow("full grid") << 51;
    }

    void rulesAndRowsFollowTheRowCount()
    {
        QFETCH(int, numFila);
        const int width = 4800, height = 6400;
        const int t0 = 242, t1 = 358, pitch = 116;
        std::set<int> rowsAsked;
        const auto ops = layoutResultsSheet(width, height, content(numFila, [&](int column, int row) {
            rowsAsked.insert(row);
            return namedCell(column, row);
        }));

        std::vector<int> ruleYs;
        int columnRules = 0;
        int texts = 0;
        for (const SheetOperation& op : ops) {
            if (op.kind == SheetOperation::Kind::Text) {
                ++texts;
                continue;
            }
            if (op.from.y() == op.to.y()) {
                ruleYs.push_back(op.from.y());
                continue;
            }
            ++columnRules;
            QVERIFY(op.from.y() == t0 || op.from.y() == t1);
            QCOMPARE(op.to.y(), t1 + numFila * pitch); // every column rule ends at the table's bottom
        }
        QCOMPARE(columnRules, 11);
        QCOMPARE(int(ruleYs.size()), numFila + 2);
        for (int i = 0; i < int(ruleYs.size()); ++i)
            QCOMPARE(ruleYs[i], t0 + i * pitch);
        QVERIFY(ruleYs.back() <= height);
        // Title, subtitle, ten headers, ten cells for each sample.
        QCOMPARE(texts, 12 + 10 * (numFila - 1));
        // Rows numFila and below are never read.
        if (numFila == 1)
            QVERIFY(rowsAsked.empty());
        else
            QCOMPARE(std::pair(*rowsAsked.begin(), *rowsAsked.rbegin()), std::pair(1, numFila - 1));
    }

    void fullGridFitsAnyPortraitPage()
    {
        // A4 at 600 dpi less 5 mm margins, and Letter's printable area at 300 dpi.
        for (const auto& [width, height] : {std::pair(4724, 6779), std::pair(2400, 3200)}) {
            const auto ops = layoutResultsSheet(width, height, content(51));
            for (const SheetOperation& op : ops)
                QVERIFY(op.from.y() <= height && op.to.y() <= height && op.to.x() <= width);
        }
    }

    void positionsRoundTheExactProductHalfToEven_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("subtitleX");
        QTest::addColumn<int>("nameX");
        // 4802 x 0.25 = 1200.5 goes down to the even 1200, 4806 x 0.25 = 1201.5 up to 1202.
        // 4806 x 0.083333333333333333336 lies a hair above 400.5, so names go to
        // 401, although 4806 / 12 is exactly 400.5 and a double product rounds to 400.
        QTest::newRow("tie down") << 4802 << 1200 << 400;
        QTest::newRow("tie up, just above a half") << 4806 << 1202 << 401;
    }

    void positionsRoundTheExactProductHalfToEven()
    {
        QFETCH(int, width);
        QFETCH(int, subtitleX);
        QFETCH(int, nameX);
        const auto ops = layoutResultsSheet(width, 6400, content(2));
        const auto textOf = [&](const QString& text) {
            for (const SheetOperation& op : ops)
                if (op.kind == SheetOperation::Kind::Text && op.text == text)
                    return op.from;
            return QPoint(-1, -1);
        };
        QCOMPARE(textOf(sheetSubtitle()).x(), subtitleX);
        QCOMPARE(textOf(QStringLiteral("1/1")).x(), nameX);
    }

    void cellsFromRowsGivesEmptyTextsOutsideTheList()
    {
        const SheetCellText cell = cellsFromRows({{"1", "Crianza", "27.14"}, {"2", "Joven"}});
        QCOMPARE(cell(1, 1), QStringLiteral("Crianza"));
        QCOMPARE(cell(1, 2), QStringLiteral("Joven"));
        QCOMPARE(cell(2, 2), QString());
        QCOMPARE(cell(1, 3), QString());
        QCOMPARE(cell(0, 0), QString());
    }

    void rowCountOutsideTheGridIsRefused()
    {
        for (int numFila : {0, 52, -1})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, layoutResultsSheet(4800, 6400, content(numFila)));
    }
};

QTEST_APPLESS_MAIN(SheetLayoutTest)
#include "tst_sheet_layout.moc"
