#include "charts/marker_position.h"

#include "colour/arithmetic_error.h"
#include "common/checked_int.h"

#include <cmath>
#include <limits>

namespace vexa {

namespace {

// The products below are formed in long double, whose 64-bit mantissa holds
// a double times 3.5 (or times 14) exactly; the scale factors are exact
// decimals, so a value like 2.8 x 1.25 + 9 is exactly 12.5 and rounds to 12.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "marker positions need an extended long double");

// Round half to even, without depending on the current rounding mode, then
// insist on a 32-bit result.
std::int32_t nearestInt32(long double v)
{
    if (!std::isfinite(v))
        throw ArithmeticError::invalidOperation();
    long double whole = std::floor(v);
    const long double fraction = v - whole; // exact: both share v's scale
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0))
        whole += 1;
    if (whole < static_cast<long double>(std::numeric_limits<std::int32_t>::min())
        || whole > static_cast<long double>(std::numeric_limits<std::int32_t>::max()))
        throw ArithmeticError::invalidOperation();
    return static_cast<std::int32_t>(whole);
}

bool isSingleDigitRow(std::int32_t row)
{
    return row < 10;
}

} // namespace

std::int32_t abChartOffset(double v)
{
    return nearestInt32(static_cast<long double>(v) * 3.5L);
}

std::int32_t lScaleOffset(double lightness)
{
    // 2.8 L + 9 = (14 L + 45) / 5. 14 L is exact; a true tie needs L to be a
    // multiple of 1/4, where the sum and quotient are exact as well, and any
    // other value lies far enough from a tie that the last-bit error of the
    // sum and quotient cannot change the rounding.
    const long double q = static_cast<long double>(lightness) * 14.0L;
    return nearestInt32((q + 45.0L) / 5.0L);
}

MarkerPosition abMarkerPosition(std::int32_t row, double a, double b)
{
    MarkerPosition p;
    p.y = checkedSub(250, abChartOffset(b));
    p.x = checkedAdd(abChartOffset(a), isSingleDigitRow(row) ? 43 : 40);
    return p;
}

MarkerPosition lMarkerPosition(std::int32_t row, double lightness)
{
    MarkerPosition p;
    p.x = isSingleDigitRow(row) ? 20 : 17;
    p.y = checkedSub(291, lScaleOffset(lightness));
    return p;
}

} // namespace vexa
