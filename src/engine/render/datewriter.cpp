// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/datewriter.h"

#include "base/datetexts.h"
#include "engine/render/filedates.h"

#include <QList>

namespace kalvora {

namespace {

// One piece of a pattern: a field (a run of one pattern letter, or "AP") or literal text, quotes
// kept as written.
struct Section
{
    QString text;
    QChar field; // null for literal text
};

bool isDateField(QChar field)
{
    return field == u'd' || field == u'M' || field == u'y';
}

bool isPatternLetter(QChar c)
{
    return isDateField(c) || QStringView(u"hHmszaAt").contains(c);
}

// The end of the quoted text that starts at \a start: after its closing quote ("''" inside
// stands for a quote), or the pattern's end.
qsizetype quotedEnd(const QString &pattern, qsizetype start)
{
    qsizetype end = start + 1;
    while (end < pattern.size()) {
        if (pattern[end] == u'\'') {
            if (end + 1 < pattern.size() && pattern[end + 1] == u'\'') {
                end += 2;
                continue;
            }
            return end + 1;
        }
        ++end;
    }
    return end;
}

QList<Section> sectionsOf(const QString &pattern)
{
    QList<Section> sections;
    const auto addLiteral = [&](const QString &text) {
        if (!sections.isEmpty() && sections.last().field.isNull())
            sections.last().text += text;
        else
            sections.append({text, QChar()});
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        qsizetype end = i + 1;
        if (c == u'\'') {
            end = quotedEnd(pattern, i);
            addLiteral(pattern.mid(i, end - i));
        } else if (isPatternLetter(c)) {
            while (end < pattern.size() && pattern[end] == c)
                ++end;
            if ((c == u'a' || c == u'A') && end < pattern.size()
                && (pattern[end] == u'p' || pattern[end] == u'P'))
                ++end;
            sections.append({pattern.mid(i, end - i), c});
        } else {
            addLiteral(c);
        }
        i = end;
    }
    return sections;
}

// The pattern without its zone fields and the blanks before them.
QString withoutZone(const QList<Section> &sections)
{
    QString pattern;
    for (qsizetype i = 0; i < sections.size(); ++i) {
        const Section &section = sections[i];
        const bool blanksBeforeZone = section.field.isNull() && section.text.trimmed().isEmpty()
            && i + 1 < sections.size() && sections[i + 1].field == u't';
        if (section.field != u't' && !blanksBeforeZone)
            pattern += section.text;
    }
    return pattern;
}

// The pattern of a date alone: the text before the first field and after the last, and the
// date fields with the text between them; time fields go with the text that leads to them.
QString dateAlone(const QList<Section> &sections)
{
    qsizetype firstField = -1;
    qsizetype lastField = -1;
    qsizetype firstDate = -1;
    qsizetype lastDate = -1;
    for (qsizetype i = 0; i < sections.size(); ++i) {
        const QChar field = sections[i].field;
        if (field.isNull())
            continue;
        if (firstField < 0)
            firstField = i;
        lastField = i;
        if (isDateField(field)) {
            if (firstDate < 0)
                firstDate = i;
            lastDate = i;
        }
    }
    QString pattern;
    for (qsizetype i = 0; i < sections.size(); ++i) {
        const Section &section = sections[i];
        const bool outside = i < firstField || i > lastField;
        const bool leadsToDate = i > firstDate && i < lastDate && i + 1 < sections.size()
            && isDateField(sections[i + 1].field);
        if (section.field.isNull() ? outside || leadsToDate : isDateField(section.field))
            pattern += section.text;
    }
    return pattern;
}

} // namespace

QString patternText(const FileDate &date, const QString &pattern, const QLocale &locale)
{
    const QList<Section> sections = sectionsOf(pattern);
    if (!date.hasTime)
        return locale.toString(date.local().date(), dateAlone(sections));
    return locale.toString(date.local(), date.reading ? withoutZone(sections) : pattern);
}

std::optional<QString> layOut(StampFormat format, const QString &datePart, const QString &timePart)
{
    switch (format) {
    case StampFormat::Timestamp:
        return timePart;
    case StampFormat::Datestamp:
        return datePart;
    case StampFormat::TimestampAndDatestamp:
        return timePart + QLatin1Char(' ') + datePart;
    case StampFormat::DatestampAndTimestamp:
        return datePart + QLatin1Char(' ') + timePart;
    case StampFormat::None:
        break;
    }
    return std::nullopt;
}

DateWriter::DateWriter(const StampOptions &options, const DateTexts &texts)
    : m_dates(options.dates)
    , m_format(options.format)
    , m_texts(texts)
    , m_locale(
          options.dates.localeName.isEmpty() ? texts.locale() : QLocale(options.dates.localeName))
{ }

std::optional<QString> DateWriter::write(const FileDate &date) const
{
    if (!m_dates.pattern.isEmpty())
        return patternText(date, m_dates.pattern, m_locale);
    const QString datePart = datePartOf(date, m_texts);
    if (!date.hasTime) {
        if (m_format == StampFormat::None)
            return std::nullopt;
        return m_format == StampFormat::Timestamp ? QString() : datePart;
    }
    return layOut(m_format, datePart, timePartOf(date, m_texts));
}

QString DateWriter::write(const FileDate &date, const QString &pattern) const
{
    if (!pattern.isEmpty())
        return patternText(date, pattern, m_locale);
    if (const auto text = write(date))
        return *text;
    const QString timePart = timePartOf(date, m_texts);
    const QString datePart = datePartOf(date, m_texts);
    return timePart.isEmpty() ? datePart : datePart + QLatin1Char(' ') + timePart;
}

} // namespace kalvora
