// The map from a colour result to the results grid: each value lands in its
// own column, in that column's format.
#include <QtTest>

#include "numbers/result_columns.h"

using namespace vexa;

class ResultColumnsTest : public QObject {
    Q_OBJECT

private slots:
    void workedExampleByColumn_data()
    {
        QTest::addColumn<uint>("separator");
        QTest::newRow("point") << uint(U'.');
        QTest::newRow("comma") << uint(U','); // the grid shows a point under both
    }

    void workedExampleByColumn()
    {
        QFETCH(uint, separator);
        // Red wine 0.5, 0.6, 0.4, 0.2 in a 2 mm cell.
        const ColourCoordinates c{.X = 42.29209200,
                                  .Y = 37.02309756,
                                  .Z = 33.55038830,
                                  .L = 67.29795568,
                                  .a = 22.98909488,
                                  .b = 7.898401678,
                                  .C = 24.30808985,
                                  .h = 18.96126942};

        const auto texts = resultCellTexts(c, char32_t(separator));
        const struct {
            ResultColumn column;
            const char* text;
        } expected[] = {
            {kXColumn, "42.292"},     {kYColumn, "37.023"},  {kZColumn, "33.550"}, {kLightnessColumn, "67.3"},
            {kChromaColumn, "24.31"}, {kHueColumn, "18.96"}, {kAColumn, "22.99"},  {kBColumn, "7.90"},
        };
        for (const auto& e : expected)
            QCOMPARE(QString::fromStdString(texts[e.column - kFirstValueColumn]), QString(e.text));
    }
};

QTEST_APPLESS_MAIN(ResultColumnsTest)
#include "tst_result_columns.moc"
