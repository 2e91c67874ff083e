#include <QtTest>

#include <cmath>

#include "colour/colour_coordinates.h"
#include "numbers/result_columns.h"

using vexa::Absorbances;
using vexa::ArithmeticError;
using vexa::ColourCoordinates;
using vexa::computeColourCoordinates;

namespace {

// Equal to ten significant digits.
bool closeTo(double actual, double expected, int digits = 10)
{
    if (expected == 0)
        return std::fabs(actual) < 1e-12;
    const double scale = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - digits + 1);
    return std::fabs(actual - expected) <= 0.5 * scale;
}

QString cellTexts(const ColourCoordinates& c)
{
    QStringList texts;
    for (const std::string& text : vexa::resultCellTexts(c, U'.'))
        texts << QString::fromStdString(text);
    return texts.join(' ');
}

} // namespace

class ColourCoordinatesTest : public QObject {
    Q_OBJECT

private slots:
    void knownSamples_data()
    {
        QTest::addColumn<QList<double>>("absorbances");
        QTest::addColumn<int>("pathlength");
        QTest::addColumn<int>("reference");
        QTest::addColumn<QList<double>>("expected"); // X Y Z L a b C h
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("cells");          // X Y Z L* C* h a* b*

        QTest::newRow("red wine, worked example")
            << QList<double>{0.5, 0.6, 0.4, 0.2} << 2 << 2
            << QList<double>{42.29209200, 37.02309756, 33.55038830, 67.29795568, 22.98909488, 7.898401678,
                             24.30808985, 18.96126942}
            << 10 << "42.292 37.023 33.550 67.3 24.31 18.96 22.99 7.90";
        QTest::newRow("white wine, a* < 0")
            << QList<double>{0.120, 0.045, 0.030, 0.020} << 10 << 10
            << QList<double>{85.52656801, 91.12619471, 81.60767188, 96.46558230, -1.658416909, 11.38527164,
                             11.50542294, 98.28760873}
            << 10 << "85.527 91.126 81.608 96.5 11.51 98.29 -1.66 11.39";
        QTest::newRow("z ratio on the linear branch")
            << QList<double>{0.35, 0.12, 0.08, 0.05} << 1 << 10
            << QList<double>{15.29526505, 12.77260704, 0.5758741728, 42.42220375, 20.37056362, 64.78954133,
                             67.91645256, 72.54626337}
            << 10 << "15.295 12.773 0.576 42.4 67.92 72.55 20.37 64.79";
        QTest::newRow("third quadrant hue")
            << QList<double>{0.2, 0.1, 0.3, 0.6} << 2 << 2
            << QList<double>{41.57320408, 56.82735708, 69.12754928, 80.08599251, -34.30866131, -7.032310997,
                             35.02195938, 191.5835803}
            << 10 << "41.573 56.827 69.128 80.1 35.02 191.60 -34.31 -7.03";
        // a* and b* are differences of nearly equal numbers here: seven digits.
        QTest::newRow("all transmittances 1")
            << QList<double>{0, 0, 0, 0} << 2 << 2
            << QList<double>{94.773, 100.029, 106.946, 100.0148122, -0.1397418, 0.2897634, 0.3216995, 115.7462382}
            << 7 << "94.773 100.030 106.950 100.0 0.32 115.70 -0.14 0.29";
        QTest::newRow("all transmittances 0")
            << QList<double>{99, 99, 99, 99} << 2 << 2
            << QList<double>{-1.841, -1.18, 0.818, -10.65884560, -29.64787849, -30.24118046, 42.35003771,
                             225.5675926}
            << 10 << "-1.841 -1.180 0.818 -10.7 42.35 225.60 -29.65 -30.24";
        QTest::newRow("only the ratio of pathlengths enters")
            << QList<double>{0.5, 0.6, 0.4, 0.2} << 10 << 10
            << QList<double>{42.29209200, 37.02309756, 33.55038830, 67.29795568, 22.98909488, 7.898401678,
                             24.30808985, 18.96126942}
            << 10 << "42.292 37.023 33.550 67.3 24.31 18.96 22.99 7.90";
    }

    void knownSamples()
    {
        QFETCH(QList<double>, absorbances);
        QFETCH(int, pathlength);
        QFETCH(int, reference);
        QFETCH(QList<double>, expected);
        QFETCH(int, digits);
        QFETCH(QString, cells);

        const auto c = computeColourCoordinates({absorbances[0], absorbances[1], absorbances[2], absorbances[3]},
                                                pathlength, reference);
        const double actual[] = {c.X, c.Y, c.Z, c.L, c.a, c.b, c.C, c.h};
        const char* names[] = {"X", "Y", "Z", "L*", "a*", "b*", "C*", "h"};
        for (int i = 0; i < 8; ++i)
            QVERIFY2(closeTo(actual[i], expected[i], digits),
                     qPrintable(QString("%1 = %2, expected %3")
                                    .arg(names[i])
                                    .arg(actual[i], 0, 'g', 12)
                                    .arg(expected[i], 0, 'g', 12)));
        QCOMPARE(cellTexts(c), cells);
    }

    void hueOfEverySignCase_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("h");
        QTest::newRow("a* > 0, b* > 0") << 10.0 << 10.0 << 45.0;
        QTest::newRow("a* > 0, b* = 0") << 10.0 << 0.0 << 0.0;
        QTest::newRow("a* < 0, b* > 0") << -10.0 << 10.0 << 135.0;
        QTest::newRow("a* < 0, b* = 0") << -10.0 << 0.0 << 180.0;
        QTest::newRow("a* < 0, b* < 0") << -10.0 << -10.0 << 225.0;
        QTest::newRow("a* > 0, b* < 0") << 10.0 << -10.0 << 315.0;
        QTest::newRow("a* = 0, b* > 0") << 0.0 << 10.0 << 90.0;
        QTest::newRow("a* = 0, b* = 0") << 0.0 << 0.0 << 90.0;
        QTest::newRow("a* = 0, b* < 0") << 0.0 << -10.0 << 270.0;
        QTest::newRow("just below 360") << 1.0 << -1e-14 << 360.0 - 5.729577951308232e-13;
    }

    void hueOfEverySignCase()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, h);
        QVERIFY2(closeTo(vexa::hueAngle(a, b), h, 12) || (h == 0 && vexa::hueAngle(a, b) == 0),
                 qPrintable(QString::number(vexa::hueAngle(a, b), 'g', 17)));
    }

    // A ratio exactly at 0.008856 takes the straight line, the next double
    // above it the cube root; the two differ visibly.
    void thresholdIsStrict()
    {
        const double r = 0.008856;
        QCOMPARE(vexa::compressedRatio(r), 7.787 * r + 0.1379);
        const double above = std::nextafter(r, 1.0);
        QCOMPARE(vexa::compressedRatio(above), std::exp(std::log(above) * 0.3333333333333333));
        QVERIFY(std::fabs(vexa::compressedRatio(above) - vexa::compressedRatio(r)) > 1e-5);
        QCOMPARE(vexa::compressedRatio(0.0), 0.1379);
        QCOMPARE(vexa::compressedRatio(-0.01), 7.787 * -0.01 + 0.1379);
    }

    void failures_data()
    {
        QTest::addColumn<double>("a450");
        QTest::addColumn<int>("pathlength");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero pathlength") << 0.5 << 0 << "Floating point division by zero";
        QTest::newRow("zero pathlength and zero absorbance") << 0.0 << 0 << "Invalid floating point operation";
        QTest::newRow("strongly negative absorbance") << -40.0 << 2 << "Floating point overflow";
    }

    void failures()
    {
        QFETCH(double, a450);
        QFETCH(int, pathlength);
        QFETCH(QString, message);
        try {
            computeColourCoordinates({a450, 0.2, 0.2, 0.2}, pathlength, 2);
            QFAIL("no failure reported");
        } catch (const ArithmeticError& e) {
            QCOMPARE(QString::fromStdString(e.what()), message);
        }
    }

    void negativePathlengthIsNoFailure()
    {
        const auto c = computeColourCoordinates({0.5, 0.6, 0.4, 0.2}, -2, 2);
        QVERIFY(c.X > 94.773); // transmittances above 1
    }
};

QTEST_APPLESS_MAIN(ColourCoordinatesTest)
#include "tst_colour_coordinates.moc"
