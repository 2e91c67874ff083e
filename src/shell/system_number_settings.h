#pragma once

#include "numbers/number_settings.h"

namespace vexa {

// The decimal separator of the system's number settings (the locale), read
// afresh on every use so that a change of the setting takes effect at once.
class SystemNumberSettings : public NumberSettings {
public:
    char32_t decimalSeparator() const override;
};

} // namespace vexa
