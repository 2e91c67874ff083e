// The main window's commands, each timed as a whole the way a user runs it:
// the click, the handler and the repaint it causes (the events are processed
// inside the timing). Headless: the windows draw on the offscreen platform.
//
//   Calculate      a valid sample typed in, the button pressed (the grid is
//                  cleared, untimed, when it fills up)
//   Clear          Edit > Delete all on a full grid of 50 samples
//   SelectRow      a click on a cell of another sample's row, which marks
//                  that sample again from its cell texts
//   Save           File > Save of a full grid, the file dialog confirmed
//                  at once with a name in a temporary folder
//   PrintSheet     the printed sheet of a full grid: laid out for an A4 page
//                  at 600 dpi and played onto an image of that size (what a
//                  printer gets; the print dialog and the spooler are left out)
//   PrintSheetPdf  the same sheet written as a PDF file, the vector form in
//                  which Qt hands a print job to the printing system
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/numbering_dialog.h"
#include "shell/string_grid.h"
#include "numbers/number_settings.h"
#include "printing/sheet_layout.h"
#include "printing/sheet_painter.h"
#include "printing/sheet_printing.h"

namespace {

// Boxes that show nothing; an error box ends the benchmark with its text.
class SilentDialogs : public vexa::Dialogs {
public:
    void showMessage(const QString&) override {}
    void showError(const QString& text) override { lastError = text; }
    void showModal(QDialog&) override {}
    // Confirms a file dialog with `saveTo` when that is set.
    bool executeFileDialog(vexa::FileDialog& dialog) override
    {
        if (saveTo.isEmpty())
            return false;
        dialog.fileName = saveTo;
        dialog.files = QStringList{saveTo};
        return true;
    }
    bool showPrintDialog(QPrintDialog&) override { return false; }
    QString lastError;
    QString saveTo;
};

struct Window {
    Window()
        : form1(dialogs, settings),
          form4(dialogs, [this](std::int32_t n) { form1.NumOrden = n; })
    {
        form1.setNumberingDialog(&form4);
        form1.resize(1024, 768);
        form1.show();
        QApplication::processEvents();
    }

    void typeSample()
    {
        form1.NomMuestra->setText(QStringLiteral("Crianza"));
        form1.Espesor->setText(QStringLiteral("2"));
        form1.PrimLong->setText(QStringLiteral("0.5"));
        form1.SegLong->setText(QStringLiteral("0.6"));
        form1.TercLong->setText(QStringLiteral("0.4"));
        form1.CuartLong->setText(QStringLiteral("0.2"));
    }

    // Calculates samples until the grid holds `count`.
    void fillTo(int count)
    {
        typeSample();
        while (form1.NumFila <= count)
            form1.Calcular->click();
        QApplication::processEvents();
    }

    bool failed(benchmark::State& state)
    {
        if (dialogs.lastError.isEmpty())
            return false;
        state.SkipWithError(dialogs.lastError.toStdString().c_str());
        return true;
    }

    SilentDialogs dialogs;
    vexa::FixedNumberSettings settings{U'.'};
    vexa::TForm1 form1;
    vexa::TForm4 form4;
};

void Calculate(benchmark::State& state)
{
    Window w;
    w.typeSample();
    for (auto _ : state) {
        if (w.form1.NumFila > 50) {
            state.PauseTiming();
            w.form1.Borrartodo1->trigger();
            w.typeSample();
            QApplication::processEvents();
            state.ResumeTiming();
        }
        w.form1.Calcular->click();
        QApplication::processEvents();
    }
    w.failed(state);
}
BENCHMARK(Calculate)->Unit(benchmark::kMicrosecond);

void Clear(benchmark::State& state)
{
    Window w;
    for (auto _ : state) {
        state.PauseTiming();
        w.fillTo(50);
        state.ResumeTiming();
        w.form1.Borrartodo1->trigger();
        QApplication::processEvents();
    }
    w.failed(state);
}
BENCHMARK(Clear)->Unit(benchmark::kMicrosecond);

void SelectRow(benchmark::State& state)
{
    Window w;
    w.fillTo(12);
    vexa::StringGrid* grid = w.form1.Resultados1;
    // Two cells of different sample rows, both in view: each click moves the
    // selection and re-marks that row.
    const QPoint cells[] = {grid->visualRect(grid->model()->index(2, 4)).center(),
                            grid->visualRect(grid->model()->index(8, 4)).center()};
    int next = 0;
    for (auto _ : state) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cells[next]);
        QApplication::processEvents();
        next ^= 1;
    }
    if (!w.failed(state) && grid->selectedRow() != (next ? 3 : 9))
        state.SkipWithError("the clicks did not move the selection");
}
BENCHMARK(SelectRow)->Unit(benchmark::kMicrosecond);

void Save(benchmark::State& state)
{
    Window w;
    w.fillTo(50);
    QTemporaryDir dir;
    w.dialogs.saveTo = dir.filePath(QStringLiteral("full.qrl"));
    for (auto _ : state) {
        w.form1.Guardar1->trigger();
        QApplication::processEvents();
    }
    if (!w.failed(state) && !QFileInfo::exists(w.dialogs.saveTo))
        state.SkipWithError("nothing was saved");
}
BENCHMARK(Save)->Unit(benchmark::kMicrosecond);

void PrintSheet(benchmark::State& state)
{
    Window w;
    w.fillTo(50);
    // The printable area of the PDF sheet's page, in device pixels.
    const QRect area = vexa::sheetPdfPageLayout().paintRectPixels(vexa::kSheetPdfResolution);
    QImage page(area.size(), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(vexa::kSheetPdfResolution / 0.0254);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    page.fill(Qt::white);
    const vexa::SheetContent sheet{w.form1.windowTitle(), QStringLiteral("11/12/2026 14:45:00"), w.form1.NumFila,
                                   [&w](int column, int row) { return w.form1.Resultados1->cell(column, row); }};
    for (auto _ : state) {
        const auto operations = vexa::layoutResultsSheet(page.width(), page.height(), sheet);
        QPainter painter(&page);
        vexa::playSheet(painter, operations);
    }
    w.failed(state);
}
BENCHMARK(PrintSheet)->Unit(benchmark::kMicrosecond);

void PrintSheetPdf(benchmark::State& state)
{
    Window w;
    w.fillTo(50);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    const vexa::SheetContent sheet{w.form1.windowTitle(), QStringLiteral("11/12/2026 14:45:00"), w.form1.NumFila,
                                   [&w](int column, int row) { return w.form1.Resultados1->cell(column, row); }};
    for (auto _ : state)
        vexa::writeSheetPdf(path, sheet);
    if (!w.failed(state) && !QFileInfo::exists(path))
        state.SkipWithError("no PDF was written");
}
BENCHMARK(PrintSheetPdf)->Unit(benchmark::kMicrosecond);

// The offscreen platform warns on every window it sizes; that says nothing here.
QtMessageHandler defaultHandler = nullptr;

void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("does not support propagateSizeHints")))
        defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietOffscreenWarnings);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
