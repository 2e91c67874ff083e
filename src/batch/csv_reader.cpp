#include "batch/csv_reader.h"

#include <csv.h>

#include <cstring>
#include <deque>
#include <string_view>

namespace vexa {
namespace {

constexpr std::size_t kChunkSize = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

int noSpaces(unsigned char)
{
    return 0;
}

bool isBlankLine(const std::string& line)
{
    return line.find_first_not_of("\r\n") == std::string::npos;
}

} // namespace

char detectDelimiter(const std::string& headerLine)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (char c : headerLine) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

struct CsvReader::Parser {
    Parser()
    {
        if (csv_init(&csv, CSV_STRICT | CSV_STRICT_FINI) != 0)
            throw CsvError("out of memory");
        // Spaces are data: a pathlength of "2 " must be refused as the window refuses it.
        csv_set_space_func(&csv, noSpaces);
    }
    ~Parser() { csv_free(&csv); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    csv_parser csv{};
    CsvRecord current;
    std::size_t fieldCount = 0;
    std::deque<CsvRecord> ready;
    // Field vectors handed back by the reader's caller, for the next records.
    std::vector<std::vector<std::string>> spare;
    // The line the record being parsed starts on, once known.
    bool awaitingStart = true;
    long startLine = 0;
    long line = 0;

    static void onField(void* data, std::size_t length, void* self)
    {
        auto& p = *static_cast<Parser*>(self);
        if (p.awaitingStart) {
            p.startLine = p.line;
            p.awaitingStart = false;
        }
        // Field strings are reused from record to record.
        if (p.fieldCount == p.current.fields.size())
            p.current.fields.emplace_back();
        p.current.fields[p.fieldCount++].assign(static_cast<const char*>(data), length);
    }

    static void onRecordEnd(int, void* self)
    {
        auto& p = *static_cast<Parser*>(self);
        CsvRecord& record = p.ready.emplace_back();
        record.fields.swap(p.current.fields);
        record.fields.resize(p.fieldCount);
        record.line = p.startLine;
        if (!p.spare.empty()) {
            p.current.fields.swap(p.spare.back());
            p.spare.pop_back();
        }
        p.fieldCount = 0;
        p.awaitingStart = true;
    }
};

CsvReader::CsvReader(std::istream& in) : in_(in), parser_(std::make_unique<Parser>()), chunk_(kChunkSize)
{
    // The header line decides the delimiter, so it is looked at before the
    // parser sees it. Blank lines before it are skipped.
    std::string first;
    bool found = false;
    while (readLine(first)) {
        if (lineNumber_ == 1 && first.starts_with(kByteOrderMark)) {
            byteOrderMark_ = true;
            first.erase(0, kByteOrderMark.size());
        }
        if (!isBlankLine(first)) {
            found = true;
            break;
        }
    }
    if (!found)
        throw CsvError("the file is empty: a header line is needed");
    delimiter_ = detectDelimiter(first);
    lineEnd_ = first.ends_with("\r\n") ? "\r\n" : "\n";
    csv_set_delim(&parser_->csv, static_cast<unsigned char>(delimiter_));
    feed(first);
    atLineStart_ = first.ends_with('\n');
    if (!next(header_))
        throw CsvError("the file is empty: a header line is needed");
}

CsvReader::~CsvReader() = default;

bool CsvReader::readLine(std::string& line)
{
    line.clear();
    if (atEnd_)
        return false;
    for (;;) {
        if (chunkPos_ == chunkEnd_) {
            in_.read(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
            chunkPos_ = 0;
            chunkEnd_ = static_cast<std::size_t>(in_.gcount());
            if (in_.bad())
                throw CsvError("the file cannot be read");
            if (chunkEnd_ == 0) {
                atEnd_ = true;
                if (line.empty())
                    return false;
                ++lineNumber_;
                return true;
            }
        }
        const char* begin = chunk_.data() + chunkPos_;
        const char* end = chunk_.data() + chunkEnd_;
        const char* lf = static_cast<const char*>(std::memchr(begin, '\n', static_cast<std::size_t>(end - begin)));
        if (lf) {
            line.append(begin, lf + 1);
            chunkPos_ += static_cast<std::size_t>(lf + 1 - begin);
            ++lineNumber_;
            return true;
        }
        line.append(begin, end);
        chunkPos_ = chunkEnd_;
    }
}

void CsvReader::feed(const std::string& line)
{
    Parser& p = *parser_;
    p.line = lineNumber_;
    if (p.awaitingStart && !isBlankLine(line)) {
        p.startLine = lineNumber_;
        p.awaitingStart = false;
    }
    if (csv_parse(&p.csv, line.data(), line.size(), Parser::onField, Parser::onRecordEnd, &p) != line.size())
        throw parseError();
}

void CsvReader::finish()
{
    if (finished_)
        return;
    finished_ = true;
    Parser& p = *parser_;
    if (csv_fini(&p.csv, Parser::onField, Parser::onRecordEnd, &p) != 0)
        throw CsvError("line " + std::to_string(p.awaitingStart ? lineNumber_ : p.startLine)
                       + ": a quoted field has no closing quote");
}

bool CsvReader::takeReady(CsvRecord& record)
{
    if (parser_->ready.empty())
        return false;
    CsvRecord& front = parser_->ready.front();
    record.fields.swap(front.fields);
    record.line = front.line;
    parser_->spare.push_back(std::move(front.fields));
    parser_->ready.pop_front();
    return true;
}

bool CsvReader::feedMore()
{
    if (chunkPos_ == chunkEnd_) {
        in_.read(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
        if (in_.bad())
            throw CsvError("the file cannot be read");
        chunkPos_ = 0;
        chunkEnd_ = static_cast<std::size_t>(in_.gcount());
        if (chunkEnd_ == 0)
            return false;
    }
    // Up to the end of the line or of the data read, straight from the
    // buffer: the parser keeps its place between pieces.
    const char* begin = chunk_.data() + chunkPos_;
    const char* end = chunk_.data() + chunkEnd_;
    const char* lf = static_cast<const char*>(std::memchr(begin, '\n', static_cast<std::size_t>(end - begin)));
    const char* pieceEnd = lf ? lf + 1 : end;

    Parser& p = *parser_;
    if (atLineStart_) {
        ++lineNumber_;
        p.line = lineNumber_;
        if (p.awaitingStart && *begin != '\r' && *begin != '\n') {
            p.startLine = lineNumber_;
            p.awaitingStart = false;
        }
    }
    const auto size = static_cast<std::size_t>(pieceEnd - begin);
    if (csv_parse(&p.csv, begin, size, Parser::onField, Parser::onRecordEnd, &p) != size)
        throw parseError();
    chunkPos_ += size;
    atLineStart_ = lf != nullptr;
    return true;
}

CsvError CsvReader::parseError() const
{
    const int error = csv_error(&parser_->csv);
    const std::string where = "line " + std::to_string(lineNumber_) + ": ";
    if (error == CSV_EPARSE)
        return CsvError(where + "a quote stands where a field cannot have one");
    return CsvError(where + csv_strerror(error));
}

bool CsvReader::next(CsvRecord& record)
{
    while (parser_->ready.empty() && !finished_) {
        if (!feedMore())
            finish();
    }
    return takeReady(record);
}

} // namespace vexa
