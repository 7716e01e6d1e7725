// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/metadata/jpegmetadata.h"
#include "engine/render/textstamp.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace kalvora {

/// The quality that stands for each copy's own tables.
inline constexpr int kOwnQuality = 0;

/// The stamper (see carryJpegMetadata) that draws \a stamp on the smaller copies of a picture
/// of \a pictureSize stored pixels with the EXIF orientation \a orientation: its EXIF thumbnail
/// and multi-picture previews, which file managers and cameras show in its place. Each copy
/// gets the picture's own stamp at the same place and in the same proportion (see
/// overlayTextScaled); a copy of another shape than the picture is taken to hold it fitted and
/// centred, between bars. The copy is encoded again at \a quality (with kOwnQuality, in its
/// own tables first), lowered step by step while it would not fit the room it has, and keeps
/// its own header segments. A copy that cannot be
/// decoded (damaged, or in CMYK) or says it is larger than the picture is kept as it is. Throws
/// RuntimeFailure naming \a sourcePath when a stamped copy does not fit even at the lowest quality.
PreviewStamper thumbnailStamper(const TextStamp &stamp, int orientation, const QSize &pictureSize,
    int quality, const QString &sourcePath);

/// Draws \a stamp on \a copy, a smaller copy of a picture of \a pictureSize stored pixels with
/// the EXIF orientation \a orientation (a thumbnail), at the picture's place and in its
/// proportion, as thumbnailStamper does. Answers whether anything was drawn.
bool stampSmallerCopy(
    QImage &copy, const QSize &pictureSize, const TextStamp &stamp, int orientation);

} // namespace kalvora
