// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/stamptext.h"

#include "base/runtimefailure.h"
#include "engine/render/filedates.h"

namespace kalvora {

QString fileDateText(FileDateKind fileDateKind, const QString &path, const DateTexts &texts)
{
    switch (fileDateKind) {
    case FileDateKind::None:
        return {};
    case FileDateKind::DateCreated:
        return FileTimeText(path, FileTime::Created, texts);
    case FileDateKind::DateTaken:
        return DateTakenText(path, texts);
    case FileDateKind::DateModified:
        return FileTimeText(path, FileTime::Modified, texts);
    case FileDateKind::DateAccessed:
        return FileTimeText(path, FileTime::Accessed, texts);
    }
    return {};
}

namespace {

std::optional<QString> composeFileDate(const StampOptions &options, const QString &dateText)
{
    if (caption(options.fileDateKind).isEmpty())
        return std::nullopt;
    const bool noDateTaken = options.fileDateKind == FileDateKind::DateTaken && dateText.isEmpty();
    const QStringList items = noDateTaken
        ? QString::fromLatin1(kNoDateTakenText).split(QLatin1Char('|'))
        : dateText.split(QLatin1Char(' '));
    if (items.size() < 2)
        throw RuntimeFailure(
            QStringLiteral("The file date \"%1\" holds no time.").arg(dateText), 9);

    const QString datePart = items[0];
    QString timePart = items[1];
    if (items.size() > 2)
        timePart += QLatin1Char(' ') + items[2];

    switch (options.format) {
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

} // namespace

std::optional<QString> ComposeStampText(const StampOptions &options, const QString &dateText)
{
    switch (options.source) {
    case StampSource::FileDate:
        return composeFileDate(options, dateText);
    case StampSource::UserDateTime:
        return options.userDate + QLatin1Char(' ') + options.userTime;
    case StampSource::CustomText:
        return options.customText;
    }
    return std::nullopt;
}

std::optional<QString> ComposeStampText(
    const StampOptions &options, const QString &path, const DateTexts &texts)
{
    const QString dateText = options.source == StampSource::FileDate
        ? fileDateText(options.fileDateKind, path, texts)
        : QString();
    return ComposeStampText(options, dateText);
}

} // namespace kalvora
