#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace vexa {

// The texts of a string grid, addressed by column and row as the grid counts
// them: row 0 and column 0 are the fixed heading cells. A text can be stored
// for any row, also one beyond the rows shown; it shows when the row count
// grows and survives when the row count shrinks.
//
// As a model it offers the ordinary (non-fixed) cells: model row r is grid
// row r + 1, model column c is grid column c + 1; the fixed cells are its
// header data.
class CellStoreModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CellStoreModel(int columnCount, int rowCount, QObject* parent = nullptr);

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    // Empties the cells of columns first to last, rows first to last, the
    // heading cells among them too, with one change signal for the ordinary
    // cells instead of one per cell.
    void clearCells(int firstColumn, int lastColumn, int firstRow, int lastRow);

    int gridRowCount() const { return rowsShown_; }
    void setGridRowCount(int rows);
    int gridColumnCount() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int columns_;
    int rowsShown_;
    std::vector<std::vector<QString>> rows_; // rows_[row][column]
};

} // namespace vexa
