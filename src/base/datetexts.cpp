// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/datetexts.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

// Locales may separate a time from its AM/PM word with a no-break space; the stamp text cuts
// date texts at plain blanks, so every space-like character becomes one.
QString withPlainBlanks(QString format)
{
    format.replace(QChar(0x202F), QLatin1Char(' '));
    format.replace(QChar(0x00A0), QLatin1Char(' '));
    return format;
}

QString shortDateWithFullYear(const QLocale &locale)
{
    QString format = withPlainBlanks(locale.dateFormat(QLocale::ShortFormat));
    // A lone "yy" becomes "yyyy"; a "yyyy" already there stays.
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return format;
}

QString longTimeWithoutZone(const QLocale &locale)
{
    QString format = withPlainBlanks(locale.timeFormat(QLocale::LongFormat));
    // "t", "tt", "ttt" or "tttt" name the time zone; drop it with the blanks around it.
    static const QRegularExpression zone(QStringLiteral("\\s*(?<![A-Za-z'])t+(?![A-Za-z'])\\s*"));
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}

// The C locale (what Linux gives a program started with LANG=C or POSIX) writes its short date
// as "d MMM yyyy": its blanks would split one date into three words wherever a text is cut at
// blanks, so that locale gets the international numeric forms instead.
bool isCLocale(const QLocale &locale)
{
    return locale.language() == QLocale::C;
}

} // namespace

DateTexts::DateTexts(const QLocale &locale)
    : m_locale(locale)
    , m_dateFormat(isCLocale(locale) ? QStringLiteral("yyyy-MM-dd") : shortDateWithFullYear(locale))
    , m_timeFormat(isCLocale(locale) ? QStringLiteral("HH:mm:ss") : longTimeWithoutZone(locale))
{ }

QString DateTexts::date(const QDate &date) const
{
    return m_locale.toString(date, m_dateFormat);
}

QString DateTexts::time(const QTime &time) const
{
    return withPlainBlanks(m_locale.toString(time, m_timeFormat));
}

QString DateTexts::dateTime(const QDateTime &moment) const
{
    return date(moment.date()) + QLatin1Char(' ') + time(moment.time());
}

QString DateTexts::twelveHourTime(const QTime &time) const
{
    return withPlainBlanks(m_locale.toString(time, QStringLiteral("h:mm:ss Ap")));
}
