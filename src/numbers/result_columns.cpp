#include "numbers/result_columns.h"

#include "numbers/cell_format.h"

namespace vexa {

std::array<double, kValueColumnCount> resultValues(const ColourCoordinates& c)
{
    return {c.X, c.Y, c.Z, c.L, c.C, c.h, c.a, c.b};
}

std::array<std::string, kValueColumnCount> resultCellTexts(const ColourCoordinates& c, char32_t decimalSeparator)
{
    const auto values = resultValues(c);
    std::array<std::string, kValueColumnCount> texts;
    for (int i = 0; i < kValueColumnCount; ++i) {
        const int column = kFirstValueColumn + i;
        texts[i] = formatCellText(values[i], cellFormatOfColumn(column), decimalSeparator);
    }
    return texts;
}

} // namespace vexa
