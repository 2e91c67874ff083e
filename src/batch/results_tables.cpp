#include "batch/results_tables.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>

#include "batch/results_csv.h"
#include "batch/sample_run.h"
#include "numbers/number_reading.h"

namespace vexa {
namespace {

std::string lowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string trimmedKey(const std::string& name)
{
    const auto first = name.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return lowerAscii(name.substr(first, name.find_last_not_of(" \t") - first + 1));
}

// Where each of the results columns stands in a header: the name, then X to b*.
std::array<int, kResultHeaders.size()> findResultColumns(const std::vector<std::string>& header)
{
    std::array<int, kResultHeaders.size()> columns{};
    for (std::size_t k = 0; k < kResultHeaders.size(); ++k) {
        columns[k] = -1;
        const std::string key = lowerAscii(kResultHeaders[k]);
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (trimmedKey(header[i]) != key)
                continue;
            if (columns[k] >= 0)
                throw BatchError(std::string("the header names the column ") + kResultHeaders[k] + " twice");
            columns[k] = static_cast<int>(i);
        }
        if (columns[k] < 0)
            throw BatchError(std::string("the header has no column ") + kResultHeaders[k]);
    }
    return columns;
}

class CollectingSink : public SampleSink {
public:
    void add(const Sample& sample) override
    {
        if (samples.size() == static_cast<std::size_t>(kGridCapacity))
            throw BatchError("more than 50 samples: a grid, a chart and a sheet hold at most 50");
        samples.push_back(sample);
    }
    void addFailure(const std::string&, const RowError&) override {}

    std::vector<Sample> samples;
};

} // namespace

ResultsTable resultsTableOf(const std::vector<Sample>& samples)
{
    if (samples.size() > static_cast<std::size_t>(kGridCapacity))
        throw BatchError("more than 50 samples: a results file holds at most 50, one grid's worth");
    ResultsTable table(static_cast<std::int32_t>(samples.size()) + 1);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto row = static_cast<std::int32_t>(i + 1);
        table.setCell(kNameColumn, row, samples[i].name);
        auto texts = resultCellTexts(samples[i].colour, U'.');
        for (int k = 0; k < kValueColumnCount; ++k)
            table.setCell(kFirstValueColumn + k, row, std::move(texts[k]));
    }
    return table;
}

std::vector<MarkedSample> markersOf(const std::vector<Sample>& samples)
{
    std::vector<MarkedSample> markers;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const ColourCoordinates& c = samples[i].colour;
        markers.push_back({static_cast<std::int32_t>(i + 1), c.L, c.a, c.b});
    }
    return markers;
}

std::vector<MarkedSample> markersOf(const ResultsTable& table)
{
    std::vector<MarkedSample> markers;
    for (std::int32_t row = 1; row < table.numFila(); ++row) {
        const auto read = [&](int column, const char* name) {
            try {
                return readCellNumber(table.cell(column, row), U'.');
            } catch (const ConversionError& e) {
                throw RowError(row, name, e.what(), "row");
            }
        };
        MarkedSample marker;
        marker.row = row;
        marker.b = read(kBColumn, "b*");
        marker.a = read(kAColumn, "a*");
        marker.lightness = read(kLightnessColumn, "L*");
        markers.push_back(marker);
    }
    return markers;
}

bool isResultsHeader(const std::vector<std::string>& header)
{
    for (const auto& field : header)
        if (trimmedKey(field) == "x")
            return true;
    return false;
}

ResultsTable readResultsCsv(CsvReader& reader)
{
    const auto& header = reader.header().fields;
    if (isSampleHeader(header) && !isResultsHeader(header))
        throw BatchError("it holds absorbances, not results: 'vexa-batch compute' computes them");
    const auto columns = findResultColumns(header);

    std::vector<std::array<std::string, kResultHeaders.size()>> rows;
    CsvRecord record;
    while (reader.next(record)) {
        if (isEmptyRecord(record))
            continue;
        if (record.fields.size() != header.size())
            throw RowError(record.line, "",
                           std::to_string(record.fields.size()) + " fields where the header has "
                               + std::to_string(header.size()));
        if (rows.size() == static_cast<std::size_t>(kGridCapacity))
            throw BatchError("more than 50 samples: a grid, a chart and a sheet hold at most 50");
        auto& row = rows.emplace_back();
        for (std::size_t k = 0; k < columns.size(); ++k) {
            row[k] = record.fields[columns[k]];
            // A semicolon file shows the grid's point as a comma; give it back.
            if (k > 0 && reader.delimiter() == ';') {
                const auto comma = row[k].find(',');
                if (comma != std::string::npos)
                    row[k][comma] = '.';
            }
        }
    }
    ResultsTable table(static_cast<std::int32_t>(rows.size()) + 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t k = 0; k < rows[r].size(); ++k)
            table.setCell(kNameColumn + static_cast<int>(k), static_cast<std::int32_t>(r + 1), rows[r][k]);
    return table;
}

void writeResultsCsv(const ResultsTable& table, CsvWriter& csv)
{
    for (const char* name : kResultHeaders)
        csv.field(name);
    csv.endRecord();
    for (std::int32_t row = 1; row < table.numFila(); ++row) {
        for (int column = kNameColumn; column <= kLastValueColumn; ++column)
            csv.field(table.cell(column, row));
        csv.endRecord();
    }
}

bool isResultsFilePath(const std::string& path)
{
    return path.size() >= 4 && lowerAscii(path.substr(path.size() - 4)) == ".qrl";
}

ResultsTable readResultsFileOrThrow(const std::string& path)
{
    try {
        return readResultsFile(path);
    } catch (const FileError& e) {
        throw BatchError(std::string("cannot read it: ") + e.what());
    } catch (const NotAResultsFile& e) {
        throw BatchError(e.what());
    }
}

void saveResultsFileOrThrow(const std::string& path, const ResultsTable& table)
{
    try {
        saveResultsFile(path, table);
    } catch (const FileError& e) {
        throw OutputError("cannot write " + path + ": " + e.what());
    } catch (const UnsavableCell& e) {
        throw OutputError("cannot write " + path + ": " + e.what());
    }
}

LoadedResults loadResults(const std::string& path)
{
    LoadedResults loaded;
    if (isResultsFilePath(path)) {
        loaded.table = readResultsFileOrThrow(path);
        loaded.markers = markersOf(loaded.table);
        return loaded;
    }
    std::ifstream file;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file)
            throw BatchError("cannot read it: " + std::string(std::strerror(errno)));
    }
    CsvReader reader(path == "-" ? std::cin : file);
    if (isSampleHeader(reader.header().fields)) {
        CollectingSink sink;
        computeSamples(reader, sink, false, {});
        loaded.table = resultsTableOf(sink.samples);
        loaded.markers = markersOf(sink.samples);
    } else {
        loaded.table = readResultsCsv(reader);
        loaded.markers = markersOf(loaded.table);
    }
    return loaded;
}

} // namespace vexa
