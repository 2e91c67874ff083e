#include "charts/chart_image.h"

#include <QPainter>

namespace vexa {

ChartImage::ChartImage(QWidget* parent)
    : QWidget(parent)
{
    // The widget paints only where the raster is; the rest shows the parent.
    // A raster that covers the whole widget hides the parent, which then
    // need not be repainted beneath it each time a marker is drawn.
    updateOpaqueness();
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
}

ChartImage::~ChartImage() = default;

void ChartImage::setRaster(std::unique_ptr<ChartRaster> raster)
{
    raster_ = std::move(raster);
    updateOpaqueness();
    update();
}

void ChartImage::resizeEvent(QResizeEvent* event)
{
    updateOpaqueness();
    QWidget::resizeEvent(event);
}

void ChartImage::updateOpaqueness()
{
    const bool covered = raster_ && raster_->image().width() >= width() && raster_->image().height() >= height()
                         && !raster_->image().hasAlphaChannel();
    setAttribute(Qt::WA_OpaquePaintEvent, covered);
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
