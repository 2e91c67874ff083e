#include "charts/chart_image.h"

#include <QPainter>

namespace vexa {

ChartImage::ChartImage(QWidget* parent)
    : QWidget(parent)
{
    // The widget paints only where the raster is; the rest shows the parent.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
}

ChartImage::~ChartImage() = default;

void ChartImage::setRaster(std::unique_ptr<ChartRaster> raster)
{
    raster_ = std::move(raster);
    update();
}

void ChartImage::paintEvent(QPaintEvent*)
{
    if (!raster_)
        return;
    // Natural size from the top-left corner; the painter clips to the widget.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), raster_->image());
}

} // namespace vexa
