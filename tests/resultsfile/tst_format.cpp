// The results file's bytes: how the reader splits and fills, how the writer
// lays out the cells, and the two text encodings.
#include <QtTest>

#include <string>
#include <vector>

#include "resultsfile/results_file.h"

using namespace vexa;

Q_DECLARE_METATYPE(std::string)

namespace {

QByteArray bytesOf(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }
std::string stringOf(const QByteArray& b) { return std::string(b.constData(), static_cast<std::size_t>(b.size())); }

// A file of `count` numbered lines "1", "2", ... joined by CR LF.
std::string numberedLines(int count, bool lastLineEnd = true)
{
    std::string file;
    for (int k = 1; k <= count; ++k) {
        file += std::to_string(k);
        if (k < count || lastLineEnd)
            file += "\r\n";
    }
    return file;
}

// A table whose every cell names its place, "c<column>r<row>".
ResultsTable labelledTable(std::int32_t numFila)
{
    ResultsTable table(numFila);
    for (int c = 1; c <= kFileColumnCount; ++c)
        for (std::int32_t r = 1; r <= numFila; ++r)
            table.setCell(c, r, "c" + std::to_string(c) + "r" + std::to_string(r));
    return table;
}

std::string refusal(const std::string& bytes)
{
    try {
        decodeResultsFile(bytes);
    } catch (const NotAResultsFile& e) {
        return e.what();
    }
    return "accepted";
}

} // namespace

class FormatTest : public QObject {
    Q_OBJECT

private slots:
    void splitsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("empty file") << QByteArray() << QList<QByteArray>{};
        QTest::newRow("one line end") << QByteArray("\r\n") << QList<QByteArray>{""};
        QTest::newRow("no last line end") << QByteArray("a\r\nb") << QList<QByteArray>{"a", "b"};
        QTest::newRow("CR alone ends a line") << QByteArray("a\rb\r") << QList<QByteArray>{"a", "b"};
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\n") << QList<QByteArray>{"a", ""};
        QTest::newRow("LF alone is a character") << QByteArray("a\nb\r\n\n") << QList<QByteArray>{"a\nb", "\n"};
        QTest::newRow("LF after CR LF starts the next line") << QByteArray("a\r\n\nb") << QList<QByteArray>{"a", "\nb"};
        QTest::newRow("Ctrl-Z ends the file") << QByteArray("a\r\nb\x1a\r\nc\r\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("Ctrl-Z first") << QByteArray("\x1a" "a\r\n") << QList<QByteArray>{};
        QTest::newRow("NUL is a character") << QByteArray("a\0b\r\n", 5) << QList<QByteArray>{QByteArray("a\0b", 3)};
    }

    void splitsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QByteArray>, lines);
        const ResultsLines split = splitResultsLines(std::string_view(bytes.constData(), bytes.size()));
        QCOMPARE(split.count, static_cast<std::size_t>(lines.size()));
        for (int k = 0; k < lines.size(); ++k)
            QCOMPARE(QByteArray(split.slot[k + 1].data(), split.slot[k + 1].size()), lines[k]);
        for (std::size_t k = split.count + 1; k <= kLineSlots; ++k)
            QVERIFY(split.slot[k].empty());
    }

    // The store holds 459 lines; the lines beyond it are only counted.
    void storesAtMost459Lines()
    {
        const std::string file = numberedLines(2000);
        const ResultsLines split = splitResultsLines(file);
        QCOMPARE(split.count, std::size_t(2000));
        QCOMPARE(split.slot[kLineSlots], std::string_view("459"));
    }

    // NumFila is (L + 1) div 9, and cell (c, r) is line (c - 1) * NumFila + r,
    // or empty when the file has no such line.
    void fillsCellsFromLines_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<bool>("lastLineEnd");
        QTest::addColumn<int>("numFila");
        QTest::newRow("9 lines, empty grid") << 9 << true << 1;
        QTest::newRow("8 lines, one short") << 8 << true << 1;
        QTest::newRow("27 lines, no last line end") << 27 << false << 3;
        QTest::newRow("9N - 1 lines") << 9 * 14 - 1 << true << 14;
        QTest::newRow("7 extra lines are ignored") << 9 * 3 + 7 << true << 3;
        QTest::newRow("8 extra lines add a row") << 9 * 3 + 8 << true << 4;
        QTest::newRow("117 lines") << 117 << true << 13;
        QTest::newRow("458 lines") << 458 << true << 51;
        QTest::newRow("459 lines, full grid") << 459 << true << 51;
    }

    void fillsCellsFromLines()
    {
        QFETCH(int, lineCount);
        QFETCH(bool, lastLineEnd);
        QFETCH(int, numFila);
        const ResultsTable table = decodeResultsFile(numberedLines(lineCount, lastLineEnd));
        QCOMPARE(table.numFila(), numFila);
        for (int c = 1; c <= kFileColumnCount; ++c) {
            for (int r = 1; r <= numFila; ++r) {
                const int line = (c - 1) * numFila + r;
                QCOMPARE(table.cell(c, r), line <= lineCount ? std::to_string(line) : std::string());
            }
        }
    }

    void refusesTooFewOrTooManyLines_data()
    {
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<std::string>("message");
        QTest::newRow("empty file") << std::string() << std::string("not a results file: 0 lines, at least 8");
        QTest::newRow("7 lines") << numberedLines(7) << std::string("not a results file: 7 lines, at least 8");
        QTest::newRow("LF line ends only") << std::string("a\nb\nc\nd\ne\nf\ng\nh\ni\n")
                                           << std::string("not a results file: 1 line, at least 8");
        QTest::newRow("Ctrl-Z after 5 lines") << numberedLines(5) + "\x1a" + numberedLines(20)
                                              << std::string("not a results file: 5 lines, at least 8");
        QTest::newRow("460 lines") << numberedLines(460) << std::string("not a results file: 460 lines, at most 459");
        QTest::newRow("2000 lines") << numberedLines(2000)
                                    << std::string("not a results file: 2000 lines, at most 459");
    }

    void refusesTooFewOrTooManyLines()
    {
        QFETCH(std::string, bytes);
        QFETCH(std::string, message);
        QCOMPARE(refusal(bytes), message);
    }

    void readsAMegabyteLineWhole()
    {
        const std::string longName(1 << 20, 'x');
        const ResultsTable table = decodeResultsFile(longName + "\r\n" + numberedLines(8));
        QCOMPARE(table.numFila(), 1);
        QCOMPARE(table.cell(1, 1).size(), longName.size());
        QCOMPARE(table.cell(9, 1), std::string("8"));
    }

    // The three edge rows: 12, 13 and 50 samples, and the empty grid.
    void writerAndReaderAgree_data()
    {
        QTest::addColumn<int>("numFila");
        for (int n : {1, 13, 14, 51})
            QTest::addRow("NumFila %d", n) << n;
    }

    void writerAndReaderAgree()
    {
        QFETCH(int, numFila);
        const ResultsTable table = labelledTable(numFila);
        const std::string bytes = encodeResultsFile(table);
        QCOMPARE(splitResultsLines(bytes).count, std::size_t(9 * numFila));
        QVERIFY(bytes.ends_with("c9r" + std::to_string(numFila) + "\r\n"));
        QCOMPARE(decodeResultsFile(bytes), table);
    }

    void writesCellsColumnByColumn()
    {
        // Two samples, the second one selected (commas in L* to b*), and a
        // name typed into the empty row below them.
        ResultsTable table(3);
        const std::vector<std::vector<std::string>> rows = {
            {"Crianza", "42.292", "37.023", "33.550", "67.3", "24.31", "18.96", "22.99", "7.90"},
            {"Blanco", "88.120", "93.001", "95.700", "97,2", "5,10", "95,00", "-0,44", "5,08"},
            {"typed", "", "", "", "", "", "", "", ""},
        };
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 9; ++c)
                table.setCell(c, r, rows[r - 1][c - 1]);
        QCOMPARE(bytesOf(encodeResultsFile(table)),
                 QByteArray("Crianza\r\nBlanco\r\ntyped\r\n"
                            "42.292\r\n88.120\r\n\r\n"
                            "37.023\r\n93.001\r\n\r\n"
                            "33.550\r\n95.700\r\n\r\n"
                            "67.3\r\n97,2\r\n\r\n"
                            "24.31\r\n5,10\r\n\r\n"
                            "18.96\r\n95,00\r\n\r\n"
                            "22.99\r\n-0,44\r\n\r\n"
                            "7.90\r\n5,08\r\n\r\n"));
    }

    void refusesCellsTheFileCannotHold_data()
    {
        QTest::addColumn<std::string>("text");
        QTest::newRow("CR") << std::string("Rosado\r2024");
        QTest::newRow("Ctrl-Z") << std::string("Rosado\x1a");
    }

    void refusesCellsTheFileCannotHold()
    {
        QFETCH(std::string, text);
        ResultsTable table(2);
        table.setCell(1, 2, text);
        QVERIFY_THROWS_EXCEPTION(UnsavableCell, encodeResultsFile(table));
        table.setCell(1, 2, "Rosado\n2024"); // a lone LF reads back as part of the line
        QCOMPARE(decodeResultsFile(encodeResultsFile(table)), table);
    }

    // Results files made on Windows hold Windows-1252 bytes.
    void readsWindows1252AndUtf8_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("Windows-1252") << QByteArray("Ros\xe9") << QString("Rosé");
        QTest::newRow("UTF-8") << QByteArray("Ros\xc3\xa9") << QString("Rosé");
        QTest::newRow("Windows-1252, bytes 80 to 9F") << QByteArray("\x80\x81\x8a\x9f")
                                                      << QString::fromUtf8("€\u0081ŠŸ");
        QTest::newRow("malformed UTF-8 is Windows-1252") << QByteArray("\xc3\xa9\xe9") << QString("Ã©é");
    }

    void readsWindows1252AndUtf8()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, text);
        const ResultsTable table = decodeResultsFile(stringOf(name + QByteArray("\r\n").repeated(9)));
        QCOMPARE(QString::fromStdString(table.cell(1, 1)), text);
    }

    // Every name comes back as it was saved; the file is Windows-1252 when
    // every character fits it, otherwise UTF-8 throughout.
    void roundTripsNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("nextName");
        QTest::addColumn<QByteArray>("firstLines");
        QTest::newRow("Rosé") << QString("Rosé") << QString() << QByteArray("Ros\xe9\r\n\r\n");
        QTest::newRow("Ÿ and euro") << QString("Ÿ€") << QString("Rosé") << QByteArray("\x9f\x80\r\nRos\xe9\r\n");
        QTest::newRow("Hungarian ő") << QString("Tokaji Aszú ő") << QString("Rosé")
                                     << QByteArray("Tokaji Asz\xc3\xba \xc5\x91\r\nRos\xc3\xa9\r\n");
        QTest::newRow("Greek") << QString("Μαυροδάφνη") << QString("Rosé")
                               << QString("Μαυροδάφνη\r\nRosé\r\n").toUtf8();
        QTest::newRow("Japanese") << QString("甲州") << QString() << QByteArray("\xe7\x94\xb2\xe5\xb7\x9e\r\n\r\n");
        QTest::newRow("emoji") << QString("Cava 🍾") << QString() << QString("Cava 🍾\r\n\r\n").toUtf8();
        // In Windows-1252 "Ã©" is C3 A9, the UTF-8 bytes of "é": alone, it is
        // written in UTF-8; beside a byte that is not UTF-8 it stays Windows-1252.
        QTest::newRow("Windows-1252 that looks like UTF-8") << QString("Ã©") << QString()
                                                            << QByteArray("\xc3\x83\xc2\xa9\r\n\r\n");
        QTest::newRow("Windows-1252 that looks like UTF-8, and Rosé") << QString("Ã©") << QString("Rosé")
                                                                      << QByteArray("\xc3\xa9\r\nRos\xe9\r\n");
    }

    void roundTripsNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, nextName);
        QFETCH(QByteArray, firstLines);
        ResultsTable table(3);
        table.setCell(1, 1, name.toStdString());
        table.setCell(1, 2, nextName.toStdString());
        table.setCell(5, 1, "67.3");
        const QByteArray bytes = bytesOf(encodeResultsFile(table));
        QVERIFY2(bytes.startsWith(firstLines), bytes.left(40).toHex(' ').constData());
        QCOMPARE(decodeResultsFile(stringOf(bytes)), table);
    }

    void checksUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ASCII") << QByteArray("abc") << true;
        QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x8d\xbe") << true;
        QTest::newRow("overlong") << QByteArray("\xc0\xaf") << false;
        QTest::newRow("overlong three bytes") << QByteArray("\xe0\x80\xaf") << false;
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false;
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false;
        QTest::newRow("cut short") << QByteArray("ab\xe7\x94") << false;
        QTest::newRow("lone continuation") << QByteArray("\x80") << false;
    }

    void checksUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(isValidUtf8(std::string_view(bytes.constData(), bytes.size())), valid);
    }

    void tableHasCellsOnlyWhereTheGridHasThem()
    {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ResultsTable(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ResultsTable(52));
        ResultsTable table(2);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.cell(0, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.cell(10, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.cell(1, 3));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.setCell(1, 0, "x"));
    }
};

QTEST_APPLESS_MAIN(FormatTest)
#include "tst_format.moc"
