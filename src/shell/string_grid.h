#pragma once

#include <QTableView>
#include <functional>

#include "shell/cell_store_model.h"

namespace vexa {

// A grid of text cells with one fixed heading row and one fixed heading
// column, in-place editing, Tab moving from cell to cell and a vertical
// scroll bar only. Sizes are given as the grid's designer gives them: a
// column width or row height excludes the 1-pixel grid line that follows it.
//
// Before the user moves the selection to a cell (mouse or keyboard), the
// select-cell handler is asked; it returns false to keep the selection
// where it is. Moves that the grid makes itself (when its row count shrinks
// under the selection) are not reported.
class StringGrid : public QTableView {
    Q_OBJECT

public:
    using SelectCellHandler = std::function<bool(int column, int row)>;

    StringGrid(int columnCount, int rowCount, QWidget* parent = nullptr);

    QString cell(int column, int row) const { return store_->cell(column, row); }
    void setCell(int column, int row, const QString& text) { store_->setCell(column, row, text); }
    void clearCells(int firstColumn, int lastColumn, int firstRow, int lastRow)
    {
        store_->clearCells(firstColumn, lastColumn, firstRow, lastRow);
    }

    int rowCountShown() const { return store_->gridRowCount(); }
    void setRowCountShown(int rows) { store_->setGridRowCount(rows); }

    void setDefaultColumnWidth(int width);
    void setColumnWidth(int column, int width);
    void setDefaultRowHeight(int height);

    // The selected cell in grid coordinates; (1, 1) when nothing was selected yet.
    int selectedColumn() const;
    int selectedRow() const;
    // Selects a cell as the program does it, without asking the handler.
    void selectCell(int column, int row);

    void setSelectCellHandler(SelectCellHandler handler) { onSelectCell_ = std::move(handler); }

    CellStoreModel& store() { return *store_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyboardSearch(const QString& search) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mayMoveTo(const QModelIndex& index);
    void paintCornerCell(QWidget* corner);

    CellStoreModel* store_;
    QWidget* corner_ = nullptr; // the fixed cell of row 0, column 0
    SelectCellHandler onSelectCell_;
    bool moveRefused_ = false; // the handler refused the last keyboard move
    int defaultColumnWidth_ = 64;
    int rowHeight_ = 24;
};

} // namespace vexa
