#pragma once

#include "appearance/lab.h"

namespace vexa {

// CIE 1976 colour difference, the straight distance in CIELAB. Wine work
// takes about 3 units as the threshold of a visible difference.
double deltaE76(const Lab& first, const Lab& second);

// CIEDE2000 colour difference with the parametric factors kL = kC = kH = 1.
// Symmetric in its two colours.
double deltaE2000(const Lab& first, const Lab& second);

} // namespace vexa
