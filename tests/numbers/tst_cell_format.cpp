#include <QtTest>

#include <clocale>

#include "numbers/cell_format.h"
#include "numbers/result_columns.h"
#include "numbers/utf8.h"

using vexa::CellFormat;
using vexa::formatCellText;

class CellFormatTest : public QObject {
    Q_OBJECT

private slots:
    void cellTexts_data()
    {
        QTest::addColumn<uint>("separator");
        QTest::addColumn<int>("precision");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text"); // as written with a point

        struct Case {
            int p, d;
            double v;
            const char* text;
        };
        const Case cases[] = {
            {5, 3, 42.292092, "42.292"},     {5, 3, 100.029, "100.030"},      {5, 3, -1.841, "-1.841"},
            {5, 3, -0.0004, "-0.000"},       {5, 3, -0.00004, "0.000"},       {5, 3, 123456.7, "1.2346E5"},
            {5, 3, 99999.9996, "1E5"},       {3, 1, 67.29795568, "67.3"},     {3, 1, 5.234, "5.2"},
            {3, 1, 99.96, "100.0"},          {3, 1, 100.0148, "100.0"},       {3, 1, -10.6588, "-10.7"},
            {3, 1, 1234.5, "1.23E3"},        {4, 2, 18.96126942, "18.96"},    {4, 2, 115.7462382, "115.70"},
            {4, 2, 359.996, "360.00"},       {4, 2, 0.125, "0.13"},           {4, 2, -0.003, "-0.00"},
            {4, 2, -0.0003, "0.00"},         {4, 2, 9999.4, "9999.00"},       {4, 2, 12345.6, "1.235E4"},
            {4, 2, 0.0, "0.00"},             {4, 2, -0.0, "0.00"},            {4, 2, 0.0096, "0.01"},
            {4, 2, 0.005, "0.01"},           {4, 2, 0.0049, "0.00"},          {5, 3, 0.5, "0.500"},
            {4, 2, -29.64787849, "-29.65"},  {4, 2, 225.5675926, "225.60"},   {5, 3, 1e300, "1E300"},
            {5, 3, 106.946, "106.950"},      {3, 1, 0.05, "0.1"},             {3, 1, -0.05, "-0.1"},
        };
        const struct {
            const char* name;
            char32_t separator;
        } separators[] = {{"point", U'.'}, {"comma", U','}, {"arabic", U'\u066B'}};

        for (const auto& sep : separators) {
            for (const auto& c : cases) {
                QString expected = QString::fromUtf8(c.text);
                if (sep.separator != U'.' && sep.separator != U',')
                    expected.replace('.', QString::fromStdString(vexa::utf8::encode(sep.separator)));
                QTest::addRow("%s %d,%d %.10g", sep.name, c.p, c.d, c.v)
                    << uint(sep.separator) << c.p << c.d << c.v << expected;
            }
        }
    }

    void cellTexts()
    {
        QFETCH(uint, separator);
        QFETCH(int, precision);
        QFETCH(int, decimals);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(formatCellText(value, CellFormat{precision, decimals}, char32_t(separator))),
                 text);
    }

    // Qt's application object sets the C library's locale from the
    // environment; the cell texts must not depend on it.
    void independentOfTheCLocale()
    {
        QVERIFY(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"));
        QCOMPARE(QString::fromStdString(formatCellText(42.292092, CellFormat{5, 3}, U'.')), QString("42.292"));
        std::setlocale(LC_NUMERIC, "C");
    }

    void columnFormats()
    {
        using namespace vexa;
        const struct {
            ResultColumn column;
            int precision, decimals;
        } expected[] = {{kXColumn, 5, 3},      {kYColumn, 5, 3},     {kZColumn, 5, 3}, {kLightnessColumn, 3, 1},
                        {kChromaColumn, 4, 2}, {kHueColumn, 4, 2}, {kAColumn, 4, 2}, {kBColumn, 4, 2}};
        for (const auto& e : expected) {
            const auto f = cellFormatOfColumn(e.column);
            QCOMPARE(f.precision, e.precision);
            QCOMPARE(f.decimals, e.decimals);
        }
    }
};

QTEST_APPLESS_MAIN(CellFormatTest)
#include "tst_cell_format.moc"
