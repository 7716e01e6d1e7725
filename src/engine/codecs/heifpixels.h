// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the HEIF codec's reader (heifcodec.cpp) and writer (heifwriter.cpp) share: libheif's
// objects owned, and the pixels and EXIF orientation of HEIF pictures between libheif and Qt.

#include <QByteArray>
#include <QImage>

#include <libheif/heif.h>

#include <memory>

namespace kalvora {

struct HeifContextDeleter
{
    void operator()(heif_context *context) const { heif_context_free(context); }
};
struct HeifHandleDeleter
{
    void operator()(const heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct HeifImageDeleter
{
    void operator()(const heif_image *image) const { heif_image_release(image); }
};
using Context = std::unique_ptr<heif_context, HeifContextDeleter>;
using Handle = std::unique_ptr<heif_image_handle, HeifHandleDeleter>;
using HeifImagePointer = std::unique_ptr<heif_image, HeifImageDeleter>;

/// A new libheif context, libheif set up once first.
Context newContext();

/// The chroma a picture with or without alpha, of \a bitDepth bits, is decoded to and encoded
/// from: interleaved RGB(A) of 8 bits, or of 16-bit little-endian samples holding \a bitDepth.
heif_chroma interleavedChroma(bool alpha, int bitDepth);

/// A copy of the decoded \a image (interleaved, as interleavedChroma names it; its colours
/// multiplied by alpha when \a premultiplied) as a frame a painter draws on: RGB32 or ARGB32,
/// or RGBX64 or RGBA64 for more than 8 bits (scaled to 16 bits), its colours not multiplied by
/// alpha. A null image when it cannot be held.
QImage qImageOf(const heif_image *image, bool alpha, int bitDepth, bool premultiplied);

/// A libheif picture of \a image with \a bitDepth bits a sample, alpha where the frame has it,
/// multiplied by alpha when \a premultiplied. Null when libheif cannot make it.
HeifImagePointer heifImageOf(const QImage &image, int bitDepth, bool premultiplied);

/// \a image as it is viewed, for the EXIF orientation \a orientation (1 to 8; any other value
/// leaves it as it is).
QImage uprightByExif(const QImage &image, int orientation);

/// The IFD0 Orientation of the EXIF item \a item (its 4-byte offset, then the TIFF structure);
/// 0 when it has none or cannot be followed.
int exifOrientationOf(const QByteArray &item);

/// \a item with its IFD0 Orientation set to 1 (stored as viewed), every other byte as it was;
/// unchanged when it has none.
QByteArray withUprightOrientation(QByteArray item);

} // namespace kalvora
