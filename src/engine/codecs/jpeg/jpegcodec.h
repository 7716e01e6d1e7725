// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kalvora {

/// JPEG decoding and encoding straight through libjpeg-turbo, which measures clearly faster on
/// camera photos than Qt's image plugin: rows are decoded into and encoded from the 32-bit RGB
/// pixels of the work surface with no conversion pass, and the file is read and written in one
/// piece.
///
/// Unlike Qt's plugin, the decoder does not gloss over damage: a truncated file or corrupt scan
/// data, which libjpeg only warns about while filling the rest with grey, is a failure here, so
/// a photo a repair tool could still rescue is never stamped and written over.

/// True when \a data starts like a JPEG file (the start-of-image marker).
bool looksLikeJpeg(const QByteArray &data);

/// Decodes the JPEG file content \a data into a 32-bit RGB image carrying the file's ICC
/// profile as its colour space. \a shownPath names the file in failures. Answers a null image
/// for an undamaged JPEG whose colours libjpeg cannot turn into RGB (CMYK and YCCK); the caller
/// reads those another way. Throws RuntimeFailure naming the file and libjpeg's reason when the
/// data is damaged or cannot be decoded, or when its pixels would pass the image readers'
/// allocation limit.
QImage decodeJpeg(const QByteArray &data, const QString &shownPath);

/// Encodes \a image as a baseline JPEG with \a quality (1 to 100), 4:2:0 chroma subsampling,
/// the image's density in dots per inch and its colour space's ICC profile. Answers the file
/// content, or the empty array with \a error set when libjpeg fails.
QByteArray encodeJpeg(const QImage &image, int quality, QString *error = nullptr);

} // namespace kalvora
