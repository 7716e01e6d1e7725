// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// How the size of the stamp is given: the font's points at 96 dots per inch, or the height of
/// one text line (ascent plus descent) as a percent of the picture's shorter side as viewed.
enum class SizeMode { Points, Percent };

/// What is drawn with the glyphs so the text reads on any background.
enum class TextStyle {
    Plain, // the glyphs alone
    Outline, // a contour of the style colour around each glyph
    Shadow, // a soft copy of the glyphs in the style colour, offset down and right
    Box, // a filled rectangle of the style colour behind the text, padded
};

/// How far the stamp keeps from the picture's edges: the stamp layout's own margins, or a
/// percent of the picture's shorter side as viewed on every side.
enum class MarginMode { Layout, Percent };

/// What a photo without a date taken gets when the date taken is stamped.
enum class NoDateTaken {
    Sentence, // "There is no date taken associated with this file."
    FileName, // the date its file name holds (IMG_20230815_142233 and the like)
    Modified, // its modified date
    Skip, // nothing: the file is skipped with a note
};

/// The looks of the stamp beyond its font and colour. The defaults draw what a plain stamp
/// always drew.
struct StampLook
{
    SizeMode sizeMode = SizeMode::Points;
    /// The line height in percent of the shorter side, from kLeastSizePercent to
    /// kMostSizePercent; used when sizeMode is Percent.
    double sizePercent = 4;
    TextStyle style = TextStyle::Plain;
    /// The style's colour (stored as the font colour is: red in the low byte); unset, black for
    /// light text and white for dark text (see styleColorFor).
    std::optional<quint32> styleColor;
    /// The outline's width in percent of the line height, from 1 to 25.
    int outlineWidth = 8;
    /// How much the box covers what lies behind it, from 0 (not at all) to 100 (wholly).
    int boxOpacity = 60;
    MarginMode marginMode = MarginMode::Layout;
    /// The margin in percent of the shorter side, from 0 to 25; used when marginMode is Percent.
    double marginPercent = 2;

    static constexpr double kLeastSizePercent = 0.5;
    static constexpr double kMostSizePercent = 25;

    friend bool operator==(const StampLook &, const StampLook &) = default;
};

/// How file dates become text, beyond the four formats of the format list.
struct DateChoices
{
    /// A date and time pattern of the user's own, as Qt reads one (`yyyy-MM-dd HH:mm`,
    /// `dd MMM yyyy`, `'Day' d`); empty, the format list's choice.
    QString pattern;
    /// The locale whose month and day names the pattern uses ("de_DE"); empty, the system's.
    QString localeName;
    NoDateTaken noDateTaken = NoDateTaken::Sentence;
    /// Minutes added to every file date before it is written (negative: taken away), for a
    /// camera clock that was wrong or set to another zone.
    int timeShiftMinutes = 0;

    friend bool operator==(const DateChoices &, const DateChoices &) = default;
};

/// The names the settings file and kalvora-stamp give the values, in enum order:
/// "points"/"percent", "plain"/"outline"/"shadow"/"box", "layout"/"percent",
/// "sentence"/"filename"/"modified"/"skip".
QString nameOf(SizeMode mode);
QString nameOf(TextStyle style);
QString nameOf(MarginMode mode);
QString nameOf(NoDateTaken choice);
QStringList textStyleNames();
QStringList noDateTakenNames();

/// The value named \a name (compared without regard to letter case); none for any other text.
std::optional<SizeMode> sizeModeNamed(const QString &name);
std::optional<TextStyle> textStyleNamed(const QString &name);
std::optional<MarginMode> marginModeNamed(const QString &name);
std::optional<NoDateTaken> noDateTakenNamed(const QString &name);

/// A time shift written `[+|-][Nd]HH:MM` ("+1d02:00", "-00:30", "3d00:00") in minutes; none when
/// \a text is not one (minutes from 0 to 59, days up to 36500).
std::optional<int> timeShiftMinutesOf(const QString &text);
/// \a minutes written as timeShiftMinutesOf reads it: "+0d00:00" style, the days left out when
/// there are none ("+02:00", "-1d00:30").
QString timeShiftText(int minutes);

/// The style colour for text of \a textColor: the chosen one, or black for light text and
/// white for dark text (judged by the colour's luma).
quint32 styleColorFor(const StampLook &look, quint32 textColor);
