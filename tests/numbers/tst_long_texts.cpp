// Numbers in texts far longer than anyone types: files, the grid and the
// batch program pass texts of any length to the readers.
#include <QtTest>

#include <cmath>
#include <string>

#include "numbers/number_reading.h"

namespace {

constexpr std::size_t kMillion = 1'000'000;

std::string zeros(std::size_t count)
{
    return std::string(count, '0');
}

bool refused(double (*read)(std::string_view, char32_t), const std::string& text)
{
    try {
        read(text, U'.');
    } catch (const vexa::ConversionError&) {
        return true;
    }
    return false;
}

} // namespace

class LongTextsTest : public QObject {
    Q_OBJECT

    static void addReaders()
    {
        QTest::addColumn<void*>("reader");
        QTest::newRow("readReal") << reinterpret_cast<void*>(&vexa::readReal);
        QTest::newRow("readCellNumber") << reinterpret_cast<void*>(&vexa::readCellNumber);
    }

    static auto reader()
    {
        QFETCH(void*, reader);
        return reinterpret_cast<double (*)(std::string_view, char32_t)>(reader);
    }

private slots:
    // The decimal exponent of the number is the digits' place plus the written
    // exponent, however large each of them is: a million places of zeros can
    // cancel an exponent of a million, and an exponent of a billion outweighs
    // a million places.
    void magnitudeOfLongMantissas_data() { addReaders(); }
    void magnitudeOfLongMantissas()
    {
        const auto read = reader();
        // About 1e998999998: beyond a double.
        QVERIFY(refused(read, "0." + zeros(kMillion) + "1e999999999"));
        QVERIFY(refused(read, "-0." + zeros(kMillion) + "1e999999999"));
        // About 1e-998999999: too small to tell from zero.
        QCOMPARE(read("1" + zeros(kMillion) + "e-999999999", U'.'), 0.0);
        QVERIFY(std::signbit(read("-1" + zeros(kMillion) + "e-999999999", U'.')));
        // Exactly 1 and 1.5, the place and the exponent cancelling.
        QCOMPARE(read("1" + zeros(kMillion) + "e-1000000", U'.'), 1.0);
        QCOMPARE(read("0." + zeros(kMillion) + "15e1000001", U'.'), 1.5);
        // Just past each end of the range.
        QVERIFY(refused(read, "0." + zeros(kMillion) + "1e1000310"));
        QCOMPARE(read("1" + zeros(kMillion) + "e-1000400", U'.'), 0.0);
    }

    // A long exponent whose digits alone would overflow any integer.
    void exponentsLongerThanAnyInteger_data() { addReaders(); }
    void exponentsLongerThanAnyInteger()
    {
        const auto read = reader();
        QVERIFY(refused(read, "1e" + std::string(100, '9')));
        QCOMPARE(read("1e-" + std::string(100, '9'), U'.'), 0.0);
        QCOMPARE(read("0." + zeros(kMillion) + "1e-" + std::string(100, '9'), U'.'), 0.0);
        QCOMPARE(read("2e" + zeros(kMillion) + "1", U'.'), 20.0);
    }
};

QTEST_APPLESS_MAIN(LongTextsTest)
#include "tst_long_texts.moc"
