// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/stampoptions.h"

QStringList FileDateKindCaptions()
{
    return {QStringLiteral("Date Created"), QStringLiteral("Date Taken"),
        QStringLiteral("Date Modified"), QStringLiteral("Date Accessed")};
}

QStringList StampFormatCaptions()
{
    return {QStringLiteral("Timestamp And Datestamp"), QStringLiteral("Datestamp And Timestamp"),
        QStringLiteral("Timestamp"), QStringLiteral("Datestamp")};
}

QStringList StampPositionCaptions()
{
    return {QStringLiteral("Upper-Left"), QStringLiteral("Upper-Right"),
        QStringLiteral("Lower-Left"), QStringLiteral("Lower-Right"), QStringLiteral("Center-Top"),
        QStringLiteral("Center-Left"), QStringLiteral("Center-Right"),
        QStringLiteral("Center-Bottom"), QStringLiteral("Center")};
}

QString caption(FileDateKind kind)
{
    return FileDateKindCaptions().at(int(kind));
}

QString caption(StampFormat format)
{
    return StampFormatCaptions().at(int(format));
}

QString caption(StampPosition position)
{
    return StampPositionCaptions().at(int(position));
}

FontChoice StampOptions::font() const
{
    return FontChoice {fontName, fontSize, fontBold, fontItalic, fontUnderline, fontStrikethru};
}

void StampOptions::setFont(const FontChoice &font)
{
    fontName = font.name;
    fontSize = font.pointSize;
    fontBold = font.bold;
    fontItalic = font.italic;
    fontUnderline = font.underline;
    fontStrikethru = font.strikeOut;
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
