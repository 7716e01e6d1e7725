// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/picture.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace kalvora {

/// Reads the GIF file in \a bytes whole with giflib and answers its frames' timing and loop
/// count (no pixels: a frame per image, with its delay). \a shown names the file in messages.
/// Throws PictureFailure (Damaged) when the file is cut short or corrupt.
Picture checkGif(const QByteArray &bytes, const QString &shown);

/// The colours of a frame for PictureFrame::colours: at most 256, else none.
QList<quint32> gifFrameColours(const QImage &image);

/// The GIF file of \a picture: every frame over the whole screen with its own palette of at
/// most 256 colours, its delay, binary transparency, and the loop count. A frame keeps its
/// exact colours when it has so few; else the colours it was loaded with plus the stamp's
/// most frequent ones; else (no colours kept) a palette chosen by libimagequant, dithered.
/// Answers an empty array with the reason in \a error.
QByteArray encodeGifFrames(const Picture &picture, QString *error);

/// \a image as a GIF file of one frame with a palette of at most \a maxColours colours (2 to
/// 256): its own colours when it has so few, else a palette that libimagequant chooses, with
/// Floyd-Steinberg dithering when \a dither is set. Less than half opaque pixels become
/// transparent. Answers an empty array with the reason in \a error.
QByteArray encodeGifImage(const QImage &image, int maxColours, bool dither, QString *error);

} // namespace kalvora
