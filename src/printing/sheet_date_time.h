#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <utility>

namespace vexa {

// Where the title line of the printed sheet takes its date and time from:
// the current local time and the locale whose short date and long time
// formats write it. Tests fix both.
class SheetClock {
public:
    virtual ~SheetClock() = default;
    virtual QDateTime now() const = 0;
    virtual QLocale locale() const = 0;
};

// The system's clock and date and time settings, read afresh on every print.
class SystemSheetClock : public SheetClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    QLocale locale() const override { return QLocale::system(); }
};

// A clock that always shows one moment in one locale.
class FixedSheetClock : public SheetClock {
public:
    FixedSheetClock(QDateTime when, QLocale locale) : when_(std::move(when)), locale_(std::move(locale)) {}
    QDateTime now() const override { return when_; }
    QLocale locale() const override { return locale_; }

private:
    QDateTime when_;
    QLocale locale_;
};

// A time format with its time zone name taken out, with the space or
// brackets that went with it: "h:mm:ss AP t" becomes "h:mm:ss AP".
QString timeFormatWithoutZone(const QString& format);

// The date and time text of the title line: the locale's short date, a space
// and its long time without a zone name. At 00:00:00 to the second the space
// and the time are left out.
QString sheetDateTimeText(const QDateTime& when, const QLocale& locale);
QString sheetDateTimeText(const SheetClock& clock);

} // namespace vexa
