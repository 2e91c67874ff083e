// Cell texts for any value and format: formats outside the limits are refused;
// every other text has the fixed or the exponent form, shows at most the
// precision's significant digits, and reads back to within half a unit of its
// last significant digit (give or take the resolution of a double).
//
// Input: "PRECISION DECIMALS SEPARATOR VALUE", the separator an index into a
// few separators, the value in C syntax (hexadecimal floats, inf and nan too).
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "fuzz_support.h"
#include "numbers/cell_format.h"
#include "numbers/decimal_expansion.h"
#include "numbers/number_reading.h"
#include "numbers/utf8.h"

using namespace vexa::fuzz;

namespace {

constexpr char32_t kSeparators[] = {U'.', U',', U'\u066B', U'\u00B7'};

bool isDecimal(char c) { return c >= '0' && c <= '9'; }

std::size_t countDigits(const std::string& s, std::size_t from, std::size_t to)
{
    std::size_t n = 0;
    for (std::size_t i = from; i < to; ++i)
        n += isDecimal(s[i]);
    return n;
}

std::string describe(double v, int p, int d, const std::string& text)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%.17g (%a) with precision %d, decimals %d gave '", v, v, p, d);
    return buffer + text + "'";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fields fields(data, size);
    const auto p = fields.integer();
    const auto d = fields.integer();
    const auto s = fields.integer();
    const auto value = fields.real();
    if (!p || !d || !s || !value || *p < -100 || *p > 100 || *d < -100 || *d > 100)
        return 0;
    const int precision = static_cast<int>(*p);
    const int decimals = static_cast<int>(*d);
    const char32_t separator = kSeparators[static_cast<unsigned long long>(*s) % 4];
    const double v = *value;

    const bool withinLimits =
        precision >= 1 && precision <= vexa::kMaxCellPrecision && decimals >= 0 && decimals <= vexa::kMaxCellDecimals;
    std::string text;
    try {
        text = vexa::formatCellText(v, {precision, decimals}, separator);
    } catch (const std::invalid_argument&) {
        require(!withinLimits, describe(v, precision, decimals, "an error"));
        return 0;
    }
    require(withinLimits, describe(v, precision, decimals, text) + ": the format should be refused");

    const std::string what = describe(v, precision, decimals, text);
    // The expansion by integer arithmetic, where it answers, has the very
    // digits of the conversion through std::to_chars.
    if (std::isfinite(v) && v != 0) {
        if (const auto exact = vexa::expandExactly(std::fabs(v))) {
            const auto converted = vexa::expandByConversion(std::fabs(v));
            require(exact->digits == converted.digits && exact->exponent == converted.exponent,
                    what + ": the integer expansion differs from the conversion");
        }
    }
    if (std::isnan(v)) {
        require(text == "NAN", what);
        return 0;
    }
    if (std::isinf(v)) {
        require(text == (v < 0 ? "-INF" : "INF"), what);
        return 0;
    }

    // The separator as it stands in the cell: a comma has become a point.
    const char32_t shownSeparator = separator == U',' ? U'.' : separator;
    const std::string sep = vexa::utf8::encode(shownSeparator);
    const auto sepAt = text.find(sep);
    const auto e = text.find('E');
    const bool negative = !text.empty() && text[0] == '-';
    const std::size_t first = negative ? 1 : 0;
    require(!negative || v < 0, what + ": minus sign on a value that is not negative");

    // Where the last digit stands, as a power of ten.
    long long lastDigitPower = 0;
    if (e == std::string::npos) {
        // Fixed form: integer digits, the separator, exactly `decimals` digits.
        require(sepAt != std::string::npos && sepAt > first, what + ": no separator");
        require(countDigits(text, first, sepAt) == sepAt - first && sepAt - first <= std::size_t(precision)
                    && (sepAt - first == 1 || text[first] != '0'),
                what + ": integer part");
        const std::size_t afterSep = sepAt + sep.size();
        require(text.size() - afterSep == std::size_t(decimals) && countDigits(text, afterSep, text.size()) == std::size_t(decimals),
                what + ": decimals");
        // At most `precision` significant digits, the rest padding zeros.
        std::string digits = text.substr(first, sepAt - first) + text.substr(afterSep);
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
        digits.erase(digits.find_last_not_of('0') + 1);
        require(digits.size() <= std::size_t(precision), what + ": too many significant digits");
        // The last significant digit: the precision's last digit, or the
        // last decimal when that comes first ("100.030" at precision 5 has
        // its last in the hundredths).
        const std::string integerPart = text.substr(first, sepAt - first);
        const std::string fraction = text.substr(afterSep);
        long long n = -decimals; // the place of the first digit, as a power of ten plus one
        if (integerPart != "0")
            n = static_cast<long long>(integerPart.size());
        else if (fraction.find_first_not_of('0') != std::string::npos)
            n = -static_cast<long long>(fraction.find_first_not_of('0'));
        lastDigitPower = std::max<long long>(-decimals, n - precision);
    } else {
        // Exponent form: d[.ddd]Enn, only for values whose integer part has
        // more digits than the precision.
        const std::size_t mantissaEnd = e;
        std::size_t fractionDigits = 0;
        require(e > first && isDecimal(text[first]) && text[first] != '0', what + ": first digit");
        if (sepAt != std::string::npos && sepAt < e) {
            require(sepAt == first + 1, what + ": separator");
            fractionDigits = mantissaEnd - (sepAt + sep.size());
            require(fractionDigits > 0 && countDigits(text, sepAt + sep.size(), e) == fractionDigits
                        && text[e - 1] != '0',
                    what + ": mantissa");
        } else {
            require(e == first + 1, what + ": mantissa");
        }
        require(1 + fractionDigits <= std::size_t(precision), what + ": too many significant digits");
        const std::string exponent = text.substr(e + 1);
        require(!exponent.empty() && exponent.size() <= 3 && countDigits(exponent, 0, exponent.size()) == exponent.size()
                    && (exponent.size() == 1 || exponent[0] != '0'),
                what + ": exponent");
        require(std::stoll(exponent) >= precision, what + ": exponent form for a value that fits the fixed form");
        lastDigitPower = std::stoll(exponent) - static_cast<long long>(fractionDigits);
    }

    // Read back as a cell would be by the program itself.
    double back = 0;
    try {
        back = vexa::readReal(text, shownSeparator);
    } catch (const vexa::ConversionError&) {
        // Only a value rounded up past the largest double may be refused.
        require(e != std::string::npos && std::fabs(v) > 1e307, what + ": does not read back");
        return 0;
    }
    const long double error = std::fabs(static_cast<long double>(back) - static_cast<long double>(v));
    const long double halfUnit = 0.5L * std::pow(10.0L, static_cast<long double>(lastDigitPower));
    const long double resolution = 3e-16L * std::max(std::fabs(v), std::fabs(back));
    require(error <= halfUnit + resolution, what + ": reads back as a value more than half a unit away");
    require(!negative || back <= 0, what + ": reads back with the wrong sign");
    require(negative || back >= 0, what + ": reads back with the wrong sign");
    return 0;
}
