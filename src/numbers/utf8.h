#pragma once

#include <string>

namespace vexa::utf8 {

// The UTF-8 form of one code point (a decimal separator, say).
std::string encode(char32_t codePoint);

} // namespace vexa::utf8
