// Cost of one sample's work: computing its colour, writing its eight cells
// and reading its five inputs, each beside a baseline that shows the floor.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "colour/colour_coordinates.h"
#include "numbers/number_reading.h"
#include "numbers/result_columns.h"

namespace {

const vexa::Absorbances kSample{0.5, 0.6, 0.4, 0.2};

void ColourComputation(benchmark::State& state)
{
    for (auto _ : state) {
        auto absorbances = kSample;
        benchmark::DoNotOptimize(absorbances);
        benchmark::DoNotOptimize(vexa::computeColourCoordinates(absorbances, 2, 2));
    }
}
BENCHMARK(ColourComputation);

// Floor: the transcendental calls the method cannot avoid (four exp, three
// log and exp pairs, one atan, one sqrt).
void ColourComputationBaseline(benchmark::State& state)
{
    for (auto _ : state) {
        auto a = kSample;
        benchmark::DoNotOptimize(a);
        double sum = std::exp(a.a450) + std::exp(a.a520) + std::exp(a.a570) + std::exp(a.a630);
        sum += std::exp(std::log(a.a450) / 3) + std::exp(std::log(a.a520) / 3) + std::exp(std::log(a.a570) / 3);
        sum += std::atan(a.a630) + std::sqrt(a.a450);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(ColourComputationBaseline);

// The worked example's eight results, as Calculate hands them to the grid.
const vexa::ColourCoordinates kResult{.X = 42.29209200,
                                      .Y = 37.02309756,
                                      .Z = 33.55038830,
                                      .L = 67.29795568,
                                      .a = 22.98909488,
                                      .b = 7.898401678,
                                      .C = 24.30808985,
                                      .h = 18.96126942};

void CellFormatting(benchmark::State& state)
{
    for (auto _ : state) {
        auto c = kResult;
        benchmark::DoNotOptimize(c);
        auto texts = vexa::resultCellTexts(c, U'.');
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(CellFormatting);

// Floor: the correctly rounded 18-digit expansion of the same eight values.
void CellFormattingBaseline(benchmark::State& state)
{
    std::array<char, 40> buffer{};
    for (auto _ : state) {
        for (double v : vexa::resultValues(kResult)) {
            benchmark::DoNotOptimize(v);
            auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::scientific, 17);
            benchmark::DoNotOptimize(r);
            benchmark::DoNotOptimize(buffer);
        }
    }
}
BENCHMARK(CellFormattingBaseline);

const std::array<std::string, 4> kAbsorbanceTexts{"0.5", "0.6", "0.4", "0.2"};
const std::string kPathlengthText = "2";

void InputReading(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(vexa::readInteger(kPathlengthText));
        for (const auto& text : kAbsorbanceTexts)
            benchmark::DoNotOptimize(vexa::readReal(text, U'.'));
    }
}
BENCHMARK(InputReading);

// Floor: std::from_chars of the same five texts.
void InputReadingBaseline(benchmark::State& state)
{
    for (auto _ : state) {
        int d = 0;
        benchmark::DoNotOptimize(std::from_chars(kPathlengthText.data(), kPathlengthText.data() + 1, d));
        for (const auto& text : kAbsorbanceTexts) {
            double v = 0;
            benchmark::DoNotOptimize(std::from_chars(text.data(), text.data() + text.size(), v));
            benchmark::DoNotOptimize(v);
        }
    }
}
BENCHMARK(InputReadingBaseline);

} // namespace
