#include "numbers/decimal_expansion.h"

#include <bit>
#include <charconv>
#include <cstdint>

namespace vexa {
namespace {

__extension__ using Wide = unsigned __int128;

// Powers of ten up to 10^22, the largest that leaves room for a 53-bit
// significand in 128 bits.
constexpr int kLargestScale = 22;

constexpr std::array<Wide, kLargestScale + 1> kPowersOfTen = [] {
    std::array<Wide, kLargestScale + 1> powers{};
    Wide p = 1;
    for (auto& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// The nine decimal digits of value (below 10^9), with leading zeros: value /
// 10^8 as a 32.32 fixed-point number, rounded up, gives the first digit in its
// integer part; each multiplication of the fraction by 100 gives two more.
// Exact for every value below 10^9 (checked one by one).
void writeNineDigits(std::uint32_t value, char* out)
{
    std::uint64_t t = (std::uint64_t(value) * 1441151881u >> 25) + 1; // 1441151881 = ceil(2^57 / 10^8)
    out[0] = static_cast<char>('0' + (t >> 32));
    for (int i = 1; i < 9; i += 2) {
        t = (t & 0xFFFFFFFFu) * 100;
        const auto pair = static_cast<std::size_t>(t >> 32);
        out[i] = kDigitPairs[2 * pair];
        out[i + 1] = kDigitPairs[2 * pair + 1];
    }
}

constexpr std::uint64_t kLowest18Digits = 100000000000000000ULL; // 10^17
constexpr std::uint64_t kPast18Digits = 1000000000000000000ULL;  // 10^18

} // namespace

DecimalExpansion expandByConversion(double magnitude)
{
    // Scientific form with 17 digits after the point: 18 significant digits,
    // correctly rounded, independent of the C library's locale.
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kExpansionDigits - 1);
    DecimalExpansion d;
    const char* p = buffer.data();
    d.digits[0] = p[0];
    for (int i = 1; i < kExpansionDigits; ++i)
        d.digits[i] = p[i + 1]; // skip the point
    const char* e = p + kExpansionDigits + 1; // 'e'
    int exp10 = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), result.ptr, exp10);
    d.exponent = exp10 + 1;
    return d;
}

std::optional<DecimalExpansion> expandExactly(double magnitude)
{
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
    if (biasedExponent == 0 || biasedExponent == 0x7FF || (bits >> 63) != 0)
        return std::nullopt; // zero, subnormal, infinite, NaN or negative
    // magnitude = significand * 2^binaryExponent exactly.
    const std::uint64_t significand = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int binaryExponent = biasedExponent - 1075;

    // 2^b <= magnitude < 2^(b+1), so floor(log10(magnitude)) is
    // floor(b * log10(2)) or one more; 78913 / 2^18 is log10(2) closely
    // enough for every exponent a double has.
    const int b = binaryExponent + 52;
    int exponent = ((b * 78913) >> 18) + 1; // digits before the point, or one fewer

    // The value scaled to 18 digits before the point: significand * 10^scale
    // * 2^binaryExponent, split into its integer part and the rest.
    const auto scaled = [&](int scale, Wide& integer, Wide& rest, Wide& half) {
        const Wide product = Wide(significand) * kPowersOfTen[static_cast<std::size_t>(scale)];
        if (binaryExponent >= 0) {
            integer = product << binaryExponent;
            rest = 0;
            half = 1;
        } else {
            const int shift = -binaryExponent;
            integer = product >> shift;
            rest = product & ((Wide(1) << shift) - 1);
            half = Wide(1) << (shift - 1);
        }
    };
    const auto inRange = [](int scale) { return scale >= 0 && scale <= kLargestScale; };

    // Shifts into 128 bits only: with scale >= 0 the value is below 10^18, so
    // binaryExponent stays below 60, and above 1e-5 it stays above -128.
    if (!inRange(kExpansionDigits - exponent) || binaryExponent <= -127)
        return std::nullopt;
    Wide integer = 0;
    Wide rest = 0;
    Wide half = 0;
    scaled(kExpansionDigits - exponent, integer, rest, half);
    if (integer >= kPast18Digits) {
        ++exponent;
        if (!inRange(kExpansionDigits - exponent))
            return std::nullopt;
        scaled(kExpansionDigits - exponent, integer, rest, half);
    }
    if (integer < kLowest18Digits)
        return std::nullopt; // cannot happen: the first guess is never too high
    if (rest == half)
        return std::nullopt; // a tie: left to the conversion's own rule

    auto digits = static_cast<std::uint64_t>(integer);
    if (rest > half && ++digits == kPast18Digits) {
        digits = kLowest18Digits;
        ++exponent;
    }
    DecimalExpansion d;
    d.exponent = exponent;
    // Two halves of nine digits, each written two digits at a time.
    writeNineDigits(static_cast<std::uint32_t>(digits / 1000000000), d.digits.data());
    writeNineDigits(static_cast<std::uint32_t>(digits % 1000000000), d.digits.data() + 9);
    return d;
}

DecimalExpansion expandDecimal(double magnitude)
{
    if (const auto d = expandExactly(magnitude))
        return *d;
    return expandByConversion(magnitude);
}

} // namespace vexa
