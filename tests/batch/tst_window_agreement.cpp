// The program and the window must show the same figures and the same charts
// for the same samples: every case is typed into the real main window and
// run through vexa-batch's commands, and the results compared.
#include "../shell/shell_fixture.h"

#include "batch/chart_picture.h"
#include "batch/commands.h"
#include "charts/chart_backgrounds.h"
#include "charts/chart_image.h"

#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

#include "shell/sample_tooltip.h"

#include <sstream>

using namespace vexa;
using namespace vexa::test;

namespace {

struct Case {
    const char* name;
    const char* pathlength;
    bool red;
    std::array<const char*, 4> absorbances; // with a decimal point
};

// The method's worked example and its further cases, plus a pathlength
// other than the reference one for each wine type.
const Case kCases[] = {
    {"Crianza", "2", true, {"0.5", "0.6", "0.4", "0.2"}},
    {"Joven", "10", false, {"0.120", "0.045", "0.030", "0.020"}},
    {"Solera", "1", false, {"0.35", "0.12", "0.08", "0.05"}},
    {"Rosado", "2", true, {"0.2", "0.1", "0.3", "0.6"}},
    {"Water", "2", true, {"0", "0", "0", "0"}},
    {"Ink", "2", true, {"99", "99", "99", "99"}},
    {"Tinto 5 mm", "5", true, {"1.2", "1.5", "0.9", "0.4"}},
};

QString withSeparator(const char* number, QChar separator)
{
    return QString::fromLatin1(number).replace(QLatin1Char('.'), separator);
}

// The sample file of all cases: with ',' between fields and a decimal point,
// or with ';' and a decimal comma.
std::string sampleFile(char delimiter)
{
    const QChar separator = delimiter == ';' ? QLatin1Char(',') : QLatin1Char('.');
    QStringList lines{QStringLiteral("name,pathlength_mm,wine,A450,A520,A570,A630")};
    for (const Case& c : kCases) {
        QStringList fields{QString::fromLatin1(c.name), QString::fromLatin1(c.pathlength),
                           c.red ? QStringLiteral("red") : QStringLiteral("white")};
        for (const char* a : c.absorbances)
            fields << withSeparator(a, separator);
        lines << fields.join(QLatin1Char(delimiter));
    }
    lines[0].replace(QLatin1Char(','), QLatin1Char(delimiter));
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString();
}

// Types every case into the window, as a user would.
void typeCases(Shell& shell, QChar separator)
{
    for (const Case& c : kCases) {
        (c.red ? shell.form1.RadioButton1 : shell.form1.RadioButton2)->setChecked(true);
        QStringList absorbances;
        for (const char* a : c.absorbances)
            absorbances << withSeparator(a, separator);
        shell.calculate(QString::fromLatin1(c.name), QString::fromLatin1(c.pathlength), absorbances);
    }
}

} // namespace

class TestWindowAgreement : public QObject {
    Q_OBJECT
private slots:
    void computeShowsTheGridsTexts_data();
    void computeShowsTheGridsTexts();
    void chartIsTheWindowsRasters();
    void differencesAndSwatchesAreTheTooltips();
};

void TestWindowAgreement::computeShowsTheGridsTexts_data()
{
    QTest::addColumn<char>("delimiter");
    QTest::newRow("comma file, point setting") << ',';
    QTest::newRow("semicolon file, comma setting") << ';';
}

void TestWindowAgreement::computeShowsTheGridsTexts()
{
    QFETCH(char, delimiter);
    const QChar separator = delimiter == ';' ? QLatin1Char(',') : QLatin1Char('.');
    Shell shell(separator.unicode());
    typeCases(shell, separator);
    QVERIFY(shell.dialogs.errors.isEmpty());

    std::istringstream in(sampleFile(delimiter));
    std::ostringstream out;
    computeToCsv(in, out, {});
    const QStringList lines = QString::fromStdString(out.str()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), int(std::size(kCases)) + 1);
    for (int r = 1; r <= int(std::size(kCases)); ++r) {
        QStringList gridRow = shell.row(r);
        // A semicolon file writes the grid's point as a decimal comma.
        if (delimiter == ';')
            for (int i = 1; i < gridRow.size(); ++i)
                gridRow[i].replace(QLatin1Char('.'), QLatin1Char(','));
        QCOMPARE(lines[r].split(QLatin1Char(delimiter)), gridRow);
    }
    QCOMPARE(shell.row(1).mid(1),
             QStringList({"42.292", "37.023", "33.550", "67.3", "24.31", "18.96", "22.99", "7.90"}));
}

void TestWindowAgreement::chartIsTheWindowsRasters()
{
    Shell shell;
    typeCases(shell, QLatin1Char('.'));

    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("samples.csv"));
    const QString output = dir.filePath(QStringLiteral("chart.png"));
    {
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(sampleFile(',')));
    }
    std::ostringstream errors;
    QCOMPARE(runChart({input.toStdString(), output.toStdString()}, errors), int(kExitSuccess));
    QCOMPARE(errors.str(), std::string());

    const QImage picture(output);
    const QImage& ab = shell.form1.Imagen->raster().image();
    const QImage& l = shell.form1.Image2->raster().image();
    QCOMPARE(picture.size(), QSize(ab.width() + kChartGap + l.width(), std::max(ab.height(), l.height())));
    const QImage format = picture.convertToFormat(ab.format());
    QVERIFY(format.copy(0, 0, ab.width(), ab.height()) == ab);
    QVERIFY(format.copy(ab.width() + kChartGap, 0, l.width(), l.height()) == l);
    // The markers are there: the picture is not just two backgrounds.
    QVERIFY(ab != drawAbChart()->image());
}

// With the first sample's row selected, the tooltip over every other row
// shows its swatch and its differences from the first sample: the columns
// --swatch and --reference add.
void TestWindowAgreement::differencesAndSwatchesAreTheTooltips()
{
    Shell shell;
    typeCases(shell, QLatin1Char('.'));
    StringGrid& grid = *shell.form1.Resultados1;
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.store().index(0, 0)).center());
    QCOMPARE(grid.selectedRow(), 1);
    const auto* tooltip = grid.findChild<SampleTooltip*>();
    QVERIFY(tooltip);

    std::istringstream in(sampleFile(','));
    std::ostringstream out;
    ComputeOptions options;
    options.reference = kCases[0].name;
    options.swatch = true;
    computeToCsv(in, out, options);
    const QStringList lines = QString::fromStdString(out.str()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines[0], QStringLiteral("name,X,Y,Z,L*,C*,h,a*,b*,dE76,dE00,swatch"));

    const QRegularExpression differences(QStringLiteral("\u0394E\\*ab (\\S+) \u00B7 \u0394E00 (\\S+) from sample 1"));
    const QRegularExpression image(QStringLiteral("src=\"data:image/png;base64,([^\"]+)\""));
    for (int r = 2; r <= int(std::size(kCases)); ++r) {
        const QStringList fields = lines[r].split(QLatin1Char(','));
        const QString html = tooltip->toolTip(r);
        QTextDocument document;
        document.setHtml(html);
        const auto shown = differences.match(document.toPlainText());
        QVERIFY2(shown.hasMatch(), qPrintable(document.toPlainText()));
        QCOMPARE(fields[9], shown.captured(1));
        QCOMPARE(fields[10], shown.captured(2));

        const auto png = image.match(html);
        QVERIFY(png.hasMatch());
        const QImage swatch = QImage::fromData(QByteArray::fromBase64(png.captured(1).toLatin1()), "PNG");
        QCOMPARE(fields[11], swatch.pixelColor(swatch.width() / 2, swatch.height() / 2).name().toUpper());
    }
    QCOMPARE(lines[1].split(QLatin1Char(',')).mid(9, 2), QStringList({"0.0", "0.0"}));
}

QTEST_MAIN(TestWindowAgreement)
#include "tst_window_agreement.moc"
