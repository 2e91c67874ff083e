#include "batch/csv_writer.h"

namespace vexa {

CsvWriter::CsvWriter(std::ostream& out, char delimiter, std::string lineEnd)
    : out_(out), delimiter_(delimiter), lineEnd_(std::move(lineEnd))
{
}

void CsvWriter::writeByteOrderMark()
{
    out_ << "\xEF\xBB\xBF";
}

void CsvWriter::field(std::string_view text)
{
    if (!firstField_)
        buffer_ += delimiter_;
    firstField_ = false;
    bool needsQuotes = false;
    for (char c : text)
        needsQuotes = needsQuotes || c == delimiter_ || c == '"' || c == '\r' || c == '\n';
    if (!needsQuotes) {
        buffer_ += text;
    } else {
        buffer_ += '"';
        for (char c : text) {
            if (c == '"')
                buffer_ += '"';
            buffer_ += c;
        }
        buffer_ += '"';
    }
}

void CsvWriter::endRecord()
{
    buffer_ += lineEnd_;
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
    firstField_ = true;
}

} // namespace vexa
