// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/picture.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

#include <optional>

namespace kalvora {

/// The pixels one frame, page or size of a stamped picture had under its stamp: the smallest
/// rectangle of stored pixels that holds every pixel the stamp changed (empty when it changed
/// none), and those pixels as they were before the stamp, packed by packRegion.
struct RestoreRegion
{
    QRect rect;
    QByteArray pixels;

    friend bool operator==(const RestoreRegion &, const RestoreRegion &) = default;
};

/// What a stamped PNG, TIFF or lossless WebP carries so that its stamp can be undone exactly:
/// the original pixels under the stamp of every frame, and what tells whether the result is
/// still as the stamp left it and whether the pixels put back give the original.
struct RestoreData
{
    /// One for each frame, page or size of the picture, in order.
    QList<RestoreRegion> regions;
    /// pixelDigest of the original's frames, and of the frames as stamped.
    QByteArray originalDigest;
    QByteArray stampedDigest;
    /// The original's XMP packet, empty when it had none; none when the result's XMP is the
    /// original's as it was (its packet could not take the mark of the stamp).
    std::optional<QByteArray> originalXmp;
    /// xmpDigest of the result's XMP packet as the stamp left it.
    QByteArray resultXmpDigest;

    friend bool operator==(const RestoreData &, const RestoreData &) = default;
};

/// The bytes of \a data as a result carries them: a signature, a version and the fields.
QByteArray serializeRestoreData(const RestoreData &data);

/// The restore data in \a bytes, as serializeRestoreData wrote them; none when they are not
/// restore data of this version or are cut short or malformed (every length is checked).
std::optional<RestoreData> parseRestoreData(const QByteArray &bytes);

/// Pixels laid over a frame from \a origin on, in the frame's pixel format.
struct FramePatch
{
    QPoint origin;
    QImage pixels;
};

/// The SHA-256 digest of the pixels of \a frames as stored: each frame's size, pixel format and
/// rows. \a patches (none, or one for each frame) are counted in place of the pixels they cover,
/// so the digest of a picture with its original pixels put back is taken without changing it.
QByteArray pixelDigest(const QList<PictureFrame> &frames, const QList<FramePatch> &patches = {});

/// The SHA-256 digest of an XMP packet as a file holds it; a packet that could not be read
/// (none) has a digest of its own.
QByteArray xmpDigest(const std::optional<QByteArray> &packet);

/// The pixels of \a rect of \a image packed small: each row's bytes as differences from the
/// pixel before, compressed with zlib. \a rect lies within \a image.
QByteArray packRegion(const QImage &image, const QRect &rect);

/// The pixels of \a region in the pixel format \a format, as packRegion packed them; a null
/// image when they do not unpack to the size of the region's rectangle in that format.
QImage unpackRegion(const RestoreRegion &region, QImage::Format format);

/// Lays \a patch over \a image. Answers false, changing nothing, when it does not lie within
/// the image or has another pixel format.
bool applyPatch(QImage &image, const FramePatch &patch);

/// The smallest rectangle within \a bounds of \a after whose pixels differ from \a before,
/// which holds the pixels \a bounds held before, in the same format; empty when none differ.
QRect changedRect(const QImage &before, const QImage &after, const QRect &bounds);

} // namespace kalvora
