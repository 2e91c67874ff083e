#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vexa {

// A fault in the file itself: it cannot be read, or its quoting is broken.
// The text names the line and is what the user sees, without a full stop.
class CsvError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One record: its fields, unquoted, and the line of the file it starts on
// (counted from 1, the header being line 1 unless blank lines precede it).
struct CsvRecord {
    std::vector<std::string> fields;
    long line = 0;
};

// Reads CSV as spreadsheets write it (RFC 4180 quoting, quoted fields may
// hold delimiters, quotes and line breaks), UTF-8 with or without a byte
// order mark, with CR LF or LF line ends, one record at a time so that a
// file of any length is read in constant memory. The delimiter is ',' or
// ';', whichever the header line holds more of outside quotes. Blank lines
// are skipped. Spaces around fields are kept: they are part of the text.
class CsvReader {
public:
    explicit CsvReader(std::istream& in);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The header record. Throws CsvError when the file has none.
    const CsvRecord& header() const { return header_; }

    char delimiter() const { return delimiter_; }
    bool hasByteOrderMark() const { return byteOrderMark_; }
    // "\r\n" or "\n", as the header line ends; writers follow it.
    const std::string& lineEnd() const { return lineEnd_; }

    // The next record after the header; false at the end of the file.
    // Throws CsvError for broken quoting or a read failure.
    bool next(CsvRecord& record);

private:
    struct Parser;

    bool readLine(std::string& line);
    void feed(const std::string& line);
    bool feedMore();
    CsvError parseError() const;
    void finish();
    bool takeReady(CsvRecord& record);

    std::istream& in_;
    std::unique_ptr<Parser> parser_;
    std::vector<char> chunk_;
    std::size_t chunkPos_ = 0;
    std::size_t chunkEnd_ = 0;
    long lineNumber_ = 0;
    bool atLineStart_ = true;
    bool atEnd_ = false;
    bool finished_ = false;

    CsvRecord header_;
    char delimiter_ = ',';
    bool byteOrderMark_ = false;
    std::string lineEnd_ = "\n";
};

// The delimiter a header line uses: ';' when it holds more semicolons than
// commas outside quotes, ',' otherwise.
char detectDelimiter(const std::string& headerLine);

} // namespace vexa
