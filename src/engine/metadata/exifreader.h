// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kalvora {

/// The EXIF and XMP fields a stamp depends on, as the picture file holds them (texts as stored,
/// without checking that they hold a date).
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

    /// The XMP dates of the same picture, as stored ("2021-08-31T13:23:45", perhaps with a
    /// zone, or a date alone): exif:DateTimeOriginal, photoshop:DateCreated, xmp:CreateDate.
    QString xmpDateTimeOriginal;
    QString xmpDateCreated;
    QString xmpCreateDate;

    /// The camera's maker and model (Exif.Image.Make, Exif.Image.Model) and the lens
    /// (Exif.Photo.LensModel).
    QString make;
    QString model;
    QString lensModel;
    /// The exposure in seconds, the f-number and the ISO speed; 0 when absent or unreadable.
    double exposureTime = 0;
    double fNumber = 0;
    int iso = 0;
    /// Where the photo was taken, in degrees: south and west negative; unset when the GPS
    /// position is absent or unreadable.
    std::optional<double> latitude;
    std::optional<double> longitude;

    /// The picture's XMP packet as stored, read with the EXIF: a JPEG's standard XMP segment,
    /// a PNG's XML:com.adobe.xmp text, TIFF tag 700, a WebP's XMP chunk, a HEIF's XMP item (and,
    /// from a file read whole, a GIF's XMP extension). Empty when it has none; none when its
    /// metadata could not be read, so whether it has XMP is not known.
    std::optional<QByteArray> xmpPacket;
};

/// Reads the EXIF and XMP of the picture at \a path through exiv2, wherever its format keeps them
/// (a JPEG segment, a WebP chunk, the TIFF directories and tag 700, a PNG chunk, the EXIF and XMP
/// items of a HEIC or AVIF, found by libheif) and in either byte order; an XMP packet's
/// properties are read as attributes and as elements alike. A file whose EXIF is missing,
/// damaged or of a type exiv2 does not know answers empty fields: the picture may still be fine,
/// and its loading reports what is wrong with it. Throws RuntimeFailure, naming the file and the
/// reason, when the file cannot be opened or is empty.
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
