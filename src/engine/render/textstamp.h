// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
};

} // namespace kalvora
