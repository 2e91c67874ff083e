#pragma once
// Helpers shared by the fuzz targets: decoding an input into texts and
// fields, and stopping with a message when a property does not hold (the
// abort makes libFuzzer keep the input as a finding).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

// For the checking code of a target, which is not under test: it gives the
// fuzzer no coverage feedback (which would steer it by the reference's own
// branches) and costs no tracing per character on very long texts.
#define VEXA_FUZZ_REFERENCE __attribute__((no_sanitize("coverage")))

namespace vexa::fuzz {

[[noreturn]] inline void fail(const std::string& message)
{
    std::fprintf(stderr, "property violated: %s\n", message.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void require(bool holds, const std::string& message)
{
    if (!holds)
        fail(message);
}

// A text for the readers, which must cope with texts of any length. Two bytes
// that never occur in UTF-8 stand for runs: 0xFF followed by a count byte n
// and a byte c stands for c repeated n + 1 times, 0xFE n c for c repeated
// (n + 1) * 4096 times (up to a million, where a count of places can outgrow
// a saturated exponent); every other byte stands for itself. The whole text
// stays below 1.5 Mi characters: a long text costs milliseconds per character
// million under the sanitizers, so they are kept for the inputs that ask.
VEXA_FUZZ_REFERENCE inline std::string expandRuns(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kLongRunUnit = 4096;
    constexpr std::size_t kMaxLength = 3u << 19;
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        if ((data[i] == 0xFF || data[i] == 0xFE) && i + 2 < size) {
            const std::size_t count = (data[i + 1] + 1u) * (data[i] == 0xFE ? kLongRunUnit : 1);
            if (text.size() + count <= kMaxLength)
                text.append(count, static_cast<char>(data[i + 2]));
            i += 2;
        } else {
            text += static_cast<char>(data[i]);
        }
    }
    return text;
}

// A message as what() gives it: a text with a NUL byte ends there.
VEXA_FUZZ_REFERENCE inline std::string asCString(const std::string& message)
{
    return message.substr(0, message.find('\0'));
}

// Shortens a text for a message.
VEXA_FUZZ_REFERENCE inline std::string shown(std::string_view text)
{
    if (text.size() <= 200)
        return std::string(text);
    return std::string(text.substr(0, 100)) + "...(" + std::to_string(text.size()) + " characters)..."
           + std::string(text.substr(text.size() - 100));
}

// Space-separated fields of a textual input, read in turn.
class Fields {
public:
    Fields(const std::uint8_t* data, std::size_t size) : text_(reinterpret_cast<const char*>(data), size) {}

    std::optional<std::string> word()
    {
        while (pos_ < text_.size() && isSpace(text_[pos_]))
            ++pos_;
        if (pos_ == text_.size())
            return std::nullopt;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isSpace(text_[pos_]))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // A whole number in C syntax (decimal, 0x hex), saturated to long long.
    std::optional<long long> integer()
    {
        const auto w = word();
        if (!w)
            return std::nullopt;
        char* end = nullptr;
        const long long value = std::strtoll(w->c_str(), &end, 0);
        if (end == w->c_str())
            return std::nullopt;
        return value;
    }

    // A real in C syntax: decimal, hexadecimal (0x1.8p3, which reaches every
    // double), inf and nan.
    std::optional<double> real()
    {
        const auto w = word();
        if (!w)
            return std::nullopt;
        char* end = nullptr;
        const double value = std::strtod(w->c_str(), &end);
        if (end == w->c_str())
            return std::nullopt;
        return value;
    }

private:
    static bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }

    std::string text_;
    std::size_t pos_ = 0;
};

} // namespace vexa::fuzz
