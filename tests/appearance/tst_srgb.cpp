// The sRGB colour of a CIELAB (D65) sample: neutrals stay neutral, the
// D65 white is the screen's white, the sRGB primaries come back as
// themselves (which holds only if the D65 white is adapted properly to the
// colour management's D50), and colours beyond the gamut are clipped and
// reported.

#include <QtTest>

#include <limits>

#include "appearance/srgb.h"

using vexa::Lab;
using vexa::SrgbColour;

Q_DECLARE_METATYPE(Lab)

namespace {

QString hex(const SrgbColour& colour) { return QString::fromStdString(vexa::hexColour(colour)); }

} // namespace

class SrgbTest : public QObject {
    Q_OBJECT

private slots:
    void neutralGreysHaveEqualChannels()
    {
        int previous = -1;
        for (int lightness = 0; lightness <= 100; lightness += 5) {
            const SrgbColour grey = vexa::labToSrgb({double(lightness), 0, 0});
            QVERIFY2(grey.red == grey.green && grey.green == grey.blue, qPrintable(hex(grey)));
            QVERIFY(grey.inGamut);
            QVERIFY2(grey.red > previous, "lighter greys are brighter");
            previous = grey.red;
        }
        QCOMPARE(hex(vexa::labToSrgb({0, 0, 0})), QStringLiteral("#000000"));
        // sRGB's own formula: Y = 0.1842 at L* 50 gives 118.9
        QCOMPARE(hex(vexa::labToSrgb({50, 0, 0})), QStringLiteral("#777777"));
        QCOMPARE(hex(vexa::labToSrgb({100, 0, 0})), QStringLiteral("#FFFFFF"));
    }

    // CIELAB (D65) of the sRGB primaries and secondaries.
    void primariesAndSecondaries_data()
    {
        QTest::addColumn<Lab>("lab");
        QTest::addColumn<QString>("expected");
        QTest::newRow("red") << Lab{53.2408, 80.0925, 67.2032} << "#FF0000";
        QTest::newRow("green") << Lab{87.7347, -86.1827, 83.1793} << "#00FF00";
        QTest::newRow("blue") << Lab{32.2970, 79.1875, -107.8602} << "#0000FF";
        QTest::newRow("yellow") << Lab{97.1393, -21.5537, 94.4780} << "#FFFF00";
        QTest::newRow("cyan") << Lab{91.1132, -48.0875, -14.1312} << "#00FFFF";
        QTest::newRow("magenta") << Lab{60.3242, 98.2343, -60.8249} << "#FF00FF";
    }

    void primariesAndSecondaries()
    {
        QFETCH(Lab, lab);
        QFETCH(QString, expected);
        const SrgbColour colour = vexa::labToSrgb(lab);
        QCOMPARE(hex(colour), expected);
        QVERIFY2(colour.inGamut, "a primary lies on the gamut's edge, not beyond it");
    }

    void redWineIsDarkRed()
    {
        // A deep young red wine.
        const SrgbColour wine = vexa::labToSrgb({25, 45, 25});
        QCOMPARE(hex(wine), QStringLiteral("#7A0A18"));
        QVERIFY(wine.inGamut);
    }

    void outsideTheGamut_data()
    {
        QTest::addColumn<Lab>("lab");
        QTest::addColumn<QString>("clipped");
        QTest::newRow("saturated blue-green") << Lab{50, -100, 0} << "#009775";
        QTest::newRow("saturated red") << Lab{60, 120, 80} << "#FF0000";
        QTest::newRow("whiter than white") << Lab{100.5, 0, 0} << "#FFFFFF";
        QTest::newRow("negative lightness") << Lab{-5, 0, 0} << "#000000";
        QTest::newRow("not a number") << Lab{std::numeric_limits<double>::quiet_NaN(), 0, 0} << "#000000";
        QTest::newRow("infinite") << Lab{50, std::numeric_limits<double>::infinity(), 0} << "#000000";
        QTest::newRow("far beyond any colour") << Lab{1e300, 1e300, -1e300} << "#000000";
    }

    void outsideTheGamut()
    {
        QFETCH(Lab, lab);
        QFETCH(QString, clipped);
        const SrgbColour colour = vexa::labToSrgb(lab);
        QVERIFY(!colour.inGamut);
        QCOMPARE(hex(colour), clipped);
    }

    void hexColourPadsEachChannel()
    {
        QCOMPARE(hex(SrgbColour{0x0A, 0xB0, 0x05, true}), QStringLiteral("#0AB005"));
    }
};

QTEST_APPLESS_MAIN(SrgbTest)
#include "tst_srgb.moc"
