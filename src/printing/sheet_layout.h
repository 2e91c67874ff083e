#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace vexa {

// One drawing step of the results sheet, in device pixels of the printable
// area (origin top-left, y downwards).
struct SheetOperation {
    enum class Kind { Line, Text };

    Kind kind = Kind::Line;
    QPoint from; // a line's start, or a text's top-left corner
    QPoint to;   // a line's end; unused for a text
    QString text;

    static SheetOperation line(QPoint from, QPoint to) { return {Kind::Line, from, to, {}}; }
    static SheetOperation textAt(QPoint topLeft, const QString& text) { return {Kind::Text, topLeft, {}, text}; }

    bool operator==(const SheetOperation&) const = default;
};

// The text of grid cell (column, row): columns 0 (row number) to 9 (b*).
using SheetCellText = std::function<QString(int column, int row)>;

// What one sheet shows.
struct SheetContent {
    // The main window's caption; it opens the title line.
    QString caption;
    // The date and time the title line shows in brackets (see sheetDateTimeText).
    QString dateTime;
    // The grid row the next sample would go to, 1 to 51: the sheet shows grid
    // rows 1 to numFila - 1 and never asks for a cell of a later row.
    std::int32_t numFila = 1;
    // The cell texts, printed exactly as given (row numbers in column 0 too).
    SheetCellText cell;
};

// A cell accessor over a list of rows: rows[r - 1][c] is the text of column c
// in grid row r; cells the list does not hold are empty.
SheetCellText cellsFromRows(std::vector<std::vector<QString>> rows);

// The texts of the title line: caption, ten spaces and the date and time in brackets.
QString sheetTitleLine(const QString& caption, const QString& dateTime);

// The subtitle in the table's caption band. The sign after "10" is the
// masculine ordinal U+00BA.
QString sheetSubtitle();

// The operations that draw the sheet on a printable area of width x height
// pixels, in drawing order: the title line, the horizontal rules top to
// bottom, the vertical rules, the subtitle, the headers, then the cells
// column by column. Later texts paint over earlier rules.
//
// Every position is a fixed fraction of the width or height, rounded to the
// nearest pixel with halves going to the even pixel; rows and value columns
// step from rounded positions by a rounded pitch.
//
// Throws std::out_of_range when numFila is not 1 to 51, IntegerOverflow when a
// position does not fit 32 bits.
std::vector<SheetOperation> layoutResultsSheet(std::int32_t width, std::int32_t height, const SheetContent& content);

} // namespace vexa
