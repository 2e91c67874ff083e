#pragma once

#include "charts/chart_raster.h"

#include <QWidget>

#include <memory>

namespace vexa {

// Shows a chart raster at its natural size with its top-left pixel at the
// widget's top-left corner. The raster is neither stretched nor centred, and
// the widget keeps whatever size its owner gives it: raster parts beyond the
// widget stay hidden, and widget parts beyond the raster show the parent's
// background. The owner names the widget for assistive tools with
// setAccessibleName().
class ChartImage : public QWidget {
    Q_OBJECT
public:
    explicit ChartImage(QWidget* parent = nullptr);
    ~ChartImage() override;

    // Replaces (and discards) the raster shown, and repaints.
    void setRaster(std::unique_ptr<ChartRaster> raster);

    bool hasRaster() const { return raster_ != nullptr; }

    // The raster shown, for drawing on; call changed() afterwards.
    // Only valid while hasRaster().
    ChartRaster& raster() { return *raster_; }
    const ChartRaster& raster() const { return *raster_; }

    // Repaints after drawing on raster().
    void changed() { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateOpaqueness();

    std::unique_ptr<ChartRaster> raster_;
};

} // namespace vexa
