#pragma once

#include <string>

namespace vexa {

// How a number column shows its values: at most `precision` significant
// digits, exactly `decimals` digits after the separator in the fixed form.
// Values are rounded from an 18-digit expansion, so the precision runs from 1
// to kMaxCellPrecision; the decimals run from 0 to kMaxCellDecimals.
inline constexpr int kMaxCellPrecision = 18;
inline constexpr int kMaxCellDecimals = 18;

struct CellFormat {
    int precision;
    int decimals;
};

// The format of grid columns 2 to 9 (X, Y, Z, L*, C*, h, a*, b*; see
// result_columns.h).
CellFormat cellFormatOfColumn(int column);

// The text of a value in a number cell, written with the user's decimal
// separator; a comma is then turned into a point, so the grid shows a point
// under both the point and the comma setting. Halves round away from zero;
// values too large for the fixed form use the exponent form ("1.2346E5").
// A format outside the limits above throws std::invalid_argument.
std::string formatCellText(double value, CellFormat format, char32_t decimalSeparator);

} // namespace vexa
