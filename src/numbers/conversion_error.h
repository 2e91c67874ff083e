#pragma once

#include <stdexcept>
#include <string>

namespace vexa {

// A text that does not convert to a number. The text is what the user sees.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static ConversionError notInteger(const std::string& text)
    {
        return ConversionError("'" + text + "' is not a valid integer value");
    }
    static ConversionError notReal(const std::string& text)
    {
        return ConversionError("'" + text + "' is not a valid floating point value");
    }
};

} // namespace vexa
