// The results file's reader and writer.
//
// Input: a mode byte, then
//   '0' (or any byte worth 0 mod 3): the bytes of a file. The line store is
//       checked against a simple reference split (every line in its slot, the
//       views inside the file, empty slots beyond the last line, the full
//       count also beyond the store); the reader gives 1 <= NumFila <= 51 or
//       refuses with the line count; the table holds the reference's lines,
//       in UTF-8 or Windows-1252 as the whole file is; written out again it
//       reads back the same.
//   '1' or '2': a table built from the input: NumFila (a signed byte; outside
//       1 to 51 the table is refused), a separator byte, then the cells column
//       by column separated by it, as Windows-1252 characters ('1') or as any
//       Unicode characters ('2', each byte 80 or above starting a 3-byte code
//       point). Writing refuses a cell with a CR or a Ctrl-Z and nothing else;
//       the bytes are Windows-1252 exactly when every character fits it and
//       the result is not valid UTF-8; reading them back gives the table.
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "resultsfile/results_file.h"
#include "resultsfile/windows1252.h"

using namespace vexa::fuzz;

namespace {

// The characters of Windows-1252 bytes 80 to 9F; the five unassigned bytes
// stand for the C1 controls of the same number.
constexpr std::array<char32_t, 32> kCp1252High = {
    U'\u20AC', 0x81,      U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', 0x8D,      U'\u017D', 0x8F,
    0x90,      U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', 0x9D,      U'\u017E', U'\u0178',
};

VEXA_FUZZ_REFERENCE std::optional<unsigned char> cp1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

VEXA_FUZZ_REFERENCE char32_t cp1252Char(unsigned char b)
{
    return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b;
}

VEXA_FUZZ_REFERENCE void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code points of a UTF-8 text, or nothing when it is not valid UTF-8
// (overlong forms, surrogates and values above 10FFFF are not).
VEXA_FUZZ_REFERENCE std::optional<std::u32string> decodeUtf8(std::string_view text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || lead > 0xF7 || text.size() - i < length)
            return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if ((length > 1 && c < kShortest[length]) || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return std::nullopt;
        out += c;
        i += length;
    }
    return out;
}

VEXA_FUZZ_REFERENCE std::string cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    for (char b : bytes)
        appendUtf8(out, cp1252Char(static_cast<unsigned char>(b)));
    return out;
}

// The file's lines: up to a Ctrl-Z, each ended by a CR, or by CR LF, or by
// the end of the file.
VEXA_FUZZ_REFERENCE std::vector<std::string_view> referenceLines(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\x1a'));
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r')
            continue;
        lines.push_back(bytes.substr(start, i - start));
        start = i + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start, ++i;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

void checkFile(std::string_view bytes)
{
    const auto expected = referenceLines(bytes);
    const vexa::ResultsLines lines = vexa::splitResultsLines(bytes);
    if (lines.count != expected.size())
        fail("line count " + std::to_string(lines.count) + ", expected " + std::to_string(expected.size()));
    if (!lines.slot[0].empty())
        fail("slot 0 is used");
    for (std::size_t i = 1; i <= vexa::kLineSlots; ++i) {
        const std::string_view slot = lines.slot[i];
        if (i > expected.size()) {
            if (!slot.empty())
                fail("slot " + std::to_string(i) + " beyond the last line is not empty");
            continue;
        }
        if (slot != expected[i - 1])
            fail("slot " + std::to_string(i) + " holds '" + shown(slot) + "'");
        if (!(slot.empty()
              || (slot.data() >= bytes.data() && slot.data() + slot.size() <= bytes.data() + bytes.size())))
            fail("slot " + std::to_string(i) + " points outside the file");
    }

    const std::size_t count = expected.size();
    std::optional<vexa::ResultsTable> table;
    try {
        table = vexa::decodeResultsFile(bytes);
    } catch (const vexa::NotAResultsFile& e) {
        if (!(count < vexa::kMinLineCount || count > vexa::kLineSlots))
            fail(std::string("a file of ") + std::to_string(count) + " lines refused: " + e.what());
        const std::string what = e.what();
        if (!(what.rfind("not a results file: " + std::to_string(count) + " line", 0) == 0))
            fail("refusal without the line count: " + what);
        return;
    }
    if (!(count >= vexa::kMinLineCount && count <= vexa::kLineSlots))
        fail("a file of " + std::to_string(count) + " lines read");
    const std::int32_t n = table->numFila();
    if (!(n >= 1 && n <= vexa::kMaxNumFila && std::size_t(n) == (count + 1) / 9))
        fail("NumFila " + std::to_string(n) + " for " + std::to_string(count) + " lines");

    const bool utf8 = decodeUtf8(bytes.substr(0, bytes.find('\x1a'))).has_value();
    for (int column = 1; column <= vexa::kFileColumnCount; ++column)
        for (std::int32_t row = 1; row <= n; ++row) {
            const std::size_t line = std::size_t(column - 1) * std::size_t(n) + std::size_t(row - 1);
            const std::string_view raw = line < count ? expected[line] : std::string_view();
            const std::string want = utf8 ? std::string(raw) : cp1252ToUtf8(raw);
            if (table->cell(column, row) != want)
                fail("cell " + std::to_string(column) + "," + std::to_string(row) + " is '"
                     + shown(table->cell(column, row)) + "'");
        }

    const std::string written = vexa::encodeResultsFile(*table);
    if (vexa::decodeResultsFile(written) != *table)
        fail("a table read from a file does not read back after writing");
}

// The cell texts of a table mode: pieces of the input between separators.
std::vector<std::string> cellTexts(std::string_view rest, char separator, bool anyCharacter)
{
    std::vector<std::string> cells(1);
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const auto b = static_cast<unsigned char>(rest[i]);
        if (rest[i] == separator) {
            cells.emplace_back();
        } else if (!anyCharacter) {
            appendUtf8(cells.back(), cp1252Char(b));
        } else if (b < 0x80 || i + 2 >= rest.size()) {
            appendUtf8(cells.back(), b & 0x7F);
        } else {
            char32_t c = ((char32_t(b & 0x7F) << 16) | (char32_t(static_cast<unsigned char>(rest[i + 1])) << 8)
                          | static_cast<unsigned char>(rest[i + 2]))
                         % 0x110000;
            if (c >= 0xD800 && c <= 0xDFFF)
                c -= 0x800; // no surrogates in a text
            appendUtf8(cells.back(), c);
            i += 2;
        }
    }
    return cells;
}

void checkTable(std::string_view input, bool anyCharacter)
{
    if (input.size() < 2)
        return;
    const std::int32_t numFila = static_cast<std::int8_t>(input[0]);
    const char separator = input[1];
    std::optional<vexa::ResultsTable> table;
    try {
        table.emplace(numFila);
    } catch (const std::out_of_range&) {
        if (!(numFila < 1 || numFila > vexa::kMaxNumFila))
            fail("NumFila " + std::to_string(numFila) + " refused");
        return;
    }
    if (!(numFila >= 1 && numFila <= vexa::kMaxNumFila))
        fail("NumFila " + std::to_string(numFila) + " accepted");

    const auto cells = cellTexts(input.substr(2), separator, anyCharacter);
    std::string utf8;   // the file in UTF-8
    std::string cp1252; // the file in Windows-1252, when every character fits
    bool fits = true;
    bool unsavable = false;
    std::size_t next = 0;
    for (int column = 1; column <= vexa::kFileColumnCount; ++column)
        for (std::int32_t row = 1; row <= numFila; ++row) {
            const std::string text = next < cells.size() ? cells[next++] : std::string();
            table->setCell(column, row, text);
            unsavable = unsavable || text.find_first_of(std::string_view("\r\x1a", 2)) != std::string::npos;
            utf8 += text + "\r\n";
            const std::u32string characters = *decodeUtf8(text);
            for (char32_t c : characters) {
                const auto b = cp1252Byte(c);
                fits = fits && b.has_value();
                if (b)
                    cp1252 += static_cast<char>(*b);
            }
            cp1252 += "\r\n";
        }

    std::string written;
    try {
        written = vexa::encodeResultsFile(*table);
    } catch (const vexa::UnsavableCell&) {
        if (!unsavable)
            fail("a table without CR or Ctrl-Z refused");
        return;
    }
    if (unsavable)
        fail("a cell with a CR or a Ctrl-Z written");
    const bool legacy = fits && !decodeUtf8(cp1252).has_value();
    if (written != (legacy ? cp1252 : utf8))
        fail(std::string("the file is not in ") + (legacy ? "Windows-1252" : "UTF-8") + ": '" + shown(written) + "'");
    vexa::ResultsTable back(1);
    try {
        back = vexa::decodeResultsFile(written);
    } catch (const vexa::NotAResultsFile& e) {
        fail(std::string("a written table does not read back: ") + e.what());
    }
    if (back != *table)
        fail("a written table reads back changed: '" + shown(written) + "'");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        checkFile(rest);
        break;
    case 1:
        checkTable(rest, false);
        break;
    default:
        checkTable(rest, true);
        break;
    }
    return 0;
}
