// The program as users run it: exit statuses, what it prints, and the files
// it leaves (or does not leave) behind.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "batch_process.h"

using namespace vexa::test;

namespace {

const QByteArray kHeader = "name,pathlength_mm,wine,A450,A520,A570,A630\n";
const QByteArray kGood = "Crianza,2,red,0.5,0.6,0.4,0.2\n";
const QByteArray kBad = "Bad,2,red,0.5,\"0,6\",0.4,0.2\n";

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void helpAndVersion();
    void computeExampleFile();
    void failedRunLeavesNoFile();
    void keepGoing();
    void chart();
    void referenceNeedsAFile();
};

void TestCli::helpAndVersion()
{
    const Run version = vexaBatch({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out.trimmed(), QByteArray("vexa-batch 1.1"));

    const Run help = vexaBatch({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("compute") && help.out.contains("chart"));
    const Run computeHelp = vexaBatch({"compute", "--help"});
    QCOMPARE(computeHelp.status, 0);
    QVERIFY(computeHelp.out.contains("--keep-going") && computeHelp.out.contains("--full"));

    for (const QStringList& wrong :
         {QStringList{}, QStringList{"compute"}, QStringList{"colour", "x.csv"}, QStringList{"chart", "x.csv"}}) {
        const Run run = vexaBatch(wrong);
        QVERIFY2(run.status == 2, qPrintable(wrong.join(' ')));
        QVERIFY(!run.err.isEmpty());
    }
}

// The example of the README, as printed there.
void TestCli::computeExampleFile()
{
    const Run run = vexaBatch({"compute", QStringLiteral(VEXA_EXAMPLES_DIR "/samples.csv")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.out, QByteArray("name,X,Y,Z,L*,C*,h,a*,b*\n"
                                 "Crianza,42.292,37.023,33.550,67.3,24.31,18.96,22.99,7.90\n"
                                 "Rosado,41.573,56.827,69.128,80.1,35.02,191.60,-34.31,-7.03\n"
                                 "Albariño,85.527,91.126,81.608,96.5,11.51,98.29,-1.66,11.39\n"
                                 "Brandy solera,15.295,12.773,0.576,42.4,67.92,72.55,20.37,64.79\n"));
}

void TestCli::failedRunLeavesNoFile()
{
    QTemporaryDir dir;
    writeFile(dir.filePath("bad.csv"), kHeader + kGood + kBad + kGood);
    writeFile(dir.filePath("old.csv"), "old results\n");

    // A new file is not made, and an existing one is left as it was.
    for (const QString& output : {QStringLiteral("new.csv"), QStringLiteral("old.csv")}) {
        const Run run = vexaBatch({"compute", "bad.csv", "-o", output}, dir.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err,
                 QByteArray("vexa-batch: bad.csv: line 3, A520: '0,6' is not a valid floating point value.\n"));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"bad.csv", "old.csv"}));
    QCOMPARE(readFile(dir.filePath("old.csv")), QByteArray("old results\n"));

    const Run missing = vexaBatch({"compute", "none.csv", "-o", "out.csv"}, dir.path());
    QCOMPARE(missing.status, 2);
    QVERIFY(missing.err.startsWith("vexa-batch: none.csv: cannot read it"));
    QVERIFY(!QFile::exists(dir.filePath("out.csv")));

    // An output that cannot be made is named, not the input.
    writeFile(dir.filePath("good.csv"), kHeader + kGood);
    const Run unwritable = vexaBatch({"compute", "good.csv", "-o", "no/such/dir.csv"}, dir.path());
    QCOMPARE(unwritable.status, 2);
    QCOMPARE(unwritable.err, QByteArray("vexa-batch: cannot write no/such/dir.csv: No such file or directory.\n"));

    // A good run replaces the old file.
    QCOMPARE(vexaBatch({"compute", "good.csv", "-o", "old.csv"}, dir.path()).status, 0);
    QCOMPARE(readFile(dir.filePath("old.csv")),
             QByteArray("name,X,Y,Z,L*,C*,h,a*,b*\nCrianza,42.292,37.023,33.550,67.3,24.31,18.96,22.99,7.90\n"));
}

void TestCli::keepGoing()
{
    QTemporaryDir dir;
    writeFile(dir.filePath("bad.csv"), kHeader + kGood + kBad);
    const Run run = vexaBatch({"compute", "bad.csv", "--keep-going", "-o", "out.csv"}, dir.path());
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, QByteArray("vexa-batch: bad.csv: line 3, A520: '0,6' is not a valid floating point value.\n"));
    QCOMPARE(readFile(dir.filePath("out.csv")),
             QByteArray("name,X,Y,Z,L*,C*,h,a*,b*,error\n"
                        "Crianza,42.292,37.023,33.550,67.3,24.31,18.96,22.99,7.90,\n"
                        "Bad,,,,,,,,,\"A520: '0,6' is not a valid floating point value.\"\n"));
}

void TestCli::chart()
{
    QTemporaryDir dir;
    const Run run =
        vexaBatch({"chart", QStringLiteral(VEXA_EXAMPLES_DIR "/samples.csv"), "-o", "chart.png"}, dir.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(QImage(dir.filePath("chart.png")).size(), QSize(303 + 2 + 35, 305));

    // A chart marks one grid's worth of samples.
    QByteArray many = kHeader;
    for (int i = 0; i < 51; ++i)
        many += kGood;
    writeFile(dir.filePath("many.csv"), many);
    const Run tooMany = vexaBatch({"chart", "many.csv", "-o", "many.png"}, dir.path());
    QCOMPARE(tooMany.status, 2);
    QVERIFY(tooMany.err.contains("at most 50"));
    QVERIFY(!QFile::exists(dir.filePath("many.png")));
}

// The reference is looked for before the rows are written: the samples are
// read twice, which standard input cannot be.
void TestCli::referenceNeedsAFile()
{
    QProcess process;
    process.start(QStringLiteral(VEXA_BATCH_PROGRAM), {"compute", "-", "--reference", "Crianza"});
    process.write(kHeader + kGood);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().contains("give a file, not standard input"));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
