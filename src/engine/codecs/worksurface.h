// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kalvora {

/// The largest picture, in megabytes of decoded pixels, that the programs load (about 250
/// megapixels). Qt's own default of 128 MB would refuse ordinary 45-megapixel photos.
inline constexpr int kImageAllocationLimitMb = 1024;

/// Dots per meter of the work surface: 96 dots per inch, the resolution at which font sizes in
/// points become pixels.
inline constexpr int kSurfaceDotsPerMeter = 3780;

/// Sets the image readers' allocation limit. Every program calls it once at start; loading a
/// work surface sets it too.
void configureImageReading();

/// Loads the picture at \a path as a work surface: 32-bit RGB pixels exactly as stored (no
/// rotation by an orientation tag, since the tags are copied into the result unchanged) at 96
/// dots per inch whatever density the file names, so text sizes do not depend on the photo.
/// Throws RuntimeFailure naming the file when it cannot be read or decoded, or is too large.
QImage loadWorkSurface(const QString &path);

/// The content of the picture file at \a path, read in one piece. Throws RuntimeFailure naming
/// the file and the reason when it cannot be read.
QByteArray readPictureFile(const QString &path);

/// The work surface of the picture file content \a data, read from \a path (which names the
/// file in failures), as LoadWorkSurface makes it.
QImage workSurfaceOf(const QByteArray &data, const QString &path);

} // namespace kalvora
