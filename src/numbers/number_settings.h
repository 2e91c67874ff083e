#pragma once

namespace vexa {

// The user's number settings, as far as this program uses them: the decimal
// separator. The windows read it through this interface on every conversion,
// so a change of the system setting takes effect at once and tests can set
// any separator without touching global state.
class NumberSettings {
public:
    virtual ~NumberSettings() = default;
    virtual char32_t decimalSeparator() const = 0;
};

// Settings with a fixed separator.
class FixedNumberSettings : public NumberSettings {
public:
    explicit FixedNumberSettings(char32_t separator = U'.') : separator_(separator) {}
    char32_t decimalSeparator() const override { return separator_; }
    void setDecimalSeparator(char32_t separator) { separator_ = separator; }

private:
    char32_t separator_;
};

} // namespace vexa
