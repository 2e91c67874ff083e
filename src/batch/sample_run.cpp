#include "batch/sample_run.h"

#include "batch/results_csv.h"

namespace vexa {

RunSummary computeSamples(CsvReader& reader, SampleSink& sink, bool keepGoing,
                          const std::function<void(const RowError&)>& report)
{
    const SampleColumns columns = findSampleColumns(reader.header().fields);
    const char32_t separator = csvDecimalSeparator(reader.delimiter());
    RunSummary summary;
    CsvRecord record;
    while (reader.next(record)) {
        if (isEmptyRecord(record))
            continue;
        try {
            sink.add(computeSampleRow(record, columns, separator));
            ++summary.samples;
        } catch (const RowError& error) {
            if (!keepGoing)
                throw;
            ++summary.failures;
            const bool hasName = columns.name >= 0 && static_cast<std::size_t>(columns.name) < record.fields.size();
            sink.addFailure(hasName ? record.fields[columns.name] : std::string(), error);
            if (report)
                report(error);
        }
    }
    return summary;
}

} // namespace vexa
