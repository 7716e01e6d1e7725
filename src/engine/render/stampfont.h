// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/fontchoice.h"

#include <QColor>
#include <QFont>

namespace kalvora {

/// The stamp font and colour as Qt draws them: the one conversion each way between the font
/// model and QFont, and between a stored colour value (red in the low byte) and QColor. The
/// sample box, the font dialog and the renderer all go through these.
QFont fontOfChoice(const FontChoice &choice);
FontChoice choiceOfFont(const QFont &font);

QColor colorOfValue(quint32 value);
quint32 valueOfColor(const QColor &color);

} // namespace kalvora
