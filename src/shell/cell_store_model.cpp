#include "shell/cell_store_model.h"

#include <algorithm>

namespace vexa {

CellStoreModel::CellStoreModel(int columnCount, int rowCount, QObject* parent)
    : QAbstractTableModel(parent), columns_(columnCount), rowsShown_(rowCount)
{
}

QString CellStoreModel::cell(int column, int row) const
{
    if (row < 0 || column < 0 || column >= columns_ || row >= static_cast<int>(rows_.size()))
        return {};
    return rows_[row][column];
}

void CellStoreModel::setCell(int column, int row, const QString& text)
{
    if (row < 0 || column < 0 || column >= columns_)
        return;
    // An unchanged text signals nothing, so the view repaints only cells
    // that change (clearing a grid rewrites its headings and empty cells).
    if (text == cell(column, row))
        return;
    if (row >= static_cast<int>(rows_.size()))
        rows_.resize(row + 1, std::vector<QString>(columns_));
    rows_[row][column] = text;

    if (row == 0 && column > 0)
        emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
    else if (column == 0 && row > 0 && row < rowsShown_)
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    else if (row > 0 && row < rowsShown_) {
        const QModelIndex i = index(row - 1, column - 1);
        emit dataChanged(i, i);
    }
}

void CellStoreModel::clearCells(int firstColumn, int lastColumn, int firstRow, int lastRow)
{
    firstColumn = std::max(firstColumn, 0);
    firstRow = std::max(firstRow, 0);
    lastColumn = std::min(lastColumn, columns_ - 1);
    lastRow = std::min(lastRow, static_cast<int>(rows_.size()) - 1);
    int changedFrom = -1; // the ordinary rows shown whose texts changed
    int changedTo = -1;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (row == 0 || column == 0) {
                setCell(column, row, QString());
            } else if (!rows_[row][column].isEmpty()) {
                rows_[row][column].clear();
                if (row < rowsShown_) {
                    changedFrom = changedFrom < 0 ? row : changedFrom;
                    changedTo = row;
                }
            }
        }
    }
    if (changedFrom > 0)
        emit dataChanged(index(changedFrom - 1, std::max(firstColumn, 1) - 1), index(changedTo - 1, lastColumn - 1));
}

void CellStoreModel::setGridRowCount(int rows)
{
    rows = std::max(rows, 1);
    if (rows > rowsShown_) {
        beginInsertRows({}, rowsShown_ - 1, rows - 2);
        rowsShown_ = rows;
        endInsertRows();
    } else if (rows < rowsShown_) {
        beginRemoveRows({}, rows - 1, rowsShown_ - 2);
        rowsShown_ = rows;
        endRemoveRows();
    }
}

int CellStoreModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rowsShown_ - 1;
}

int CellStoreModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_ - 1;
}

QVariant CellStoreModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return cell(index.column() + 1, index.row() + 1);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool CellStoreModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    // Whatever the user types becomes the cell text, without any check.
    setCell(index.column() + 1, index.row() + 1, value.toString());
    return true;
}

QVariant CellStoreModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    return orientation == Qt::Horizontal ? cell(section + 1, 0) : cell(0, section + 1);
}

Qt::ItemFlags CellStoreModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

} // namespace vexa
