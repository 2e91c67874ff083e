// A results file named on the command line: opened once the program is up,
// with the very outcome of File > Open choosing the same file, failures
// included; without a name nothing happens.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "resultsfile/results_file.h"
#include "shell/application.h"
#include "shell_fixture.h"

using namespace vexa;
using vexa::test::Shell;

namespace {

// Two samples whose every cell names its place, "c<column>r<row>".
QByteArray twoSamples()
{
    ResultsTable table(3);
    for (int c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r < 3; ++r)
            table.setCell(c, r, "c" + std::to_string(c) + "r" + std::to_string(r));
    return QByteArray::fromStdString(encodeResultsFile(table));
}

// What an open leaves behind in the main window.
struct Outcome {
    explicit Outcome(Shell& shell)
        : numFila(shell.form1.NumFila), rowCount(shell.form1.Resultados1->rowCountShown()),
          caption(shell.form1.windowTitle()), errors(shell.dialogs.errors)
    {
        for (int r = 0; r <= 14; ++r)
            for (int c = 0; c <= 9; ++c)
                cells << shell.form1.Resultados1->cell(c, r);
    }
    bool operator==(const Outcome&) const = default;

    int numFila, rowCount;
    QString caption;
    QStringList errors, cells;
};

} // namespace

class StartupFileTest : public QObject {
    Q_OBJECT

private slots:
    void opensAsFileOpenDoes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("numFila");
        QTest::addColumn<QString>("error");
        QTest::newRow("two samples") << "Rosados junio.qrl" << twoSamples() << "VEXA - Rosados junio.qrl" << 3
                                     << QString();
        QTest::newRow("missing") << "missing.qrl" << QByteArray() << "VEXA - Coordinates" << 1 << "File not found.";
        QTest::newRow("not a results file") << "unix.qrl" << QByteArray("a\nb\nc\nd\ne\nf\ng\nh\ni\n")
                                            << "VEXA - Coordinates" << 1
                                            << "%1 is not a results file: 1 line, at least 8.";
    }

    void opensAsFileOpenDoes()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, caption);
        QFETCH(int, numFila);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }

        Shell started;
        openStartupFile(started.form1, started.dialogs, path);
        const Outcome atStartup(started);
        QCOMPARE(atStartup.caption, caption);
        QCOMPARE(atStartup.numFila, numFila);
        QCOMPARE(atStartup.errors, error.isEmpty() ? QStringList() : QStringList{error.contains("%1") ? error.arg(path) : error});
        if (numFila == 3)
            QCOMPARE(started.row(2), (QStringList{"c1r2", "c2r2", "c3r2", "c4r2", "c5r2", "c6r2", "c7r2", "c8r2",
                                                  "c9r2"}));
        else
            QCOMPARE(started.row(1), QStringList(9, QString()));
        QVERIFY(started.dialogs.fileDialogs.isEmpty()); // no dialog asks for the file again

        Shell byMenu;
        byMenu.dialogs.fileAnswers << QStringList{path};
        byMenu.form1.Abrir1->trigger();
        QVERIFY(Outcome(byMenu) == atStartup);
    }

    // Without a file the window stays as start-up leaves it: no dialog, no box.
    void noFileChangesNothing()
    {
        Shell shell;
        const Outcome before(shell);
        openStartupFile(shell.form1, shell.dialogs, QString());
        QVERIFY(Outcome(shell) == before);
        QCOMPARE(shell.form1.windowTitle(), QString("VEXA - Coordinates"));
        QVERIFY(shell.dialogs.fileDialogs.isEmpty());
        QVERIFY(shell.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(StartupFileTest)
#include "tst_startup_file.moc"
