// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/picture.h"

#include <QByteArray>
#include <QString>

namespace kalvora {

/// The quality lossy WebP frames are written at. The JPEG quality option names JPEG results
/// alone, so a WebP does not lose more when a user turns it down for small JPEGs; this is the
/// quality kalvora-convert writes WebP at, and loses little when a picture is stamped again.
inline constexpr int kWebpLossyQuality = 90;

/// Reads the WebP file in \a bytes whole with libwebp: every frame as the animation shows it
/// (a still is one frame) with its duration and whether it is stored lossless, the loop
/// count, and the details of Picture::webp. \a shown names the file in messages. Throws
/// PictureFailure: Damaged when the file is cut short or libwebp cannot read or decode it,
/// Unreadable when its frames together take more than kImageAllocationLimitMb.
Picture readWebp(const QByteArray &bytes, const QString &shown);

/// The WebP file of \a picture: each frame lossless (keeping the colours under transparent
/// pixels) or lossy at kWebpLossyQuality as it was read, alpha kept; an animation with every
/// frame, its duration, the loop count and the background colour; then the colour profile,
/// EXIF and XMP chunks as they came. Answers an empty array with the reason in \a error.
QByteArray encodeWebp(const Picture &picture, QString *error);

} // namespace kalvora
