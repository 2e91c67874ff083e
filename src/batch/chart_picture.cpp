#include "batch/chart_picture.h"

#include <QPainter>

#include "charts/chart_backgrounds.h"
#include "charts/sample_marker.h"

namespace vexa {

QImage chartPicture(const std::vector<MarkedSample>& samples)
{
    const auto abChart = drawAbChart();
    const auto lScale = drawLScale();
    for (const MarkedSample& s : samples)
        drawSampleMarker(*abChart, *lScale, s.row, s.lightness, s.a, s.b);

    const int lLeft = abChart->width() + kChartGap;
    QImage picture(lLeft + lScale->width(), std::max(abChart->height(), lScale->height()), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, abChart->image());
    painter.drawImage(lLeft, 0, lScale->image());
    return picture;
}

} // namespace vexa
