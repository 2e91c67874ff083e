#include "appearance/colour_difference.h"

#include <lcms2.h>

namespace vexa {

namespace {

cmsCIELab toCms(const Lab& lab) { return cmsCIELab{lab.L, lab.a, lab.b}; }

} // namespace

double deltaE76(const Lab& first, const Lab& second)
{
    const cmsCIELab a = toCms(first);
    const cmsCIELab b = toCms(second);
    return cmsDeltaE(&a, &b);
}

double deltaE2000(const Lab& first, const Lab& second)
{
    // Both formulas work on the coordinates alone; the white point the
    // colours are relative to does not enter.
    const cmsCIELab a = toCms(first);
    const cmsCIELab b = toCms(second);
    return cmsCIE2000DeltaE(&a, &b, 1.0, 1.0, 1.0);
}

} // namespace vexa
