// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/fontchoice.h"
#include "options/stamplook.h"

#include <QString>
#include <QStringList>

/// Which text is stamped.
enum class StampSource { FileDate, UserDateTime, CustomText };

/// Which date of a file is stamped; the value is the position in the date-kind list. None is
/// the list with no item selected: nothing is drawn.
enum class FileDateKind {
    None = -1,
    DateCreated = 0,
    DateTaken = 1,
    DateModified = 2,
    DateAccessed = 3
};

/// How a file date is laid out; the value is the position in the format list. None is a list
/// with no item selected (or a caption that names no item): nothing is drawn.
enum class StampFormat {
    None = -1,
    TimestampAndDatestamp = 0,
    DatestampAndTimestamp = 1,
    Timestamp = 2,
    Datestamp = 3,
};

/// Where the stamp is drawn; the value is the position in the position list.
/// None draws nothing, as a caption that names no position did.
enum class StampPosition {
    None = -1,
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
QStringList fileDateKindCaptions();
QStringList stampFormatCaptions();
QStringList stampPositionCaptions();

/// The caption a list shows for a value; the empty text for None.
QString caption(FileDateKind kind);
QString caption(StampFormat format);
QString caption(StampPosition position);

/// The value whose caption is \a text, compared without regard to letter case; None when no
/// caption matches.
FileDateKind fileDateKindNamed(const QString &text);
StampFormat stampFormatNamed(const QString &text);
StampPosition stampPositionNamed(const QString &text);
/// The value at list position \a index; None for -1 or any position outside the list.
FileDateKind fileDateKindAt(int index);
StampFormat stampFormatAt(int index);
StampPosition stampPositionAt(int index);

/// A colour value with red in the low byte, green in the middle and blue in the high byte, as
/// stored under "Font Color".
inline constexpr quint32 kWhite = 16777215;
inline constexpr quint32 kBlack = 0;
constexpr quint32 colorValue(int red, int green, int blue)
{
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}
constexpr int redOf(quint32 value)
{
    return int(value & 0xFF);
}
constexpr int greenOf(quint32 value)
{
    return int(value >> 8 & 0xFF);
}
constexpr int blueOf(quint32 value)
{
    return int(value >> 16 & 0xFF);
}

/// Every choice that shapes a stamp, as the options panel shows it at one moment.
///
/// The list-backed fields keep their None state, since "nothing selected" draws nothing; the
/// captions belong to the lists that show them.
struct StampOptions
{
    StampSource source = StampSource::CustomText;
    FileDateKind fileDateKind = FileDateKind::DateCreated;
    QString userDate;
    QString userTime;
    QString customText;
    StampFormat format = StampFormat::TimestampAndDatestamp;
    StampPosition position = StampPosition::UpperLeft;
    FontChoice font {QStringLiteral("Arial"), 14, true, false, false, false};
    quint32 color = kWhite;
    int jpegQuality = 85;
    SaveOption saveOption = SaveOption::ChosenFolder;
    QString outputFolder;
    QString sampleText = QStringLiteral("AAaaBBbbCCcc");
    /// The size mode, style and margin beyond the font and colour.
    StampLook look;
    /// The date pattern, the answer for a photo without a date taken, the time shift.
    DateChoices dates;
    /// Whether a photo whose metadata carries this program's mark of an earlier stamp is
    /// skipped with a note rather than stamped again.
    bool skipStamped = false;
    /// Whether results of folders walked into the chosen folder keep the folders below the
    /// walked one, rather than landing side by side.
    bool keepFolders = false;
    /// Whether a JPEG keeps its own quantization tables and every block the stamp leaves alone,
    /// and a result carries what an undo needs to restore the original (the quality does not
    /// apply then).
    bool keepQuality = false;

    /// The options of a first start: today's date and the time now as the user date and time
    /// (already rendered as the user's locale writes them), and the desktop folder with one
    /// separator added as the output folder.
    static StampOptions firstStart(
        const QString &today, const QString &timeNow, const QString &desktopFolder);

    friend bool operator==(const StampOptions &, const StampOptions &) = default;
};
