#pragma once

#include <cstdint>
#include <stdexcept>

namespace vexa {

// Counters and pixel positions are 32-bit and must never wrap silently:
// an overflow is reported as an error with the text the user sees.
class IntegerOverflow : public std::overflow_error {
public:
    IntegerOverflow() : std::overflow_error("Integer overflow") {}
};

inline std::int32_t checkedAdd(std::int32_t a, std::int32_t b)
{
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw IntegerOverflow();
    return sum;
}

inline std::int32_t checkedSub(std::int32_t a, std::int32_t b)
{
    std::int32_t diff = 0;
    if (__builtin_sub_overflow(a, b, &diff))
        throw IntegerOverflow();
    return diff;
}

} // namespace vexa
