#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include <QString>

#include "batch/sample_run.h"
#include "printing/sheet_layout.h"
#include "resultsfile/results_file.h"

namespace vexa {

// Exit statuses of vexa-batch.
enum ExitStatus : int {
    kExitSuccess = 0,
    kExitRowsFailed = 1, // --keep-going wrote the good rows; some rows failed
    kExitFailure = 2,    // nothing was written (bad input, usage, files)
};

// Where a run reads and writes. "-" as input reads standard input; an empty
// output writes CSV to `standardOutput`.
struct RunFiles {
    std::string input;
    std::string output;
};

struct ComputeOptions {
    bool fullPrecision = false;
    bool keepGoing = false;
    // dE76 and dE00 columns: the colour difference from the first sample of
    // this name.
    std::optional<std::string> reference;
    // A swatch column: the sample's sRGB colour as #RRGGBB.
    bool swatch = false;
};

// The compute command on streams: a sample file in, a results CSV out, in
// the input's delimiter, decimal separator, line ends and byte order mark.
// With a reference the input is read twice (first to find the reference
// sample), so it must be seekable.
// Throws CsvError, BatchError, or the first RowError unless keepGoing.
RunSummary computeToCsv(std::istream& in, std::ostream& out, const ComputeOptions& options,
                        const std::function<void(const RowError&)>& report = {});

// vexa-batch compute: one sample a row in, the results out as CSV.
// Messages go to `errors` as "vexa-batch: FILE: line 7, A520: ... ." lines.
int runCompute(const RunFiles& files, const ComputeOptions& options, std::ostream& standardOutput,
               std::ostream& errors);

// vexa-batch compute -o OUT.qrl writes a results file instead (at most 50
// samples).

// vexa-batch convert: a results file (.qrl) to CSV, or a results CSV to a
// results file, the cell texts unchanged.
int runConvert(const RunFiles& files, std::ostream& errors);

// vexa-batch chart: the two charts with the samples marked, as a PNG.
// Needs a QGuiApplication.
int runChart(const RunFiles& files, std::ostream& errors);

// vexa-batch sheet: the printed results sheet as a one-page PDF, with
// "VEXA - " and the input's file name in its title line. Needs a
// QGuiApplication.
int runSheet(const RunFiles& files, std::ostream& errors);

// The sheet of a table as the window prints it after opening `fileName`.
SheetContent sheetContentOf(const ResultsTable& table, const std::string& fileName, const QString& dateTime);

} // namespace vexa
