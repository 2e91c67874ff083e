#include "charts/chart_raster.h"

#include <QGuiApplication>
#include <QtTest>

#include <climits>

using vexa::ChartRaster;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

int countPixels(const ChartRaster& r, const QColor& c)
{
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            n += (r.pixel(x, y) == c);
    return n;
}

} // namespace

class TestChartRaster : public QObject {
    Q_OBJECT
private slots:
    void freshRaster();
    void lineExcludesEndPoint_data();
    void lineExcludesEndPoint();
    void lineContinuesFromEndPoint();
    void floodFillStopsAtBlackOnly();
    void floodFillReachesEveryPixelOfBlankRaster();
    void textCellIsOpaque_data();
    void textCellIsOpaque();
};

void TestChartRaster::freshRaster()
{
    ChartRaster r(7, 5);
    QCOMPARE(r.width(), 7);
    QCOMPARE(r.height(), 5);
    QCOMPARE(r.image().format(), QImage::Format_RGB32);
    QCOMPARE(countPixels(r, kWhite), 35);
    QCOMPARE(r.penColor(), kBlack);
    QCOMPARE(r.fillColor(), kWhite);
    QCOMPARE(r.fontColor(), kBlack);
    QVERIFY(!r.fontBold());
    QVERIFY(!r.pixel(7, 0).isValid());
    QVERIFY(!r.pixel(0, -1).isValid());
}

void TestChartRaster::lineExcludesEndPoint_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QList<QPoint>>("painted");

    QTest::newRow("rightwards") << QPoint(2, 3) << QPoint(6, 3)
                                << QList<QPoint>{{2, 3}, {3, 3}, {4, 3}, {5, 3}};
    QTest::newRow("downwards") << QPoint(4, 1) << QPoint(4, 4)
                               << QList<QPoint>{{4, 1}, {4, 2}, {4, 3}};
    QTest::newRow("leftwards") << QPoint(6, 0) << QPoint(3, 0)
                               << QList<QPoint>{{6, 0}, {5, 0}, {4, 0}};
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(4, 4)
                              << QList<QPoint>{{0, 0}, {1, 1}, {2, 2}, {3, 3}};
    QTest::newRow("zero length") << QPoint(3, 3) << QPoint(3, 3) << QList<QPoint>{};
    QTest::newRow("starts left of raster") << QPoint(-5, 2) << QPoint(3, 2)
                                           << QList<QPoint>{{0, 2}, {1, 2}, {2, 2}};
    QTest::newRow("ends below raster") << QPoint(1, 7) << QPoint(1, 100)
                                       << QList<QPoint>{{1, 7}, {1, 8}, {1, 9}};
    QTest::newRow("wholly outside") << QPoint(-3, -1) << QPoint(20, -1) << QList<QPoint>{};
    QTest::newRow("full int range")
        << QPoint(INT_MIN, 5) << QPoint(INT_MAX, 5)
        << QList<QPoint>{{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5},
                         {5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}};
}

void TestChartRaster::lineExcludesEndPoint()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QList<QPoint>, painted);

    ChartRaster r(10, 10);
    const QColor pen(10, 20, 30);
    r.setPenColor(pen);
    r.moveTo(from.x(), from.y());
    r.lineTo(to.x(), to.y());

    QCOMPARE(r.currentPoint(), to);
    for (const QPoint& p : painted)
        QVERIFY2(r.pixel(p.x(), p.y()) == pen,
                 qPrintable(QStringLiteral("(%1,%2) not painted").arg(p.x()).arg(p.y())));
    QCOMPARE(countPixels(r, pen), painted.size());
}

void TestChartRaster::lineContinuesFromEndPoint()
{
    ChartRaster r(10, 10);
    r.moveTo(1, 1);
    r.lineTo(5, 1);
    r.lineTo(5, 4);
    // The corner is painted by the second line, which starts where the first
    // one stopped; the last end point stays unpainted.
    QCOMPARE(r.pixel(5, 1), kBlack);
    QCOMPARE(r.pixel(5, 3), kBlack);
    QCOMPARE(r.pixel(5, 4), kWhite);
    QCOMPARE(countPixels(r, kBlack), 7);
}

void TestChartRaster::floodFillStopsAtBlackOnly()
{
    ChartRaster r(40, 40);
    auto box = [&r](int x0, int y0, int x1, int y1) {
        r.moveTo(x0, y0);
        r.lineTo(x1, y0);
        r.lineTo(x1, y1);
        r.lineTo(x0, y1);
        r.lineTo(x0, y0);
    };
    // A sealed black box, and a second box with a one-pixel gap in its
    // bottom edge through which the fill has to turn upwards.
    box(2, 2, 12, 12);
    box(20, 20, 35, 35);
    r.setPenColor(QColor(255, 255, 255));
    r.moveTo(27, 35);
    r.lineTo(28, 35);
    // A grey line is no border.
    r.setPenColor(QColor(128, 128, 128));
    r.moveTo(0, 16);
    r.lineTo(40, 16);

    const QColor fill(0, 200, 0);
    r.setFillColor(fill);
    r.floodFill();

    QCOMPARE(r.pixel(0, 0), fill);
    QCOMPARE(r.pixel(2, 2), kBlack);
    QCOMPARE(r.pixel(7, 7), kWhite);   // inside the sealed box
    QCOMPARE(r.pixel(0, 16), fill);    // grey line filled over
    QCOMPARE(r.pixel(39, 39), fill);   // beyond the grey line
    QCOMPARE(r.pixel(27, 35), fill);   // the gap
    QCOMPARE(r.pixel(21, 21), fill);   // inside the open box
    QCOMPARE(r.pixel(20, 20), kBlack);
    QCOMPARE(countPixels(r, kWhite), 9 * 9);
}

void TestChartRaster::floodFillReachesEveryPixelOfBlankRaster()
{
    // Large enough that a recursive fill would exhaust the stack.
    ChartRaster r(1500, 1200);
    const QColor fill(1, 2, 3);
    r.setFillColor(fill);
    r.floodFill();
    QCOMPARE(countPixels(r, fill), 1500 * 1200);

    // Nothing to do when the start pixel is itself a border.
    ChartRaster blocked(5, 5);
    blocked.moveTo(0, 0);
    blocked.lineTo(1, 0);
    blocked.setFillColor(fill);
    blocked.floodFill();
    QCOMPARE(countPixels(blocked, fill), 0);
}

void TestChartRaster::textCellIsOpaque_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("inkVisible");
    QTest::newRow("inside") << QPoint(10, 8) << true;
    QTest::newRow("over top-left corner") << QPoint(-4, -5) << false;
    QTest::newRow("over bottom-right corner") << QPoint(36, 26) << false;
    QTest::newRow("wholly right") << QPoint(40, 0) << false;
    QTest::newRow("far away") << QPoint(INT_MAX, INT_MAX) << false;
    QTest::newRow("far away negative") << QPoint(INT_MIN, INT_MIN) << false;
}

void TestChartRaster::textCellIsOpaque()
{
    QFETCH(QPoint, at);
    QFETCH(bool, inkVisible);

    ChartRaster r(40, 30);
    const QColor fill(0, 200, 0);
    const QColor ink(255, 0, 0);
    r.setFillColor(fill);
    r.setFontColor(ink);
    r.setFontName(QStringLiteral("Arial"));
    r.setFontSize(10);
    r.setFontBold(true);
    const QString text = QStringLiteral("88");
    const QSize size = r.textCell(text);
    QVERIFY(size.width() > 0 && size.height() > 0);

    r.textOut(at.x(), at.y(), text);

    // Every pixel of the cell's visible part is fill or ink; nothing else
    // changes.
    int inked = 0;
    for (int y = 0; y < r.height(); ++y) {
        for (int x = 0; x < r.width(); ++x) {
            const qint64 dx = qint64(x) - at.x();
            const qint64 dy = qint64(y) - at.y();
            const bool inCell = dx >= 0 && dx < size.width() && dy >= 0 && dy < size.height();
            const QColor c = r.pixel(x, y);
            const QByteArray where = QStringLiteral("(%1,%2)").arg(x).arg(y).toLatin1();
            if (inCell) {
                QVERIFY2(c == fill || c == ink, where.constData());
                inked += (c == ink);
            } else {
                QVERIFY2(c == kWhite, where.constData());
            }
        }
    }
    if (inkVisible)
        QVERIFY(inked > 0);
}

QTEST_MAIN(TestChartRaster)
#include "tst_chart_raster.moc"
