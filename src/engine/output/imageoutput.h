// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stampoptions.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QImage;

namespace kalvora {

class ToolRunner;

/// The failure number of a JPEG save that failed; the status number is in the description.
inline constexpr int kSaveFailureNumber = 5;

/// The text of a failed save: "Cannot save the image. GDI+ Error:" and \a status on the first
/// line, then the file and the system's reason ("No space left on device").
QString saveFailureText(int status, const QString &path, const QString &reason);

/// Writes \a image as a JPEG file with \a quality (1 to 100; values outside are clamped). The
/// file is written completely or not at all. Throws RuntimeFailure number 5, "Cannot save the
/// image. GDI+ Error:" followed by a status: 1 an unknown writer failure, 2 an empty image,
/// 7 the file could not be written, 13 no JPEG writer.
void SaveAsJPG(const QImage &image, const QString &path, int quality);

/// Writes \a image as a Windows bitmap, whatever the extension of \a path. The file is written
/// completely or not at all. Throws RuntimeFailure when it cannot be written.
void SaveBitmap(const QImage &image, const QString &path);

/// Writes the stamped surface to the new private file \a path (see intermediatePathFor) in the
/// format \a ext names: JPEG with \a quality, a bitmap, or a bitmap converted by the converter.
/// Throws RuntimeFailure when any of it fails, leaving no file at \a path; an existing file
/// at \a path is never touched. A JPEG result made another way than from \a surface comes from
/// \a encodeJpeg, which answers the file content or the empty array when it fails.
void writeOutput(const QImage &surface, const QString &path, const QString &ext, int quality,
    ToolRunner &tools, const std::function<QByteArray()> &encodeJpeg = {});

/// Writes \a bytes to the new private file \a path (see intermediatePathFor). Throws
/// RuntimeFailure (see saveFailureText) naming the file and the system's reason when it cannot,
/// leaving no file at \a path; an existing file at \a path is never touched.
void writeNewFile(const QByteArray &bytes, const QString &path);

} // namespace kalvora
