// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace kalvora {

/// Why the picture file content \a bytes is damaged where Qt's readers would take it as whole
/// and fill in what is missing, or show the frames, pages or sizes before a cut as if they were
/// all: a bitmap shorter than its header says, a PNG cut short before its end chunk, a GIF that
/// giflib cannot read to its trailer, a TIFF page, strip or tag past the end of the file, an
/// icon size past its end, a WebP shorter than its RIFF header says (which libwebp refuses
/// without a reason). The empty text for a whole picture and for content of any other format
/// (a JPEG's decoder reports its own damage).
QString pictureDamage(const QByteArray &bytes);

/// Why a Windows bitmap of \a fileSize bytes that starts with \a header (its first 64 bytes
/// are enough) is damaged: "the file is cut short ..." when it holds fewer bytes than its header
/// says its pixels take (Qt's reader would fill the rest with black). The empty text for a whole
/// bitmap and for anything that is not a bitmap.
QString bitmapDamage(const QByteArray &header, qint64 fileSize);

/// Why the PNG file \a bytes is damaged: a chunk runs past the end of the file, or the file ends
/// before its end chunk (IEND), which Qt's reader need not reach. What follows IEND is no part
/// of the picture and is allowed. The empty text for a whole PNG.
QString pngDamage(const QByteArray &bytes);

/// Why the WebP file \a bytes is damaged: it is shorter than its RIFF header says, which
/// libwebp refuses without a reason. The empty text for a WebP of its stated length.
QString webpDamage(const QByteArray &bytes);

} // namespace kalvora
