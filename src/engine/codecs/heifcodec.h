// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/picture.h"

#include <QByteArray>
#include <QString>

namespace kalvora {

/// The lossy quality a HEIF picture is written at when none is given: libheif's own default,
/// about the quality phones write.
inline constexpr int kDefaultHeifQuality = 50;

/// The lossy quality of libheif (1 to 100) a HEIF result of the JPEG quality option
/// \a jpegQuality is written at. libheif's scale is not JPEG's: its 50 (x265's CRF 25) makes
/// files of about the size and looks phones write, where its 85 makes them some three times
/// larger. So the option's first-start value, 85, maps to 50, the values below it in
/// proportion (1 to 1), and those above it in proportion up to 100 (100 to 100).
int heifQualityFor(int jpegQuality);

/// Whether \a ext (without its dot, in any letter case) names a HEIF file: "heic", "heif",
/// "hif" (as cameras name theirs) or "avif".
bool isHeifExtension(const QString &ext);

/// The metadata items of the primary picture of the HEIF file \a bytes (EXIF, XMP and the
/// like), read without decoding its pixels; none when libheif cannot read the file.
QList<HeifMetadata> heifMetadataOf(const QByteArray &bytes);

/// Reads the HEIF file in \a bytes (a HEIC or an AVIF) whole with libheif: every top-level
/// picture as a frame, upright as a viewer shows it (its own rotation and mirror applied, or,
/// where it has none, the EXIF Orientation of the file's EXIF), with its bit depth, chroma
/// subsampling, alpha, colour profile (ICC, nclx), metadata items and thumbnails (upright too);
/// the frames are marked upright (Picture::upright). \a shown names the file in messages.
/// Throws PictureFailure: Damaged when the file is cut short or libheif cannot read or decode
/// it; NotWritable when it holds what libheif 1.15 cannot write back (a depth map, an HDR gain
/// map or any other auxiliary picture but alpha, an image sequence, entity groups), is coded
/// with neither HEVC nor AV1, or this system has no decoder for it; Unreadable when its
/// pictures together take more than kImageAllocationLimitMb.
Picture readHeif(const QByteArray &bytes, const QString &shown);

/// The HEIF file of \a picture (read by readHeif): each frame coded as the source was (HEVC or
/// AV1) at the lossy \a quality (1 to 100, libheif's scale; clamped), upright with no rotation
/// of its own, in its bit depth where the encoder writes it (AV1 of 10 bits is written with 12,
/// which libheif 1.15 with libaom cannot write without aborting), chroma subsampling and alpha,
/// with its colour profile, its metadata items byte for byte (but the EXIF Orientation, which
/// is set to 1, since the pixels are now stored upright) and its thumbnails; the primary stays
/// the primary. Answers an empty array with the reason in \a error.
QByteArray encodeHeif(const Picture &picture, int quality, QString *error);

} // namespace kalvora
