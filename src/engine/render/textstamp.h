// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stamplook.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace kalvora {

/// A stamp of text as OverlayText draws it.
struct TextStamp
{
    QString text;
    QString position; // one of the nine position captions
    QFont font;
    QColor color;
    /// The size mode, style and margins; the default draws the glyphs alone at the font's size
    /// within the stamp layout's own margins.
    StampLook look;
};

} // namespace kalvora
