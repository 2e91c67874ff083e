// The formats a cell text can be asked for: the 18-digit expansion bounds the
// precision, and no format may make the formatter read or write out of bounds.
#include <QtTest>

#include <limits>
#include <stdexcept>

#include "numbers/cell_format.h"

using vexa::CellFormat;
using vexa::formatCellText;

class CellFormatLimitsTest : public QObject {
    Q_OBJECT

private slots:
    // At the largest precision every digit of the expansion is kept and none
    // is left to round by.
    void precisionOfTheWholeExpansion_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.1") << 0.1 << 18 << "0.100000000000000006";
        QTest::newRow("2/3") << 2.0 / 3.0 << 18 << "0.666666666666666630";
        QTest::newRow("1/3 negative") << -1.0 / 3.0 << 18 << "-0.333333333333333315";
        QTest::newRow("integer part") << 123456789.125 << 10 << "123456789.1250000000";
        QTest::newRow("exponent form") << 1e20 / 3 << 18 << "3.3333333333333332E19";
    }
    void precisionOfTheWholeExpansion()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(formatCellText(value, {vexa::kMaxCellPrecision, decimals}, U'.')), text);
    }

    void formatsOutsideTheLimitsAreRefused_data()
    {
        QTest::addColumn<int>("precision");
        QTest::addColumn<int>("decimals");
        QTest::newRow("precision beyond the expansion") << vexa::kMaxCellPrecision + 1 << 2;
        QTest::newRow("precision far beyond") << 1000 << 2;
        QTest::newRow("no precision") << 0 << 2;
        QTest::newRow("negative precision") << -1 << 2;
        QTest::newRow("negative decimals") << 4 << -1;
        QTest::newRow("decimals beyond") << 4 << vexa::kMaxCellDecimals + 1;
        QTest::newRow("largest int decimals") << 4 << std::numeric_limits<int>::max();
    }
    void formatsOutsideTheLimitsAreRefused()
    {
        QFETCH(int, precision);
        QFETCH(int, decimals);
        for (double value : {0.0, 1e-30, 0.125, 42.292092, 123456.7, 1e300})
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, formatCellText(value, {precision, decimals}, U'.'));
    }
};

QTEST_APPLESS_MAIN(CellFormatLimitsTest)
#include "tst_cell_format_limits.moc"
