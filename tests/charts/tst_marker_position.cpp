#include "charts/marker_position.h"
#include "colour/arithmetic_error.h"
#include "common/checked_int.h"

#include <QtTest>

#include <cmath>
#include <exception>
#include <limits>
#include <string>

using namespace vexa;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Runs f and returns the kind and text of the error it raises, or "" if none.
template <typename F>
QString errorText(F f)
{
    try {
        f();
    } catch (const ArithmeticError& e) {
        return QStringLiteral("ArithmeticError: ") + QString::fromStdString(e.what());
    } catch (const IntegerOverflow& e) {
        return QStringLiteral("IntegerOverflow: ") + QString::fromStdString(e.what());
    } catch (const std::exception& e) {
        return QStringLiteral("other: ") + QString::fromStdString(e.what());
    }
    return {};
}

} // namespace

class TestMarkerPosition : public QObject {
    Q_OBJECT
private slots:
    void positions_data();
    void positions();
    void failures_data();
    void failures();
};

void TestMarkerPosition::positions_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("lightness");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("abX");
    QTest::addColumn<int>("abY");
    QTest::addColumn<int>("lX");
    QTest::addColumn<int>("lY");

    QTest::newRow("row 9 origin") << 9 << 50.0 << 0.0 << 0.0 << 43 << 250 << 20 << 142;
    QTest::newRow("row 10 origin") << 10 << 50.0 << 0.0 << 0.0 << 40 << 250 << 17 << 142;
    QTest::newRow("row 1 origin") << 1 << 50.0 << 0.0 << 0.0 << 43 << 250 << 20 << 142;
    QTest::newRow("typical sample") << 3 << 45.6 << 12.34 << 5.67 << 86 << 230 << 20 << 154;
    // Exact halves go to the even neighbour.
    QTest::newRow("a* 1: 3.5 -> 4") << 2 << 50.0 << 1.0 << 0.0 << 47 << 250 << 20 << 142;
    QTest::newRow("a* 3: 10.5 -> 10") << 2 << 50.0 << 3.0 << 0.0 << 53 << 250 << 20 << 142;
    QTest::newRow("a* -1: -3.5 -> -4") << 2 << 50.0 << -1.0 << 0.0 << 39 << 250 << 20 << 142;
    QTest::newRow("b* -1: -3.5 -> -4") << 2 << 50.0 << 0.0 << -1.0 << 43 << 254 << 20 << 142;
    QTest::newRow("L* 1.25: 12.5 -> 12") << 2 << 1.25 << 0.0 << 0.0 << 43 << 250 << 20 << 279;
    QTest::newRow("L* 3.75: 19.5 -> 20") << 2 << 3.75 << 0.0 << 0.0 << 43 << 250 << 20 << 271;
    // 2.8 x 83.75 + 9 is exactly 243.5; in double arithmetic it falls just
    // below the half and would round to 243.
    QTest::newRow("L* 83.75: 243.5 -> 244") << 2 << 83.75 << 0.0 << 0.0 << 43 << 250 << 20 << 47;
    QTest::newRow("L* 100") << 2 << 100.0 << 0.0 << 0.0 << 43 << 250 << 20 << 2;
    QTest::newRow("L* 0") << 2 << 0.0 << 0.0 << 0.0 << 43 << 250 << 20 << 282;
    QTest::newRow("a* 0.996 rounds down") << 2 << 50.0 << 0.996 << 0.0 << 46 << 250 << 20 << 142;
    QTest::newRow("a* 80 row 5") << 5 << 50.0 << 80.0 << 0.0 << 323 << 250 << 20 << 142;
    QTest::newRow("a* 80 row 12") << 12 << 50.0 << 80.0 << 0.0 << 320 << 250 << 17 << 142;
    // Largest offsets that still fit.
    QTest::newRow("b* at int32 max")
        << 1 << 50.0 << 0.0 << 2147483647 / 3.5 << 43 << 250 - 2147483647 << 20 << 142;
    QTest::newRow("a* at int32 min")
        << 1 << 50.0 << -2147483648.0 / 3.5 << 0.0 << int(-2147483648LL + 43) << 250 << 20 << 142;
}

void TestMarkerPosition::positions()
{
    QFETCH(int, row);
    QFETCH(double, lightness);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, abX);
    QFETCH(int, abY);
    QFETCH(int, lX);
    QFETCH(int, lY);

    const MarkerPosition ab = abMarkerPosition(row, a, b);
    QCOMPARE(ab.x, abX);
    QCOMPARE(ab.y, abY);
    const MarkerPosition l = lMarkerPosition(row, lightness);
    QCOMPARE(l.x, lX);
    QCOMPARE(l.y, lY);
}

void TestMarkerPosition::failures_data()
{
    QTest::addColumn<bool>("abChart");
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("lightness");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<QString>("error");

    const QString invalid = QStringLiteral("ArithmeticError: Invalid floating point operation");
    const QString overflow = QStringLiteral("IntegerOverflow: Integer overflow");

    QTest::newRow("a* beyond 32 bits") << true << 1 << 0.0 << 1e10 << 0.0 << invalid;
    QTest::newRow("a* one past int32 max") << true << 1 << 0.0 << 2147483648.0 / 3.5 << 0.0 << invalid;
    QTest::newRow("a* NaN") << true << 1 << 0.0 << kNaN << 0.0 << invalid;
    QTest::newRow("a* infinite") << true << 1 << 0.0 << -kInf << 0.0 << invalid;
    QTest::newRow("b* NaN") << true << 1 << 0.0 << 0.0 << kNaN << invalid;
    QTest::newRow("x overflows, row 9") << true << 9 << 0.0 << 2147483647 / 3.5 << 0.0 << overflow;
    QTest::newRow("x overflows, row 10") << true << 10 << 0.0 << 2147483647 / 3.5 << 0.0 << overflow;
    QTest::newRow("y overflows") << true << 1 << 0.0 << 0.0 << -2147483648.0 / 3.5 << overflow;
    // y is worked out before x, so its error is the one reported.
    QTest::newRow("y before x") << true << 1 << 0.0 << kNaN << -2147483648.0 / 3.5 << overflow;

    QTest::newRow("L* NaN") << false << 1 << kNaN << 0.0 << 0.0 << invalid;
    QTest::newRow("L* beyond 32 bits") << false << 1 << 1e9 << 0.0 << 0.0 << invalid;
    QTest::newRow("L* y overflows") << false << 1 << (-2147483400.0 - 9) / 2.8 << 0.0 << 0.0
                                    << overflow;
}

void TestMarkerPosition::failures()
{
    QFETCH(bool, abChart);
    QFETCH(int, row);
    QFETCH(double, lightness);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(QString, error);

    if (abChart)
        QCOMPARE(errorText([&] { abMarkerPosition(row, a, b); }), error);
    else
        QCOMPARE(errorText([&] { lMarkerPosition(row, lightness); }), error);
}

QTEST_APPLESS_MAIN(TestMarkerPosition)
#include "tst_marker_position.moc"
