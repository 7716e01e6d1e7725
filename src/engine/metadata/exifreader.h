// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kalvora {

/// The EXIF fields a stamp depends on, as the picture file holds them (texts as stored, without
/// checking that they hold a date).
struct ExifFields
{
    /// When the photo was taken (Exif.Photo.DateTimeOriginal).
    QString dateTimeOriginal;
    /// When it was digitized, ExifTool's CreateDate (Exif.Photo.DateTimeDigitized).
    QString createDate;
    /// When the file was last changed, ExifTool's ModifyDate (Exif.Image.DateTime).
    QString modifyDate;
    /// How the stored pixels are turned for viewing (Exif.Image.Orientation); 0 when absent.
    int orientation = 0;
    /// The picture's XMP packet as stored, read with the EXIF: a JPEG's standard XMP segment,
    /// a PNG's XML:com.adobe.xmp text, TIFF tag 700, a WebP's XMP chunk (and, from a file read
    /// whole, a GIF's XMP extension). Empty when it has none; none when its metadata could not
    /// be read, so whether it has XMP is not known.
    std::optional<QByteArray> xmpPacket;
};

/// Reads the EXIF of the picture at \a path through exiv2, wherever its format keeps it (a JPEG
/// or WebP segment, the TIFF directories, a PNG chunk) and in either byte order. A file whose
/// EXIF is missing, damaged or of a type exiv2 does not know answers empty fields: the picture
/// may still be fine, and its loading reports what is wrong with it. Throws RuntimeFailure,
/// naming the file and the reason, when the file cannot be opened or is empty.
///
/// Safe to call from several threads at once.
ExifFields readExifFields(const QString &path);

/// The orientation to draw the stamp with: the picture's Orientation tag when it is one of the
/// eight valid values, otherwise 1 (stored as viewed). Never throws.
int pictureOrientation(const QString &path);

/// ReadExifFields for a file already read whole: \a bytes is its content and \a path names it
/// in failures, with its XMP packet. Throws RuntimeFailure only when the file is empty. Safe on
/// several threads.
ExifFields readExifFields(const QByteArray &bytes, const QString &path);

/// The orientation to draw the stamp with, as PictureOrientation answers it for \a fields.
int orientationOf(const ExifFields &fields);

} // namespace kalvora
