#pragma once

#include <cstdint>

#include "colour/arithmetic_error.h"

namespace vexa {

// Absorbances of one sample at the four wavelengths.
struct Absorbances {
    double a450 = 0;
    double a520 = 0;
    double a570 = 0;
    double a630 = 0;
};

// Tristimulus values and CIELAB coordinates (D65, 10 degree observer);
// h in degrees, 0 to 360.
struct ColourCoordinates {
    double X = 0, Y = 0, Z = 0;
    double L = 0, a = 0, b = 0;
    double C = 0, h = 0;
};

// Compression of a ratio to the white point: the cube root (through the
// logarithm) above 0.008856, the straight line 7.787 r + 0.1379 at and below it.
double compressedRatio(double ratio);

// Hue angle in degrees, 0 to 360, from a* and b*; 90 when a* is 0 and b* is
// not negative, 270 when a* is 0 and b* is negative.
double hueAngle(double a, double b);

// Computes a sample's colour from its absorbances read in a cell of
// `pathlength` mm, referred to `referencePathlength` mm (2 for red and rosé
// wines, 10 for white wines and brandies).
// Throws ArithmeticError: division by zero or invalid operation for a zero
// pathlength, overflow when a stored value reaches 2^127 in magnitude.
ColourCoordinates computeColourCoordinates(const Absorbances& absorbances, std::int32_t pathlength,
                                           std::int32_t referencePathlength);

} // namespace vexa
