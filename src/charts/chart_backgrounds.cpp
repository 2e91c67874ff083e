#include "charts/chart_backgrounds.h"

namespace vexa {

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
const QString kArial = QStringLiteral("Arial");

void line(ChartRaster& r, int x0, int y0, int x1, int y1)
{
    r.moveTo(x0, y0);
    r.lineTo(x1, y1);
}

void setNumberFont(ChartRaster& r)
{
    r.setFontName(kArial);
    r.setFontSize(7);
    r.setFontBold(false);
    r.setFontColor(QColor(kBlack));
}

void setTitleFont(ChartRaster& r)
{
    r.setFontName(kArial);
    r.setFontSize(10);
    r.setFontBold(true);
    r.setFontColor(QColor(kChartTitleColor));
}

} // namespace

// The steps run in a fixed order: later steps paint over earlier ones (the
// grey grid crosses the black axis and ticks, number cells cover lines), so
// the order is part of the picture.
std::unique_ptr<ChartRaster> drawAbChart()
{
    auto chart = std::make_unique<ChartRaster>(kAbChartWidth, kAbChartHeight);
    ChartRaster& r = *chart;

    r.setFillColor(QColor(kAbChartBackground));
    r.floodFill();

    // b* axis with its ticks and numbers.
    r.setPenColor(QColor(kBlack));
    line(r, 45, 2, 45, 303);
    for (int y = 10; y <= 290; y += 35)
        line(r, 43, y, 48, y);
    setNumberFont(r);
    for (int i = 0; i < 7; ++i)
        r.textOut(32, 5 + 35 * i, QString::number(70 - 10 * i));
    r.textOut(37, 257, QStringLiteral("0"));
    r.textOut(29, 285, QStringLiteral("-10"));

    // a* axis with its ticks and numbers.
    line(r, 2, 255, 300, 255);
    for (int x = 10; x <= 290; x += 35)
        line(r, x, 253, x, 258);
    for (int i = 0; i < 7; ++i)
        r.textOut(76 + 35 * i, 257, QString::number(10 + 10 * i));
    r.textOut(4, 257, QStringLiteral("-10"));

    // Grey grid, leaving gaps for the numbers left of the b* axis and
    // below the a* axis.
    r.setPenColor(QColor(kChartGridColor));
    for (int y = 10; y <= 220; y += 35) {
        line(r, 45, y, 303, y);
        line(r, 2, y, 30, y);
    }
    line(r, 45, 290, 303, 290);
    line(r, 2, 290, 26, 290);
    for (int x = 80; x <= 290; x += 35) {
        line(r, x, 2, x, 255);
        line(r, x, 268, x, 303);
    }
    line(r, 10, 2, 10, 255);
    line(r, 10, 268, 10, 303);

    setTitleFont(r);
    r.textOut(13, 106, QStringLiteral("b*"));
    r.textOut(181, 270, QStringLiteral("a*"));
    return chart;
}

std::unique_ptr<ChartRaster> drawLScale()
{
    auto scale = std::make_unique<ChartRaster>(kLScaleWidth, kLScaleHeight);
    ChartRaster& r = *scale;

    r.setFillColor(QColor(kLScaleBackground));
    r.floodFill();

    r.setPenColor(QColor(kBlack));
    line(r, 15, 3, 15, 300);
    for (int i = 0; i <= 10; ++i)
        line(r, 15, 9 + 28 * i, 18, 9 + 28 * i);

    setNumberFont(r);
    r.textOut(0, 4, QStringLiteral("100"));
    for (int i = 1; i <= 9; ++i)
        r.textOut(4, 4 + 28 * i, QString::number(100 - 10 * i));
    r.textOut(9, 284, QStringLiteral("0"));

    setTitleFont(r);
    r.textOut(1, 155, QStringLiteral("L*"));

    r.setPenColor(QColor(kChartGridColor));
    for (int i = 0; i <= 10; ++i)
        line(r, 19, 9 + 28 * i, 35, 9 + 28 * i);
    return scale;
}

} // namespace vexa
