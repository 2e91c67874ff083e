#include "numbers/cell_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "numbers/decimal_expansion.h"
#include "numbers/result_columns.h"
#include "numbers/utf8.h"

namespace vexa {
namespace {

// A cell text is built in place: at most a sign, 18 integer digits, a
// separator of up to four bytes and 18 decimals, or the shorter exponent form.
class TextBuffer {
public:
    void put(char c) { text_[size_++] = c; }
    void put(const char* text, int count)
    {
        std::memcpy(text_.data() + size_, text, static_cast<std::size_t>(count));
        size_ += count;
    }
    void fill(char c, int count)
    {
        std::memset(text_.data() + size_, c, static_cast<std::size_t>(count));
        size_ += count;
    }
    void putInteger(int value)
    {
        const auto result = std::to_chars(text_.data() + size_, text_.data() + text_.size(), value);
        size_ = static_cast<int>(result.ptr - text_.data());
    }
    std::string text() const { return std::string(text_.data(), static_cast<std::size_t>(size_)); }

private:
    std::array<char, 96> text_; // only the first size_ are ever read
    int size_ = 0;
};

// The separator as the cell shows it: a comma becomes a point.
struct Separator {
    char bytes[4];
    int size;
};

Separator shownSeparator(char32_t decimalSeparator)
{
    if (decimalSeparator == U'.' || decimalSeparator == U',')
        return {{'.'}, 1};
    const std::string encoded = utf8::encode(decimalSeparator);
    Separator separator{{}, static_cast<int>(encoded.size())};
    std::memcpy(separator.bytes, encoded.data(), encoded.size());
    return separator;
}

void putZero(TextBuffer& text, int decimals, const Separator& separator)
{
    text.put('0');
    text.put(separator.bytes, separator.size);
    text.fill('0', decimals);
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
    const Separator separator = shownSeparator(decimalSeparator);

    TextBuffer text;
    if (std::isnan(value)) {
        text.put("NAN", 3);
    } else if (std::isinf(value)) {
        if (value < 0)
            text.put('-');
        text.put("INF", 3);
    } else if (value == 0) {
        putZero(text, D, separator);
    } else {
        const bool negative = value < 0;
        const DecimalExpansion d = expandDecimal(std::fabs(value));
        int n = d.exponent;

        if (n + D < 0) {
            putZero(text, D, separator);
        } else {
            // Keep k significant digits, rounding half away from zero.
            const int k = std::min(n + D, P);
            std::array<char, kExpansionDigits> kept; // the first keptSize are set
            int keptSize = k;
            std::copy_n(d.digits.begin(), k, kept.begin());
            // At the full precision no digit is dropped, so none rounds.
            if (k < kExpansionDigits && d.digits[static_cast<std::size_t>(k)] >= '5') {
                int i = k - 1;
                while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
                    kept[static_cast<std::size_t>(i)] = '0';
                    --i;
                }
                if (i >= 0) {
                    ++kept[static_cast<std::size_t>(i)];
                } else {
                    kept[0] = '1';
                    keptSize = 1;
                    ++n;
                }
            }
            while (keptSize > 0 && kept[static_cast<std::size_t>(keptSize - 1)] == '0')
                --keptSize;

            if (negative)
                text.put('-');
            if (n > P) {
                text.put(kept[0]);
                if (keptSize > 1) {
                    text.put(separator.bytes, separator.size);
                    text.put(kept.data() + 1, keptSize - 1);
                }
                text.put('E');
                text.putInteger(n - 1);
            } else {
                // The decimals written, before padding with zeros to D.
                int fractionSize = 0;
                if (n <= 0) {
                    const int zeros = std::min(-n, D);
                    text.put('0');
                    text.put(separator.bytes, separator.size);
                    text.fill('0', zeros);
                    text.put(kept.data(), std::min(keptSize, D - zeros));
                    fractionSize = zeros + keptSize;
                } else {
                    const int integerDigits = std::min(keptSize, n);
                    text.put(kept.data(), integerDigits);
                    text.fill('0', n - integerDigits);
                    text.put(separator.bytes, separator.size);
                    fractionSize = keptSize - integerDigits;
                    text.put(kept.data() + integerDigits, std::min(fractionSize, D));
                }
                if (fractionSize < D)
                    text.fill('0', D - fractionSize);
            }
        }
    }
    return text.text();
}

} // namespace vexa
