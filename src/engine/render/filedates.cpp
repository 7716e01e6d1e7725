// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/filedates.h"

#include "base/datetexts.h"
#include "engine/metadata/exifreader.h"
#include "engine/render/sourcefile.h"
#include "options/stampoptions.h"

#include <QDateTime>
#include <QFileInfo>

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
std::optional<QDateTime> parseExifDateTime(const QString &value)
{
    const QStringList words = value.simplified().split(QLatin1Char(' '));
    if (words.size() < 2)
        return std::nullopt;
    const QDate date = parseTakenDate(words[0]);
    const QTime time = parseTakenTime(words[1]);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

// An edited photo keeps the moment it was taken in DateTimeOriginal; ModifyDate is only the
// last resort, for pictures that never recorded more.
QString takenText(const ExifFields &exif, const DateTexts &texts)
{
    for (const QString &value : {exif.dateTimeOriginal, exif.createDate, exif.modifyDate}) {
        if (const auto taken = parseExifDateTime(value))
            return texts.date(taken->date()) + QLatin1Char(' ')
                + texts.twelveHourTime(taken->time());
    }
    return {};
}

} // namespace

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

} // namespace kalvora
