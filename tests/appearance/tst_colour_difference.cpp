// Colour differences: CIE76 against hand-worked cases and CIEDE2000 against
// the published test set of Sharma, Wu and Dalal (2005), which exercises
// the hue-angle wrap-round, the mean hue across 0/360 and the neutral axis.

#include <QtTest>

#include "appearance/colour_difference.h"

using vexa::Lab;

Q_DECLARE_METATYPE(Lab)

class ColourDifferenceTest : public QObject {
    Q_OBJECT

private slots:
    void cie76_data()
    {
        QTest::addColumn<Lab>("first");
        QTest::addColumn<Lab>("second");
        QTest::addColumn<double>("expected");
        QTest::newRow("same colour") << Lab{45.6, 12.34, 5.67} << Lab{45.6, 12.34, 5.67} << 0.0;
        QTest::newRow("black to white") << Lab{0, 0, 0} << Lab{100, 0, 0} << 100.0;
        QTest::newRow("3-4-5 in a* and b*") << Lab{50, 0, 0} << Lab{50, 3, 4} << 5.0;
        // 3^2 + 4^2 + 12^2 = 169
        QTest::newRow("all three axes") << Lab{50, 2, -1} << Lab{47, -2, 11} << 13.0;
        // 2^2 + 1^2 + 2^2 = 9: just at the threshold of a visible difference
        QTest::newRow("threshold") << Lab{60, 20, 30} << Lab{62, 21, 28} << 3.0;
    }

    void cie76()
    {
        QFETCH(Lab, first);
        QFETCH(Lab, second);
        QFETCH(double, expected);
        QCOMPARE(vexa::deltaE76(first, second), expected);
        QCOMPARE(vexa::deltaE76(second, first), expected);
    }

    void ciede2000_data()
    {
        QTest::addColumn<Lab>("first");
        QTest::addColumn<Lab>("second");
        QTest::addColumn<QString>("expected"); // four decimals, as published
        const auto add = [](int pair, Lab first, Lab second, const char* expected) {
            QTest::addRow("pair %d", pair) << first << second << QString::fromLatin1(expected);
        };
        add(1, {50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, "2.0425");
        add(2, {50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, "2.8615");
        add(3, {50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, "3.4412");
        add(4, {50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, "1.0000");
        add(5, {50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, "1.0000");
        add(6, {50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, "1.0000");
        add(7, {50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, "2.3669");
        add(8, {50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, "2.3669");
        add(9, {50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, "7.1792");
        add(10, {50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, "7.1792");
        add(11, {50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, "7.2195");
        add(12, {50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, "7.2195");
        add(13, {50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, "4.8045");
        add(14, {50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, "4.8045");
        add(15, {50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, "4.7461");
        add(16, {50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, "4.3065");
        add(17, {50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, "27.1492");
        add(18, {50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, "22.8977");
        add(19, {50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, "31.9030");
        add(20, {50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, "19.4535");
        add(21, {50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, "1.0000");
        add(22, {50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, "1.0000");
        add(23, {50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, "1.0000");
        add(24, {50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, "1.0000");
        add(25, {60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, "1.2644");
        add(26, {63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, "1.2630");
        add(27, {61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, "1.8731");
        add(28, {35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, "1.8645");
        add(29, {22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, "2.0373");
        add(30, {36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, "1.4146");
        add(31, {90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, "1.4441");
        add(32, {90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, "1.5381");
        add(33, {6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, "0.6377");
        add(34, {2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, "0.9082");
    }

    // Every pair in both orders: the formula is symmetric.
    void ciede2000()
    {
        QFETCH(Lab, first);
        QFETCH(Lab, second);
        QFETCH(QString, expected);
        QCOMPARE(QString::number(vexa::deltaE2000(first, second), 'f', 4), expected);
        QCOMPARE(QString::number(vexa::deltaE2000(second, first), 'f', 4), expected);
    }

    void ciede2000OfTheSameColourIsZero() { QCOMPARE(vexa::deltaE2000({67.3, 22.99, 7.9}, {67.3, 22.99, 7.9}), 0.0); }
};

QTEST_APPLESS_MAIN(ColourDifferenceTest)
#include "tst_colour_difference.moc"
