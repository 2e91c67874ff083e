// The batch program's CSV reader and writer.
//
// Input: a mode byte, then
//   '0' (or any byte worth 0 mod 2): the bytes of a file. The reader gives a
//       header and records, or refuses with its error; records start on lines that
//       never go back, within the file; the delimiter is the header's. What
//       it read, written again with its delimiter, line end and byte order
//       mark, reads back as the same records.
//   '1': a table built from the input: the delimiter (';' when the next byte
//       is odd), the line end (CR LF when the next is odd), then fields
//       separated by 0x1F and records by 0x1E, any other byte being field
//       text (delimiters, quotes and line breaks too). Written and read back,
//       every record has its fields again: a record is never split or joined.
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "batch/csv_reader.h"
#include "batch/csv_writer.h"
#include "fuzz_support.h"

using namespace vexa::fuzz;

namespace {

using Records = std::vector<std::vector<std::string>>;

struct Read {
    Records records; // the header first
    std::vector<long> lines;
    char delimiter = ',';
    bool byteOrderMark = false;
    std::string lineEnd;
};

// Everything a reader gives, or nothing when it refuses the file.
std::optional<Read> readAll(const std::string& bytes)
{
    std::istringstream in(bytes);
    Read read;
    try {
        vexa::CsvReader reader(in);
        read.delimiter = reader.delimiter();
        read.byteOrderMark = reader.hasByteOrderMark();
        read.lineEnd = reader.lineEnd();
        read.records.push_back(reader.header().fields);
        read.lines.push_back(reader.header().line);
        vexa::CsvRecord record;
        while (reader.next(record)) {
            read.records.push_back(record.fields);
            read.lines.push_back(record.line);
        }
    } catch (const vexa::CsvError& e) {
        if (std::string_view(e.what()).empty())
            fail("a refusal without a reason");
        return std::nullopt;
    }
    return read;
}

std::string writeAll(const Records& records, char delimiter, const std::string& lineEnd, bool byteOrderMark)
{
    std::ostringstream out;
    vexa::CsvWriter writer(out, delimiter, lineEnd);
    if (byteOrderMark)
        writer.writeByteOrderMark();
    for (const auto& record : records) {
        for (const auto& field : record)
            writer.field(field);
        writer.endRecord();
    }
    return out.str();
}

std::string describe(const Records& records)
{
    std::string text;
    for (const auto& record : records) {
        text += "[";
        for (std::size_t i = 0; i < record.size(); ++i)
            text += (i ? "|" : "") + shown(record[i]);
        text += "] ";
    }
    return shown(text);
}

// Whether a record reads back as itself after writing. A record of one empty
// field is written as an empty line, which the reader skips as blank; a
// header whose fields hold more of the other delimiter than of its own is
// read with that other one; a header field with a line break leaves the
// delimiter and the line end to the part of the header before it, the
// header's first line; a first field that begins with a byte order
// mark loses it when the file has none. None of these is written by the
// batch program, whose records have several fields and whose headers are
// its own.
bool writable(const Records& records, char delimiter, bool byteOrderMark)
{
    for (const auto& record : records)
        if (record.size() == 1 && record[0].empty())
            return false;
    if (records.empty() || (!byteOrderMark && records[0][0].starts_with("\xEF\xBB\xBF")))
        return false;
    for (const auto& field : records[0])
        if (field.find_first_of("\r\n") != std::string::npos)
            return false;
    const char other = delimiter == ',' ? ';' : ',';
    std::size_t own = records[0].size() - 1;
    std::size_t others = 0;
    for (const auto& field : records[0]) {
        const bool quoted = field.find_first_of(std::string{delimiter, '"', '\r', '\n'}) != std::string::npos;
        for (char c : field) {
            // A quoted field's delimiters do not count; an unquoted one's do.
            if (!quoted && c == other)
                ++others;
        }
    }
    return delimiter == ';' ? own > others : own >= others;
}

void checkRoundTrip(const Records& records, char delimiter, const std::string& lineEnd, bool byteOrderMark)
{
    const std::string written = writeAll(records, delimiter, lineEnd, byteOrderMark);
    const auto back = readAll(written);
    if (!back)
        fail("written records are refused: '" + shown(written) + "'");
    if (back->records != records)
        fail("written records read back as " + describe(back->records) + " instead of " + describe(records));
    if (back->delimiter != delimiter || back->byteOrderMark != byteOrderMark)
        fail("written records read back with another delimiter or byte order mark");
    if (back->lineEnd != lineEnd)
        fail("written records read back with another line end");
}

void checkFile(const std::string& bytes)
{
    const auto read = readAll(bytes);
    if (!read)
        return;
    // Lines are counted by their line feeds; a lone CR ends a record but not
    // a line, so two records may start on one line.
    long previous = 1;
    for (long line : read->lines) {
        if (line < previous)
            fail("records start on lines " + std::to_string(previous) + " and then " + std::to_string(line));
        previous = line;
    }
    long lineCount = 1;
    for (char c : bytes)
        lineCount += c == '\n';
    if (previous > lineCount)
        fail("a record starts on line " + std::to_string(previous) + " of " + std::to_string(lineCount));
    if (writable(read->records, read->delimiter, read->byteOrderMark))
        checkRoundTrip(read->records, read->delimiter, read->lineEnd, read->byteOrderMark);
}

void checkTable(std::string_view input)
{
    if (input.size() < 2)
        return;
    const char delimiter = input[0] & 1 ? ';' : ',';
    const std::string lineEnd = input[1] & 1 ? "\r\n" : "\n";
    Records records(1, std::vector<std::string>(1));
    for (char c : input.substr(2)) {
        if (c == '\x1e')
            records.emplace_back(1);
        else if (c == '\x1f')
            records.back().emplace_back();
        else
            records.back().back() += c;
    }
    if (writable(records, delimiter, false))
        checkRoundTrip(records, delimiter, lineEnd, false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0)
        checkFile(rest);
    else
        checkTable(rest);
    return 0;
}
