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
    const auto text = [&](int i) {
        return formatCellText(values[static_cast<std::size_t>(i)], cellFormatOfColumn(kFirstValueColumn + i),
                              decimalSeparator);
    };
    // Each text made in its place rather than made and then copied there.
    static_assert(kValueColumnCount == 8);
    return {text(0), text(1), text(2), text(3), text(4), text(5), text(6), text(7)};
}

} // namespace vexa
