#pragma once

#include <cstdint>

namespace vexa {

// Where a sample marker's text cell starts (its top-left corner), in pixels
// of the chart it is drawn on.
struct MarkerPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const MarkerPosition&, const MarkerPosition&) = default;
};

// Position of the marker for grid row `row` on the a*-b* chart:
//   x = nearest(3.5 a*) + 43 for rows up to 9, + 40 from row 10 on (the
//       two-digit number is wider, so it starts further left),
//   y = 250 - nearest(3.5 b*).
// nearest() rounds the exact product half to even. y is worked out first.
// Throws ArithmeticError ("Invalid floating point operation") when nearest()
// is not a 32-bit integer or the value is NaN or infinite, and IntegerOverflow
// when the offset overflows.
MarkerPosition abMarkerPosition(std::int32_t row, double a, double b);

// Position of the marker for grid row `row` on the L* scale:
//   x = 20 for rows up to 9, 17 from row 10 on,
//   y = 291 - nearest(2.8 L* + 9), rounded as above, with the same errors.
MarkerPosition lMarkerPosition(std::int32_t row, double lightness);

// nearest(3.5 v) and nearest(2.8 v + 9) on their own.
std::int32_t abChartOffset(double v);
std::int32_t lScaleOffset(double lightness);

} // namespace vexa
