#include "batch/sample_rows.h"

#include "numbers/number_reading.h"

namespace vexa {
namespace {

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Header names compare without case and surrounding spaces.
std::string headerKey(std::string_view name)
{
    return lowerAscii(trimSpaces(name));
}

} // namespace

RowError::RowError(long line, std::string column, std::string message, const char* unit)
    : std::runtime_error(unit + (" " + std::to_string(line)) + (column.empty() ? "" : ", " + column) + ": " + message),
      line_(line),
      column_(std::move(column)),
      message_(std::move(message))
{
}

std::string RowError::fault() const
{
    return column_.empty() ? message_ : column_ + ": " + message_;
}

std::int32_t referencePathlength(WineType wine)
{
    return wine == WineType::RedRose ? 2 : 10;
}

std::optional<WineType> readWineType(std::string_view text)
{
    std::string key = lowerAscii(trimSpaces(text));
    // Upper-case E acute, the one non-ASCII letter of the names.
    for (std::size_t at; (at = key.find("\xC3\x89")) != std::string::npos;)
        key.replace(at, 2, "\xC3\xA9");
    if (key == "red" || key == "rose" || key == "ros\xC3\xA9" || key == "red, ros\xC3\xA9")
        return WineType::RedRose;
    if (key == "white" || key == "brandy" || key == "white, brandy")
        return WineType::WhiteBrandy;
    return std::nullopt;
}

SampleColumns findSampleColumns(const std::vector<std::string>& header)
{
    SampleColumns columns;
    columns.fieldCount = header.size();
    const auto find = [&](const char* name, bool required) {
        int found = -1;
        const std::string key = lowerAscii(name);
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (headerKey(header[i]) != key)
                continue;
            if (found >= 0)
                throw BatchError(std::string("the header names the column ") + name + " twice");
            found = static_cast<int>(i);
        }
        if (found < 0 && required)
            throw BatchError(std::string("the header has no column ") + name);
        return found;
    };
    columns.name = find("name", false);
    columns.pathlength = find(kPathlengthHeader, true);
    columns.wine = find(kWineHeader, true);
    for (std::size_t i = 0; i < kAbsorbanceHeaders.size(); ++i)
        columns.absorbances[i] = find(kAbsorbanceHeaders[i], true);
    return columns;
}

bool isSampleHeader(const std::vector<std::string>& header)
{
    for (const auto& field : header)
        if (headerKey(field) == "a450")
            return true;
    return false;
}

bool isEmptyRecord(const CsvRecord& record)
{
    for (const auto& field : record.fields)
        if (!field.empty())
            return false;
    return true;
}

Sample computeSampleRow(const CsvRecord& record, const SampleColumns& columns, char32_t decimalSeparator)
{
    if (record.fields.size() != columns.fieldCount)
        throw RowError(record.line, "",
                       std::to_string(record.fields.size()) + (record.fields.size() == 1 ? " field" : " fields")
                           + " where the header has " + std::to_string(columns.fieldCount));

    const auto& fields = record.fields;
    const std::array<int, 5> required{columns.pathlength, columns.absorbances[0], columns.absorbances[1],
                                      columns.absorbances[2], columns.absorbances[3]};
    const std::array<const char*, 5> names{kPathlengthHeader, kAbsorbanceHeaders[0], kAbsorbanceHeaders[1],
                                           kAbsorbanceHeaders[2], kAbsorbanceHeaders[3]};
    for (std::size_t i = 0; i < required.size(); ++i)
        if (fields[required[i]].empty())
            throw RowError(record.line, names[i], "no value");

    std::size_t at = 0; // the field being converted, for the error
    try {
        const std::int32_t pathlength = readInteger(fields[columns.pathlength]);
        Absorbances a;
        double* values[] = {&a.a450, &a.a520, &a.a570, &a.a630};
        for (at = 1; at < 5; ++at)
            *values[at - 1] = readReal(fields[required[at]], decimalSeparator);
        const std::string& wineText = fields[columns.wine];
        const auto wine = readWineType(wineText);
        if (!wine)
            throw RowError(record.line, kWineHeader,
                           "'" + wineText + "' is not a wine type (red, rose, white or brandy)");
        Sample sample;
        if (columns.name >= 0)
            sample.name = fields[columns.name];
        try {
            sample.colour = computeColourCoordinates(a, pathlength, referencePathlength(*wine));
        } catch (const ArithmeticError& e) {
            throw RowError(record.line, "", e.what());
        }
        return sample;
    } catch (const ConversionError& e) {
        throw RowError(record.line, names[at], e.what());
    }
}

} // namespace vexa
