#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/conversion_error.h"

namespace vexa {

// A whole number: leading spaces, an optional sign and decimal digits up to
// the end of the text (-2147483647 to 2147483647), or "$" and hexadecimal
// digits taken as a 32-bit two's-complement number. Nothing may follow the
// digits. Throws ConversionError ("'...' is not a valid integer value").
std::int32_t readInteger(std::string_view text);

// A real number typed by the user: leading spaces, optional sign, digits with
// the user's decimal separator (and only that one), an optional exponent,
// trailing spaces. A lone separator reads as 0. A value beyond the range of a
// double is refused. Throws ConversionError
// ("'...' is not a valid floating point value").
double readReal(std::string_view text, char32_t decimalSeparator);

// A number read back from a grid cell: like readReal, but the comma is
// accepted as well as the user's separator, and at least one digit is needed.
double readCellNumber(std::string_view text, char32_t decimalSeparator);

} // namespace vexa
