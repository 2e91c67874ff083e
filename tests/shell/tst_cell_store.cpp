// The grid's cell store signals only real changes: an unchanged text signals
// nothing, and clearing a block of cells signals once for its ordinary cells.
#include <QSignalSpy>
#include <QTest>

#include "shell/cell_store_model.h"

using namespace vexa;

class TestCellStore : public QObject {
    Q_OBJECT

private slots:
    void unchangedTextSignalsNothing()
    {
        CellStoreModel store(4, 5);
        store.setCell(2, 1, QStringLiteral("a"));
        store.setCell(0, 1, QStringLiteral("1"));
        QSignalSpy data(&store, &QAbstractItemModel::dataChanged);
        QSignalSpy headers(&store, &QAbstractItemModel::headerDataChanged);

        store.setCell(2, 1, QStringLiteral("a"));
        store.setCell(0, 1, QStringLiteral("1"));
        store.setCell(3, 2, QString()); // empty, and never written
        store.setCell(3, 9, QString()); // beyond the rows shown
        QCOMPARE(data.count(), 0);
        QCOMPARE(headers.count(), 0);

        store.setCell(2, 1, QStringLiteral("b"));
        QCOMPARE(data.count(), 1);
        QCOMPARE(store.cell(2, 1), QStringLiteral("b"));
    }

    void clearingABlockSignalsOnce()
    {
        CellStoreModel store(4, 5); // rows 1 to 4 shown
        for (int row = 0; row <= 6; ++row)
            for (int column = 0; column < 4; ++column)
                store.setCell(column, row, QStringLiteral("%1,%2").arg(column).arg(row));
        QSignalSpy data(&store, &QAbstractItemModel::dataChanged);
        QSignalSpy headers(&store, &QAbstractItemModel::headerDataChanged);

        store.clearCells(0, 2, 2, 6);

        for (int row = 0; row <= 6; ++row)
            for (int column = 0; column < 4; ++column) {
                const bool cleared = column <= 2 && row >= 2;
                QCOMPARE(store.cell(column, row).isEmpty(), cleared);
            }
        // Ordinary cells of shown rows 2 to 4, columns 1 to 2, in one signal;
        // the heading cells of rows 2 to 4 each by itself.
        QCOMPARE(data.count(), 1);
        QCOMPARE(data.at(0).at(0).toModelIndex(), store.index(1, 0));
        QCOMPARE(data.at(0).at(1).toModelIndex(), store.index(3, 1));
        QCOMPARE(headers.count(), 3);

        // Nothing left to clear: no signal.
        store.clearCells(0, 2, 2, 6);
        QCOMPARE(data.count(), 1);
        QCOMPARE(headers.count(), 3);
    }
};

QTEST_MAIN(TestCellStore)
#include "tst_cell_store.moc"
