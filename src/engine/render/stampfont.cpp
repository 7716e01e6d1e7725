// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/stampfont.h"

#include "options/stampoptions.h"

namespace kalvora {

QFont fontOfChoice(const FontChoice &choice)
{
    QFont font(choice.name);
    if (choice.pointSize > 0)
        font.setPointSizeF(choice.pointSize);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return font;
}

FontChoice choiceOfFont(const QFont &font)
{
    FontChoice choice;
    choice.name = font.family();
    choice.pointSize = font.pointSizeF();
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeOut = font.strikeOut();
    return choice;
}

QColor colorOfValue(quint32 value)
{
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

quint32 valueOfColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return colorValue(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace kalvora
