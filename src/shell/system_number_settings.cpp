#include "shell/system_number_settings.h"

#include <QLocale>

namespace vexa {

char32_t SystemNumberSettings::decimalSeparator() const
{
    const QString separator = QLocale::system().decimalPoint();
    if (separator.isEmpty())
        return U'.';
    return separator.toUcs4().value(0, U'.');
}

} // namespace vexa
