// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>

class QImage;
class QTransform;

namespace kalvora {

struct StampLayout;

/// Paints the stamp \a layout describes onto \a image, whose pixels show the picture as viewed
/// through \a viewedToImage: the style first (the box, the shadow or the outline), then the
/// glyphs over it. \a hints are those the glyphs are drawn with; the style is always drawn
/// antialiased.
void paintStamp(QImage &image, const QTransform &viewedToImage, const StampLayout &layout,
    QPainter::RenderHints hints);

} // namespace kalvora
