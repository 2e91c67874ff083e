#include "numbers/cell_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "numbers/result_columns.h"
#include "numbers/utf8.h"

namespace vexa {
namespace {

constexpr int kExpansionDigits = kMaxCellPrecision;

// Significant digits of |value| (no leading zeros) and its decimal exponent
// n: the number of digits before the point, or minus the zeros after it.
struct Decimal {
    std::array<char, kExpansionDigits> digits{};
    int exponent = 0;
};

Decimal expand(double magnitude)
{
    // Scientific form with 17 digits after the point: 18 significant digits,
    // correctly rounded, independent of the C library's locale.
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kExpansionDigits - 1);
    Decimal d;
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

std::string zeroText(int decimals, const std::string& separator)
{
    return "0" + separator + std::string(static_cast<std::size_t>(decimals), '0');
}

} // namespace

CellFormat cellFormatOfColumn(int column)
{
    switch (column) {
    case kXColumn:
    case kYColumn:
    case kZColumn:
        return {5, 3};
    case kLightnessColumn:
        return {3, 1};
    case kChromaColumn:
    case kHueColumn:
    case kAColumn:
    case kBColumn:
        return {4, 2};
    default:
        throw std::out_of_range("column without a number format");
    }
}

std::string formatCellText(double value, CellFormat format, char32_t decimalSeparator)
{
    if (format.precision < 1 || format.precision > kMaxCellPrecision || format.decimals < 0
        || format.decimals > kMaxCellDecimals)
        throw std::invalid_argument("cell format out of range");
    const int P = format.precision;
    const int D = format.decimals;
    const std::string separator = utf8::encode(decimalSeparator);

    std::string text;
    if (std::isnan(value)) {
        text = "NAN";
    } else if (std::isinf(value)) {
        text = value < 0 ? "-INF" : "INF";
    } else if (value == 0) {
        text = zeroText(D, separator);
    } else {
        const bool negative = value < 0;
        Decimal d = expand(std::fabs(value));
        int n = d.exponent;

        if (n + D < 0) {
            text = zeroText(D, separator);
        } else {
            // Keep k significant digits, rounding half away from zero.
            const int k = std::min(n + D, P);
            std::string kept(d.digits.data(), static_cast<std::size_t>(k));
            // At the full precision no digit is dropped, so none rounds.
            if (k < kExpansionDigits && d.digits[k] >= '5') {
                int i = k - 1;
                while (i >= 0 && kept[i] == '9') {
                    kept[i] = '0';
                    --i;
                }
                if (i >= 0) {
                    ++kept[i];
                } else {
                    kept = "1";
                    ++n;
                }
            }
            while (!kept.empty() && kept.back() == '0')
                kept.pop_back();

            if (negative)
                text = "-";
            if (n > P) {
                text += kept[0];
                if (kept.size() > 1)
                    text += separator + kept.substr(1);
                text += "E" + std::to_string(n - 1);
            } else {
                std::string integerPart;
                std::string fraction;
                if (n <= 0) {
                    integerPart = "0";
                    fraction.assign(static_cast<std::size_t>(std::min(-n, D)), '0');
                    fraction += kept;
                } else {
                    integerPart = kept.substr(0, std::min<std::size_t>(kept.size(), n));
                    integerPart.resize(static_cast<std::size_t>(n), '0');
                    if (kept.size() > static_cast<std::size_t>(n))
                        fraction = kept.substr(static_cast<std::size_t>(n));
                }
                fraction.resize(static_cast<std::size_t>(D), '0');
                text += integerPart + separator + fraction;
            }
        }
    }

    const auto comma = text.find(',');
    if (comma != std::string::npos)
        text[comma] = '.';
    return text;
}

} // namespace vexa
