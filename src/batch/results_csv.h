#pragma once

#include <array>
#include <string>

#include "batch/csv_writer.h"
#include "batch/sample_rows.h"
#include "numbers/result_columns.h"

namespace vexa {

// Header names of a results CSV: the sample name, then the grid's eight
// value columns in the grid's order.
inline constexpr std::array<const char*, 1 + kValueColumnCount> kResultHeaders{"name", "X",  "Y",  "Z", "L*",
                                                                                "C*",   "h",  "a*", "b*"};
inline constexpr const char* kErrorHeader = "error";

// The decimal separator of numbers in a CSV file: a point where fields are
// separated by commas, a comma where they are separated by semicolons (as
// spreadsheets with a decimal comma write them).
char32_t csvDecimalSeparator(char delimiter);

// Turns a cell text, which carries a point, into the text a CSV file with
// `delimiter` shows: its point becomes a comma in a semicolon file.
std::string csvNumberText(std::string cellText, char delimiter);

// A value with 17 significant digits, enough to give back the same double.
std::string fullPrecisionText(double value);

// Writes computed samples as a results CSV: name and the eight values as the
// grid's cell texts (or with 17 significant digits), and, if asked for, an
// error column that names the fault of rows that could not be computed.
class ResultsCsvWriter {
public:
    ResultsCsvWriter(CsvWriter& csv, bool fullPrecision, bool errorColumn);

    void writeHeader();
    void writeSample(const Sample& sample);
    void writeFailure(const std::string& name, const std::string& fault);

private:
    CsvWriter& csv_;
    bool fullPrecision_;
    bool errorColumn_;
};

} // namespace vexa
