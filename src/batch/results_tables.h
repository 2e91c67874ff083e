#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "batch/chart_picture.h"
#include "batch/csv_reader.h"
#include "batch/csv_writer.h"
#include "batch/sample_rows.h"
#include "resultsfile/results_file.h"

namespace vexa {

// The table the window's grid holds after these samples were calculated one
// by one: names in column 1, the cell texts of the values in columns 2 to 9,
// and the empty row below the last sample. Throws BatchError for more than
// kGridCapacity samples.
ResultsTable resultsTableOf(const std::vector<Sample>& samples);

// The markers the Calculate command draws for these samples: row numbers
// from 1, at the computed (not rounded) L*, a*, b*.
std::vector<MarkedSample> markersOf(const std::vector<Sample>& samples);

// The markers that selecting each sample row of the grid draws: read back
// from the L*, a* and b* texts (b* first, then a*, then L*), which may carry
// a comma or a point. Throws RowError naming the row and the column of a
// text that is not a number.
std::vector<MarkedSample> markersOf(const ResultsTable& table);

// Whether a header names the columns of a results CSV (X, Y, Z ...).
bool isResultsHeader(const std::vector<std::string>& header);

// Reads a results CSV (name, X, Y, Z, L*, C*, h, a*, b*; any order and
// case, other columns ignored) into a table. The texts are kept as they
// stand, except that in a semicolon file the decimal comma of X to b* is
// turned back into the grid's point. Throws BatchError (missing columns,
// more than kGridCapacity samples) and RowError (a short row).
ResultsTable readResultsCsv(CsvReader& reader);

// Writes the samples of a table (rows 1 to numFila() - 1) as a results CSV,
// every cell text as it stands.
void writeResultsCsv(const ResultsTable& table, CsvWriter& csv);

// What chart and sheet draw: the grid's texts and the markers.
struct LoadedResults {
    ResultsTable table{1};
    std::vector<MarkedSample> markers;
};

// Reads a results file (.qrl), a results CSV or a sample file, which is
// computed. Markers are those the window would show after calculating the
// samples (sample file) or after selecting each row (results file or CSV).
// Throws BatchError, CsvError, RowError.
LoadedResults loadResults(const std::string& path);

// Whether a path names a results file (.qrl in any case).
bool isResultsFilePath(const std::string& path);

// Reads a results file, with the file layer's message in a BatchError.
ResultsTable readResultsFileOrThrow(const std::string& path);

// Saves a results file, with the file layer's message in a BatchError.
void saveResultsFileOrThrow(const std::string& path, const ResultsTable& table);

} // namespace vexa
