// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <functional>
#include <optional>

namespace kalvora {

/// Where the JPEG thumbnail of an EXIF block lies: the picture that IFD1's
/// JPEGInterchangeFormat and JPEGInterchangeFormatLength point to, and where those two values
/// are kept, all as positions in the TIFF structure (which starts after "Exif\0\0").
struct ExifThumbnail
{
    bool bigEndian = false;
    quint32 offset = 0;
    quint32 length = 0;
    qsizetype offsetField = 0; ///< where the JPEGInterchangeFormat value is kept
    qsizetype lengthField = 0; ///< where the JPEGInterchangeFormatLength value is kept
};

/// The JPEG thumbnail of the TIFF structure \a tiff (an EXIF block without its "Exif\0\0"),
/// found through IFD0's link to IFD1. Answers nothing when there is none, or when the
/// structure cannot be followed (a link or value outside the block, a thumbnail that is not a
/// JPEG, a field not stored as the 32-bit value the EXIF standard has it).
std::optional<ExifThumbnail> findExifThumbnail(const QByteArray &tiff);

/// The largest TIFF structure an APP1 segment holds after its "Exif\0\0".
inline constexpr qsizetype kLargestExifTiff = 65533 - 6;

/// \a tiff with its \a thumbnail replaced by what \a replace makes of it, every other byte
/// where it was, so maker notes and every offset stay valid. \a replace is given the old
/// thumbnail and the largest size the block can take in its place, and answers the new one
/// (no larger than that) or the old one to leave it. The new thumbnail goes where the old one
/// was when it fits its place (the rest of the place is cleared) or the old one was last in
/// the block (but for padding); otherwise it is added at the end and JPEGInterchangeFormat
/// points to it, and the old one is cleared. JPEGInterchangeFormatLength always gives its size.
QByteArray replaceExifThumbnail(const QByteArray &tiff, const ExifThumbnail &thumbnail,
    const std::function<QByteArray(const QByteArray &old, qsizetype largest)> &replace);

} // namespace kalvora
