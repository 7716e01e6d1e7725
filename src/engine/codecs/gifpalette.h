// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <gif_lib.h>

#include <vector>

namespace kalvora {

/// A GIF frame mapped onto a palette of at most 256 colours, with at most one transparent
/// entry.
struct IndexedFrame
{
    std::vector<GifColorType> palette;
    std::vector<GifPixelType> pixels;
    int transparent = NO_TRANSPARENT_COLOR;
};

/// The frame as RGBA8888 with all-or-nothing alpha, as GIF holds it: less than half opaque is
/// transparent, and every transparent pixel is zero. \a hasTransparency tells whether any is.
QImage binaryAlphaFrame(const QImage &image, bool *hasTransparency);

/// The colours (RGBA bytes as one number) of a frame that BinaryAlphaFrame made, when there
/// are at most 256 of them; else none.
QList<quint32> frameColours(const QImage &rgba);

/// Maps a frame that BinaryAlphaFrame made onto at most \a limit colours: its own colours
/// when it has so few; else the colours \a kept from before it was stamped, plus its new ones
/// by frequency as room allows and the nearest colour for the rest, so that every pixel the
/// stamp left alone keeps its colour; else a palette that libimagequant chooses, with
/// Floyd-Steinberg dithering when \a dither is set. Answers false with the reason in \a error.
bool indexFrame(const QImage &rgba, const QList<quint32> &kept, int limit, bool dither,
    IndexedFrame *frame, QString *error);

} // namespace kalvora
