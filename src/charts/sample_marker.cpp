#include "charts/sample_marker.h"

#include "charts/marker_position.h"

#include <QString>

namespace vexa {

namespace {

void setMarkerFont(ChartRaster& r)
{
    r.setFontName(QStringLiteral("Times"));
    r.setFontSize(8);
    r.setFontBold(true);
    r.setFontColor(QColor(255, 0, 0));
}

} // namespace

void setMarkerFonts(ChartRaster& abChart, ChartRaster& lScale)
{
    setMarkerFont(abChart);
    setMarkerFont(lScale);
}

void drawAbMarker(ChartRaster& abChart, std::int32_t row, double a, double b)
{
    const MarkerPosition p = abMarkerPosition(row, a, b);
    abChart.textOut(p.x, p.y, QString::number(row));
}

void drawLMarker(ChartRaster& lScale, std::int32_t row, double lightness)
{
    const MarkerPosition p = lMarkerPosition(row, lightness);
    lScale.textOut(p.x, p.y, QString::number(row));
}

void drawSampleMarker(ChartRaster& abChart, ChartRaster& lScale, std::int32_t row,
                      double lightness, double a, double b)
{
    setMarkerFonts(abChart, lScale);
    drawAbMarker(abChart, row, a, b);
    drawLMarker(lScale, row, lightness);
}

} // namespace vexa
