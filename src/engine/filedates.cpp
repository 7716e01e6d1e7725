// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filedates.h"

#include "datetexts.h"
#include "runtimefailure.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

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
    // toLocalTime() applies the offset of the moment itself, daylight saving included.
    return texts.dateTime(moment.toLocalTime());
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

} // namespace

QString DateTakenText(const QString &path, const DateTexts &texts)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeFailure(
            QStringLiteral("Cannot read the date taken of %1: %2").arg(path, file.errorString()),
            53);
    const QByteArray head = file.read(kDateTakenScanBytes);
    file.close();
    if (head.isEmpty())
        throw RuntimeFailure(
            QStringLiteral("Cannot read the date taken of %1: the file is empty.").arg(path), 9);

    // One character per byte, as Latin-1; the zero bytes cut the text into fields.
    const QStringList fields = QString::fromLatin1(head).split(QChar(0));
    qsizetype field = 0;
    while (field < fields.size() && !fields[field].contains(QLatin1String("Exif")))
        ++field;
    if (field == fields.size())
        return {};
    ++field;
    while (field < fields.size() && !fields[field].contains(QLatin1Char(':')))
        ++field;
    if (field == fields.size())
        return {};

    const QStringList words = fields[field].split(QLatin1Char(' '));
    if (words.size() < 2)
        throw RuntimeFailure(
            QStringLiteral("The date taken of %1 has no time: \"%2\"").arg(path, fields[field]), 9);
    const QDate date = parseTakenDate(words[0]);
    if (!date.isValid())
        throw RuntimeFailure(
            QStringLiteral("The date taken of %1 is not a date: \"%2\"").arg(path, words[0]), 13);
    const QTime time = parseTakenTime(words[1]);
    if (!time.isValid())
        throw RuntimeFailure(
            QStringLiteral("The date taken of %1 is not a time: \"%2\"").arg(path, words[1]), 13);
    return texts.date(date) + QLatin1Char(' ') + texts.twelveHourTime(time);
}
