// Whole numbers read from any text, against a reference that decides by
// comparing digit strings instead of doing arithmetic.
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "numbers/number_reading.h"

using namespace vexa::fuzz;

namespace {

VEXA_FUZZ_REFERENCE bool isDecimal(char c) { return c >= '0' && c <= '9'; }
VEXA_FUZZ_REFERENCE bool isHex(char c) { return isDecimal(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

VEXA_FUZZ_REFERENCE std::string withoutLeadingZeros(const std::string& digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// Leading spaces, then an optional sign and decimal digits worth at most
// 2147483647, or "$" and hexadecimal digits worth at most FFFFFFFF.
VEXA_FUZZ_REFERENCE std::optional<std::int32_t> referenceInteger(const std::string& text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    if (text[i] == '$') {
        const std::string digits = text.substr(i + 1);
        if (digits.empty())
            return std::nullopt;
        for (char c : digits)
            if (!isHex(c))
                return std::nullopt;
        const std::string significant = withoutLeadingZeros(digits);
        if (significant.size() > 8)
            return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(std::stoul(significant, nullptr, 16)));
    }
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    const std::string digits = text.substr(i);
    if (digits.empty())
        return std::nullopt;
    for (char c : digits)
        if (!isDecimal(c))
            return std::nullopt;
    const std::string significant = withoutLeadingZeros(digits);
    if (significant.size() > 10 || (significant.size() == 10 && significant > "2147483647"))
        return std::nullopt;
    const auto value = static_cast<std::int32_t>(std::stol(significant));
    return negative ? -value : value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = expandRuns(data, size);
    const auto expected = referenceInteger(text);
    std::optional<std::int32_t> actual;
    try {
        actual = vexa::readInteger(text);
    } catch (const vexa::ConversionError& e) {
        require(e.what() == asCString("'" + text + "' is not a valid integer value"), "wrong message for " + shown(text));
    }
    if (expected != actual)
        fail("'" + shown(text) + "' read as " + (actual ? std::to_string(*actual) : "an error") + ", expected "
             + (expected ? std::to_string(*expected) : "an error"));
    return 0;
}
