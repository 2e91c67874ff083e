#include <QtTest>

#include <clocale>

#include "numbers/number_reading.h"

using vexa::ConversionError;

namespace {

QString errorOf(auto&& read)
{
    try {
        read();
    } catch (const ConversionError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

} // namespace

class NumberReadingTest : public QObject {
    Q_OBJECT

    // Checks one row of a (text, separator, valid, value) table against a reader.
    static void verifyRealReading(double (*read)(std::string_view, char32_t))
    {
        QFETCH(QString, text);
        QFETCH(uint, separator);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const std::string s = text.toStdString();
        if (valid) {
            QCOMPARE(read(s, char32_t(separator)), value);
        } else {
            QCOMPARE(errorOf([&] { read(s, char32_t(separator)); }),
                     QString("'%1' is not a valid floating point value").arg(text));
        }
    }

private slots:
    void integers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "2" << true << 2;
        QTest::newRow("leading spaces") << "   10" << true << 10;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("minus") << "-2" << true << -2;
        QTest::newRow("leading zeros") << "0010" << true << 10;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483647" << true << -2147483647;
        QTest::newRow("hex") << "$FF" << true << 255;
        QTest::newRow("hex lower case after spaces") << "  $ff" << true << 255;
        QTest::newRow("hex two's complement") << "$FFFFFFFF" << true << -1;
        QTest::newRow("hex smallest") << "$80000000" << true << int(0x80000000u);
        QTest::newRow("below the range") << "-2147483648" << false << 0;
        QTest::newRow("above the range") << "2147483648" << false << 0;
        QTest::newRow("hex beyond 32 bits") << "$100000000" << false << 0;
        QTest::newRow("decimal point") << "2.0" << false << 0;
        QTest::newRow("trailing space") << "2 " << false << 0;
        QTest::newRow("space after sign") << "- 2" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("dollar only") << "$" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("spaces only") << "   " << false << 0;
        QTest::newRow("letters") << "12a" << false << 0;
        QTest::newRow("sign before hex") << "-$FF" << false << 0;
    }

    void integers()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const std::string s = text.toStdString();
        if (valid) {
            QCOMPARE(vexa::readInteger(s), value);
        } else {
            QCOMPARE(errorOf([&] { vexa::readInteger(s); }),
                     QString("'%1' is not a valid integer value").arg(text));
        }
    }

    void reals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("separator");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        const uint point = '.', comma = ',';
        QTest::newRow("point") << "0.5" << point << true << 0.5;
        QTest::newRow("comma setting") << "0,5" << comma << true << 0.5;
        QTest::newRow("comma under point setting") << "0,5" << point << false << 0.0;
        QTest::newRow("point under comma setting") << "0.5" << comma << false << 0.0;
        QTest::newRow("other separator") << "0\u066B5" << uint(0x066B) << true << 0.5;
        QTest::newRow("spaces both sides") << "  -1.25  " << point << true << -1.25;
        QTest::newRow("plus sign") << "+3" << point << true << 3.0;
        QTest::newRow("exponent") << "1.5E2" << point << true << 150.0;
        QTest::newRow("lower-case exponent with sign") << "25e-1" << point << true << 2.5;
        QTest::newRow("trailing separator") << "5." << point << true << 5.0;
        QTest::newRow("leading separator") << ".5" << point << true << 0.5;
        QTest::newRow("lone separator") << "." << point << true << 0.0;
        QTest::newRow("lone separator with exponent") << ".E3" << point << true << 0.0;
        QTest::newRow("tiny reads as zero") << "1E-400" << point << true << 0.0;
        QTest::newRow("beyond a double") << "1E400" << point << false << 0.0;
        QTest::newRow("beyond a double, spelled out") << "0.001E312" << point << false << 0.0;
        QTest::newRow("exponent without digits") << "1E" << point << false << 0.0;
        QTest::newRow("exponent alone") << "E5" << point << false << 0.0;
        QTest::newRow("two separators") << "1.2.3" << point << false << 0.0;
        QTest::newRow("empty") << "" << point << false << 0.0;
        QTest::newRow("spaces only") << "   " << point << false << 0.0;
        QTest::newRow("inner space") << "1 2" << point << false << 0.0;
        QTest::newRow("inf") << "inf" << point << false << 0.0;
        QTest::newRow("nan") << "nan" << point << false << 0.0;
        QTest::newRow("hex") << "0x10" << point << false << 0.0;
    }

    void reals() { verifyRealReading(vexa::readReal); }

    void cellNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("separator");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        const uint point = '.', comma = ',';
        QTest::newRow("comma under point setting") << "45,6" << point << true << 45.6;
        QTest::newRow("point under point setting") << "45.6" << point << true << 45.6;
        QTest::newRow("comma under comma setting") << "-12,34" << comma << true << -12.34;
        QTest::newRow("point under comma setting") << "12.34" << comma << false << 0.0;
        QTest::newRow("spaces and exponent") << " 1,5e1 " << point << true << 15.0;
        QTest::newRow("empty") << "" << point << false << 0.0;
        QTest::newRow("lone comma") << "," << point << false << 0.0;
        QTest::newRow("two separators") << "1,2.3" << point << false << 0.0;
        QTest::newRow("typed text") << "abc" << point << false << 0.0;
    }

    void cellNumbers() { verifyRealReading(vexa::readCellNumber); }

    // Under a comma locale the C library would read "0,5" and refuse "0.5";
    // the reading must follow the separator it is given, nothing else.
    void independentOfTheCLocale()
    {
        QVERIFY(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"));
        QCOMPARE(vexa::readReal("0.5", U'.'), 0.5);
        QCOMPARE(vexa::readReal("0,5", U','), 0.5);
        std::setlocale(LC_NUMERIC, "C");
    }
};

QTEST_APPLESS_MAIN(NumberReadingTest)
#include "tst_number_reading.moc"
