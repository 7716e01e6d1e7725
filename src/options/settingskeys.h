// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <span>

/// How a reader turns a stored text into its value.
enum class SettingReading {
    Text, // the text as it stands
    ListCaption, // the caption of a list item, matched without regard to case
    BooleanByConversion, // BooleanByConversion(): "True"/"False" in any case, or a number
    BooleanByComparison, // BooleanByComparison(): true exactly for "True"
    SmallInteger, // SmallInteger(): rounded, 16-bit
    LongInteger, // LongInteger(): rounded, 32-bit
};

/// Where the default of a key comes from when it was never written.
enum class SettingDefault {
    Fixed, // the text in the table
    Today, // today's date, as the desktop writes dates
    TimeNow, // the time now, as the desktop writes times
    DesktopFolder, // the desktop folder with one trailing separator
    None, // the key is never read
};

/// One key of the settings file: how it is spelled, what it holds by default and how it is
/// read. The spelling written and the one read differ only in letter case for two keys; the store
/// matches keys without regard to case, so both reach the same value.
struct SettingKey
{
    const char *written;
    const char *read;
    SettingReading reading;
    SettingDefault defaultKind;
    /// The default of the main reader (start-up for the panel's keys).
    const char *defaultText;
    /// The default of a second reader with one of its own (the font dialog for "FontSize" and
    /// "FontBold", sample loading for "Snapshot"), or null when there is none.
    const char *otherDefault;
    /// Whether the window's start-up writes the key back when it restores its control.
    bool restoredByStartUp;

    QString writtenKey() const { return QLatin1String(written); }
    QString readKey() const { return QLatin1String(read); }
    QString defaultValue() const { return QLatin1String(defaultText); }
    QString otherDefaultValue() const { return QLatin1String(otherDefault); }
};

/// Every key of the settings file.
namespace Keys {
using R = SettingReading;
using D = SettingDefault;
// clang-format off
inline constexpr SettingKey kSourceFileDate {"Option1", "Option1", R::BooleanByConversion, D::Fixed, "0", nullptr, true};
inline constexpr SettingKey kSourceUserDateTime {"Option2", "Option2", R::BooleanByConversion, D::Fixed, "0", nullptr, true};
inline constexpr SettingKey kSourceCustomText {"Option3", "Option3", R::BooleanByConversion, D::Fixed, "1", nullptr, true};
inline constexpr SettingKey kFileDateKind {"Combo4", "Combo4", R::SmallInteger, D::Fixed, "0", nullptr, true};
inline constexpr SettingKey kFormat {"Option", "Option", R::ListCaption, D::Fixed, "Timestamp and Datestamp", nullptr, true};
inline constexpr SettingKey kPosition {"Position", "Position", R::ListCaption, D::Fixed, "Upper-Left", nullptr, true};
inline constexpr SettingKey kUserDate {"Text1", "Text1", R::Text, D::Today, "", nullptr, true};
inline constexpr SettingKey kUserTime {"Text2", "Text2", R::Text, D::TimeNow, "", nullptr, true};
inline constexpr SettingKey kCustomText {"Text5", "Text5", R::Text, D::Fixed, "", nullptr, true};
inline constexpr SettingKey kSampleText {"Text4", "Text4", R::Text, D::Fixed, "AAaaBBbbCCcc", nullptr, true};
inline constexpr SettingKey kJpegQuality {"Slider1", "Slider1", R::LongInteger, D::Fixed, "85", nullptr, true};
inline constexpr SettingKey kSaveChosenFolder {"Option4", "Option4", R::BooleanByConversion, D::Fixed, "1", nullptr, true};
inline constexpr SettingKey kSaveOriginalFolder {"Option5", "Option5", R::BooleanByConversion, D::Fixed, "0", nullptr, true};
inline constexpr SettingKey kOutputFolder {"Output Folder", "Output Folder", R::Text, D::DesktopFolder, "", nullptr, true};
inline constexpr SettingKey kLastFolderDot {"LastFolderDot", "LastFolderDot", R::Text, D::None, "", nullptr, false};
inline constexpr SettingKey kFontName {"FontName", "FontName", R::Text, D::Fixed, "Arial", nullptr, false};
inline constexpr SettingKey kFontSize {"FontSize", "FontSize", R::SmallInteger, D::Fixed, "14", "9", false};
inline constexpr SettingKey kFontBold {"FontBold", "FontBold", R::BooleanByComparison, D::Fixed, "True", "False", false};
inline constexpr SettingKey kFontItalic {"FontItalic", "FontItalic", R::BooleanByComparison, D::Fixed, "False", nullptr, false};
inline constexpr SettingKey kFontStrikethru {"FontStrikethru", "FontStrikeThru", R::BooleanByComparison, D::Fixed, "False", nullptr, false};
inline constexpr SettingKey kFontUnderline {"FontUnderline", "FontUnderLine", R::BooleanByComparison, D::Fixed, "False", nullptr, false};
inline constexpr SettingKey kFontColor {"Font Color", "Font Color", R::LongInteger, D::Fixed, "16777215", nullptr, false};
inline constexpr SettingKey kExtension {"Extension", "Extension", R::Text, D::Fixed, "*", nullptr, false};
inline constexpr SettingKey kLastFolder {"LastFolder", "LastFolder", R::Text, D::Fixed, "", nullptr, false};
inline constexpr SettingKey kSnapshot {"Snapshot", "Snapshot", R::Text, D::Fixed, "", "False", false};
// The stamp's looks beyond font and colour, the date choices and the run's choices; their
// defaults draw and run as a plain stamp always did.
inline constexpr SettingKey kSizeMode {"SizeMode", "SizeMode", R::Text, D::Fixed, "points", nullptr, false};
inline constexpr SettingKey kSizePercent {"SizePercent", "SizePercent", R::Text, D::Fixed, "4", nullptr, false};
inline constexpr SettingKey kTextStyle {"TextStyle", "TextStyle", R::Text, D::Fixed, "plain", nullptr, false};
inline constexpr SettingKey kStyleColor {"StyleColor", "StyleColor", R::LongInteger, D::Fixed, "-1", nullptr, false};
inline constexpr SettingKey kOutlineWidth {"OutlineWidth", "OutlineWidth", R::SmallInteger, D::Fixed, "8", nullptr, false};
inline constexpr SettingKey kBoxOpacity {"BoxOpacity", "BoxOpacity", R::SmallInteger, D::Fixed, "60", nullptr, false};
inline constexpr SettingKey kMarginMode {"MarginMode", "MarginMode", R::Text, D::Fixed, "layout", nullptr, false};
inline constexpr SettingKey kMarginPercent {"MarginPercent", "MarginPercent", R::Text, D::Fixed, "2", nullptr, false};
inline constexpr SettingKey kDatePattern {"DatePattern", "DatePattern", R::Text, D::Fixed, "", nullptr, false};
inline constexpr SettingKey kNoDateTaken {"NoDateTaken", "NoDateTaken", R::Text, D::Fixed, "sentence", nullptr, false};
inline constexpr SettingKey kTimeShift {"TimeShift", "TimeShift", R::Text, D::Fixed, "+00:00", nullptr, false};
inline constexpr SettingKey kSkipStamped {"SkipStamped", "SkipStamped", R::BooleanByComparison, D::Fixed, "False", nullptr, false};
inline constexpr SettingKey kKeepFolders {"KeepFolders", "KeepFolders", R::BooleanByComparison, D::Fixed, "False", nullptr, false};
inline constexpr SettingKey kKeepQuality {"KeepQuality", "KeepQuality", R::BooleanByComparison, D::Fixed, "False", nullptr, false};
// clang-format on
} // namespace Keys

/// Every key above, in the order of the settings table.
std::span<const SettingKey> allSettingKeys();
