#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace vexa {

// Writes CSV records: fields that hold the delimiter, a quote or a line
// break are quoted, with inner quotes doubled; every record ends with the
// chosen line end.
class CsvWriter {
public:
    CsvWriter(std::ostream& out, char delimiter, std::string lineEnd);

    // A byte order mark, for files whose input had one.
    void writeByteOrderMark();

    // A record is collected field by field and written whole by endRecord().
    void field(std::string_view text);
    void endRecord();

    char delimiter() const { return delimiter_; }

private:
    std::ostream& out_;
    char delimiter_;
    std::string lineEnd_;
    bool firstField_ = true;
    std::string buffer_; // the record so far
};

} // namespace vexa
