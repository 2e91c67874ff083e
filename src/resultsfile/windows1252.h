#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexa {

// Windows-1252, the 8-bit code page of results files made on Windows. Its
// five unassigned bytes (81, 8D, 8F, 90, 9D) stand for the control characters
// of the same number, as Windows converts them, so every byte has a character
// and every text converts back to the bytes it came from.

// The UTF-8 text of Windows-1252 bytes.
std::string windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text, or nothing when a character has no
// place in the code page or the text is not valid UTF-8.
std::optional<std::string> utf8ToWindows1252(std::string_view text);

} // namespace vexa
