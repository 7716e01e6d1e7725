// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/render/textstamp.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QMarginsF>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTransform>

#include <optional>

class QPaintDevice;

namespace kalvora {

/// Where each line of a stamp goes on a stored surface of a given size, and in which font,
/// size and style it is drawn there: computed once for the drawing and for the bounds of what
/// it may change. Measures are in pixels of the picture as viewed.
struct StampLayout
{
    QStringList lines;
    QList<QPoint> origins; // baseline starts, on the picture as viewed
    QList<double> advances;
    /// The font drawn, at the resolution it was measured on; its glyphs are drawn scaled by
    /// fontScale (1 but for a size in percent, which is seldom a whole number of pixels).
    QFont font;
    double fontScale = 1;
    double ascent = 0;
    double lineHeight = 0;
    QColor color;
    TextStyle style = TextStyle::Plain;
    QColor styleColor;
    double outlineWidth = 0; // how far the outline reaches past each glyph
    double shadowOffset = 0; // down and right
    double shadowSoftness = 0; // how far the blur spreads the shadow
    QRect box; // the box behind the lines, empty but for the Box style
    /// How far the style reaches past the lines' cells on each side.
    QMarginsF reach;
    QTransform toStored;
    QSize viewed;
};

/// The layout of \a stamp on a stored surface of \a surfaceSize with the EXIF orientation
/// \a orientation, measured on \a measure (a device at the surface's resolution). None when
/// nothing would be drawn: no text, an empty surface or a caption that names no position.
std::optional<StampLayout> layOutStamp(
    const QSize &surfaceSize, const QPaintDevice &measure, const TextStamp &stamp, int orientation);

/// The rectangle around the lines on the picture as viewed, with a margin of a line's height
/// all round beyond the style's reach, which holds whatever reaches past the advance (italic
/// overhang, antialiasing, underline), cut to the picture.
QRect viewedBlock(const StampLayout &layout);

} // namespace kalvora
