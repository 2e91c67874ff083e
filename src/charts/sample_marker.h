#pragma once

#include "charts/chart_raster.h"

#include <cstdint>

namespace vexa {

// A sample marker is the sample's grid row number written in red bold
// "Times" 8 pt on an opaque cell of the raster's current fill colour (the
// chart background the background drawing left behind). Markers partly or
// wholly off the raster are clipped without error.

// Selects the marker font and colour on the a*-b* chart, then on the L* scale.
void setMarkerFonts(ChartRaster& abChart, ChartRaster& lScale);

// Writes the row number at the sample's a*-b* position with the raster's
// current font. Throws as abMarkerPosition() does; nothing is drawn then.
void drawAbMarker(ChartRaster& abChart, std::int32_t row, double a, double b);

// Writes the row number at the sample's L* position with the raster's
// current font. Throws as lMarkerPosition() does; nothing is drawn then.
void drawLMarker(ChartRaster& lScale, std::int32_t row, double lightness);

// Marker fonts, then the a*-b* marker, then the L* marker. An error stops the
// sequence where it arises; whatever was drawn before it stays drawn.
void drawSampleMarker(ChartRaster& abChart, ChartRaster& lScale, std::int32_t row,
                      double lightness, double a, double b);

} // namespace vexa
