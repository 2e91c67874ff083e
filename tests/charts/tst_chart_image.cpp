#include "charts/chart_image.h"

#include <QApplication>
#include <QtTest>

using namespace vexa;

namespace {

// A raster whose every pixel has its own colour, so a shifted or scaled
// picture cannot pass for the original.
std::unique_ptr<ChartRaster> patterned(int width, int height, int blue)
{
    auto r = std::make_unique<ChartRaster>(width, height);
    for (int y = 0; y < height; ++y) {
        r->setPenColor(QColor(0, 0, 0));
        for (int x = 0; x < width; ++x) {
            r->setPenColor(QColor(x % 256, y % 256, blue));
            r->moveTo(x, y);
            r->lineTo(x + 1, y);
        }
    }
    return r;
}

QColor grabbedPixel(QWidget& w, int x, int y)
{
    return w.grab().toImage().pixelColor(x, y);
}

} // namespace

class TestChartImage : public QObject {
    Q_OBJECT
private slots:
    void smallerWidgetShowsTopLeftUnscaled();
    void largerWidgetShowsParentBeyondRaster();
    void showsReplacedAndRedrawnRaster();
};

void TestChartImage::smallerWidgetShowsTopLeftUnscaled()
{
    ChartImage image;
    image.resize(50, 40);
    image.setRaster(patterned(100, 80, 7));
    QCOMPARE(image.size(), QSize(50, 40));

    const QImage shown = image.grab().toImage();
    QCOMPARE(shown.size(), QSize(50, 40));
    for (const QPoint p : {QPoint(0, 0), QPoint(49, 39), QPoint(17, 31)})
        QCOMPARE(shown.pixelColor(p), QColor(p.x(), p.y(), 7));
}

void TestChartImage::largerWidgetShowsParentBeyondRaster()
{
    QWidget parent;
    parent.resize(200, 150);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(255, 0, 255));
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);

    auto* image = new ChartImage(&parent);
    image->setGeometry(0, 0, 200, 150);
    image->setRaster(patterned(100, 80, 9));

    const QImage shown = parent.grab().toImage();
    QCOMPARE(shown.pixelColor(99, 79), QColor(99, 79, 9));
    QCOMPARE(shown.pixelColor(100, 0), QColor(255, 0, 255));
    QCOMPARE(shown.pixelColor(0, 80), QColor(255, 0, 255));
    QCOMPARE(shown.pixelColor(150, 120), QColor(255, 0, 255));
}

void TestChartImage::showsReplacedAndRedrawnRaster()
{
    ChartImage image;
    image.resize(20, 20);
    image.setRaster(patterned(20, 20, 1));
    QCOMPARE(grabbedPixel(image, 5, 5), QColor(5, 5, 1));

    image.setRaster(patterned(20, 20, 2));
    QCOMPARE(grabbedPixel(image, 5, 5), QColor(5, 5, 2));

    image.raster().setPenColor(QColor(10, 200, 30));
    image.raster().moveTo(5, 5);
    image.raster().lineTo(6, 5);
    image.changed();
    QCOMPARE(grabbedPixel(image, 5, 5), QColor(10, 200, 30));
}

QTEST_MAIN(TestChartImage)
#include "tst_chart_image.moc"
