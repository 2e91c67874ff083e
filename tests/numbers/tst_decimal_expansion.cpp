// The 18-digit expansion by integer arithmetic must give exactly the digits of
// the conversion through std::to_chars wherever it answers, and leave the rest
// (ties, values outside its range) to that conversion.
#include <QtTest>

#include <cmath>
#include <limits>
#include <random>

#include "numbers/decimal_expansion.h"

using vexa::DecimalExpansion;

namespace {

QString shown(const DecimalExpansion& d)
{
    return QString::fromLatin1(d.digits.data(), vexa::kExpansionDigits) + QStringLiteral(" e") + QString::number(d.exponent);
}

} // namespace

class DecimalExpansionTest : public QObject {
    Q_OBJECT

private slots:
    void agreesWithConversion_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("exact"); // answered by integer arithmetic

        // Exactly halfway between two 18-digit expansions: 123456789013 / 1024
        // is 120563270.5205078125, nineteen digits ending in 5.
        QTest::newRow("tie") << 123456789013.0 / 1024 << false;
        QTest::newRow("another tie") << 987654321011.0 / 1024 << false;
        QTest::newRow("tie above 10^15") << std::nextafter(1e15, 1e300) << false; // 1000000000000000.125
        QTest::newRow("tie's neighbour") << std::nextafter(123456789013.0 / 1024, 0.0) << true;
        // The guess of the decimal exponent may be one short: powers of two
        // and ten and their neighbours.
        for (double v : {1e-4, 1e-3, 0.01, 0.1, 1.0, 10.0, 100.0, 1e16, 1e17}) {
            QTest::addRow("%g", v) << v << true;
            QTest::addRow("%g, below", v) << std::nextafter(v, 0.0) << true;
            QTest::addRow("%g, above", v) << std::nextafter(v, 1e300) << true;
        }
        for (int power : {-13, -1, 0, 1, 52, 53, 59}) {
            QTest::addRow("2^%d", power) << std::ldexp(1.0, power) << true;
            QTest::addRow("2^%d, below", power) << std::nextafter(std::ldexp(1.0, power), 0.0) << true;
        }
        // Digits written in two halves of nine: nines, zeros and carries at
        // the ends of each half.
        for (double v : {999999999.0, 100000000.0, 199999999.0, 123456789.0, 999999999999999.0, 1000000001.0})
            QTest::addRow("%.0f", v) << v << true;
        QTest::newRow("largest below 10^18") << std::nextafter(1e18, 0.0) << true;
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << true;
        QTest::newRow("2.675") << 2.675 << true;
        QTest::newRow("odd 53-bit integer") << 9007199254740991.0 << true;
        // Outside the range of 128-bit arithmetic.
        QTest::newRow("10^18") << 1e18 << false;
        QTest::newRow("huge") << 1e300 << false;
        QTest::newRow("1e-5") << 1e-5 << false;
        QTest::newRow("below 1e-5") << 9.9e-6 << false;
        QTest::newRow("tiny") << 1e-300 << false;
        QTest::newRow("subnormal") << std::numeric_limits<double>::denorm_min() << false;
    }
    void agreesWithConversion()
    {
        QFETCH(double, value);
        QFETCH(bool, exact);
        const DecimalExpansion expected = vexa::expandByConversion(value);
        const auto integer = vexa::expandExactly(value);
        QCOMPARE(integer.has_value(), exact);
        if (integer)
            QCOMPARE(shown(*integer), shown(expected));
        QCOMPARE(shown(vexa::expandDecimal(value)), shown(expected));
    }

    // Random values across the range, in bits and as decimals near halves,
    // where a wrong shift or rounding shows as a different last digit.
    void randomValuesAgreeWithConversion()
    {
        std::mt19937_64 random(20261211);
        std::uniform_real_distribution<double> exponent(-5.0, 18.0);
        int answered = 0;
        for (int i = 0; i < 200000; ++i) {
            double value = std::pow(10.0, exponent(random));
            if (i % 2)
                value = std::round(value * 1e4) / 1e4 + 5e-5; // close to a rounding half
            const auto integer = vexa::expandExactly(value);
            if (!integer)
                continue;
            ++answered;
            const DecimalExpansion expected = vexa::expandByConversion(value);
            if (integer->digits != expected.digits || integer->exponent != expected.exponent)
                QFAIL(qPrintable(QString::asprintf("%a: ", value) + shown(*integer) + " vs " + shown(expected)));
        }
        QVERIFY(answered > 190000);
    }
};

QTEST_APPLESS_MAIN(DecimalExpansionTest)
#include "tst_decimal_expansion.moc"
