#include "printing/sheet_date_time.h"

namespace vexa {

QString timeFormatWithoutZone(const QString& format)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar ch = format[i];
        if (ch == QLatin1Char('\'')) {
            quoted = !quoted;
            result += ch;
            continue;
        }
        if (quoted || ch != QLatin1Char('t')) {
            result += ch;
            continue;
        }
        // A zone name: drop its run of letters and the space that separates it.
        while (i + 1 < format.size() && format[i + 1] == QLatin1Char('t'))
            ++i;
        if (!result.isEmpty() && result.back().isSpace())
            result.chop(1);
        else if (result.isEmpty() && i + 1 < format.size() && format[i + 1].isSpace())
            ++i;
    }
    result.replace(QStringLiteral(" ()"), QString());
    result.replace(QStringLiteral("()"), QString());
    return result.trimmed();
}

QString sheetDateTimeText(const QDateTime& when, const QLocale& locale)
{
    const QString date = locale.toString(when.date(), locale.dateFormat(QLocale::ShortFormat));
    const QTime time = when.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;
    const QString timeFormat = timeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat));
    return date + QLatin1Char(' ') + locale.toString(time, timeFormat);
}

QString sheetDateTimeText(const SheetClock& clock)
{
    return sheetDateTimeText(clock.now(), clock.locale());
}

} // namespace vexa
