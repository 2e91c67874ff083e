#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace vexa {

// A sample to mark: its grid row number and the values its markers stand at.
struct MarkedSample {
    std::int32_t row = 0;
    double lightness = 0;
    double a = 0;
    double b = 0;
};

// Gap between the two charts in the picture, as between the two images on
// the main window.
inline constexpr int kChartGap = 2;

// The a*-b* chart and the L* scale drawn exactly as the main window draws
// them, with the samples marked in order (a later marker covers an earlier
// one), placed side by side on white: the whole a*-b* raster at (0, 0), the
// whole L* raster kChartGap pixels to its right. Throws what the marker
// drawing throws for positions beyond 32-bit pixels. Needs a
// QGuiApplication (the fonts).
QImage chartPicture(const std::vector<MarkedSample>& samples);

} // namespace vexa
