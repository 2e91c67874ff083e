#include <QtTest>

#include "printing/sheet_date_time.h"

using namespace vexa;

class SheetDateTimeTest : public QObject {
    Q_OBJECT

private slots:
    void zoneNameIsTakenOut_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("after the time") << "HH:mm:ss t" << "HH:mm:ss";
        QTest::newRow("after the day period") << "h:mm:ss AP t" << "h:mm:ss AP";
        QTest::newRow("in brackets") << "H:mm:ss (t)" << "H:mm:ss";
        QTest::newRow("in front") << "t HH:mm:ss" << "HH:mm:ss";
        QTest::newRow("quoted letters stay") << "H 'at' mm t" << "H 'at' mm";
        QTest::newRow("no zone") << "HH:mm:ss" << "HH:mm:ss";
    }

    void zoneNameIsTakenOut()
    {
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(timeFormatWithoutZone(format), expected);
    }

    void shortDateSpaceLongTime_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en_US") << "en_US" << QTime(13, 40, 5) << "12/11/26 1:40:05 PM";
        QTest::newRow("de_DE") << "de_DE" << QTime(13, 40, 5) << "11.12.26 13:40:05";
        QTest::newRow("es_ES") << "es_ES" << QTime(9, 5, 0) << "11/12/26 9:05:00";
        QTest::newRow("midnight: date only") << "de_DE" << QTime(0, 0, 0) << "11.12.26";
        QTest::newRow("midnight to the second") << "de_DE" << QTime(0, 0, 0, 700) << "11.12.26";
        QTest::newRow("one second past") << "de_DE" << QTime(0, 0, 1) << "11.12.26 00:00:01";
    }

    void shortDateSpaceLongTime()
    {
        QFETCH(QString, locale);
        QFETCH(QTime, time);
        QFETCH(QString, expected);
        const FixedSheetClock clock(QDateTime(QDate(2026, 12, 11), time), QLocale(locale));
        QCOMPARE(sheetDateTimeText(clock), expected);
    }
};

QTEST_APPLESS_MAIN(SheetDateTimeTest)
#include "tst_sheet_date_time.moc"
