#include "charts/chart_backgrounds.h"
#include "charts/marker_position.h"
#include "charts/sample_marker.h"

#include <QGuiApplication>
#include <QtTest>

#include <exception>
#include <limits>

using namespace vexa;

namespace {

const QColor kRed(255, 0, 0);

// Checks that `after` differs from `before` only inside the cell at `at`,
// where every pixel is red or `background`. Returns the number of red pixels.
int checkMarkerCell(const ChartRaster& before, const ChartRaster& after, QPoint at, QSize size,
                    const QColor& background)
{
    int red = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const qint64 dx = qint64(x) - at.x();
            const qint64 dy = qint64(y) - at.y();
            const bool inCell = dx >= 0 && dx < size.width() && dy >= 0 && dy < size.height();
            const QColor c = after.pixel(x, y);
            if (inCell) {
                if (c != kRed && c != background) {
                    QTest::qFail(qPrintable(QStringLiteral("stray colour in cell at (%1,%2)")
                                                .arg(x).arg(y)), __FILE__, __LINE__);
                    return -1;
                }
                red += (c == kRed);
            } else if (c != before.pixel(x, y)) {
                QTest::qFail(qPrintable(QStringLiteral("changed outside cell at (%1,%2)")
                                            .arg(x).arg(y)), __FILE__, __LINE__);
                return -1;
            }
        }
    }
    return red;
}

QSize markerCell(const ChartRaster& chart, int row)
{
    return chart.textCell(QString::number(row));
}

} // namespace

class TestSampleMarker : public QObject {
    Q_OBJECT
private slots:
    void markerFonts();
    void markersDrawnInTheirCells_data();
    void markersDrawnInTheirCells();
    void errorStopsWhereItArises();
};

void TestSampleMarker::markerFonts()
{
    auto ab = drawAbChart();
    auto l = drawLScale();
    setMarkerFonts(*ab, *l);
    for (const ChartRaster* r : {ab.get(), l.get()}) {
        QCOMPARE(r->fontName(), QStringLiteral("Times"));
        QCOMPARE(r->fontSize(), 8);
        QVERIFY(r->fontBold());
        QCOMPARE(r->fontColor(), kRed);
    }
    // The cell is as high as the font's full line.
    const QFontMetrics metrics(ab->font());
    QCOMPARE(markerCell(*ab, 7).height(), metrics.ascent() + metrics.descent());
}

void TestSampleMarker::markersDrawnInTheirCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("lightness");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("abVisible");
    QTest::addColumn<bool>("lVisible");

    QTest::newRow("typical") << 3 << 45.6 << 12.34 << 5.67 << true << true;
    QTest::newRow("two digits over the axes") << 12 << 80.0 << 0.0 << 0.0 << true << true;
    QTest::newRow("partly off the right edge") << 4 << 50.0 << 73.0 << 20.0 << false << true;
    QTest::newRow("a* 80 off the chart") << 5 << 50.0 << 80.0 << 0.0 << false << true;
    QTest::newRow("far off both") << 6 << -1e6 << -1e6 << 1e6 << false << false;
}

void TestSampleMarker::markersDrawnInTheirCells()
{
    QFETCH(int, row);
    QFETCH(double, lightness);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, abVisible);
    QFETCH(bool, lVisible);

    const auto abBefore = drawAbChart();
    const auto lBefore = drawLScale();
    auto ab = drawAbChart();
    auto l = drawLScale();

    drawSampleMarker(*ab, *l, row, lightness, a, b);

    const MarkerPosition abAt = abMarkerPosition(row, a, b);
    const int abRed = checkMarkerCell(*abBefore, *ab, QPoint(abAt.x, abAt.y),
                                      markerCell(*ab, row), QColor(kAbChartBackground));
    if (QTest::currentTestFailed())
        return;
    const MarkerPosition lAt = lMarkerPosition(row, lightness);
    const int lRed = checkMarkerCell(*lBefore, *l, QPoint(lAt.x, lAt.y), markerCell(*l, row),
                                     QColor(kLScaleBackground));
    if (QTest::currentTestFailed())
        return;

    if (abVisible)
        QVERIFY(abRed > 0);
    if (lVisible)
        QVERIFY(lRed > 0);
    if (QTest::currentDataTag() == QByteArray("a* 80 off the chart"))
        QCOMPARE(ab->image(), abBefore->image());
}

void TestSampleMarker::errorStopsWhereItArises()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto abBefore = drawAbChart();
    const auto lBefore = drawLScale();

    // A bad L* comes last: the a*-b* marker is already drawn and stays.
    {
        auto ab = drawAbChart();
        auto l = drawLScale();
        QString error;
        try {
            drawSampleMarker(*ab, *l, 3, nan, 10.0, 10.0);
        } catch (const std::exception& e) {
            error = QString::fromUtf8(e.what());
        }
        QCOMPARE(error, QStringLiteral("Invalid floating point operation"));
        QVERIFY(ab->image() != abBefore->image());
        QCOMPARE(l->image(), lBefore->image());
    }
    // A bad a* stops before anything is drawn, but after the fonts are set.
    {
        auto ab = drawAbChart();
        auto l = drawLScale();
        QString error;
        try {
            drawSampleMarker(*ab, *l, 3, 50.0, 2147483647 / 3.5, 10.0);
        } catch (const std::exception& e) {
            error = QString::fromUtf8(e.what());
        }
        QCOMPARE(error, QStringLiteral("Integer overflow"));
        QCOMPARE(ab->image(), abBefore->image());
        QCOMPARE(l->image(), lBefore->image());
        QCOMPARE(l->fontName(), QStringLiteral("Times"));
        QCOMPARE(l->fontColor(), kRed);
    }
}

QTEST_MAIN(TestSampleMarker)
#include "tst_sample_marker.moc"
