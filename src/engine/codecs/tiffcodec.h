// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/picture.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace kalvora {

/// Reads every page of the TIFF file in \a bytes with libtiff, decoding all its strips or
/// tiles, and answers one frame per page holding what is written back with the page (its
/// compression, orientation, kind, page number and resolution). Pages of 8- or 16-bit grey or RGB
/// strips come with their pixels; the others with a null image, for Qt's reader to decode after
/// this check. \a shown names the file in messages. Throws PictureFailure: Damaged when libtiff
/// reports an error (cut short, corrupt data), NotWritable for pages whose colours cannot be
/// written back as they are (CMYK, Lab, floating-point or more than 16-bit samples, more than one
/// extra channel).
QList<PictureFrame> readTiff(const QByteArray &bytes, const QString &shown);

/// Why the TIFF file in \a bytes is damaged where a reader that takes one page would not see it:
/// a page, a strip or tile, or a tag's value that lies past the end of the file, or a directory
/// libtiff cannot read. The empty text for a whole file. Reads no pixels.
QString tiffDamage(const QByteArray &bytes);

/// The TIFF file holding \a pages in order, each as RGB or RGBA with 8 or 16 bits a sample
/// as its image is, with its own compression kept where it is lossless (else LZW), and its
/// orientation, kind, page number and resolution. Answers an empty array with the reason in \a
/// error.
QByteArray encodeTiff(const QList<PictureFrame> &pages, QString *error);

} // namespace kalvora
