#include "charts/chart_backgrounds.h"

#include <QGuiApplication>
#include <QtTest>

using namespace vexa;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kGrey(192, 192, 192);
const QColor kNavy(0, 0, 128);
const QColor kAbBack(255, 255, 220);
const QColor kLBack(200, 255, 240);

} // namespace

class TestChartBackgrounds : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void probes_data();
    void probes();
    void titleCellsCoverGrid();
    void drawingStateLeftForMarkers();
    void drawingIsRepeatable();

private:
    std::unique_ptr<ChartRaster> ab_;
    std::unique_ptr<ChartRaster> l_;
};

void TestChartBackgrounds::initTestCase()
{
    ab_ = drawAbChart();
    l_ = drawLScale();
    QCOMPARE(ab_->width(), 303);
    QCOMPARE(ab_->height(), 303);
    QCOMPARE(l_->width(), 35);
    QCOMPARE(l_->height(), 305);
}

void TestChartBackgrounds::probes_data()
{
    QTest::addColumn<bool>("abChart");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("ab background corner") << true << QPoint(0, 0) << kAbBack;
    QTest::newRow("ab b* axis") << true << QPoint(45, 100) << kBlack;
    QTest::newRow("ab a* axis") << true << QPoint(100, 255) << kBlack;
    QTest::newRow("ab vertical grid") << true << QPoint(80, 100) << kGrey;
    QTest::newRow("ab gap below a* numbers") << true << QPoint(80, 267) << kAbBack;
    QTest::newRow("ab grid resumes below numbers") << true << QPoint(80, 268) << kGrey;
    QTest::newRow("ab grid over b* axis") << true << QPoint(45, 10) << kGrey;
    QTest::newRow("ab grid over a* tick") << true << QPoint(80, 254) << kGrey;
    QTest::newRow("ab a* tick below axis") << true << QPoint(80, 256) << kBlack;
    QTest::newRow("ab b* tick left of axis") << true << QPoint(44, 10) << kBlack;
    QTest::newRow("ab grid over b* tick") << true << QPoint(47, 45) << kGrey;
    QTest::newRow("ab short grid at -10 ends") << true << QPoint(26, 290) << kAbBack;
    QTest::newRow("ab short grid at -10") << true << QPoint(25, 290) << kGrey;
    QTest::newRow("ab b* axis top") << true << QPoint(45, 2) << kBlack;
    QTest::newRow("ab above b* axis") << true << QPoint(45, 1) << kAbBack;
    QTest::newRow("ab a* axis end excluded") << true << QPoint(300, 255) << kAbBack;

    QTest::newRow("L axis top") << false << QPoint(15, 3) << kBlack;
    QTest::newRow("L axis end excluded") << false << QPoint(15, 300) << kLBack;
    QTest::newRow("L grey mark") << false << QPoint(25, 289) << kGrey;
    QTest::newRow("L tick") << false << QPoint(17, 289) << kBlack;
    QTest::newRow("L grey mark starts after tick") << false << QPoint(19, 9) << kGrey;
    QTest::newRow("L tick end excluded") << false << QPoint(18, 9) << kLBack;
    QTest::newRow("L background corner") << false << QPoint(34, 0) << kLBack;
}

void TestChartBackgrounds::probes()
{
    QFETCH(bool, abChart);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    const ChartRaster& r = abChart ? *ab_ : *l_;
    QCOMPARE(r.pixel(at.x(), at.y()), expected);
}

void TestChartBackgrounds::titleCellsCoverGrid()
{
    // The axis names are written last, on opaque cells: where a cell lies
    // over a grey grid line, the line is gone and only navy and background
    // remain.
    struct Title {
        const ChartRaster* raster;
        QPoint at;
        QString text;
        QColor background;
        bool gridRow;   // the grid line to check runs horizontally
        int gridLine;   // its y (horizontal) or x (vertical)
    };
    ChartRaster probe(1, 1);
    probe.setFontName(QStringLiteral("Arial"));
    probe.setFontSize(10);
    probe.setFontBold(true);

    const Title titles[] = {
        {ab_.get(), {13, 106}, QStringLiteral("b*"), kAbBack, true, 115},
        {ab_.get(), {181, 270}, QStringLiteral("a*"), kAbBack, false, 185},
    };
    for (const Title& t : titles) {
        const QRect cell(t.at, probe.textCell(t.text));
        int navy = 0;
        int crossed = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QColor c = t.raster->pixel(x, y);
                QVERIFY2(c == kNavy || c == t.background,
                         qPrintable(QStringLiteral("%1 at (%2,%3)").arg(t.text).arg(x).arg(y)));
                navy += (c == kNavy);
                crossed += t.gridRow ? (y == t.gridLine) : (x == t.gridLine);
            }
        }
        QVERIFY(navy > 0);
        QVERIFY2(crossed > 0, "the cell must lie over the grid line");
    }
    // The same grid line just outside the "b*" cell is still grey.
    QCOMPARE(ab_->pixel(12, 115), kGrey);
}

void TestChartBackgrounds::drawingStateLeftForMarkers()
{
    const struct {
        const ChartRaster* raster;
        QColor background;
    } charts[] = {{ab_.get(), kAbBack}, {l_.get(), kLBack}};
    for (const auto& c : charts) {
        QCOMPARE(c.raster->fillColor(), c.background);
        QCOMPARE(c.raster->penColor(), kGrey);
        QCOMPARE(c.raster->fontName(), QStringLiteral("Arial"));
        QCOMPARE(c.raster->fontSize(), 10);
        QVERIFY(c.raster->fontBold());
        QCOMPARE(c.raster->fontColor(), kNavy);
    }
}

void TestChartBackgrounds::drawingIsRepeatable()
{
    QCOMPARE(drawAbChart()->image(), ab_->image());
    QCOMPARE(drawLScale()->image(), l_->image());
    // Only the five colours the drawing uses appear.
    for (const ChartRaster* r : {ab_.get(), l_.get()}) {
        for (int y = 0; y < r->height(); ++y)
            for (int x = 0; x < r->width(); ++x) {
                const QColor c = r->pixel(x, y);
                QVERIFY(c == kBlack || c == kGrey || c == kNavy || c == kAbBack || c == kLBack);
            }
    }
}

QTEST_MAIN(TestChartBackgrounds)
#include "tst_chart_backgrounds.moc"
