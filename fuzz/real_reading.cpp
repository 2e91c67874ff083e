// Reals read from any text with any of a few separators, by both readers:
// a text in the grammar must give exactly the double strtod gives for it
// (refused when strtod overflows), any other text must be refused.
//
// Input: one byte choosing the reader (bit 0: the typed-input reader or the
// cell reader) and the user's separator (bits 1 and 2), then the text.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "numbers/number_reading.h"
#include "numbers/utf8.h"

using namespace vexa::fuzz;

namespace {

constexpr char32_t kSeparators[] = {U'.', U',', U'\u066B', U'\u00B7'};

VEXA_FUZZ_REFERENCE bool isDecimal(char c) { return c >= '0' && c <= '9'; }

// Compared by hand: a memcmp per character would have libFuzzer trace each.
VEXA_FUZZ_REFERENCE bool startsWith(const std::string& text, std::size_t at, const std::string& prefix)
{
    if (text.size() - at < prefix.size())
        return false;
    for (std::size_t k = 0; k < prefix.size(); ++k)
        if (text[at + k] != prefix[k])
            return false;
    return true;
}

// The text rewritten for strtod (point, 'e', no spaces), or nothing when it is
// outside the grammar: spaces, sign, digits with at most one of the accepted
// separators, an optional exponent, spaces.
VEXA_FUZZ_REFERENCE std::optional<std::string> inGrammar(const std::string& text, const std::vector<std::string>& separators,
                                     bool loneSeparatorIsZero)
{
    std::size_t i = 0;
    const auto at = [&](char c) { return i < text.size() && text[i] == c; };
    while (at(' '))
        ++i;
    std::string plain;
    if (at('+') || at('-'))
        plain += text[i++] == '-' ? "-" : "";
    std::size_t digits = 0;
    bool separator = false;
    for (;;) {
        if (i < text.size() && isDecimal(text[i])) {
            plain += text[i++];
            ++digits;
            continue;
        }
        bool matched = false;
        for (const auto& sep : separators) {
            if (!separator && startsWith(text, i, sep)) {
                plain += '.';
                i += sep.size();
                separator = matched = true;
                break;
            }
        }
        if (!matched)
            break;
    }
    if (digits == 0) {
        if (!(separator && loneSeparatorIsZero))
            return std::nullopt;
        plain += '0';
    }
    if (at('e') || at('E')) {
        plain += 'e';
        ++i;
        if (at('+') || at('-'))
            plain += text[i++];
        const std::size_t start = i;
        while (i < text.size() && isDecimal(text[i]))
            plain += text[i++];
        if (i == start)
            return std::nullopt;
    }
    while (at(' '))
        ++i;
    if (i != text.size())
        return std::nullopt;
    return plain;
}

std::string bits(double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%a", v);
    return buffer;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool cellReader = data[0] & 1;
    const char32_t userSeparator = kSeparators[(data[0] >> 1) & 3];
    const std::string text = expandRuns(data + 1, size - 1);

    std::vector<std::string> separators{vexa::utf8::encode(userSeparator)};
    if (cellReader && userSeparator != U',')
        separators.push_back(",");
    const auto plain = inGrammar(text, separators, !cellReader);

    std::optional<double> expected;
    if (plain) {
        errno = 0;
        const double reference = std::strtod(plain->c_str(), nullptr);
        if (!std::isinf(reference))
            expected = reference;
    }

    std::optional<double> actual;
    try {
        actual = cellReader ? vexa::readCellNumber(text, userSeparator) : vexa::readReal(text, userSeparator);
    } catch (const vexa::ConversionError& e) {
        require(e.what() == asCString("'" + text + "' is not a valid floating point value"), "wrong message for " + shown(text));
    }

    const std::string reader = cellReader ? "readCellNumber" : "readReal";
    if (expected.has_value() != actual.has_value())
        fail(reader + " of '" + shown(text) + "': " + (actual ? "read " + bits(*actual) : "refused") + ", expected "
             + (expected ? bits(*expected) : "a refusal"));
    if (expected && std::memcmp(&*expected, &*actual, sizeof(double)) != 0)
        fail(reader + " of '" + shown(text) + "' gave " + bits(*actual) + ", strtod " + bits(*expected));
    return 0;
}
