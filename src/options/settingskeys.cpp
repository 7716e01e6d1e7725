// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/settingskeys.h"

#include <array>

std::span<const SettingKey> AllSettingKeys()
{
    using namespace Keys;
    static constexpr std::array kAll {kOption1, kOption2, kOption3, kCombo4, kFormat, kPosition,
        kText1, kText2, kText5, kText4, kSlider1, kOption4, kOption5, kOutputFolder, kLastFolderDot,
        kFontName, kFontSize, kFontBold, kFontItalic, kFontStrikethru, kFontUnderline, kFontColor,
        kExtension, kLastFolder, kSnapshot};
    return kAll;
}
