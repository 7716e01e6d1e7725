// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/fontchoice.h"

#include <QString>
#include <QStringList>

/// Which text is stamped.
enum class StampSource { FileDate, UserDateTime, CustomText };

/// Which date of a file is stamped; the value is the position in the date-kind list.
enum class FileDateKind { DateCreated = 0, DateTaken = 1, DateModified = 2, DateAccessed = 3 };

/// How a file date is laid out; the value is the position in the format list.
enum class StampFormat {
    TimestampAndDatestamp = 0,
    DatestampAndTimestamp = 1,
    Timestamp = 2,
    Datestamp = 3,
};

/// Where the stamp is drawn; the value is the position in the position list.
enum class StampPosition {
    UpperLeft = 0,
    UpperRight,
    LowerLeft,
    LowerRight,
    CenterTop,
    CenterLeft,
    CenterRight,
    CenterBottom,
    Center,
};

/// Where results go.
enum class SaveOption { OriginalFolder, ChosenFolder };

/// The captions of the three selection lists, in list order.
QStringList FileDateKindCaptions();
QStringList StampFormatCaptions();
QStringList StampPositionCaptions();

QString caption(FileDateKind kind);
QString caption(StampFormat format);
QString caption(StampPosition position);

/// A colour value with red in the low byte, green in the middle and blue in the high byte, as
/// stored under "Font Color".
inline constexpr quint32 kWhite = 16777215;
inline constexpr quint32 kBlack = 0;
constexpr quint32 ColorValue(int red, int green, int blue)
{
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}
constexpr int RedOf(quint32 value)
{
    return int(value & 0xFF);
}
constexpr int GreenOf(quint32 value)
{
    return int(value >> 8 & 0xFF);
}
constexpr int BlueOf(quint32 value)
{
    return int(value >> 16 & 0xFF);
}

/// Every choice that shapes a stamp, as the options panel shows it at one moment.
///
/// The list-backed fields keep what the lists hold: \c format and \c position are the selected
/// captions (compared as text by their users, so an unknown caption means "draw nothing"), and
/// \c fileDateKind is the list position, -1 when nothing is selected.
struct StampOptions
{
    StampSource source = StampSource::CustomText;
    int fileDateKind = int(FileDateKind::DateCreated);
    QString userDate;
    QString userTime;
    QString customText;
    QString format = caption(StampFormat::TimestampAndDatestamp);
    QString position = caption(StampPosition::UpperLeft);
    QString fontName = QStringLiteral("Arial");
    double fontSize = 14;
    bool fontBold = true;
    bool fontItalic = false;
    bool fontUnderline = false;
    bool fontStrikethru = false;
    quint32 color = kWhite;
    int jpegQuality = 85;
    SaveOption saveOption = SaveOption::ChosenFolder;
    QString outputFolder;
    QString sampleText = QStringLiteral("AAaaBBbbCCcc");

    /// The options of a first start: today's date and the time now as the user date and time
    /// (already rendered as the user's locale writes them), and the desktop folder with one
    /// separator added as the output folder.
    /// The six font fields as one font, and back: the one place where the record and the font
    /// model meet.
    FontChoice font() const;
    void setFont(const FontChoice &font);

    static StampOptions firstStart(
        const QString &today, const QString &timeNow, const QString &desktopFolder);

    friend bool operator==(const StampOptions &, const StampOptions &) = default;
};
