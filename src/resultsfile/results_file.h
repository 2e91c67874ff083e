#pragma once

// The results file: the cell texts of the results grid's columns 1 to 9 as a
// plain text file, one cell per line, column by column, CR LF line ends.
// A grid whose next free row is N (NumFila) gives 9 blocks of N lines.

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

#include "numbers/result_columns.h"

namespace vexa {

inline constexpr int kFileColumnCount = kLastValueColumn; // grid columns 1 to 9; column 0 is not stored
inline constexpr std::size_t kLineSlots = kFileColumnCount * kMaxNumFila; // 459
// Fewer lines than this would give no row at all.
inline constexpr std::size_t kMinLineCount = kFileColumnCount - 1;

// The texts of grid columns 1 to 9, rows 1 to numFila(), in UTF-8. Row
// numFila() is the row below the last sample, normally empty.
class ResultsTable {
public:
    // numFila from 1 to 51; anything else throws std::out_of_range.
    explicit ResultsTable(std::int32_t numFila);

    std::int32_t numFila() const { return numFila_; }

    // Column 1 to 9, row 1 to numFila(); outside that throws std::out_of_range.
    const std::string& cell(int column, std::int32_t row) const;
    void setCell(int column, std::int32_t row, std::string text);

    bool operator==(const ResultsTable&) const = default;

private:
    std::size_t index(int column, std::int32_t row) const;

    std::int32_t numFila_;
    std::vector<std::string> cells_; // column by column, as in the file
};

// A file that is not a results file: too few or too many lines. what() is
// "not a results file: " and the reason; the file's name is the caller's to add.
class NotAResultsFile : public std::runtime_error {
public:
    explicit NotAResultsFile(const std::string& reason);
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// A cell the file format cannot hold (a CR or a Ctrl-Z would split or end
// the file when it is read back).
class UnsavableCell : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failed file operation. what() is the message for the system error code.
class FileError : public std::runtime_error {
public:
    explicit FileError(int errorNumber);
    int errorNumber() const { return errorNumber_; }

private:
    int errorNumber_;
};

// The message for a system error number: "File not found", "Disk full",
// "I/O error 5" and so on.
std::string fileErrorMessage(int errorNumber);

// The reader's line store: the file's lines in slots 1 to 459 (slot 0 is
// unused), every slot empty unless a line filled it, and how many lines the
// file has in all, also those beyond the store.
struct ResultsLines {
    std::array<std::string_view, kLineSlots + 1> slot{};
    std::size_t count = 0;
};

// Splits a file's bytes into lines: a CR ends a line, an LF right after that
// CR belongs to the line end, any other LF is an ordinary character; a
// Ctrl-Z (byte 26) ends the file; the last line needs no line end. The views
// point into `bytes`.
ResultsLines splitResultsLines(std::string_view bytes);

// NumFila for a file of `lineCount` lines: (lineCount + 1) div 9.
std::int32_t numFilaForLineCount(std::size_t lineCount);

// Whether the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// The bytes to write for a table: CR LF after every cell, in Windows-1252
// when that holds every character and reads back unchanged, otherwise in UTF-8.
// Throws UnsavableCell for a cell holding a CR or a Ctrl-Z.
std::string encodeResultsFile(const ResultsTable& table);

// The table a file's bytes hold. A file read as UTF-8 when all of it is
// valid UTF-8, otherwise as Windows-1252. Throws NotAResultsFile for fewer
// than 8 or more than 459 lines.
ResultsTable decodeResultsFile(std::string_view bytes);

// Writes the table to `path` without ever losing the old file: the bytes go
// to a new file beside it, which replaces the old one only once every byte is
// written and flushed. The old file's permissions are kept, and a symbolic
// link is written through to its target. Throws FileError, UnsavableCell.
void saveResultsFile(const std::string& path, const ResultsTable& table);

// Reads and decodes the file at `path`. Throws FileError, NotAResultsFile.
ResultsTable readResultsFile(const std::string& path);

// The system write call that saveResultsFile uses, replaceable so that a
// test can make a save fail part-way. Returns the call it replaces.
using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);
WriteCall replaceWriteCall(WriteCall call);

} // namespace vexa
