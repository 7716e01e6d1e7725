// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/stampoptions.h"

QStringList fileDateKindCaptions()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Date Created")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Date Taken")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Date Modified")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Date Accessed"))};
}

QStringList stampFormatCaptions()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Timestamp And Datestamp")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Datestamp And Timestamp")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Timestamp")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Datestamp"))};
}

QStringList stampPositionCaptions()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Upper-Left")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Upper-Right")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Lower-Left")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Lower-Right")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Center-Top")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Center-Left")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Center-Right")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Center-Bottom")),
        QStringLiteral(QT_TRANSLATE_NOOP("StampOptions", "Center"))};
}

namespace {

QString captionAt(const QStringList &captions, int index)
{
    return index >= 0 && index < captions.size() ? captions.at(index) : QString();
}

int indexNamed(const QStringList &captions, const QString &text)
{
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (captions.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int indexWithin(const QStringList &captions, int index)
{
    return index >= 0 && index < captions.size() ? index : -1;
}

} // namespace

QString caption(FileDateKind kind)
{
    return captionAt(fileDateKindCaptions(), int(kind));
}

QString caption(StampFormat format)
{
    return captionAt(stampFormatCaptions(), int(format));
}

QString caption(StampPosition position)
{
    return captionAt(stampPositionCaptions(), int(position));
}

FileDateKind fileDateKindNamed(const QString &text)
{
    return FileDateKind(indexNamed(fileDateKindCaptions(), text));
}

StampFormat stampFormatNamed(const QString &text)
{
    return StampFormat(indexNamed(stampFormatCaptions(), text));
}

StampPosition stampPositionNamed(const QString &text)
{
    return StampPosition(indexNamed(stampPositionCaptions(), text));
}

FileDateKind fileDateKindAt(int index)
{
    return FileDateKind(indexWithin(fileDateKindCaptions(), index));
}

StampFormat stampFormatAt(int index)
{
    return StampFormat(indexWithin(stampFormatCaptions(), index));
}

StampPosition stampPositionAt(int index)
{
    return StampPosition(indexWithin(stampPositionCaptions(), index));
}

StampOptions StampOptions::firstStart(
    const QString &today, const QString &timeNow, const QString &desktopFolder)
{
    StampOptions options;
    options.userDate = today;
    options.userTime = timeNow;
    options.outputFolder = desktopFolder + QLatin1Char('/');
    return options;
}
