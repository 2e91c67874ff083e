// Short plain decimals ("0.523", "-12") are read by a quicker path than texts
// with spaces, signs, exponents or other separators. A leading space sends a
// text down the general path, so each text must read the same with and
// without one: the same double to the bit, or the same refusal.
#include <QtTest>

#include <cstring>
#include <optional>

#include "numbers/number_reading.h"

namespace {

std::optional<double> tryRead(double (*read)(std::string_view, char32_t), const std::string& text)
{
    try {
        return read(text, U'.');
    } catch (const vexa::ConversionError&) {
        return std::nullopt;
    }
}

} // namespace

class PlainDecimalsTest : public QObject {
    Q_OBJECT

private slots:
    void sameAsTheGeneralPath_data()
    {
        QTest::addColumn<QString>("text");
        const char* texts[] = {
            "0.523", "-0.523", "12", "-0", "0", ".5", "-.5", "5.", "-", ".", "-.", "", "1.2.3", "--1", "1-",
            "0.1000000000000000055511151231257827", // longer than the quick path takes
            "1234567890123456789012345678901.",     // 32 characters, the longest it takes
            "12345678901234567890123456789012.",    // 33
            "0.0000000000000000000000000000001",    // 33
            "-0.000000000000000000000000000001",    // 33
            "0.000000000000000000000000000001",     // 32
            "179769313486231570000000000000000", "9007199254740993", "2.675", "0.30000000000000004",
        };
        for (const char* text : texts)
            QTest::newRow(text) << QString::fromLatin1(text);
    }
    void sameAsTheGeneralPath()
    {
        QFETCH(QString, text);
        const std::string plain = text.toStdString();
        for (auto read : {&vexa::readReal, &vexa::readCellNumber}) {
            const auto quick = tryRead(read, plain);
            const auto general = tryRead(read, " " + plain);
            QCOMPARE(quick.has_value(), general.has_value());
            if (quick)
                QVERIFY(std::memcmp(&*quick, &*general, sizeof(double)) == 0);
        }
    }
};

QTEST_APPLESS_MAIN(PlainDecimalsTest)
#include "tst_plain_decimals.moc"
