// Cost of saving and opening a full results file (459 lines), each beside
// plain std::ifstream / std::ofstream work on the same bytes, and of the
// whole open command of the main window (clear, read, fill the grid).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "numbers/number_settings.h"
#include "resultsfile/results_file.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"

namespace {

namespace fs = std::filesystem;

// A full grid of 50 samples, with the texts Calculate writes, and the empty row below.
vexa::ResultsTable fullGrid()
{
    const char* values[] = {"42.292", "37.023", "33.550", "67.3", "24.31", "18.96", "22.99", "7.90"};
    vexa::ResultsTable table(vexa::kMaxNumFila);
    for (std::int32_t row = 1; row < vexa::kMaxNumFila; ++row) {
        table.setCell(1, row, "Rosé Crianza " + std::to_string(row));
        for (int column = 2; column <= 9; ++column)
            table.setCell(column, row, values[column - 2]);
    }
    return table;
}

struct Files {
    Files()
    {
        dir = fs::temp_directory_path() / ("vexa-bench-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        full = (dir / "full.qrl").string();
        std::ofstream(full, std::ios::binary) << vexa::encodeResultsFile(fullGrid());
        for (int column = 1; column <= 9; ++column)
            for (std::int32_t row = 1; row <= vexa::kMaxNumFila; ++row)
                lines.push_back(fullGrid().cell(column, row));
    }
    ~Files() { fs::remove_all(dir); }

    fs::path dir;
    std::string full;
    std::vector<std::string> lines;
};

Files& files()
{
    static Files f;
    return f;
}

void ReadResultsFile(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(vexa::readResultsFile(files().full));
}
BENCHMARK(ReadResultsFile);

// Floor: the same file read line by line into strings with std::ifstream.
void ReadBaselineIfstream(benchmark::State& state)
{
    for (auto _ : state) {
        std::ifstream in(files().full, std::ios::binary);
        std::vector<std::string> lines;
        lines.reserve(vexa::kLineSlots);
        for (std::string line; std::getline(in, line);)
            lines.push_back(std::move(line));
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(ReadBaselineIfstream);

void DecodeOnly(benchmark::State& state)
{
    std::ifstream in(files().full, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    for (auto _ : state)
        benchmark::DoNotOptimize(vexa::decodeResultsFile(bytes));
}
BENCHMARK(DecodeOnly);

void SaveResultsFile(benchmark::State& state)
{
    const vexa::ResultsTable table = fullGrid();
    const std::string path = (files().dir / "saved.qrl").string();
    for (auto _ : state)
        vexa::saveResultsFile(path, table);
}
BENCHMARK(SaveResultsFile)->Unit(benchmark::kMicrosecond);

// Floor: the same lines written with std::ofstream over the old file, not flushed to the disk.
void SaveBaselineOfstream(benchmark::State& state)
{
    const std::string path = (files().dir / "plain.qrl").string();
    for (auto _ : state) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const std::string& line : files().lines)
            out << line << "\r\n";
    }
}
BENCHMARK(SaveBaselineOfstream)->Unit(benchmark::kMicrosecond);

// The same, made durable as the save is: written to a new file, flushed to
// the disk and renamed over the old one.
void SaveBaselineOfstreamDurable(benchmark::State& state)
{
    const std::string path = (files().dir / "plain.qrl").string();
    const std::string temporary = path + ".new";
    for (auto _ : state) {
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            for (const std::string& line : files().lines)
                out << line << "\r\n";
        }
        const int fd = ::open(temporary.c_str(), O_RDONLY);
        ::fsync(fd);
        ::close(fd);
        fs::rename(temporary, path);
    }
}
BENCHMARK(SaveBaselineOfstreamDurable)->Unit(benchmark::kMicrosecond);

void EncodeOnly(benchmark::State& state)
{
    const vexa::ResultsTable table = fullGrid();
    for (auto _ : state)
        benchmark::DoNotOptimize(vexa::encodeResultsFile(table));
}
BENCHMARK(EncodeOnly);

class NoDialogs : public vexa::Dialogs {
public:
    void showMessage(const QString&) override {}
    void showError(const QString&) override {}
    void showModal(QDialog&) override {}
    bool executeFileDialog(vexa::FileDialog&) override { return false; }
    bool showPrintDialog(QPrintDialog&) override { return false; }
};

// The open command after its dialog: read the file, clear the grid (which
// redraws both chart backgrounds), fill the grid and set the caption.
void OpenCommand(benchmark::State& state)
{
    NoDialogs dialogs;
    vexa::FixedNumberSettings settings;
    vexa::TForm1 form(dialogs, settings);
    const QString path = QString::fromStdString(files().full);
    for (auto _ : state)
        form.openResultsFile(path);
    if (form.NumFila != vexa::kMaxNumFila)
        state.SkipWithError("the file did not open");
}
BENCHMARK(OpenCommand)->Unit(benchmark::kMicrosecond);

// The part of it that is the clear command.
void ClearCommand(benchmark::State& state)
{
    NoDialogs dialogs;
    vexa::FixedNumberSettings settings;
    vexa::TForm1 form(dialogs, settings);
    for (auto _ : state)
        form.Borrartodo1Click();
}
BENCHMARK(ClearCommand)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
