// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stampoptions.h"

#include <QLocale>
#include <QString>

#include <optional>

class DateTexts;

namespace kalvora {

struct FileDate;

/// \a date written with a Qt date-time \a pattern ("dd MMMM yyyy, HH:mm", "'Day' d") in
/// \a locale, whose month and day names it takes. A camera's reading has no zone, so a zone
/// field is left out with the blanks before it; a date alone leaves out the time fields and the
/// text between them and the date ("yyyy-MM-dd HH:mm" writes "2023-08-15"), rather than
/// inventing a midnight.
QString patternText(const FileDate &date, const QString &pattern, const QLocale &locale);

/// A stamp layout of the format list: the time part, the date part, or both in either order
/// with one blank between them; none for no format.
std::optional<QString> layOut(StampFormat format, const QString &datePart, const QString &timePart);

/// Writes file dates as the options ask: with the date pattern when there is one (month and day
/// names in the chosen locale, else in that of \a texts), else laid out by the format from the
/// locale's short date and time.
class DateWriter
{
public:
    DateWriter(const StampOptions &options, const DateTexts &texts);

    /// \a date as the options write it; none when no pattern is given and no format chosen. A
    /// date alone fills the date part only: "Timestamp" gives the empty text.
    std::optional<QString> write(const FileDate &date) const;

    /// \a date with \a pattern when it is not empty (a token's own), else as write() has it,
    /// with both parts where no format is chosen.
    QString write(const FileDate &date, const QString &pattern) const;

private:
    const DateChoices &m_dates;
    StampFormat m_format;
    const DateTexts &m_texts;
    QLocale m_locale;
};

} // namespace kalvora
