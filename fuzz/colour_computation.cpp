// The colour computation on any finite absorbances and any pathlength: it
// either gives finite coordinates inside the stored range, with C* >= 0 and
// h from 0 to 360, or fails with one of its three arithmetic errors, and only
// where that error belongs. Absorbances that only lower the transmittances
// never fail.
//
// Input: "TYPE PATHLENGTH A450 A520 A570 A630", TYPE r (red and rose, 2 mm
// reference) or w (white and brandy, 10 mm), the rest in C syntax.
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "colour/colour_coordinates.h"
#include "fuzz_support.h"

using namespace vexa::fuzz;

namespace {

const std::string kDivisionByZero = "Floating point division by zero";
const std::string kInvalidOperation = "Invalid floating point operation";
const std::string kOverflow = "Floating point overflow";

bool inStoredRange(double v)
{
    return std::fabs(v) < 0x1p127;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fields fields(data, size);
    const auto type = fields.word();
    const auto d = fields.integer();
    vexa::Absorbances a;
    double* readings[] = {&a.a450, &a.a520, &a.a570, &a.a630};
    for (double* r : readings) {
        const auto v = fields.real();
        if (!v || !std::isfinite(*v)) // the readers refuse anything else
            return 0;
        *r = *v;
    }
    if (!type || !d || *d < std::numeric_limits<std::int32_t>::min() || *d > std::numeric_limits<std::int32_t>::max())
        return 0;
    const std::int32_t pathlength = static_cast<std::int32_t>(*d);
    const std::int32_t reference = *type == "w" ? 10 : 2;

    char buffer[200];
    std::snprintf(buffer, sizeof buffer, "d=%d ref=%d A=%a %a %a %a", pathlength, reference, a.a450, a.a520, a.a570,
                  a.a630);
    const std::string inputs = buffer;

    vexa::ColourCoordinates c;
    try {
        c = vexa::computeColourCoordinates(a, pathlength, reference);
    } catch (const vexa::ArithmeticError& e) {
        const std::string what = e.what();
        if (pathlength == 0)
            require(what == (a.a450 == 0 ? kInvalidOperation : kDivisionByZero), inputs + ": " + what);
        else
            require(what == kOverflow, inputs + ": " + what);
        // Only a transmittance above 1 can drive a value out of range.
        bool raises = false;
        for (double* r : readings)
            raises = raises || (*r != 0 && (*r < 0) == (pathlength > 0));
        require(pathlength == 0 || raises, inputs + ": fails although every transmittance is at most 1");
        return 0;
    }
    require(pathlength != 0, inputs + ": a zero pathlength must fail");
    for (double v : {c.X, c.Y, c.Z, c.L, c.a, c.b, c.C, c.h})
        require(std::isfinite(v) && inStoredRange(v), inputs + ": value out of the stored range");
    require(c.C >= 0, inputs + ": negative chroma");
    require(c.h >= 0 && c.h <= 360, inputs + ": hue outside 0 to 360");
    return 0;
}
