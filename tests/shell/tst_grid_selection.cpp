// The sample markers on the a*-b* chart and the L* scale, as the user sees
// them: Calculate marks a new sample, selecting a cell of a sample's row marks
// it again from the texts the grid shows, and Clear wipes every marker.

#include "shell_fixture.h"

#include <QItemSelectionModel>
#include <memory>

#include "charts/chart_backgrounds.h"
#include "charts/chart_image.h"
#include "charts/marker_position.h"

using namespace vexa;
using vexa::test::Shell;

namespace {

const QColor kRed(255, 0, 0);

// One sample as Calculate gets it (red wine, 2 mm cell) and as the grid shows
// it once its row is selected.
struct Sample {
    QStringList absorbances;
    double L, a, b;    // computed, unrounded
    QStringList shown; // L*, C*, h, a*, b* after selection
    double shownL, shownA, shownB;
};

const Sample kWorkedExample{{"0.5", "0.6", "0.4", "0.2"},
                           67.29795568, 22.98909488, 7.898401678,
                           {"67,3", "24,31", "18,96", "22,99", "7,90"},
                           67.3, 22.99, 7.90};

// a* just under 1 shows as "1,00": 3.5 a* rounds down from the computed value
// but is a tie (rounded to even, up) from the shown one.
const Sample kAStarNearOne{{"0.65", "0.65", "0.40", "0.60"},
                          61.09679374, 0.9984847171, 10.59087713,
                          {"61,1", "10,64", "84,61", "1,00", "10,59"},
                          61.1, 1.00, 10.59};

struct Mark {
    int row;
    MarkerPosition at;
};

Mark abMark(int row, double a, double b) { return {row, abMarkerPosition(row, a, b)}; }
Mark lMark(int row, double lightness) { return {row, lMarkerPosition(row, lightness)}; }

void useMarkerFont(ChartRaster& chart)
{
    chart.setFontName(QStringLiteral("Times"));
    chart.setFontSize(8);
    chart.setFontBold(true);
    chart.setFontColor(kRed);
}

// A fresh chart with row numbers written on it in the marker font, in order.
std::unique_ptr<ChartRaster> withMarks(std::unique_ptr<ChartRaster> chart, const QList<Mark>& marks)
{
    useMarkerFont(*chart);
    for (const Mark& m : marks)
        chart->textOut(m.at.x, m.at.y, QString::number(m.row));
    return chart;
}

QRect markCell(const Mark& m)
{
    ChartRaster probe(1, 1);
    useMarkerFont(probe);
    return QRect(QPoint(m.at.x, m.at.y), probe.textCell(QString::number(m.row)));
}

// Empty when both rasters hold the same pixels; otherwise where they differ first.
QString difference(const ChartRaster& actual, const ChartRaster& expected)
{
    if (actual.width() != expected.width() || actual.height() != expected.height())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y).name(), expected.pixel(x, y).name());
    return {};
}

// The smallest rectangle holding every pixel that matches.
template <typename Match>
QRect boundsOf(const ChartRaster& chart, Match match)
{
    QRect bounds;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            if (match(x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

#define VERIFY_CHART(actual, expected)                                                             \
    do {                                                                                           \
        const QString diff_ = difference((actual), (expected));                                   \
        QVERIFY2(diff_.isEmpty(), qPrintable(QStringLiteral(#actual ": ") + diff_));                \
    } while (false)

QStringList withSeparator(QStringList texts, const QString& separator)
{
    for (QString& t : texts)
        t.replace(QLatin1Char('.'), separator);
    return texts;
}

QStringList shownWithPoints(const QStringList& shown)
{
    QStringList texts = shown;
    for (QString& t : texts)
        t.replace(QLatin1Char(','), QLatin1Char('.'));
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Sample)

class GridSelectionTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void calculateMarksTheNewSample_data();
    void calculateMarksTheNewSample();
    void selectingASampleRowMarksItFromTheShownTexts_data();
    void selectingASampleRowMarksItFromTheShownTexts();
    void selectingARowWithoutSampleDrawsNothing_data();
    void selectingARowWithoutSampleDrawsNothing();
    void unreadableShownValueKeepsTheSelection_data();
    void unreadableShownValueKeepsTheSelection();
    void bStarIsReadBeforeAStar();
    void keyboardMovesMarkTheNewRow_data();
    void keyboardMovesMarkTheNewRow();
    void refusedKeyboardMoveKeepsTheFocus_data();
    void refusedKeyboardMoveKeepsTheFocus();
    void clearWipesEveryMarker_data();
    void clearWipesEveryMarker();
    void markerOffTheChartIsNoError_data();
    void markerOffTheChartIsNoError();

private:
    void start(const QString& separator = QStringLiteral("."));
    void calculate(const Sample& sample, const QString& name = QStringLiteral("Crianza"));
    void clickCell(int column, int row);
    QLineEdit* editCell(int column, int row, const QString& text);
    void wipeCharts();
    QModelIndex indexOf(int column, int row) const;
    const ChartRaster& abChart() const { return shell_->form1.Imagen->raster(); }
    const ChartRaster& lScale() const { return shell_->form1.Image2->raster(); }
    StringGrid* grid() const { return shell_->form1.Resultados1; }
    // The columns that selecting a row turns to a comma: L*, C*, h, a*, b*.
    QStringList remarkedCells(int row) const { return shell_->row(row, kFirstRemarkedColumn, kLastValueColumn); }

    std::unique_ptr<Shell> shell_;
    QString separator_;
};

void GridSelectionTest::cleanup()
{
    shell_.reset();
}

void GridSelectionTest::start(const QString& sep)
{
    separator_ = sep;
    shell_ = std::make_unique<Shell>(sep.at(0).unicode());
}

void GridSelectionTest::calculate(const Sample& sample, const QString& name)
{
    shell_->calculate(name, QStringLiteral("2"), withSeparator(sample.absorbances, separator_));
}

QModelIndex GridSelectionTest::indexOf(int column, int row) const
{
    return grid()->model()->index(row - 1, column - 1);
}

// Clicks the middle of a cell, scrolling it into view first as the user would.
void GridSelectionTest::clickCell(int column, int row)
{
    const QModelIndex index = indexOf(column, row);
    QVERIFY(index.isValid());
    grid()->scrollTo(index);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, grid()->visualRect(index).center());
}

// Selects a cell, opens its editor with F2 and replaces the text. The editor
// stays open: the user's next click elsewhere stores the text.
QLineEdit* GridSelectionTest::editCell(int column, int row, const QString& text)
{
    clickCell(column, row);
    QTest::keyClick(grid(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!editor || !grid()->isAncestorOf(editor))
        return nullptr;
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, text);
    return editor;
}

// Puts clean charts back, so that what the next action draws stands alone.
void GridSelectionTest::wipeCharts()
{
    shell_->form1.Imagen->setRaster(drawAbChart());
    shell_->form1.Image2->setRaster(drawLScale());
}

void GridSelectionTest::calculateMarksTheNewSample_data()
{
    QTest::addColumn<QString>("separator");
    QTest::newRow("point") << ".";
    QTest::newRow("comma") << ",";
}

void GridSelectionTest::calculateMarksTheNewSample()
{
    QFETCH(QString, separator);
    start(separator);
    calculate(kWorkedExample);
    QCOMPARE(shell_->dialogs.errors, QStringList());
    QCOMPARE(shell_->form1.NumFila, 2);

    const Mark ab = abMark(1, kWorkedExample.a, kWorkedExample.b);
    const Mark l = lMark(1, kWorkedExample.L);
    const auto freshAb = drawAbChart();
    const auto freshL = drawLScale();
    const struct {
        const ChartRaster& actual;
        const ChartRaster& fresh;
        Mark mark;
    } charts[] = {{abChart(), *freshAb, ab}, {lScale(), *freshL, l}};
    for (const auto& chart : charts) {
        const QRect cell = markCell(chart.mark);
        const QRect changed =
            boundsOf(chart.actual, [&](int x, int y) { return chart.actual.pixel(x, y) != chart.fresh.pixel(x, y); });
        const QRect red = boundsOf(chart.actual, [&](int x, int y) { return chart.actual.pixel(x, y) == kRed; });
        QVERIFY2(!red.isEmpty(), "no red marker");
        QVERIFY2(cell.contains(changed), "pixels changed outside the marker cell");
        QVERIFY2(cell.contains(red), "red pixels outside the marker cell");
    }
    // And the marker is the row number in the marker font, at that very place.
    VERIFY_CHART(abChart(), *withMarks(drawAbChart(), {ab}));
    VERIFY_CHART(lScale(), *withMarks(drawLScale(), {l}));
}

void GridSelectionTest::selectingASampleRowMarksItFromTheShownTexts_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<Sample>("sample");
    QTest::addColumn<int>("markedX");   // a*-b* marker from Calculate
    QTest::addColumn<int>("remarkedX"); // and from the selection

    for (const char* sep : {".", ","}) {
        QTest::addRow("worked example, '%s'", sep) << QString::fromLatin1(sep) << kWorkedExample << 123 << 123;
        QTest::addRow("a* shown as 1,00, '%s'", sep) << QString::fromLatin1(sep) << kAStarNearOne << 46 << 47;
    }
}

void GridSelectionTest::selectingASampleRowMarksItFromTheShownTexts()
{
    QFETCH(QString, separator);
    QFETCH(Sample, sample);
    QFETCH(int, markedX);
    QFETCH(int, remarkedX);
    start(separator);
    calculate(sample);

    const Mark marked = abMark(1, sample.a, sample.b);
    const Mark remarked = abMark(1, sample.shownA, sample.shownB);
    QCOMPARE(marked.at.x, markedX);
    QCOMPARE(remarked.at.x, remarkedX);

    const QStringList before = shell_->row(1, kNameColumn, kZColumn);
    QCOMPARE(remarkedCells(1), shownWithPoints(sample.shown));
    QVERIFY(shell_->row(1, kXColumn, kZColumn).join(QString()).contains(QLatin1Char('.')));

    // The marker is drawn and the commas are in before the selection moves.
    QString lightnessWhenMoved;
    QImage abChartWhenMoved;
    connect(grid()->selectionModel(), &QItemSelectionModel::currentChanged, this, [&] {
        lightnessWhenMoved = grid()->cell(kLightnessColumn, 1);
        abChartWhenMoved = abChart().image();
    });

    clickCell(kYColumn, 1);

    QCOMPARE(shell_->dialogs.errors, QStringList());
    QCOMPARE(grid()->currentIndex(), indexOf(kYColumn, 1));
    QCOMPARE(shell_->row(1, kNameColumn, kZColumn), before); // name, X, Y, Z keep their points
    QCOMPARE(remarkedCells(1), sample.shown);
    QCOMPARE(lightnessWhenMoved, sample.shown[0]);

    const auto expectedAb = withMarks(drawAbChart(), {marked, remarked});
    VERIFY_CHART(abChart(), *expectedAb);
    VERIFY_CHART(lScale(), *withMarks(drawLScale(), {lMark(1, sample.L), lMark(1, sample.shownL)}));
    QCOMPARE(abChartWhenMoved, expectedAb->image());
}

void GridSelectionTest::selectingARowWithoutSampleDrawsNothing_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("next free row") << 2;
    QTest::newRow("further down") << 7;
}

void GridSelectionTest::selectingARowWithoutSampleDrawsNothing()
{
    QFETCH(int, row);
    start();
    calculate(kWorkedExample);
    // Texts that would read as a sample, or fail to read, if the row were
    // taken for one.
    for (int column = kFirstValueColumn; column <= kLastValueColumn; ++column)
        grid()->setCell(column, row, column == kBColumn ? QStringLiteral("1.2.3") : QStringLiteral("12.5"));
    const QImage abBefore = abChart().image();
    const QImage lBefore = lScale().image();

    clickCell(kXColumn, row);

    QCOMPARE(shell_->dialogs.errors, QStringList());
    QCOMPARE(grid()->currentIndex(), indexOf(kXColumn, row));
    QCOMPARE(shell_->row(row, kFirstValueColumn),
             (QStringList{"12.5", "12.5", "12.5", "12,5", "12,5", "12,5", "12,5", "1,2.3"}));
    QCOMPARE(abChart().image(), abBefore);
    QCOMPARE(lScale().image(), lBefore);
}

void GridSelectionTest::unreadableShownValueKeepsTheSelection_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("abMarked");

    QTest::newRow("b* emptied") << int(kBColumn) << "" << "'' is not a valid floating point value." << false;
    QTest::newRow("a* not a number") << int(kAColumn) << "x" << "'x' is not a valid floating point value." << false;
    QTest::newRow("L* not a number") << int(kLightnessColumn) << "6 7" << "'6 7' is not a valid floating point value."
                                     << true;
}

void GridSelectionTest::unreadableShownValueKeepsTheSelection()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, error);
    QFETCH(bool, abMarked);
    start();
    calculate(kWorkedExample);

    QLineEdit* editor = editCell(column, 1, text);
    QVERIFY(editor);
    wipeCharts();
    shell_->dialogs.clear();

    clickCell(kXColumn, 1);

    QCOMPARE(grid()->cell(column, 1), text);
    QCOMPARE(shell_->dialogs.errors, QStringList{error});
    QCOMPARE(grid()->currentIndex(), indexOf(column, 1));
    QCOMPARE(grid()->selectionModel()->selectedIndexes(), QModelIndexList{indexOf(column, 1)});
    const QList<Mark> abMarks{abMark(1, kWorkedExample.shownA, kWorkedExample.shownB)};
    VERIFY_CHART(abChart(), *withMarks(drawAbChart(), abMarked ? abMarks : QList<Mark>()));
    VERIFY_CHART(lScale(), *drawLScale());
}

// With both a* and b* unreadable, the error names b*: it is read first.
void GridSelectionTest::bStarIsReadBeforeAStar()
{
    start();
    calculate(kWorkedExample);
    grid()->setCell(kAColumn, 1, QStringLiteral("a?"));
    grid()->setCell(kBColumn, 1, QStringLiteral("b?"));
    wipeCharts();

    clickCell(kXColumn, 1);

    QCOMPARE(shell_->dialogs.errors, QStringList{"'b?' is not a valid floating point value."});
    VERIFY_CHART(abChart(), *drawAbChart());
    VERIFY_CHART(lScale(), *drawLScale());
}

void GridSelectionTest::keyboardMovesMarkTheNewRow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("from"); // (column, row)
    QTest::addColumn<QPoint>("to");

    QTest::newRow("Down") << int(Qt::Key_Down) << QPoint(kLightnessColumn, 1) << QPoint(kLightnessColumn, 2);
    QTest::newRow("Up") << int(Qt::Key_Up) << QPoint(kHueColumn, 2) << QPoint(kHueColumn, 1);
    QTest::newRow("Tab at the end of a row") << int(Qt::Key_Tab) << QPoint(kLastValueColumn, 1) << QPoint(kNameColumn, 2);
}

void GridSelectionTest::keyboardMovesMarkTheNewRow()
{
    QFETCH(int, key);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    start();
    calculate(kWorkedExample, QStringLiteral("Crianza"));
    calculate(kAStarNearOne, QStringLiteral("Joven"));
    QCOMPARE(shell_->form1.NumFila, 3);

    clickCell(from.x(), from.y());
    QCOMPARE(grid()->currentIndex(), indexOf(from.x(), from.y()));
    wipeCharts();

    QTest::keyClick(grid(), Qt::Key(key));

    QCOMPARE(shell_->dialogs.errors, QStringList());
    QCOMPARE(grid()->currentIndex(), indexOf(to.x(), to.y()));
    const int row = to.y();
    const Sample& sample = row == 1 ? kWorkedExample : kAStarNearOne;
    QCOMPARE(remarkedCells(row), sample.shown);
    VERIFY_CHART(abChart(), *withMarks(drawAbChart(), {abMark(row, sample.shownA, sample.shownB)}));
    VERIFY_CHART(lScale(), *withMarks(drawLScale(), {lMark(row, sample.shownL)}));
}

// A keyboard move into a row whose b* cannot be read is refused: the error
// box shows, and the selection and the keyboard focus stay on the cell.
void GridSelectionTest::refusedKeyboardMoveKeepsTheFocus_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("from"); // (column, row); row 2 is the unreadable one

    QTest::newRow("Down") << int(Qt::Key_Down) << int(Qt::NoModifier) << QPoint(kZColumn, 1);
    QTest::newRow("Up") << int(Qt::Key_Up) << int(Qt::NoModifier) << QPoint(kZColumn, 3);
    QTest::newRow("Tab at the end of a row") << int(Qt::Key_Tab) << int(Qt::NoModifier)
                                             << QPoint(kLastValueColumn, 1);
    QTest::newRow("Shift+Tab at the start of a row") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier)
                                                     << QPoint(kNameColumn, 3);
}

void GridSelectionTest::refusedKeyboardMoveKeepsTheFocus()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QPoint, from);
    start();
    for (int i = 0; i < 3; ++i)
        calculate(kWorkedExample);
    grid()->setCell(kBColumn, 2, QStringLiteral("x"));
    clickCell(from.x(), from.y());
    QCOMPARE(grid()->currentIndex(), indexOf(from.x(), from.y()));
    QCOMPARE(QApplication::focusWidget(), grid());
    shell_->dialogs.clear();

    QTest::keyClick(grid(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(shell_->dialogs.errors, QStringList{"'x' is not a valid floating point value."});
    QCOMPARE(grid()->currentIndex(), indexOf(from.x(), from.y()));
    QCOMPARE(QApplication::focusWidget(), grid());
}

void GridSelectionTest::clearWipesEveryMarker_data()
{
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("selectedRow");
    QTest::addColumn<QString>("command");

    QTest::newRow("one sample, File/New") << 1 << 1 << "Nuevo1";
    QTest::newRow("20 samples, row 18 selected, Ctrl+N") << 20 << 18 << "Ctrl+N";
    QTest::newRow("20 samples, row 18 selected, Edit/Delete all") << 20 << 18 << "Borrartodo1";
}

void GridSelectionTest::clearWipesEveryMarker()
{
    QFETCH(int, samples);
    QFETCH(int, selectedRow);
    QFETCH(QString, command);
    start();
    for (int i = 0; i < samples; ++i)
        calculate(kWorkedExample);
    QCOMPARE(grid()->rowCountShown(), std::max(13, samples + 1));
    clickCell(kXColumn, selectedRow);
    QCOMPARE(grid()->currentIndex(), indexOf(kXColumn, selectedRow));
    QCOMPARE(shell_->dialogs.errors, QStringList());

    if (command == QLatin1String("Ctrl+N"))
        QTest::keyClick(grid(), Qt::Key_N, Qt::ControlModifier);
    else if (command == QLatin1String("Nuevo1"))
        shell_->form1.Nuevo1->trigger();
    else
        shell_->form1.Borrartodo1->trigger();

    QCOMPARE(shell_->dialogs.errors, QStringList());
    QCOMPARE(shell_->form1.NumFila, 1);
    QCOMPARE(grid()->rowCountShown(), 13);
    QVERIFY(grid()->currentIndex().isValid());
    QVERIFY2(grid()->selectedRow() <= 12, qPrintable(QString::number(grid()->selectedRow())));
    VERIFY_CHART(abChart(), *drawAbChart());
    VERIFY_CHART(lScale(), *drawLScale());
}

void GridSelectionTest::markerOffTheChartIsNoError_data()
{
    QTest::addColumn<Sample>("sample");

    QTest::newRow("a* 79.36 past the right edge")
        << Sample{{"0.6", "1.6", "1.6", "0"},
                  50.12760055, 79.36495895, -9.195291882,
                  {"50,1", "79,90", "353,40", "79,36", "-9,20"},
                  50.1, 79.36, -9.20};
    QTest::newRow("b* -46.67 below the chart")
        << Sample{{"0.1", "0.25", "2.25", "0.3"},
                  64.02067046, 0.9977237599, -46.67470088,
                  {"64,0", "46,69", "271,20", "1,00", "-46,67"},
                  64.0, 1.00, -46.67};
}

void GridSelectionTest::markerOffTheChartIsNoError()
{
    QFETCH(Sample, sample);
    start();

    calculate(sample);
    QCOMPARE(shell_->dialogs.errors, QStringList());
    QCOMPARE(shell_->form1.NumFila, 2);
    VERIFY_CHART(abChart(), *drawAbChart());
    VERIFY_CHART(lScale(), *withMarks(drawLScale(), {lMark(1, sample.L)}));

    wipeCharts();
    clickCell(kXColumn, 1);
    QCOMPARE(shell_->dialogs.errors, QStringList());
    QCOMPARE(grid()->currentIndex(), indexOf(kXColumn, 1));
    QCOMPARE(remarkedCells(1), sample.shown);
    VERIFY_CHART(abChart(), *drawAbChart());
    VERIFY_CHART(lScale(), *withMarks(drawLScale(), {lMark(1, sample.shownL)}));
}

QTEST_MAIN(GridSelectionTest)
#include "tst_grid_selection.moc"
