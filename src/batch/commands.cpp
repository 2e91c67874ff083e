#include "batch/commands.h"

#include <QImage>
#include <QString>

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
#include "batch/sample_run.h"
#include "common/checked_int.h"

namespace vexa {
namespace {

constexpr int kGridCapacity = 50;

// The name a file goes by in messages.
std::string displayName(const std::string& path)
{
    return path == "-" ? std::string("standard input") : path;
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

class MarkedSamplesSink : public SampleSink {
public:
    explicit MarkedSamplesSink(std::string input) : input_(std::move(input)) {}
    void add(const Sample& sample) override
    {
        if (samples.size() == kGridCapacity)
            throw BatchError("more than 50 samples: a chart marks at most 50, one grid's worth");
        const auto row = static_cast<std::int32_t>(samples.size() + 1);
        samples.push_back({row, sample.colour.L, sample.colour.a, sample.colour.b});
    }
    void addFailure(const std::string&, const RowError&) override {}

    std::vector<MarkedSample> samples;

private:
    std::string input_;
};

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

int runCompute(const RunFiles& files, const ComputeOptions& options, std::ostream& standardOutput,
               std::ostream& errors)
{
    return guarded(files, errors, [&] {
        Input input(files.input);
        std::unique_ptr<AtomicOutputFile> file;
        if (!files.output.empty())
            file = std::make_unique<AtomicOutputFile>(files.output);
        std::ostream& out = file ? file->stream() : standardOutput;

        const auto report = [&](const RowError& e) { printError(errors, displayName(files.input), e.what()); };
        const RunSummary summary = computeToCsv(input.stream(), out, options, report);
        out.flush();
        if (!out)
            throw BatchError("cannot write " + (file ? files.output : std::string("the results")));
        if (file)
            file->commit();
        return summary.failures > 0 ? kExitRowsFailed : kExitSuccess;
    });
}

int runChart(const RunFiles& files, std::ostream& errors)
{
    return guarded(files, errors, [&] {
        Input input(files.input);
        CsvReader reader(input.stream());
        MarkedSamplesSink sink(files.input);
        computeSamples(reader, sink, false, {});
        const QImage picture = chartPicture(sink.samples);

        AtomicOutputFile file(files.output);
        if (!picture.save(QString::fromStdString(file.temporaryPath()), "PNG"))
            throw BatchError("cannot write " + files.output);
        file.commit();
        return kExitSuccess;
    });
}

} // namespace vexa
