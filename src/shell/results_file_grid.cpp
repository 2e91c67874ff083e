#include "shell/results_file_grid.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

#include "shell/string_grid.h"

namespace vexa {

namespace {

std::string localFileName(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

ResultsTable resultsTableOf(const StringGrid& grid, std::int32_t numFila)
{
    ResultsTable table(numFila);
    for (int column = 1; column <= kFileColumnCount; ++column)
        for (std::int32_t row = 1; row <= numFila; ++row)
            table.setCell(column, row, grid.cell(column, row).toStdString());
    return table;
}

void putResultsTable(StringGrid& grid, const ResultsTable& table)
{
    for (int column = 1; column <= kFileColumnCount; ++column)
        for (std::int32_t row = 1; row <= table.numFila(); ++row)
            grid.setCell(column, row, QString::fromStdString(table.cell(column, row)));
}

ResultsTable readResultsTable(const QString& path)
{
    try {
        return readResultsFile(localFileName(path));
    } catch (const NotAResultsFile& e) {
        throw std::runtime_error(QDir::toNativeSeparators(path).toStdString() + " is " + e.what());
    }
}

void saveResultsTable(const QString& path, const ResultsTable& table)
{
    saveResultsFile(localFileName(path), table);
}

} // namespace vexa
