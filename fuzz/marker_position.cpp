// Marker positions against an exact reference: the double is split into an
// integer times a power of two, and 3.5 v or 2.8 v + 9 is rounded half to
// even with 128-bit integers, so ties are decided exactly. The errors must be
// the right ones and come in the right order (b* before a*).
//
// Input: "ROW A B L", the row a whole number, the values in C syntax
// (hexadecimal floats, inf and nan too).
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "charts/marker_position.h"
#include "colour/arithmetic_error.h"
#include "common/checked_int.h"
#include "fuzz_support.h"

using namespace vexa::fuzz;
using Int128 = __int128;

namespace {

// What a position or offset is: a value, or the text of its error.
struct Outcome {
    std::int32_t value = 0;
    std::string error; // empty for a value
    bool operator==(const Outcome&) const = default;
};

const std::string kInvalid = "Invalid floating point operation";
const std::string kOverflow = "Integer overflow";

// num / den (den > 0) rounded to the nearest integer, halves to even.
Int128 nearestHalfEven(Int128 num, Int128 den)
{
    Int128 q = num / den;
    Int128 r = num % den;
    if (r < 0) {
        r += den;
        q -= 1;
    }
    if (2 * r > den || (2 * r == den && (q & 1) != 0))
        q += 1;
    return q;
}

// nearest(v * scale + offset) with scale = sn / sd and offset = on / sd, exact.
// Nothing when v is not finite or the result is beyond every int32.
std::optional<Int128> exactNearest(double v, Int128 sn, Int128 on, Int128 sd)
{
    if (!std::isfinite(v))
        return std::nullopt;
    int k = 0;
    const double f = std::frexp(v, &k);
    const auto m = static_cast<std::int64_t>(std::ldexp(f, 53)); // v = m * 2^(k - 53), exactly
    const int e = k - 53;
    if (m == 0)
        return nearestHalfEven(on, sd);
    if (e >= 0) {
        if (e > 40) // |v| >= 2^92: far beyond
            return std::nullopt;
        return nearestHalfEven(sn * (Int128(m) << e) + on, sd);
    }
    const int s = -e;
    if (s > 90) // |v * scale| < 2^(53 + 3 - 90): no effect on the rounding of the offset (never a tie)
        return nearestHalfEven(on, sd);
    return nearestHalfEven(sn * m + (on << s), sd << s);
}

Outcome toInt32(std::optional<Int128> v)
{
    if (!v || *v < std::numeric_limits<std::int32_t>::min() || *v > std::numeric_limits<std::int32_t>::max())
        return {0, kInvalid};
    return {static_cast<std::int32_t>(*v), {}};
}

Outcome abOffset(double v) { return toInt32(exactNearest(v, 7, 0, 2)); }         // 3.5 v
Outcome lOffset(double v) { return toInt32(exactNearest(v, 14, 45, 5)); }        // 2.8 v + 9

Outcome plus(std::int64_t base, const Outcome& o, int sign)
{
    if (!o.error.empty())
        return o;
    const std::int64_t r = base + sign * std::int64_t(o.value);
    if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max())
        return {0, kOverflow};
    return {static_cast<std::int32_t>(r), {}};
}

template <typename F>
Outcome run(F f)
{
    try {
        return {f(), {}};
    } catch (const vexa::ArithmeticError& e) {
        return {0, e.what()};
    } catch (const vexa::IntegerOverflow& e) {
        return {0, e.what()};
    }
}

std::string text(const Outcome& o)
{
    return o.error.empty() ? std::to_string(o.value) : o.error;
}

void compare(const char* what, double v, const Outcome& actual, const Outcome& expected)
{
    if (actual == expected)
        return;
    char buffer[120];
    std::snprintf(buffer, sizeof buffer, "%s of %.17g (%a): ", what, v, v);
    fail(buffer + text(actual) + ", expected " + text(expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fields fields(data, size);
    const auto row64 = fields.integer();
    const auto a = fields.real();
    const auto b = fields.real();
    const auto l = fields.real();
    if (!row64 || !a || !b || !l || *row64 < std::numeric_limits<std::int32_t>::min()
        || *row64 > std::numeric_limits<std::int32_t>::max())
        return 0;
    const auto row = static_cast<std::int32_t>(*row64);

    for (double v : {*a, *b, *l}) {
        compare("nearest(3.5 v)", v, run([&] { return vexa::abChartOffset(v); }), abOffset(v));
        compare("nearest(2.8 v + 9)", v, run([&] { return vexa::lScaleOffset(v); }), lOffset(v));
    }

    // The a*-b* chart: y from b* first, then x from a*.
    const int xBase = row < 10 ? 43 : 40;
    Outcome expectedY = plus(250, abOffset(*b), -1);
    Outcome expectedX = expectedY.error.empty() ? plus(xBase, abOffset(*a), +1) : expectedY;
    vexa::MarkerPosition p;
    const Outcome ab = run([&] {
        p = vexa::abMarkerPosition(row, *a, *b);
        return 0;
    });
    if (!expectedX.error.empty())
        compare("a*-b* position error", *a, ab, {0, expectedX.error});
    else {
        compare("a*-b* x", *a, {p.x, ab.error}, expectedX);
        compare("a*-b* y", *b, {p.y, ab.error}, expectedY);
    }

    const Outcome expectedLy = plus(291, lOffset(*l), -1);
    const Outcome ls = run([&] {
        p = vexa::lMarkerPosition(row, *l);
        return 0;
    });
    if (!expectedLy.error.empty()) {
        compare("L* position error", *l, ls, expectedLy);
    } else {
        compare("L* y", *l, {p.y, ls.error}, expectedLy);
        compare("L* x", *l, {p.x, ls.error}, {row < 10 ? 20 : 17, {}});
    }
    return 0;
}
