#include "numbers/number_reading.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "numbers/utf8.h"

namespace vexa {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Where a written exponent stops growing: ten times it still fits a long
// long. Any text that fits in memory is far shorter than this (address spaces
// stop below 2^57 bytes), so a saturated exponent still outweighs the place of
// any digit and decides overflow and underflow as the exact one would.
constexpr long long kExponentCeiling = (std::numeric_limits<long long>::max() - 9) / 10;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> parseInteger(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i < s.size() && s[i] == '$') {
        ++i;
        if (i == s.size())
            return std::nullopt;
        std::uint64_t value = 0;
        for (; i < s.size(); ++i) {
            const int h = hexValue(s[i]);
            if (h < 0)
                return std::nullopt;
            value = value * 16 + static_cast<unsigned>(h);
            if (value > 0xFFFFFFFFu)
                return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < s.size(); ++i) {
        if (!isDigit(s[i]))
            return std::nullopt;
        value = value * 10 + (s[i] - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

// The pieces of a decimal number, ready for std::from_chars, which reads
// with a point whatever the C library's locale says.
struct RealSyntax {
    std::array<std::string, 2> separators; // accepted decimal separators, UTF-8; unused ones empty
    bool loneSeparatorIsZero;              // "." alone reads as 0
};

std::optional<double> parseReal(std::string_view s, const RealSyntax& syntax)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;

    std::string normalized;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            normalized += '-';
        ++i;
    }

    // Counts of characters: as large as the text, so as wide as its size.
    std::size_t mantissaDigits = 0;
    std::size_t leadingIntegerDigits = 0; // significant digits before the separator
    std::size_t zerosAfterSeparator = 0;  // before the first significant digit
    bool seenNonZero = false;
    bool seenSeparator = false;

    while (i < s.size()) {
        if (isDigit(s[i])) {
            normalized += s[i];
            ++mantissaDigits;
            if (s[i] != '0')
                seenNonZero = true;
            if (!seenSeparator && seenNonZero)
                ++leadingIntegerDigits;
            if (seenSeparator && !seenNonZero)
                ++zerosAfterSeparator;
            ++i;
            continue;
        }
        if (seenSeparator)
            break;
        bool matched = false;
        for (const auto& sep : syntax.separators) {
            if (!sep.empty() && s.substr(i).starts_with(sep)) {
                normalized += '.';
                i += sep.size();
                seenSeparator = matched = true;
                break;
            }
        }
        if (!matched)
            break;
    }
    if (mantissaDigits == 0 && !(seenSeparator && syntax.loneSeparatorIsZero))
        return std::nullopt;
    if (mantissaDigits == 0)
        normalized += '0';

    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        normalized += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            normalized += s[i];
            ++i;
        }
        const std::size_t start = i;
        while (i < s.size() && isDigit(s[i])) {
            // Saturates (see kExponentCeiling); the text keeps every digit.
            if (exponent <= kExponentCeiling)
                exponent = exponent * 10 + (s[i] - '0');
            normalized += s[i];
            ++i;
        }
        if (i == start)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }

    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i != s.size())
        return std::nullopt;

    const char* first = normalized.data();
    const char* last = first + normalized.size();
    double value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large is refused; too small to tell from zero reads as zero.
        // Beyond the range when the place of the first significant digit plus
        // the written exponent is above 0. Compared rather than added, so
        // neither can overflow: a place is bounded by the text's length.
        const long long place = leadingIntegerDigits > 0 ? static_cast<long long>(leadingIntegerDigits)
                                                         : -static_cast<long long>(zerosAfterSeparator);
        if (seenNonZero && exponent > -place)
            return std::nullopt;
        return normalized.front() == '-' ? -0.0 : 0.0;
    }
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A short plain decimal with a point: an optional minus, digits and at most
// one point, nothing else. Such a text is already in std::from_chars' syntax
// and too short to leave the range of a double, so it is read as it stands;
// anything else is left to parseReal, which reads these texts the same way.
constexpr std::size_t kLongestPlainDecimal = 32;

std::optional<double> parsePlainDecimal(std::string_view s)
{
    if (s.empty() || s.size() > kLongestPlainDecimal)
        return std::nullopt;
    std::size_t i = s[0] == '-' ? 1 : 0;
    bool digit = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i]))
            digit = true;
        else if (s[i] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size())
        return std::nullopt;
    return value;
}

} // namespace

std::int32_t readInteger(std::string_view text)
{
    if (const auto value = parseInteger(text))
        return *value;
    throw ConversionError::notInteger(std::string(text));
}

double readReal(std::string_view text, char32_t decimalSeparator)
{
    if (decimalSeparator == U'.') {
        if (const auto value = parsePlainDecimal(text))
            return *value;
    }
    const RealSyntax syntax{{utf8::encode(decimalSeparator), std::string()}, true};
    if (const auto value = parseReal(text, syntax))
        return *value;
    throw ConversionError::notReal(std::string(text));
}

double readCellNumber(std::string_view text, char32_t decimalSeparator)
{
    if (decimalSeparator == U'.') {
        if (const auto value = parsePlainDecimal(text))
            return *value;
    }
    RealSyntax syntax{{",", std::string()}, false};
    if (decimalSeparator != U',')
        syntax.separators[1] = utf8::encode(decimalSeparator);
    if (const auto value = parseReal(text, syntax))
        return *value;
    throw ConversionError::notReal(std::string(text));
}

} // namespace vexa
