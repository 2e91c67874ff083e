#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "batch/csv_reader.h"
#include "colour/colour_coordinates.h"

namespace vexa {

// A run stops for good: a missing column, a file that cannot be read or
// written, too many samples for a results file. The text is what the user
// sees, without a full stop.
class BatchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An output that cannot be written. Its text names the output itself.
class OutputError : public BatchError {
public:
    using BatchError::BatchError;
};

// One sample row that cannot be computed. what() reads
// "line 7, A520: '0,6' is not a valid floating point value"; the column is
// left out when the fault is not one field's (a short row, a failed
// computation).
class RowError : public std::runtime_error {
public:
    // `unit` names what `line` counts: "line" of a CSV file, "row" of a
    // results file.
    RowError(long line, std::string column, std::string message, const char* unit = "line");

    long line() const { return line_; }
    const std::string& column() const { return column_; }
    // The fault without the line: "A520: '0,6' is not a valid floating point value".
    std::string fault() const;

private:
    long line_;
    std::string column_;
    std::string message_;
};

// Wine types and the pathlength, in mm, their results are referred to.
enum class WineType { RedRose, WhiteBrandy };

std::int32_t referencePathlength(WineType wine);

// "red", "rose", "rosé", "white", "brandy" or the window's captions
// "Red, Rosé" and "White, Brandy", in any case, spaces around ignored.
std::optional<WineType> readWineType(std::string_view text);

// Where the columns of a sample file stand, found by header name in any
// case and order; the name column may be missing (empty names then).
struct SampleColumns {
    int name = -1;
    int pathlength = -1;
    int wine = -1;
    std::array<int, 4> absorbances{-1, -1, -1, -1}; // A450, A520, A570, A630
    std::size_t fieldCount = 0;
};

inline constexpr const char* kPathlengthHeader = "pathlength_mm";
inline constexpr const char* kWineHeader = "wine";
inline constexpr std::array<const char*, 4> kAbsorbanceHeaders{"A450", "A520", "A570", "A630"};

// Throws BatchError naming the first missing or repeated column.
SampleColumns findSampleColumns(const std::vector<std::string>& header);

// Whether the header names the absorbance columns of a sample file.
bool isSampleHeader(const std::vector<std::string>& header);

// A row whose fields are all empty, as spreadsheets write for an empty row.
bool isEmptyRecord(const CsvRecord& record);

struct Sample {
    std::string name;
    ColourCoordinates colour;
};

// Reads and computes one sample row as the window's Calculate command does:
// the required fields are checked for emptiness first (pathlength, then the
// absorbances from 450 nm on), then converted in the same order with the
// window's own rules, so the first fault reported is the one the window
// would report. Absorbances use `decimalSeparator`. Throws RowError.
Sample computeSampleRow(const CsvRecord& record, const SampleColumns& columns, char32_t decimalSeparator);

} // namespace vexa
