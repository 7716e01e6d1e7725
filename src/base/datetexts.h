// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

class QDate;
class QDateTime;
class QTime;

/// Dates and times as the user's desktop writes them in lists and dialogs: the locale's short
/// date with a four-digit year and its long time without a time zone ("8/31/2021" and
/// "1:23:45 PM" in the United States, "31.08.2021" and "13:23:45" in Germany). Under the C or
/// POSIX locale, whose short date holds blanks, dates are "2021-08-31" and times "13:23:45".
///
/// The locale is given, so tests fix it; the program passes QLocale::system().
class DateTexts
{
public:
    explicit DateTexts(const QLocale &locale = QLocale::system());

    QString shortDateFormat() const { return m_dateFormat; }
    QString longTimeFormat() const { return m_timeFormat; }

    QString date(const QDate &date) const;
    QString time(const QTime &time) const;

    /// The short date, one blank and the long time, always both, midnight included.
    QString dateTime(const QDateTime &moment) const;

    /// A time on the 12-hour clock with the locale's morning or afternoon word ("1:23:45 PM").
    QString twelveHourTime(const QTime &time) const;

    QLocale locale() const { return m_locale; }

private:
    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
};
