#include "shell/string_grid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

namespace vexa {

namespace {
constexpr int kGridLine = 1;
}

StringGrid::StringGrid(int columnCount, int rowCount, QWidget* parent)
    : QTableView(parent), store_(new CellStoreModel(columnCount, rowCount, this))
{
    setModel(store_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setDragEnabled(false);

    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setSectionsMovable(false);
        header->setHighlightSections(false);
        header->setMinimumSectionSize(1);
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    // The corner is the fixed cell of row 0, column 0; it shows its text too.
    corner_ = findChild<QAbstractButton*>();
    if (corner_)
        corner_->installEventFilter(this);

    setDefaultColumnWidth(defaultColumnWidth_);
    setDefaultRowHeight(rowHeight_);
    selectCell(1, 1);

    // Rows are only ever added below the last one, where nothing in view
    // moves: the table view would lay out and repaint every cell in view for
    // that, so the grid updates the scroll bar and the area from the first
    // new row down instead. Fewer rows go the table view's way.
    disconnect(verticalHeader(), &QHeaderView::sectionCountChanged, this, nullptr);
    connect(verticalHeader(), &QHeaderView::sectionCountChanged, this, [this](int oldCount, int newCount) {
        if (newCount <= oldCount) {
            rowCountChanged(oldCount, newCount);
            return;
        }
        const int offset = verticalHeader()->offset();
        updateGeometries();
        if (verticalHeader()->offset() != offset) {
            // Scrolled to the end, the last row was aligned with the bottom
            // edge; with more rows the view's contents move after all.
            viewport()->update();
            return;
        }
        const int top = std::max(oldCount > 0 ? rowViewportPosition(oldCount - 1) + rowHeight(oldCount - 1) : 0, 0);
        if (top < viewport()->height())
            viewport()->update(0, top, viewport()->width(), viewport()->height() - top);
    });
}

void StringGrid::setDefaultColumnWidth(int width)
{
    defaultColumnWidth_ = width;
    horizontalHeader()->setDefaultSectionSize(width + kGridLine);
    for (int c = 0; c < store_->columnCount(); ++c)
        horizontalHeader()->resizeSection(c, width + kGridLine);
    verticalHeader()->setFixedWidth(width + kGridLine);
}

void StringGrid::setColumnWidth(int column, int width)
{
    if (column == 0)
        verticalHeader()->setFixedWidth(width + kGridLine);
    else
        horizontalHeader()->resizeSection(column - 1, width + kGridLine);
}

void StringGrid::setDefaultRowHeight(int height)
{
    rowHeight_ = height;
    verticalHeader()->setDefaultSectionSize(height + kGridLine);
    horizontalHeader()->setFixedHeight(height + kGridLine);
}

int StringGrid::selectedColumn() const
{
    return currentIndex().isValid() ? currentIndex().column() + 1 : 1;
}

int StringGrid::selectedRow() const
{
    return currentIndex().isValid() ? currentIndex().row() + 1 : 1;
}

void StringGrid::selectCell(int column, int row)
{
    const QModelIndex index = store_->index(row - 1, column - 1);
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

bool StringGrid::mayMoveTo(const QModelIndex& index)
{
    if (!index.isValid() || !onSelectCell_)
        return true;
    return onSelectCell_(index.column() + 1, index.row() + 1);
}

void StringGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept(); // the right button opens the pop-up menu and moves nothing
        return;
    }
    const QModelIndex target = indexAt(event->position().toPoint());
    if (target.isValid() && !mayMoveTo(target)) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void StringGrid::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging selects no range; the selection stays on the pressed cell.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

QModelIndex StringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    moveRefused_ = false;
    const QModelIndex target = QTableView::moveCursor(action, modifiers);
    if (target.isValid() && target != currentIndex() && !mayMoveTo(target)) {
        moveRefused_ = true;
        return currentIndex();
    }
    return target;
}

bool StringGrid::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab move from cell to cell. A move the handler refuses
    // keeps the focus on the grid, as it does for the arrow keys; the base
    // class would take such a Tab for leaving the grid.
    if (tabKeyNavigation() && isVisible() && isEnabled()) {
        QKeyEvent key(QEvent::KeyPress, next ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier);
        moveRefused_ = false;
        keyPressEvent(&key);
        if (key.isAccepted() || moveRefused_)
            return true;
    }
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void StringGrid::keyboardSearch(const QString&)
{
    // Typed letters edit the cell; they never jump to a matching cell.
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && corner_ && watched == corner_) {
        paintCornerCell(corner_);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void StringGrid::paintCornerCell(QWidget* corner)
{
    QPainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = cell(0, 0);
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    // The corner button is disabled (it selects nothing), yet its text shows
    // like every other heading.
    option.state |= QStyle::State_Raised | QStyle::State_Enabled;
    option.palette.setCurrentColorGroup(QPalette::Active);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}

} // namespace vexa
