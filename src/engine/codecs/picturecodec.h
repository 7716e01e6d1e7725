// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/heifcodec.h"
#include "engine/codecs/picture.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

namespace kalvora {

/// The format of the picture in \a bytes, judged by its signature; none for any other.
std::optional<PictureFormat> pictureFormatOf(const QByteArray &bytes);

/// Loads the picture at \a path with every frame, page or size it holds, strictly: data that a
/// decoder reports as cut short or corrupt is refused, never half-loaded. The format comes
/// from the content, not the name. Throws PictureFailure.
Picture loadPicture(const QString &path);

/// LoadPicture for the file content \a bytes, already read from \a path (which names the file
/// in failures). Throws PictureFailure.
Picture decodePicture(const QByteArray &bytes, const QString &path);

/// The whole file of \a picture in its format; a HEIF picture is written at the lossy quality
/// \a heifQuality (1 to 100; the other formats keep their own). Throws PictureFailure
/// (WriteFailed).
QByteArray encodePicture(const Picture &picture, int heifQuality = kDefaultHeifQuality);

/// Writes \a picture to \a path through a temporary file in the same folder and a rename, so
/// the path holds either what it held before or the complete new file. Throws PictureFailure.
void writePicture(const Picture &picture, const QString &path);

/// Stamps a frame: the image at 96 dots per inch, its number from 0 and the frame count.
using FrameStamper = std::function<void(QImage &image, int index, int count)>;

/// Hands every frame of \a picture to \a stamp at 96 dots per inch (so point sizes do not
/// depend on the density the file names; the stored density is put back), keeping each frame's
/// pixel format. Throws PictureFailure naming \a sourcePath when a frame changes its size.
void stampPicture(Picture &picture, const FrameStamper &stamp, const QString &sourcePath);

/// Loads \a sourcePath whole, hands every frame to \a stamp at 96 dots per inch (so point
/// sizes do not depend on the density the file names; the stored density is put back) and
/// writes the result to \a targetPath in the source's own format. Nothing is written when any
/// step fails. Throws PictureFailure.
void stampPictureFile(
    const QString &sourcePath, const QString &targetPath, const FrameStamper &stamp);

} // namespace kalvora
