// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/settingskeys.h"

#include <array>

std::span<const SettingKey> allSettingKeys()
{
    using namespace Keys;
    static constexpr std::array kAll {kSourceFileDate, kSourceUserDateTime, kSourceCustomText,
        kFileDateKind, kFormat, kPosition, kUserDate, kUserTime, kCustomText, kSampleText,
        kJpegQuality, kSaveChosenFolder, kSaveOriginalFolder, kOutputFolder, kLastFolderDot,
        kFontName, kFontSize, kFontBold, kFontItalic, kFontStrikethru, kFontUnderline, kFontColor,
        kExtension, kLastFolder, kSnapshot, kSizeMode, kSizePercent, kTextStyle, kStyleColor,
        kOutlineWidth, kBoxOpacity, kMarginMode, kMarginPercent, kDatePattern, kNoDateTaken,
        kTimeShift, kSkipStamped, kKeepFolders, kKeepQuality};
    return kAll;
}
