// Results files, charts and sheets: what vexa-batch writes must be what the
// window writes, draws and prints for the same samples.
#include "../shell/shell_fixture.h"

#include "batch/commands.h"
#include "batch/results_tables.h"
#include "batch_process.h"
#include "charts/chart_image.h"
#include "resultsfile/results_file.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace vexa;
using namespace vexa::test;

namespace {

const QString kSamples = QStringLiteral(VEXA_EXAMPLES_DIR "/samples.csv");

// The results file of the window's grid as it stands: rows 1 to NumFila of
// columns 1 to 9.
ResultsTable gridTable(const Shell& shell)
{
    ResultsTable table(shell.form1.NumFila);
    for (int column = 1; column <= 9; ++column)
        for (std::int32_t row = 1; row <= shell.form1.NumFila; ++row)
            table.setCell(column, row, shell.form1.Resultados1->cell(column, row).toStdString());
    return table;
}

// Types a sample into the window and presses Enter. The name is entered as
// an input method would, since key clicks cover ASCII only.
void calculate(Shell& shell, const QString& name, const QString& pathlength, const QStringList& absorbances)
{
    shell.form1.NomMuestra->setFocus();
    shell.form1.NomMuestra->clear();
    shell.form1.NomMuestra->insert(name);
    const QList<QLineEdit*> fields{shell.form1.Espesor, shell.form1.PrimLong, shell.form1.SegLong, shell.form1.TercLong,
                                   shell.form1.CuartLong};
    const QStringList texts = QStringList{pathlength} + absorbances;
    for (int i = 0; i < fields.size(); ++i) {
        fields[i]->setFocus();
        fields[i]->clear();
        QTest::keyClicks(fields[i], texts[i]);
    }
    QTest::keyClick(shell.form1.CuartLong, Qt::Key_Return);
}

// The example file's samples, typed into the window.
void typeExampleSamples(Shell& shell)
{
    calculate(shell, "Crianza", "2", {"0.5", "0.6", "0.4", "0.2"});
    calculate(shell, "Rosado", "2", {"0.2", "0.1", "0.3", "0.6"});
    shell.form1.RadioButton2->setChecked(true);
    calculate(shell, "Albariño", "10", {"0.120", "0.045", "0.030", "0.020"});
    calculate(shell, "Brandy solera", "1", {"0.35", "0.12", "0.08", "0.05"});
}

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(30000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// The window's File > Save and File > Open, with the file dialog answered.
void saveFromWindow(Shell& shell, const QString& path)
{
    shell.dialogs.fileAnswers << QStringList{path};
    shell.form1.Guardar1->trigger();
}

void openInWindow(Shell& shell, const QString& path)
{
    shell.dialogs.fileAnswers << QStringList{path};
    shell.form1.Abrir1->trigger();
}

} // namespace

class TestResultsFiles : public QObject {
    Q_OBJECT
private slots:
    void computeWritesTheWindowsFile();
    void resultsFileHoldsOneGrid();
    void convertRoundTrip();
    void markersFromCellTexts_data();
    void markersFromCellTexts();
    void chartOfAResultsFileIsTheSelectedRows();
    void sheetIsOnePageWithTheTexts();
};

void TestResultsFiles::computeWritesTheWindowsFile()
{
    Shell shell;
    typeExampleSamples(shell);
    QTemporaryDir dir;
    saveFromWindow(shell, dir.filePath("window.qrl"));
    QVERIFY(shell.dialogs.errors.isEmpty());

    const Run run = vexaBatch({"compute", kSamples, "-o", "samples.qrl"}, dir.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(readFile(dir.filePath("samples.qrl")), readFile(dir.filePath("window.qrl")));

    // And the window opens it to the same grid.
    const ResultsTable typed = gridTable(shell);
    openInWindow(shell, dir.filePath("samples.qrl"));
    QVERIFY(shell.dialogs.errors.isEmpty());
    QCOMPARE(shell.form1.windowTitle(), QStringLiteral("VEXA - samples.qrl"));
    QVERIFY(gridTable(shell) == typed);
}

void TestResultsFiles::resultsFileHoldsOneGrid()
{
    QTemporaryDir dir;
    QByteArray samples = "name,pathlength_mm,wine,A450,A520,A570,A630\n";
    for (int i = 0; i < 50; ++i)
        samples += "S" + QByteArray::number(i + 1) + ",2,red,0.5,0.6,0.4,0.2\n";
    writeFile(dir.filePath("fifty.csv"), samples);
    writeFile(dir.filePath("more.csv"), samples + "S51,2,red,0.5,0.6,0.4,0.2\n");

    QCOMPARE(vexaBatch({"compute", "fifty.csv", "-o", "fifty.qrl"}, dir.path()).status, 0);
    const ResultsTable fifty = readResultsFile(dir.filePath("fifty.qrl").toStdString());
    QCOMPARE(fifty.numFila(), 51);
    QCOMPARE(fifty.cell(1, 50), std::string("S50"));

    const Run more = vexaBatch({"compute", "more.csv", "-o", "more.qrl"}, dir.path());
    QCOMPARE(more.status, 2);
    QVERIFY(more.err.contains("at most 50") && more.err.contains("-o OUT.csv"));
    QVERIFY(!QFile::exists(dir.filePath("more.qrl")));

    const Run full = vexaBatch({"compute", "fifty.csv", "--full", "-o", "full.qrl"}, dir.path());
    QCOMPARE(full.status, 2);
    QVERIFY(!QFile::exists(dir.filePath("full.qrl")));
}

// A file the window wrote, with a selected row (commas in L* to b*) and an
// accented name, comes back byte for byte; a semicolon CSV from compute
// gives the same file as compute writes directly.
void TestResultsFiles::convertRoundTrip()
{
    Shell shell;
    typeExampleSamples(shell);
    bool canSelect = true;
    shell.form1.Resultados1SelectCell(2, 3, canSelect);
    QCOMPARE(shell.form1.Resultados1->cell(5, 3), QString("96,5"));

    QTemporaryDir dir;
    saveFromWindow(shell, dir.filePath("window.qrl"));
    QCOMPARE(vexaBatch({"convert", "window.qrl", "-o", "window.csv"}, dir.path()).status, 0);
    QCOMPARE(vexaBatch({"convert", "window.csv", "-o", "again.qrl"}, dir.path()).status, 0);
    QCOMPARE(readFile(dir.filePath("again.qrl")), readFile(dir.filePath("window.qrl")));
    QVERIFY(readFile(dir.filePath("window.csv"))
                .startsWith("name,X,Y,Z,L*,C*,h,a*,b*\nCrianza,42.292,37.023,33.550,67.3,24.31,18.96,22.99,7.90\n"));

    QByteArray semicolons = readFile(kSamples).replace(',', ';');
    semicolons.replace("0.", "0,");
    writeFile(dir.filePath("semicolons.csv"), semicolons);
    QCOMPARE(vexaBatch({"compute", "semicolons.csv", "-o", "results.csv"}, dir.path()).status, 0);
    QCOMPARE(vexaBatch({"convert", "results.csv", "-o", "converted.qrl"}, dir.path()).status, 0);
    QCOMPARE(vexaBatch({"compute", kSamples, "-o", "direct.qrl"}, dir.path()).status, 0);
    QCOMPARE(readFile(dir.filePath("converted.qrl")), readFile(dir.filePath("direct.qrl")));

    // Text in the row below the last sample has no place in the CSV: the
    // conversion says so.
    ResultsTable typedBelow = readResultsFile(dir.filePath("window.qrl").toStdString());
    typedBelow.setCell(kNameColumn, typedBelow.numFila(), "note");
    saveResultsFile(dir.filePath("typed.qrl").toStdString(), typedBelow);
    const Run typed = vexaBatch({"convert", "typed.qrl", "-o", "typed.csv"}, dir.path());
    QCOMPARE(typed.status, 0);
    QCOMPARE(typed.err, QByteArray("vexa-batch: typed.qrl: row 5, below the last sample, holds text that the CSV "
                                   "leaves out.\n"));
    QCOMPARE(readFile(dir.filePath("typed.csv")), readFile(dir.filePath("window.csv")));

    // Only the directions that exist.
    const Run wrong = vexaBatch({"convert", "window.qrl", "-o", "other.qrl"}, dir.path());
    QCOMPARE(wrong.status, 2);
    const Run samplesToQrl = vexaBatch({"convert", kSamples, "-o", "samples.qrl"}, dir.path());
    QCOMPARE(samplesToQrl.status, 2);
    QVERIFY(samplesToQrl.err.contains("compute"));
}

void TestResultsFiles::markersFromCellTexts_data()
{
    QTest::addColumn<QStringList>("lab"); // L*, a*, b* texts of row 1
    QTest::addColumn<QString>("expected");
    QTest::newRow("points") << QStringList{"45.6", "12.34", "5.67"} << "1 45.6 12.34 5.67";
    QTest::newRow("commas of a selected row") << QStringList{"45,6", "12,34", "5,67"} << "1 45.6 12.34 5.67";
    QTest::newRow("empty b* is read first")
        << QStringList{"x", "y", ""} << "row 1, b*: '' is not a valid floating point value";
    QTest::newRow("then a*") << QStringList{"x", "1,2,3", "1"}
                             << "row 1, a*: '1,2,3' is not a valid floating point value";
    QTest::newRow("then L*") << QStringList{"L", "1", "1"} << "row 1, L*: 'L' is not a valid floating point value";
}

void TestResultsFiles::markersFromCellTexts()
{
    QFETCH(QStringList, lab);
    QFETCH(QString, expected);
    ResultsTable table(2);
    table.setCell(kLightnessColumn, 1, lab[0].toStdString());
    table.setCell(kAColumn, 1, lab[1].toStdString());
    table.setCell(kBColumn, 1, lab[2].toStdString());
    try {
        const auto markers = markersOf(table);
        QCOMPARE(markers.size(), 1u);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(markers[0].row)
                     .arg(markers[0].lightness)
                     .arg(markers[0].a)
                     .arg(markers[0].b),
                 expected);
    } catch (const RowError& e) {
        QCOMPARE(QString::fromStdString(e.what()), expected);
    }
}

// A results file is marked as the window marks it once every row has been
// selected: from the texts, not from values it no longer has.
void TestResultsFiles::chartOfAResultsFileIsTheSelectedRows()
{
    Shell shell;
    typeExampleSamples(shell);
    QTemporaryDir dir;
    saveFromWindow(shell, dir.filePath("samples.qrl"));
    openInWindow(shell, dir.filePath("samples.qrl"));
    QCOMPARE(shell.form1.NumFila, 5);
    for (int row = 1; row < shell.form1.NumFila; ++row) {
        bool canSelect = true;
        shell.form1.Resultados1SelectCell(2, row, canSelect);
    }

    std::ostringstream errors;
    const std::string png = dir.filePath("chart.png").toStdString();
    QCOMPARE(runChart({dir.filePath("samples.qrl").toStdString(), png}, errors), int(kExitSuccess));
    const QImage picture = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    const QImage& ab = shell.form1.Imagen->raster().image();
    QVERIFY(picture.copy(0, 0, ab.width(), ab.height()) == ab);
    const QImage& l = shell.form1.Image2->raster().image();
    QVERIFY(picture.copy(ab.width() + 2, 0, l.width(), l.height()) == l);
}

void TestResultsFiles::sheetIsOnePageWithTheTexts()
{
    QTemporaryDir dir;
    for (const QString& input : {kSamples, dir.filePath("samples.qrl")}) {
        if (input.endsWith(".qrl"))
            QCOMPARE(vexaBatch({"compute", kSamples, "-o", input}).status, 0);
        const Run run = vexaBatch({"sheet", input, "-o", "sheet.pdf"}, dir.path());
        QCOMPARE(run.status, 0);
        const QString pdf = dir.filePath("sheet.pdf");
        QCOMPARE(pdfPages(pdf), 1);
        const QString text = pdfText(pdf);
        const QString name = QFileInfo(input).fileName();
        QVERIFY2(text.contains("VEXA - " + name), qPrintable(text));
        for (const char* expected : {"Coordinates with illuminant D65 and 10º observer", "Crianza", "Brandy solera",
                                     "Albariño", "42.292", "33.550", "67.3", "191.60", "-34.31", "64.79"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
    const Run wrong = vexaBatch({"sheet", kSamples, "-o", "sheet.png"}, dir.path());
    QCOMPARE(wrong.status, 2);
}

QTEST_MAIN(TestResultsFiles)
#include "tst_results_files.moc"
