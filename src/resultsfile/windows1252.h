#pragma once

#include <string>
#include <string_view>

namespace vexa {

// Windows-1252, the 8-bit code page of results files made on Windows. Its
// five unassigned bytes (81, 8D, 8F, 90, 9D) stand for the control characters
// of the same number, as Windows converts them, so every byte has a character
// and every text converts back to the bytes it came from.

// The UTF-8 text of Windows-1252 bytes.
std::string windows1252ToUtf8(std::string_view bytes);

// Appends the Windows-1252 bytes of a UTF-8 text to `out` and returns true.
// Returns false, with `out` partly appended to, when a character has no place
// in the code page or the text is not valid UTF-8.
bool appendWindows1252(std::string& out, std::string_view text);

} // namespace vexa
