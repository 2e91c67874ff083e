#pragma once

#include <functional>
#include <string>

#include "batch/csv_reader.h"
#include "batch/sample_rows.h"

namespace vexa {

// Takes computed samples one at a time, in file order.
class SampleSink {
public:
    virtual ~SampleSink() = default;
    virtual void add(const Sample& sample) = 0;
    // A row that could not be computed; `name` is its name field, if any.
    virtual void addFailure(const std::string& name, const RowError& error) = 0;
};

struct RunSummary {
    long samples = 0;
    long failures = 0;
};

// Computes every sample row of a sample file, streaming: each row goes to
// the sink as soon as it is read. Empty rows are skipped. The first faulty
// row throws its RowError, unless `keepGoing`: then it goes to the sink's
// addFailure() and to `report`, and the run goes on.
// Throws BatchError for a header without the needed columns.
RunSummary computeSamples(CsvReader& reader, SampleSink& sink, bool keepGoing,
                          const std::function<void(const RowError&)>& report);

} // namespace vexa
