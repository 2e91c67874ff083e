#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "colour/colour_coordinates.h"

namespace vexa {

// The results grid's columns, in the order the grid, the results file and
// the printed sheet show them. Column 0 holds the row numbers.
enum ResultColumn : int {
    kRowNumberColumn = 0,
    kNameColumn = 1,
    kXColumn = 2,
    kYColumn = 3,
    kZColumn = 4,
    kLightnessColumn = 5, // L*
    kChromaColumn = 6,    // C*
    kHueColumn = 7,       // h
    kAColumn = 8,         // a*
    kBColumn = 9,         // b*
};

inline constexpr int kResultColumnCount = kBColumn + 1;
// The grid holds at most 50 samples; NumFila, the row that takes the next
// sample, runs from 1 (empty grid) to 51 (full grid).
inline constexpr std::int32_t kGridCapacity = 50;
inline constexpr std::int32_t kMaxNumFila = kGridCapacity + 1;

inline constexpr int kFirstValueColumn = kXColumn;
inline constexpr int kLastValueColumn = kBColumn;
inline constexpr int kValueColumnCount = kLastValueColumn - kFirstValueColumn + 1;
// Selecting a row writes a comma into these columns (L* to b*) and reads
// its marker back from them.
inline constexpr int kFirstRemarkedColumn = kLightnessColumn;

// A sample's eight values in column order: X, Y, Z, L*, C*, h, a*, b*.
std::array<double, kValueColumnCount> resultValues(const ColourCoordinates& c);

// The eight cell texts of a sample, columns 2 to 9, in each column's format.
std::array<std::string, kValueColumnCount> resultCellTexts(const ColourCoordinates& c, char32_t decimalSeparator);

} // namespace vexa
