#include "batch/results_csv.h"

#include <charconv>

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

ResultsCsvWriter::ResultsCsvWriter(CsvWriter& csv, bool fullPrecision, bool errorColumn)
    : csv_(csv), fullPrecision_(fullPrecision), errorColumn_(errorColumn)
{
}

void ResultsCsvWriter::writeHeader()
{
    for (const char* name : kResultHeaders)
        csv_.field(name);
    if (errorColumn_)
        csv_.field(kErrorHeader);
    csv_.endRecord();
}

void ResultsCsvWriter::writeSample(const Sample& sample)
{
    csv_.field(sample.name);
    if (fullPrecision_) {
        for (double value : resultValues(sample.colour))
            csv_.field(csvNumberText(fullPrecisionText(value), csv_.delimiter()));
    } else {
        for (auto& text : resultCellTexts(sample.colour, U'.'))
            csv_.field(csvNumberText(std::move(text), csv_.delimiter()));
    }
    if (errorColumn_)
        csv_.field("");
    csv_.endRecord();
}

void ResultsCsvWriter::writeFailure(const std::string& name, const std::string& fault)
{
    csv_.field(name);
    for (int i = 0; i < kValueColumnCount; ++i)
        csv_.field("");
    if (errorColumn_)
        csv_.field(fault);
    csv_.endRecord();
}

} // namespace vexa
