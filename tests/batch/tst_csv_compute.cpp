#include "appearance/colour_difference.h"
#include "batch/commands.h"
#include "batch/results_csv.h"
#include "batch/sample_rows.h"

#include <QtTest>

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace vexa;

namespace {

const std::string kHeader = "name,pathlength_mm,wine,A450,A520,A570,A630\n";
const std::string kResultsHeader = "name,X,Y,Z,L*,C*,h,a*,b*\n";
// The worked example (red, 2 mm; 0.5, 0.6, 0.4, 0.2) as the grid shows it.
const std::string kWorked = "42.292,37.023,33.550,67.3,24.31,18.96,22.99,7.90";

// The results CSV for `input`, or "error: " and the message of the fault
// that stopped the run.
std::string compute(const std::string& input, const ComputeOptions& options = {})
{
    std::istringstream in(input);
    std::ostringstream out;
    try {
        computeToCsv(in, out, options);
    } catch (const std::exception& e) {
        return std::string("error: ") + e.what();
    }
    return out.str();
}

} // namespace

class TestCsvCompute : public QObject {
    Q_OBJECT
private slots:
    void files_data();
    void files();
    void keepGoingWritesEveryRow();
    void fullPrecision();
    void wineTypes();
    void referenceAndSwatch();
};

void TestCsvCompute::files_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char* name, const std::string& input, const std::string& expected) {
        QTest::newRow(name) << QByteArray::fromStdString(input) << QByteArray::fromStdString(expected);
    };

    const std::string worked = "2,red,0.5,0.6,0.4,0.2";
    row("plain", kHeader + "Crianza," + worked + "\n", kResultsHeader + "Crianza," + kWorked + "\n");
    row("quoted name with delimiter, quotes and a line break",
        kHeader + "\"Rioja, \"\"Gran\"\"\r\nReserva\"," + worked + "\n",
        kResultsHeader + "\"Rioja, \"\"Gran\"\"\r\nReserva\"," + kWorked + "\n");
    row("byte order mark and CR LF, kept in the output",
        "\xEF\xBB\xBFname,pathlength_mm,wine,A450,A520,A570,A630\r\nCrianza," + worked + "\r\n",
        "\xEF\xBB\xBFname,X,Y,Z,L*,C*,h,a*,b*\r\nCrianza," + kWorked + "\r\n");
    row("semicolons with decimal commas, both ways",
        std::string("name;pathlength_mm;wine;A450;A520;A570;A630\nCrianza;2;red;0,5;0,6;0,4;0,2\n"),
        std::string("name;X;Y;Z;L*;C*;h;a*;b*\nCrianza;42,292;37,023;33,550;67,3;24,31;18,96;22,99;7,90\n"));
    row("semicolon file with a quoted name holding commas",
        std::string("name;pathlength_mm;wine;A450;A520;A570;A630\n\"Rioja; 2019\";2;red;0,5;0,6;0,4;0,2\n"),
        std::string("name;X;Y;Z;L*;C*;h;a*;b*\n\"Rioja; 2019\";42,292;37,023;33,550;67,3;24,31;18,96;22,99;7,90\n"));
    row("any order and case, extra columns ignored",
        std::string("A630, Wine ,note,A450,NAME,A570,Pathlength_MM,a520\n0.2,Red,x,0.5,Crianza,0.4,2,0.6\n"),
        kResultsHeader + "Crianza," + kWorked + "\n");
    row("no name column", std::string("pathlength_mm,wine,A450,A520,A570,A630\n") + worked + "\n",
        kResultsHeader + "," + kWorked + "\n");
    row("empty lines and rows of empty fields skipped, last line without end",
        "\n" + kHeader + "\n,,,,,,\r\nCrianza," + worked, kResultsHeader + "Crianza," + kWorked + "\n");
    row("a name longer than the read buffer", kHeader + "\"" + std::string(70000, 'x') + "\n\"," + worked + "\n",
        kResultsHeader + "\"" + std::string(70000, 'x') + "\n\"," + kWorked + "\n");
    row("header only", kHeader, kResultsHeader);

    // Faults name the line (counting blank lines and line breaks inside
    // quotes), the column and the text, in the window's words.
    row("missing column", std::string("name,pathlength_mm,wine,A450,A570,A630\n"),
        std::string("error: the header has no column A520"));
    row("repeated column", std::string("name,pathlength_mm,wine,A450,A520,A570,A630,a520\n"),
        std::string("error: the header names the column A520 twice"));
    row("too few fields", kHeader + "Crianza,2,red,0.5,0.6,0.4\n",
        std::string("error: line 2: 6 fields where the header has 7"));
    row("decimal comma in a comma file, after a two-line name and a blank line",
        kHeader + "\"two\nlines\"," + worked + "\n\nBad,2,red,0.5,\"0,6\",0.4,0.2\n",
        std::string("error: line 5, A520: '0,6' is not a valid floating point value"));
    row("decimal point in a semicolon file",
        std::string("name;pathlength_mm;wine;A450;A520;A570;A630\nx;2;red;0,5;0.6;0,4;0,2\n"),
        std::string("error: line 2, A520: '0.6' is not a valid floating point value"));
    row("pathlength not whole", kHeader + "x,2.5,red,0.5,0.6,0.4,0.2\n",
        std::string("error: line 2, pathlength_mm: '2.5' is not a valid integer value"));
    row("trailing space kept and refused", kHeader + "x,2 ,red,0.5,0.6,0.4,0.2\n",
        std::string("error: line 2, pathlength_mm: '2 ' is not a valid integer value"));
    row("empty fields: the pathlength is reported first", kHeader + "x,,red,,0.6,0.4,0.2\n",
        std::string("error: line 2, pathlength_mm: no value"));
    row("empty absorbance before a bad one", kHeader + "x,2,red,abc,,0.4,0.2\n",
        std::string("error: line 2, A520: no value"));
    row("unknown wine", kHeader + "x,2,blue,0.5,0.6,0.4,0.2\n",
        std::string("error: line 2, wine: 'blue' is not a wine type (red, rose, white or brandy)"));
    row("pathlength 0", kHeader + "x,0,red,0.5,0.6,0.4,0.2\n",
        std::string("error: line 2: Floating point division by zero"));
    row("pathlength 0, absorbance 0", kHeader + "x,0,red,0,0.6,0.4,0.2\n",
        std::string("error: line 2: Invalid floating point operation"));
    row("overflow", kHeader + "x,2,red,-40,0.6,0.4,0.2\n", std::string("error: line 2: Floating point overflow"));
    row("unclosed quote", kHeader + "\"x,2,red,0.5,0.6,0.4,0.2\n",
        std::string("error: line 2: a quoted field has no closing quote"));
    row("stray quote", kHeader + "x\"y,2,red,0.5,0.6,0.4,0.2\n",
        std::string("error: line 2: a quote stands where a field cannot have one"));
    row("empty file", std::string("\r\n\n"), std::string("error: the file is empty: a header line is needed"));
}

void TestCsvCompute::files()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(compute(input.toStdString())), expected);
}

void TestCsvCompute::keepGoingWritesEveryRow()
{
    const std::string input = kHeader
                              + "A,2,red,0.5,0.6,0.4,0.2\n"
                                "B,2,red,0.5,\"0,6\",0.4,0.2\n"
                                "C,0,red,0.5,0.6,0.4,0.2\n"
                                "D,2,red,0.5,0.6\n"
                                "E,2,red,0.5,0.6,0.4,0.2\n";
    std::istringstream in(input);
    std::ostringstream out;
    QStringList reported;
    ComputeOptions options;
    options.keepGoing = true;
    const RunSummary summary =
        computeToCsv(in, out, options, [&](const RowError& e) { reported << QString::fromStdString(e.what()); });

    QCOMPARE(summary.samples, 2L);
    QCOMPARE(summary.failures, 3L);
    QCOMPARE(QByteArray::fromStdString(out.str()),
             QByteArray::fromStdString("name,X,Y,Z,L*,C*,h,a*,b*,error\n"
                                       "A,"
                                       + kWorked
                                       + ",\n"
                                         "B,,,,,,,,,\"A520: '0,6' is not a valid floating point value.\"\n"
                                         "C,,,,,,,,,Floating point division by zero.\n"
                                         "D,,,,,,,,,5 fields where the header has 7.\n"
                                         "E,"
                                       + kWorked + ",\n"));
    QCOMPARE(reported,
             QStringList({"line 3, A520: '0,6' is not a valid floating point value",
                          "line 4: Floating point division by zero", "line 5: 5 fields where the header has 7"}));
}

void TestCsvCompute::fullPrecision()
{
    ComputeOptions options;
    options.fullPrecision = true;
    const ColourCoordinates c = computeColourCoordinates({0.5, 0.6, 0.4, 0.2}, 2, 2);
    const auto values = resultValues(c);

    for (const char delimiter : {',', ';'}) {
        std::string input = kHeader + "Crianza,2,red,0.5,0.6,0.4,0.2\n";
        if (delimiter == ';') {
            input = "name;pathlength_mm;wine;A450;A520;A570;A630\nCrianza;2;red;0,5;0,6;0,4;0,2\n";
        }
        const std::string output = compute(input, options);
        const std::string row = output.substr(output.find('\n') + 1);
        std::vector<std::string> fields;
        std::istringstream split(row.substr(0, row.size() - 1));
        for (std::string f; std::getline(split, f, delimiter);)
            fields.push_back(f);
        QCOMPARE(fields.size(), 9u);
        QCOMPARE(fields[0], "Crianza");
        for (int i = 0; i < kValueColumnCount; ++i) {
            std::string text = fields[i + 1];
            if (delimiter == ';') {
                QVERIFY(text.find('.') == std::string::npos);
                std::replace(text.begin(), text.end(), ',', '.');
            }
            double back = 0;
            std::from_chars(text.data(), text.data() + text.size(), back);
            QCOMPARE(back, values[i]); // the same double, bit for bit
        }
    }
    QCOMPARE(fullPrecisionText(c.X).size(), std::string("42.292092000000004").size());
}

void TestCsvCompute::wineTypes()
{
    const std::pair<const char*, std::optional<WineType>> cases[] = {
        {"red", WineType::RedRose},
        {"Rose", WineType::RedRose},
        {"ROSÉ", WineType::RedRose},
        {"rosé", WineType::RedRose},
        {"Red, Rosé", WineType::RedRose},
        {" white ", WineType::WhiteBrandy},
        {"Brandy", WineType::WhiteBrandy},
        {"White, Brandy", WineType::WhiteBrandy},
        {"", std::nullopt},
        {"red wine", std::nullopt},
        {"blanco", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        QVERIFY2(readWineType(text) == expected, text);
}

void TestCsvCompute::referenceAndSwatch()
{
    ComputeOptions options;
    options.reference = "Ref";
    options.swatch = true;
    options.keepGoing = true;
    // The reference stands after the rows that need it; a bad row keeps its
    // difference and swatch fields empty.
    const std::string semicolons = "name;pathlength_mm;wine;A450;A520;A570;A630\n"
                                   "Same;2;red;0,5;0,6;0,4;0,2\n"
                                   "Bad;0;red;0,5;0,6;0,4;0,2\n"
                                   "Ref;2;red;0,5;0,6;0,4;0,2\n";
    QCOMPARE(compute(semicolons, options), "name;X;Y;Z;L*;C*;h;a*;b*;dE76;dE00;swatch;error\n"
                                           "Same;42,292;37,023;33,550;67,3;24,31;18,96;22,99;7,90;0,0;0,0;#D19497;\n"
                                           "Bad;;;;;;;;;;;;Floating point division by zero.\n"
                                           "Ref;42,292;37,023;33,550;67,3;24,31;18,96;22,99;7,90;0,0;0,0;#D19497;\n");

    options = {};
    options.reference = "Nope";
    QCOMPARE(compute(kHeader + "Crianza,2,red,0.5,0.6,0.4,0.2\n", options),
             std::string("error: no sample is named 'Nope' (--reference)"));
    QCOMPARE(compute("pathlength_mm,wine,A450,A520,A570,A630\n2,red,0.5,0.6,0.4,0.2\n", options),
             std::string("error: --reference names a sample, but the file has no name column"));
    options.reference = "Bad";
    QCOMPARE(compute(kHeader + "Bad,2,red,0.5,0.6,x,0.2\n", options),
             std::string("error: line 2, A570: 'x' is not a valid floating point value"));

    // At full precision the differences come from the computed values.
    options.reference = "A";
    options.fullPrecision = true;
    const std::string full = compute(kHeader + "A,2,red,0.5,0.6,0.4,0.2\nB,2,red,0.5,0.6,0.4,0.25\n", options);
    const std::string lastRow = full.substr(full.rfind('\n', full.size() - 2) + 1);
    const ColourCoordinates a = computeColourCoordinates({0.5, 0.6, 0.4, 0.2}, 2, 2);
    const ColourCoordinates b = computeColourCoordinates({0.5, 0.6, 0.4, 0.25}, 2, 2);
    std::vector<std::string> fields;
    std::istringstream split(lastRow.substr(0, lastRow.size() - 1));
    for (std::string f; std::getline(split, f, ',');)
        fields.push_back(f);
    QCOMPARE(fields.size(), 11u);
    double shown = 0;
    std::from_chars(fields[9].data(), fields[9].data() + fields[9].size(), shown);
    QCOMPARE(shown, deltaE76({b.L, b.a, b.b}, {a.L, a.a, a.b}));
}

QTEST_APPLESS_MAIN(TestCsvCompute)
#include "tst_csv_compute.moc"
