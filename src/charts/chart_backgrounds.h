#pragma once

#include "charts/chart_raster.h"

#include <QColor>

#include <memory>

namespace vexa {

// Sizes and colours of the two chart backgrounds.
inline constexpr int kAbChartWidth = 303;
inline constexpr int kAbChartHeight = 303;
inline constexpr int kLScaleWidth = 35;
inline constexpr int kLScaleHeight = 305;

inline constexpr QRgb kAbChartBackground = qRgb(255, 255, 220);
inline constexpr QRgb kLScaleBackground = qRgb(200, 255, 240);
inline constexpr QRgb kChartGridColor = qRgb(192, 192, 192);
inline constexpr QRgb kChartTitleColor = qRgb(0, 0, 128);

// The a*-b* chart: axes, ticks and numbers from -10 to 70, the grey grid and
// the axis names. The raster is left with the background as fill colour, a
// grey pen and "Arial" 10 pt bold navy as font, ready for the markers.
std::unique_ptr<ChartRaster> drawAbChart();

// The L* scale from 0 to 100 with its ticks, numbers, name and grey marks,
// left in the same drawing state as the a*-b* chart (with its own background
// as fill colour).
std::unique_ptr<ChartRaster> drawLScale();

} // namespace vexa
