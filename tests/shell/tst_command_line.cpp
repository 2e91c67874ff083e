// The command line: what each form of it asks for, and that the real program
// answers --help and --version on a terminal without any display.
#include "shell/command_line.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

using namespace vexa;

Q_DECLARE_METATYPE(vexa::CommandLine::Action)

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void actionAndFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QString>("file");

        using A = CommandLine::Action;
        QTest::newRow("nothing") << QStringList{} << A::Run << QString();
        QTest::newRow("a file") << QStringList{"/data/lab 1/June.qrl"} << A::Run << "/data/lab 1/June.qrl";
        QTest::newRow("accented file name") << QStringList{"rosé.qrl"} << A::Run << "rosé.qrl";
        QTest::newRow("file that looks like an option") << QStringList{"--", "-v.qrl"} << A::Run << "-v.qrl";
        QTest::newRow("--help") << QStringList{"--help"} << A::Help << QString();
        QTest::newRow("-h") << QStringList{"-h"} << A::Help << QString();
        QTest::newRow("help wins over a file") << QStringList{"a.qrl", "--help"} << A::Help << QString();
        QTest::newRow("--version") << QStringList{"--version"} << A::Version << QString();
        QTest::newRow("-v") << QStringList{"-v"} << A::Version << QString();
        QTest::newRow("unknown option") << QStringList{"--print"} << A::Error << QString();
        QTest::newRow("two files") << QStringList{"a.qrl", "b.qrl"} << A::Error << QString();
        QTest::newRow("empty file name") << QStringList{""} << A::Error << QString();
        // The application object reads its own options; they are not files.
        QTest::newRow("toolkit options and a file")
            << QStringList{"-platform", "offscreen", "--style=fusion", "-reverse", "a.qrl"} << A::Run << "a.qrl";
        QTest::newRow("toolkit option value is not a file")
            << QStringList{"-style", "fusion"} << A::Run << QString();
    }

    void actionAndFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(QString, file);

        const CommandLine line = parseCommandLine(QStringList{"vexa"} + arguments);
        QCOMPARE(line.action, action);
        QCOMPARE(line.file, file);
        if (action == CommandLine::Action::Error)
            QVERIFY2(line.text.startsWith("vexa: ") && line.text.contains("--help"), qPrintable(line.text));
    }

    // The installed program is started from a terminal or a script, possibly
    // with no display at all.
    void programAnswersWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");

        QTest::newRow("version") << QStringList{"--version"} << 0 << "vexa " VEXA_VERSION "\n" << QString();
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: vexa [OPTION]... [FILE]\n" << QString();
        QTest::newRow("bad option") << QStringList{"--bogus"} << kUsageExitCode << QString() << "vexa: ";
    }

    void programAnswersWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, errors);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        QProcess vexa;
        vexa.setProcessEnvironment(environment);
        vexa.start(QStringLiteral(VEXA_PROGRAM), arguments);
        QVERIFY(vexa.waitForFinished(20000));
        QCOMPARE(vexa.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vexa.exitCode(), exitCode);
        const QString out = QString::fromLocal8Bit(vexa.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(vexa.readAllStandardError());
        QVERIFY2(out.startsWith(output) && (!output.isEmpty() || out.isEmpty()), qPrintable(out));
        QVERIFY2(err.startsWith(errors) && (!errors.isEmpty() || err.isEmpty()), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
