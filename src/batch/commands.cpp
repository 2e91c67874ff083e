#include "batch/commands.h"

#include <QImage>
#include <QString>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <vector>

#include "batch/chart_picture.h"
#include "batch/csv_reader.h"
#include "batch/csv_writer.h"
#include "batch/output_file.h"
#include "batch/results_csv.h"
#include "batch/results_tables.h"
#include "batch/sample_run.h"
#include "printing/sheet_date_time.h"
#include "printing/sheet_printing.h"

namespace vexa {
namespace {

// The name a file goes by in messages.
std::string displayName(const std::string& path)
{
    return path == "-" ? std::string("standard input") : path;
}

// The name part of a path, as the window's caption shows an opened file.
std::string namePart(const std::string& path)
{
    if (path == "-")
        return "standard input";
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void printError(std::ostream& errors, const std::string& where, const std::string& message)
{
    errors << "vexa-batch: " << (where.empty() ? "" : where + ": ") << message << ".\n";
}

// An input file, or standard input for "-".
class Input {
public:
    explicit Input(const std::string& path)
    {
        if (path == "-")
            return;
        file_ = std::make_unique<std::ifstream>(path, std::ios::binary);
        if (!*file_)
            throw BatchError(std::string("cannot read it: ") + std::strerror(errno));
    }
    std::istream& stream() { return file_ ? *file_ : std::cin; }

private:
    std::unique_ptr<std::ifstream> file_;
};

// Runs one command and turns its errors into messages and exit status 2.
// Errors that name no file of their own are about the input.
template <typename Run>
int guarded(const RunFiles& files, std::ostream& errors, Run run)
{
    try {
        return run();
    } catch (const RowError& e) {
        printError(errors, displayName(files.input), e.what());
    } catch (const CsvError& e) {
        printError(errors, displayName(files.input), e.what());
    } catch (const OutputError& e) {
        printError(errors, "", e.what());
    } catch (const BatchError& e) {
        printError(errors, displayName(files.input), e.what());
    } catch (const std::exception& e) {
        printError(errors, "", e.what());
    }
    return kExitFailure;
}

class CsvResultsSink : public SampleSink {
public:
    CsvResultsSink(std::ostream& out, const CsvReader& reader, const ResultsCsvColumns& columns)
        : csv_(out, reader.delimiter(), reader.lineEnd()), results_(csv_, columns)
    {
        if (reader.hasByteOrderMark())
            csv_.writeByteOrderMark();
        results_.writeHeader();
    }
    void add(const Sample& sample) override { results_.writeSample(sample); }
    void addFailure(const std::string& name, const RowError& error) override
    {
        results_.writeFailure(name, error.fault() + ".");
    }

private:
    CsvWriter csv_;
    ResultsCsvWriter results_;
};

// Samples for a results file: one grid's worth; rows that fail are left out.
class ResultsFileSink : public SampleSink {
public:
    void add(const Sample& sample) override
    {
        if (samples.size() == static_cast<std::size_t>(kGridCapacity))
            throw BatchError("more than 50 samples, and a results file holds at most 50 (one grid's worth); "
                             "write CSV instead (-o OUT.csv)");
        samples.push_back(sample);
    }
    void addFailure(const std::string&, const RowError&) override {}

    std::vector<Sample> samples;
};

enum class OutputKind { Csv, ResultsFile, Picture, Pdf, Other };

OutputKind outputKind(const std::string& path)
{
    const auto dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "csv")
        return OutputKind::Csv;
    if (extension == "qrl")
        return OutputKind::ResultsFile;
    if (extension == "png")
        return OutputKind::Picture;
    if (extension == "pdf")
        return OutputKind::Pdf;
    return OutputKind::Other;
}

// An output named with the wrong extension is refused before any work.
void requireOutput(const std::string& path, OutputKind kind, const char* what)
{
    if (outputKind(path) != kind)
        throw OutputError("the output " + path + " must be " + what);
}

} // namespace

Sample findReferenceSample(std::istream& in, const std::string& name)
{
    CsvReader reader(in);
    const SampleColumns columns = findSampleColumns(reader.header().fields);
    if (columns.name < 0)
        throw BatchError("--reference names a sample, but the file has no name column");
    CsvRecord record;
    while (reader.next(record)) {
        if (static_cast<std::size_t>(columns.name) < record.fields.size() && record.fields[columns.name] == name)
            return computeSampleRow(record, columns, csvDecimalSeparator(reader.delimiter()));
    }
    throw BatchError("no sample is named '" + name + "' (--reference)");
}

RunSummary computeToCsv(std::istream& in, std::ostream& out, const ComputeOptions& options,
                        const std::function<void(const RowError&)>& report)
{
    ResultsCsvColumns columns;
    columns.fullPrecision = options.fullPrecision;
    columns.swatch = options.swatch;
    columns.error = options.keepGoing;
    if (options.reference) {
        const auto start = in.tellg();
        if (start < 0)
            throw BatchError("--reference reads the samples twice: give a file, not standard input");
        columns.reference = sampleLab(findReferenceSample(in, *options.reference), options.fullPrecision);
        in.clear();
        in.seekg(start);
    }
    CsvReader reader(in);
    CsvResultsSink sink(out, reader, columns);
    return computeSamples(reader, sink, options.keepGoing, report);
}

int runCompute(const RunFiles& files, const ComputeOptions& options, std::ostream& standardOutput, std::ostream& errors)
{
    return guarded(files, errors, [&] {
        const bool resultsFile = !files.output.empty() && outputKind(files.output) == OutputKind::ResultsFile;
        if (resultsFile && (options.fullPrecision || options.reference || options.swatch))
            throw BatchError("--full, --reference and --swatch write CSV; a results file holds the grid's cell texts");
        Input input(files.input);
        const auto report = [&](const RowError& e) { printError(errors, displayName(files.input), e.what()); };

        if (resultsFile) {
            CsvReader reader(input.stream());
            ResultsFileSink sink;
            const RunSummary summary = computeSamples(reader, sink, options.keepGoing, report);
            saveResultsFileOrThrow(files.output, resultsTableOf(sink.samples));
            return summary.failures > 0 ? kExitRowsFailed : kExitSuccess;
        }

        std::unique_ptr<AtomicOutputFile> file;
        if (!files.output.empty())
            file = std::make_unique<AtomicOutputFile>(files.output);
        std::ostream& out = file ? file->stream() : standardOutput;
        const RunSummary summary = computeToCsv(input.stream(), out, options, report);
        out.flush();
        if (!out)
            throw OutputError("cannot write " + (file ? files.output : std::string("the results")));
        if (file)
            file->commit();
        return summary.failures > 0 ? kExitRowsFailed : kExitSuccess;
    });
}

int runConvert(const RunFiles& files, std::ostream& errors)
{
    return guarded(files, errors, [&] {
        if (isResultsFilePath(files.input)) {
            requireOutput(files.output, OutputKind::Csv, "a CSV file (.csv) for a results file (.qrl)");
            const ResultsTable table = readResultsFileOrThrow(files.input);
            // The row below the last sample is not a sample; text typed into
            // it has no place in the CSV, so the user is told it is left out.
            for (int column = kNameColumn; column <= kLastValueColumn; ++column) {
                if (!table.cell(column, table.numFila()).empty()) {
                    printError(errors, displayName(files.input),
                               "row " + std::to_string(table.numFila())
                                   + ", below the last sample, holds text that the CSV leaves out");
                    break;
                }
            }
            AtomicOutputFile file(files.output);
            CsvWriter csv(file.stream(), ',', "\n");
            writeResultsCsv(table, csv);
            file.commit();
            return kExitSuccess;
        }
        requireOutput(files.output, OutputKind::ResultsFile, "a results file (.qrl) for a CSV file");
        Input input(files.input);
        CsvReader reader(input.stream());
        saveResultsFileOrThrow(files.output, readResultsCsv(reader));
        return kExitSuccess;
    });
}

int runChart(const RunFiles& files, std::ostream& errors)
{
    return guarded(files, errors, [&] {
        requireOutput(files.output, OutputKind::Picture, "a PNG picture (.png)");
        const LoadedResults loaded = loadResults(files.input);
        const QImage picture = chartPicture(loaded.markers);

        AtomicOutputFile file(files.output);
        if (!picture.save(QString::fromStdString(file.temporaryPath()), "PNG"))
            throw OutputError("cannot write " + files.output);
        file.commit();
        return kExitSuccess;
    });
}

SheetContent sheetContentOf(const ResultsTable& table, const std::string& fileName, const QString& dateTime)
{
    SheetContent content;
    content.caption = QStringLiteral("VEXA - ") + QString::fromStdString(fileName);
    content.dateTime = dateTime;
    content.numFila = table.numFila();
    content.cell = [table](int column, int row) {
        if (column == kRowNumberColumn)
            return QString::number(row);
        return QString::fromStdString(table.cell(column, row));
    };
    return content;
}

int runSheet(const RunFiles& files, std::ostream& errors)
{
    return guarded(files, errors, [&] {
        requireOutput(files.output, OutputKind::Pdf, "a PDF file (.pdf)");
        const LoadedResults loaded = loadResults(files.input);
        const SheetContent content =
            sheetContentOf(loaded.table, namePart(files.input), sheetDateTimeText(SystemSheetClock()));
        try {
            writeSheetPdf(QString::fromStdString(files.output), content);
        } catch (const PrintError& e) {
            throw OutputError(e.what());
        }
        return kExitSuccess;
    });
}

} // namespace vexa
