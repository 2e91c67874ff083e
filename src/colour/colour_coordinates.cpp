#include "colour/colour_coordinates.h"

#include <cmath>

namespace vexa {
namespace {

// Values are kept within the range the method was designed for: a stored
// value of 2^127 or more in magnitude counts as an overflow.
constexpr double kOverflowBound = 0x1p127;

double stored(double value)
{
    if (!(std::fabs(value) < kOverflowBound))
        throw ArithmeticError::overflow();
    return value;
}

// Absorbance measured in a `pathlength` mm cell, scaled to the reference
// pathlength and turned into a transmittance fraction. The order of the
// operations is fixed so that every sample is computed alike.
double transmittance(double absorbance, std::int32_t pathlength, std::int32_t referencePathlength)
{
    const double numerator = (-absorbance) * std::log(10.0);
    if (pathlength == 0)
        throw numerator == 0 ? ArithmeticError::invalidOperation() : ArithmeticError::divisionByZero();
    return stored(std::exp(numerator / pathlength * referencePathlength));
}

} // namespace

// The method's own constants: 7.787 and 0.1379, not 841/108 and 16/116.
double compressedRatio(double ratio)
{
    if (ratio > 0.008856)
        return stored(std::exp(std::log(ratio) * 0.3333333333333333));
    return stored(7.787 * ratio + 0.1379);
}

double hueAngle(double a, double b)
{
    if (a == 0) {
        double h = 90;
        if (b < 0)
            h += 180;
        return h;
    }
    double h = stored(std::atan(b / a) * 360 * 0.15915494309189535);
    if (b < 0 && a <= 0)
        h = stored(h + 180);
    else if (b >= 0 && a < 0)
        h = stored(h + 180);
    else if (b < 0 && a > 0)
        h = stored(h + 360);
    return h;
}

ColourCoordinates computeColourCoordinates(const Absorbances& absorbances, std::int32_t pathlength,
                                           std::int32_t referencePathlength)
{
    const double t450 = transmittance(absorbances.a450, pathlength, referencePathlength);
    const double t520 = transmittance(absorbances.a520, pathlength, referencePathlength);
    const double t570 = transmittance(absorbances.a570, pathlength, referencePathlength);
    const double t630 = transmittance(absorbances.a630, pathlength, referencePathlength);

    ColourCoordinates c;
    c.X = stored(19.717 * t450 + 1.884 * t520 + 42.539 * t570 + 32.474 * t630 - 1.841);
    c.Y = stored(7.95 * t450 + 34.764 * t520 + 42.736 * t570 + 15.759 * t630 - 1.18);
    c.Z = stored(103.518 * t450 + 4.19 * t520 + 0.251 * t570 - 1.831 * t630 + 0.818);

    // White point of D65 / 10 degrees as stored multipliers (1/94.825, 1/100, 1/107.381).
    const double xr = stored(c.X * 0.010545742156604272);
    const double yr = stored(c.Y * 0.01);
    const double zr = stored(c.Z * 0.00931263445115989);

    const double fx = compressedRatio(xr);
    const double fy = compressedRatio(yr);
    const double fz = compressedRatio(zr);

    c.L = stored((fy - 0.1379) * 116);
    c.a = stored((fx - fy) * 500);
    c.b = stored((fy - fz) * 200);
    c.C = stored(std::sqrt(c.a * c.a + c.b * c.b));
    c.h = hueAngle(c.a, c.b);
    return c;
}

} // namespace vexa
