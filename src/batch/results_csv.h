#pragma once

#include <array>
#include <optional>
#include <string>

#include "appearance/lab.h"
#include "batch/csv_writer.h"
#include "batch/sample_rows.h"
#include "numbers/result_columns.h"

namespace vexa {

// Header names of a results CSV: the sample name, then the grid's eight
// value columns in the grid's order.
inline constexpr std::array<const char*, 1 + kValueColumnCount> kResultHeaders{"name", "X", "Y",  "Z", "L*",
                                                                               "C*",   "h", "a*", "b*"};
inline constexpr const char* kErrorHeader = "error";
inline constexpr const char* kDeltaE76Header = "dE76";
inline constexpr const char* kDeltaE00Header = "dE00";
inline constexpr const char* kSwatchHeader = "swatch";

// The decimal separator of numbers in a CSV file: a point where fields are
// separated by commas, a comma where they are separated by semicolons (as
// spreadsheets with a decimal comma write them).
char32_t csvDecimalSeparator(char delimiter);

// Turns a cell text, which carries a point, into the text a CSV file with
// `delimiter` shows: its point becomes a comma in a semicolon file.
std::string csvNumberText(std::string cellText, char delimiter);

// A value with 17 significant digits, enough to give back the same double.
std::string fullPrecisionText(double value);

// The L*, a*, b* a sample shows: read back from its cell texts as the
// window reads a row, or, at full precision, as computed.
Lab sampleLab(const Sample& sample, bool fullPrecision);

// What a results CSV holds beside the name and the eight values.
struct ResultsCsvColumns {
    bool fullPrecision = false;   // 17 significant digits instead of the cell texts
    std::optional<Lab> reference; // dE76 and dE00 from this colour
    bool swatch = false;          // the sRGB colour as #RRGGBB
    bool error = false;           // the fault of a row that could not be computed
};

// Writes computed samples as a results CSV: name and the eight values as the
// grid's cell texts (or with 17 significant digits), then the columns asked
// for. Colour differences have one decimal, as the window's tooltip shows
// them, or 17 significant digits at full precision.
class ResultsCsvWriter {
public:
    ResultsCsvWriter(CsvWriter& csv, ResultsCsvColumns columns);

    void writeHeader();
    void writeSample(const Sample& sample);
    void writeFailure(const std::string& name, const std::string& fault);

private:
    std::string numberText(double value, int decimals) const;

    CsvWriter& csv_;
    ResultsCsvColumns columns_;
};

} // namespace vexa
