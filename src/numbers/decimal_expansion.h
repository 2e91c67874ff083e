#pragma once

#include <array>
#include <optional>

namespace vexa {

inline constexpr int kExpansionDigits = 18;

// The first 18 significant digits of a positive finite double, correctly
// rounded (no leading zeros), and its decimal exponent: the number of digits
// before the point, or minus the zeros after it.
struct DecimalExpansion {
    std::array<char, kExpansionDigits> digits{};
    int exponent = 0;
};

// The expansion, by integer arithmetic where that is exact, else by
// expandByConversion.
DecimalExpansion expandDecimal(double magnitude);

// The expansion through std::to_chars: right for every value, but slower.
DecimalExpansion expandByConversion(double magnitude);

// The expansion by 128-bit integer arithmetic, for normal values from about
// 1e-5 up to 1e18, or nothing outside that range and where the value lies
// exactly halfway between two 18-digit expansions.
std::optional<DecimalExpansion> expandExactly(double magnitude);

} // namespace vexa
