// vexa-batch compute over a generated file of 1,000,000 sample rows, beside
// a baseline that only splits the same lines, reads the same five numbers
// with std::from_chars and writes eight numbers a row with std::to_chars.
// Both read from and write to files, in 64 KiB pieces. The peak resident
// memory of the whole process is reported as a counter.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "batch/commands.h"

namespace {

constexpr long kRows = 1000000;

std::string temporaryPath(const char* name)
{
    return "/tmp/vexa_batch_bench_" + std::to_string(getpid()) + "_" + name;
}

// A file of kRows samples, made once and removed at exit.
const std::string& sampleFile()
{
    static const std::string path = [] {
        const std::string p = temporaryPath("samples.csv");
        std::ofstream out(p, std::ios::binary);
        out << "name,pathlength_mm,wine,A450,A520,A570,A630\n";
        for (long i = 0; i < kRows; ++i) {
            const int v = static_cast<int>(i % 1000);
            out << "Sample " << i << ",2,red,0." << 100 + v % 800 << ",0." << 200 + v % 700 << ",0." << 300 + v % 600
                << ",0." << 100 + v % 500 << '\n';
        }
        std::atexit([] { std::remove(temporaryPath("samples.csv").c_str()); });
        return p;
    }();
    return path;
}

void setPeakMemory(benchmark::State& state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Compute1MRows(benchmark::State& state)
{
    const std::string& input = sampleFile();
    const std::string output = temporaryPath("results.csv");
    for (auto _ : state) {
        std::ifstream in(input, std::ios::binary);
        std::ofstream out(output, std::ios::binary);
        const auto summary = vexa::computeToCsv(in, out, {});
        if (summary.samples != kRows)
            state.SkipWithError("wrong number of samples");
    }
    std::remove(output.c_str());
    state.SetItemsProcessed(state.iterations() * kRows);
    setPeakMemory(state);
}
BENCHMARK(Compute1MRows)->Unit(benchmark::kMillisecond)->Iterations(3);

void Baseline1MRows(benchmark::State& state)
{
    const std::string& input = sampleFile();
    const std::string output = temporaryPath("baseline.csv");
    for (auto _ : state) {
        std::ifstream in(input, std::ios::binary);
        std::ofstream out(output, std::ios::binary);
        std::vector<char> chunk(1 << 16);
        std::string carry;
        std::string line;
        std::string written;
        long rows = 0;
        const auto row = [&](const std::string& text) {
            std::array<std::string_view, 7> fields;
            std::size_t start = 0;
            for (int f = 0; f < 7; ++f) {
                const auto comma = text.find(',', start);
                fields[f] = std::string_view(text).substr(start, comma - start);
                start = comma == std::string::npos ? text.size() : comma + 1;
            }
            int pathlength = 0;
            std::from_chars(fields[1].data(), fields[1].data() + fields[1].size(), pathlength);
            std::array<double, 4> a{};
            for (int i = 0; i < 4; ++i)
                std::from_chars(fields[3 + i].data(), fields[3 + i].data() + fields[3 + i].size(), a[i]);
            written.assign(fields[0]);
            char buffer[32];
            for (int i = 0; i < 8; ++i) {
                const double v = a[i % 4] * (i + 1) / pathlength;
                const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
                written += ',';
                written.append(buffer, r.ptr);
            }
            written += '\n';
            out.write(written.data(), static_cast<std::streamsize>(written.size()));
            ++rows;
        };
        bool header = true;
        while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
            carry.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
            std::size_t start = 0;
            for (std::size_t lf; (lf = carry.find('\n', start)) != std::string::npos; start = lf + 1) {
                line.assign(carry, start, lf - start);
                if (header)
                    header = false;
                else
                    row(line);
            }
            carry.erase(0, start);
        }
        if (rows != kRows)
            state.SkipWithError("wrong number of rows");
    }
    std::remove(output.c_str());
    state.SetItemsProcessed(state.iterations() * kRows);
    setPeakMemory(state);
}
BENCHMARK(Baseline1MRows)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
