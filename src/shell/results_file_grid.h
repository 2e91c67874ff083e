#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "resultsfile/results_file.h"

namespace vexa {

class StringGrid;

// The filter the save and open dialogs offer for results files.
inline const QString kResultsFileFilter = QStringLiteral("Quorella files (*.qrl)");

// The results file's table of the grid: columns 1 to 9, rows 1 to numFila.
ResultsTable resultsTableOf(const StringGrid& grid, std::int32_t numFila);

// Writes a table into the grid's columns 1 to 9, rows 1 to table.numFila().
void putResultsTable(StringGrid& grid, const ResultsTable& table);

// Reads a results file. A file that is not a results file is refused with an
// error that names it ("... is not a results file: 2000 lines, at most 459").
ResultsTable readResultsTable(const QString& path);

// Saves the table to a results file.
void saveResultsTable(const QString& path, const ResultsTable& table);

} // namespace vexa
