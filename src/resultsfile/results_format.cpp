// The results file's bytes: the writer's and the reader's side of the format.
#include <cstring>

#include "resultsfile/results_file.h"
#include "resultsfile/windows1252.h"

namespace vexa {

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kCtrlZ = '\x1a';

std::string lineCountText(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " line" : " lines");
}

} // namespace

ResultsTable::ResultsTable(std::int32_t numFila) : numFila_(numFila)
{
    if (numFila < 1 || numFila > kMaxNumFila)
        throw std::out_of_range("NumFila " + std::to_string(numFila) + " is outside 1 to 51");
    cells_.resize(static_cast<std::size_t>(kFileColumnCount) * static_cast<std::size_t>(numFila));
}

std::size_t ResultsTable::index(int column, std::int32_t row) const
{
    if (column < 1 || column > kFileColumnCount || row < 1 || row > numFila_)
        throw std::out_of_range("no cell at column " + std::to_string(column) + ", row " + std::to_string(row));
    return static_cast<std::size_t>(column - 1) * static_cast<std::size_t>(numFila_) +
           static_cast<std::size_t>(row - 1);
}

const std::string& ResultsTable::cell(int column, std::int32_t row) const
{
    return cells_[index(column, row)];
}

void ResultsTable::setCell(int column, std::int32_t row, std::string text)
{
    cells_[index(column, row)] = std::move(text);
}

NotAResultsFile::NotAResultsFile(const std::string& reason)
    : std::runtime_error("not a results file: " + reason), reason_(reason)
{
}

ResultsLines splitResultsLines(std::string_view bytes)
{
    ResultsLines lines;
    if (const auto ctrlZ = bytes.find(kCtrlZ); ctrlZ != std::string_view::npos)
        bytes = bytes.substr(0, ctrlZ);

    std::size_t start = 0;
    while (start < bytes.size()) {
        const void* found = std::memchr(bytes.data() + start, kCr, bytes.size() - start);
        const std::size_t cr = found ? static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data())
                                     : bytes.size();
        ++lines.count;
        if (lines.count <= kLineSlots)
            lines.slot[lines.count] = bytes.substr(start, cr - start);
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == kLf)
            ++start;
    }
    return lines;
}

std::int32_t numFilaForLineCount(std::size_t lineCount)
{
    return static_cast<std::int32_t>((lineCount + 1) / kFileColumnCount);
}

bool isValidUtf8(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        std::size_t length;
        unsigned char low = 0x80; // bounds of the second byte
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0; // no overlong forms
            if (lead == 0xED)
                high = 0x9F; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            if (lead == 0xF4)
                high = 0x8F; // nothing above U+10FFFF
        } else {
            return false;
        }
        if (static_cast<std::size_t>(end - p) < length || p[1] < low || p[1] > high)
            return false;
        for (std::size_t k = 2; k < length; ++k)
            if ((p[k] & 0xC0) != 0x80)
                return false;
        p += length;
    }
    return true;
}

std::string encodeResultsFile(const ResultsTable& table)
{
    std::string utf8;
    bool fitsWindows1252 = true;
    std::string windows1252;
    utf8.reserve(std::size_t(64) * kFileColumnCount * static_cast<std::size_t>(table.numFila()));
    windows1252.reserve(utf8.capacity());
    for (int column = 1; column <= kFileColumnCount; ++column) {
        for (std::int32_t row = 1; row <= table.numFila(); ++row) {
            const std::string& text = table.cell(column, row);
            if (text.find_first_of(std::string_view("\r\x1a", 2)) != std::string::npos)
                throw UnsavableCell("The cell in column " + std::to_string(column) + ", row " +
                                    std::to_string(row) +
                                    " holds a line break or a Ctrl-Z, which a results file cannot keep");
            utf8 += text;
            utf8 += "\r\n";
            if (fitsWindows1252) {
                fitsWindows1252 = appendWindows1252(windows1252, text);
                windows1252 += "\r\n";
            }
        }
    }
    // The reader takes a file that is valid UTF-8 as UTF-8, so Windows-1252
    // bytes that happen to form valid UTF-8 (such as "Ã©") would come back
    // changed; such a file, like one with characters beyond the code page, is
    // written in UTF-8. A file of plain ASCII is the same in both.
    if (fitsWindows1252 && !isValidUtf8(windows1252))
        return windows1252;
    return utf8;
}

ResultsTable decodeResultsFile(std::string_view bytes)
{
    if (const auto ctrlZ = bytes.find(kCtrlZ); ctrlZ != std::string_view::npos)
        bytes = bytes.substr(0, ctrlZ);
    const ResultsLines lines = splitResultsLines(bytes);
    if (lines.count < kMinLineCount)
        throw NotAResultsFile(lineCountText(lines.count) + ", at least " + std::to_string(kMinLineCount));
    if (lines.count > kLineSlots)
        throw NotAResultsFile(lineCountText(lines.count) + ", at most " + std::to_string(kLineSlots));

    const bool utf8 = isValidUtf8(bytes);
    ResultsTable table(numFilaForLineCount(lines.count));
    const std::size_t n = static_cast<std::size_t>(table.numFila());
    for (int column = 1; column <= kFileColumnCount; ++column) {
        for (std::int32_t row = 1; row <= table.numFila(); ++row) {
            // A file one line short leaves the slot after its last line empty.
            const std::size_t slot = static_cast<std::size_t>(column - 1) * n + static_cast<std::size_t>(row);
            const std::string_view line = lines.slot[slot];
            table.setCell(column, row, utf8 ? std::string(line) : windows1252ToUtf8(line));
        }
    }
    return table;
}

} // namespace vexa
