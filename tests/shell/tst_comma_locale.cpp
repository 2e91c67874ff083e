// Runs with the system's number settings of a German laboratory (decimal
// comma). Qt sets the C library's locale from them when the application
// starts; the program's own reading and writing of numbers must not follow it.
#include <QtTest>
#include <clocale>
#include <cstdio>

#include "shell/system_number_settings.h"
#include "shell_fixture.h"

class CommaLocaleTest : public QObject {
    Q_OBJECT

private slots:
    void theEnvironmentIsAGermanOne()
    {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
        QCOMPARE(QString(buffer), QString("0,5")); // the C library writes a comma now
    }

    void systemSettingsGiveTheComma()
    {
        QCOMPARE(vexa::SystemNumberSettings().decimalSeparator(), U',');
    }

    void calculateReadsCommasAndWritesPoints()
    {
        vexa::test::Shell shell(vexa::SystemNumberSettings().decimalSeparator());
        shell.calculate("Crianza", "2", {"0,5", "0,6", "0,4", "0,2"});
        QVERIFY(shell.dialogs.errors.isEmpty());
        QCOMPARE(shell.row(1), (QStringList{"Crianza", "42.292", "37.023", "33.550", "67.3", "24.31", "18.96",
                                            "22.99", "7.90"}));
    }
};

QTEST_MAIN(CommaLocaleTest)
#include "tst_comma_locale.moc"
