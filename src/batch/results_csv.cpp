#include "batch/results_csv.h"

#include <charconv>
#include <cmath>

#include "appearance/colour_difference.h"
#include "appearance/srgb.h"
#include "numbers/number_reading.h"

namespace vexa {

char32_t csvDecimalSeparator(char delimiter)
{
    return delimiter == ';' ? U',' : U'.';
}

std::string csvNumberText(std::string cellText, char delimiter)
{
    if (delimiter == ';') {
        const auto point = cellText.find('.');
        if (point != std::string::npos)
            cellText[point] = ',';
    }
    return cellText;
}

std::string fullPrecisionText(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

Lab sampleLab(const Sample& sample, bool fullPrecision)
{
    const ColourCoordinates& c = sample.colour;
    if (fullPrecision)
        return {c.L, c.a, c.b};
    const auto texts = resultCellTexts(c, U'.');
    const auto read = [&](int column) { return readCellNumber(texts[column - kFirstValueColumn], U'.'); };
    return {read(kLightnessColumn), read(kAColumn), read(kBColumn)};
}

ResultsCsvWriter::ResultsCsvWriter(CsvWriter& csv, ResultsCsvColumns columns) : csv_(csv), columns_(columns)
{
}

std::string ResultsCsvWriter::numberText(double value, int decimals) const
{
    if (columns_.fullPrecision)
        return csvNumberText(fullPrecisionText(value), csv_.delimiter());
    // As the tooltip shows them: fixed decimals, or six digits for a huge value.
    char buffer[64];
    const auto result = std::fabs(value) < 1e6
                            ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
                            : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return csvNumberText(std::string(buffer, result.ptr), csv_.delimiter());
}

void ResultsCsvWriter::writeHeader()
{
    for (const char* name : kResultHeaders)
        csv_.field(name);
    if (columns_.reference) {
        csv_.field(kDeltaE76Header);
        csv_.field(kDeltaE00Header);
    }
    if (columns_.swatch)
        csv_.field(kSwatchHeader);
    if (columns_.error)
        csv_.field(kErrorHeader);
    csv_.endRecord();
}

void ResultsCsvWriter::writeSample(const Sample& sample)
{
    csv_.field(sample.name);
    if (columns_.fullPrecision) {
        for (double value : resultValues(sample.colour))
            csv_.field(csvNumberText(fullPrecisionText(value), csv_.delimiter()));
    } else {
        for (auto& text : resultCellTexts(sample.colour, U'.'))
            csv_.field(csvNumberText(std::move(text), csv_.delimiter()));
    }
    if (columns_.reference || columns_.swatch) {
        const Lab lab = sampleLab(sample, columns_.fullPrecision);
        if (columns_.reference) {
            csv_.field(numberText(deltaE76(lab, *columns_.reference), 1));
            csv_.field(numberText(deltaE2000(lab, *columns_.reference), 1));
        }
        if (columns_.swatch)
            csv_.field(hexColour(labToSrgb(lab)));
    }
    if (columns_.error)
        csv_.field("");
    csv_.endRecord();
}

void ResultsCsvWriter::writeFailure(const std::string& name, const std::string& fault)
{
    csv_.field(name);
    const int empty = kValueColumnCount + (columns_.reference ? 2 : 0) + (columns_.swatch ? 1 : 0);
    for (int i = 0; i < empty; ++i)
        csv_.field("");
    if (columns_.error)
        csv_.field(fault);
    csv_.endRecord();
}

} // namespace vexa
