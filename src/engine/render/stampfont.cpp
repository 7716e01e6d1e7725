// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/stampfont.h"

#include "options/stampoptions.h"

QFont FontOfChoice(const FontChoice &choice)
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

FontChoice ChoiceOfFont(const QFont &font)
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

QColor ColorOfValue(quint32 value)
{
    return QColor(RedOf(value), GreenOf(value), BlueOf(value));
}

quint32 ValueOfColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return ColorValue(rgb.red(), rgb.green(), rgb.blue());
}
