// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/filedates.h"

#include "base/datetexts.h"
#include "engine/metadata/exifreader.h"
#include "engine/render/sourcefile.h"
#include "options/stampoptions.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <optional>

namespace kalvora {

namespace {

QString momentText(const QDateTime &moment, const DateTexts &texts)
{
    // toLocalTime() applies the offset of the moment itself, daylight saving included.
    return texts.dateTime(moment.toLocalTime());
}

} // namespace

QString FileTimeText(const QString &path, FileTime which, const DateTexts &texts)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {};
    QDateTime moment;
    switch (which) {
    case FileTime::Created:
        moment = info.birthTime();
        if (!moment.isValid())
            moment = info.lastModified();
        break;
    case FileTime::Modified:
        moment = info.lastModified();
        break;
    case FileTime::Accessed:
        moment = info.lastRead();
        break;
    }
    return momentText(moment, texts);
}

namespace {

QDate parseTakenDate(const QString &word)
{
    QString text = word;
    text.replace(QLatin1Char(':'), QLatin1Char('-'));
    for (const auto format : {"yyyy-M-d", "yyyy-MM-dd"}) {
        const QDate date = QDate::fromString(text, QLatin1String(format));
        if (date.isValid())
            return date;
    }
    return {};
}

QTime parseTakenTime(const QString &word)
{
    for (const auto format : {"H:m:s", "H:m"}) {
        const QTime time = QTime::fromString(word, QLatin1String(format));
        if (time.isValid())
            return time;
    }
    return {};
}

// An EXIF date and time, "2021:08:31 13:23:45"; words after the time (a zone some writers
// add) are ignored. Cameras without a clock write zeros or blanks, which is no date.
std::optional<FileDate> parseExifDateTime(const QString &value)
{
    const QStringList words = value.simplified().split(QLatin1Char(' '));
    if (words.size() < 2)
        return std::nullopt;
    const QDate date = parseTakenDate(words[0]);
    const QTime time = parseTakenTime(words[1]);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return FileDate {QDateTime(date, time, Qt::UTC), true, true};
}

// An XMP date, "2021-08-31T13:23:45" with perhaps fractions of a second and a zone, or a date
// alone. The zone is left aside: the reading is the local clock's, as EXIF's is.
std::optional<FileDate> parseXmpDateTime(const QString &value)
{
    static const QRegularExpression form(QStringLiteral(
        "^(\\d{4})-(\\d{2})-(\\d{2})(?:[T ](\\d{2}):(\\d{2})(?::(\\d{2})(?:[.,]\\d+)?)?)?"
        "\\s*(?:Z|[+-]\\d{2}(?::?\\d{2})?)?$"));
    const QRegularExpressionMatch match = form.match(value.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(
        match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    if (match.captured(4).isEmpty())
        return FileDate {QDateTime(date, QTime(0, 0), Qt::UTC), true, false};
    const QTime time(
        match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
    if (!time.isValid())
        return std::nullopt;
    return FileDate {QDateTime(date, time, Qt::UTC), true, true};
}

QString takenText(const ExifFields &exif, const DateTexts &texts)
{
    const auto taken = dateTaken(exif);
    if (!taken)
        return {};
    const QString time = timePartOf(*taken, texts);
    return time.isEmpty() ? datePartOf(*taken, texts)
                          : datePartOf(*taken, texts) + QLatin1Char(' ') + time;
}

} // namespace

// An edited photo keeps the moment it was taken in DateTimeOriginal; ModifyDate is only the
// last resort among EXIF's dates, for pictures that never recorded more. A picture whose
// dates were written by an organizer holds them in XMP only.
std::optional<FileDate> dateTaken(const ExifFields &exif)
{
    for (const QString &value : {exif.dateTimeOriginal, exif.createDate, exif.modifyDate}) {
        if (const auto taken = parseExifDateTime(value))
            return taken;
    }
    for (const QString &value :
        {exif.xmpDateTimeOriginal, exif.xmpDateCreated, exif.xmpCreateDate}) {
        if (const auto taken = parseXmpDateTime(value))
            return taken;
    }
    return std::nullopt;
}

QString DateTakenText(const QString &path, const DateTexts &texts)
{
    return takenText(readExifFields(path), texts);
}

QString fileTimeText(const SourceFile &source, FileTime which, const DateTexts &texts)
{
    switch (which) {
    case FileTime::Created:
        return momentText(source.created, texts);
    case FileTime::Modified:
        return momentText(source.modified, texts);
    case FileTime::Accessed:
        return momentText(source.accessed, texts);
    }
    return {};
}

QString dateTakenText(const SourceFile &source, const DateTexts &texts)
{
    if (source.exifFailure)
        throw *source.exifFailure;
    return takenText(source.exif, texts);
}

QString fileDateText(FileDateKind kind, const SourceFile &source, const DateTexts &texts)
{
    switch (kind) {
    case FileDateKind::None:
        return {};
    case FileDateKind::DateCreated:
        return fileTimeText(source, FileTime::Created, texts);
    case FileDateKind::DateTaken:
        return dateTakenText(source, texts);
    case FileDateKind::DateModified:
        return fileTimeText(source, FileTime::Modified, texts);
    case FileDateKind::DateAccessed:
        return fileTimeText(source, FileTime::Accessed, texts);
    }
    return {};
}

std::optional<FileDate> fileTime(const SourceFile &source, FileTime which)
{
    QDateTime moment;
    switch (which) {
    case FileTime::Created:
        moment = source.created;
        break;
    case FileTime::Modified:
        moment = source.modified;
        break;
    case FileTime::Accessed:
        moment = source.accessed;
        break;
    }
    if (!moment.isValid())
        return std::nullopt;
    return FileDate {moment, false, true};
}

std::optional<FileDate> fileDate(FileDateKind kind, const SourceFile &source)
{
    switch (kind) {
    case FileDateKind::None:
        return std::nullopt;
    case FileDateKind::DateCreated:
        return fileTime(source, FileTime::Created);
    case FileDateKind::DateTaken:
        if (source.exifFailure)
            throw *source.exifFailure;
        return dateTaken(source.exif);
    case FileDateKind::DateModified:
        return fileTime(source, FileTime::Modified);
    case FileDateKind::DateAccessed:
        return fileTime(source, FileTime::Accessed);
    }
    return std::nullopt;
}

std::optional<FileDate> fileNameDate(const QString &fileName)
{
    // A year, month and day with one separator or none, not inside a longer number; then,
    // perhaps, an hour, minute and second likewise (fractions of a second may follow).
    static const QRegularExpression form(QStringLiteral(
        "(?<!\\d)((?:19|20)\\d{2})([-_.]?)(\\d{2})\\2(\\d{2})"
        "(?:(?:[ _T-]|_at_| at )?(\\d{2})([-_.:]?)(\\d{2})\\6(\\d{2})\\d{0,3})?(?!\\d)"));
    QRegularExpressionMatchIterator matches = form.globalMatch(fileName);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QDate date(
            match.captured(1).toInt(), match.captured(3).toInt(), match.captured(4).toInt());
        if (!date.isValid())
            continue;
        const QTime time = match.captured(5).isEmpty()
            ? QTime()
            : QTime(
                match.captured(5).toInt(), match.captured(7).toInt(), match.captured(8).toInt());
        if (!time.isValid())
            return FileDate {QDateTime(date, QTime(0, 0), Qt::UTC), true, false};
        return FileDate {QDateTime(date, time, Qt::UTC), true, true};
    }
    return std::nullopt;
}

FileDate shifted(FileDate date, int minutes)
{
    // A moment moves as time passes (across a change to summer time too), a reading as a
    // calendar does; a date alone has no minutes to move.
    date.moment = date.hasTime ? date.moment.addSecs(qint64(minutes) * 60)
                               : date.moment.addDays(minutes / (24 * 60));
    return date;
}

QString datePartOf(const FileDate &date, const DateTexts &texts)
{
    return texts.date(date.local().date());
}

QString timePartOf(const FileDate &date, const DateTexts &texts)
{
    if (!date.hasTime)
        return {};
    const QTime time = date.local().time();
    return date.reading ? texts.twelveHourTime(time) : texts.time(time);
}

} // namespace kalvora
