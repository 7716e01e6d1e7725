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

/// Where one file's result is written, and whether it then takes the source's place.
struct OutputTarget
{
    QString path;
    bool replaceSource = false;

    friend bool operator==(const OutputTarget &, const OutputTarget &) = default;
};

/// How the result of a file is written, decided by its lower-case extension.
enum class OutputKind {
    Jpeg, ///< "jpg", "jpeg": the JPEG writer with the chosen quality
    Bitmap, ///< "bmp", "dib", "wmf", "emf": a Windows bitmap, whatever the extension
    Converted, ///< "gif", "png", "tif", "tiff", "ico": a bitmap the converter turns into it
    Unsupported, ///< anything else: refused, so no file gets data of another format
};

/// The text of a failed save: "Cannot save the image. GDI+ Error:" and \a status on the first
/// line, then the file and the system's reason ("No space left on device").
QString saveFailureText(int status, const QString &path, const QString &reason);

/// The text after the last "." of the whole path, in its own letter case; the whole path when
/// it has no ".".
QString extensionOf(const QString &path);

/// The path without its extension: the text before the last ".", when that "." is not the
/// first character; otherwise the path unchanged.
QString StripExtension(const QString &path);

OutputKind outputKindOf(const QString &ext);

/// The result's path for \a sourcePath: the chosen folder or the source's folder, under the
/// source's name. When that folder is the source's own, the result is written beside the
/// source as "<name>_Stamped.<ext>" and is to replace the source afterwards. The folders are
/// compared by their canonical paths, so another spelling of the source's folder (a trailing
/// separator, "..", a symbolic link) never makes the result overwrite the source directly.
OutputTarget OutputPathFor(
    const QString &sourcePath, SaveOption saveOption, const QString &outputFolder);

/// Writes \a image as a JPEG file with \a quality (1 to 100; values outside are clamped). The
/// file is written completely or not at all. Throws RuntimeFailure number 5, "Cannot save the
/// image. GDI+ Error:" followed by a status: 1 an unknown writer failure, 2 an empty image,
/// 7 the file could not be written, 13 no JPEG writer.
void SaveAsJPG(const QImage &image, const QString &path, int quality);

/// Writes \a image as a Windows bitmap, whatever the extension of \a path. The file is written
/// completely or not at all. Throws RuntimeFailure when it cannot be written.
void SaveBitmap(const QImage &image, const QString &path);

/// A private name for a result on its way to \a finalPath: a hidden file in the same folder,
/// ".kalvora-", this process (privateOwnerTag), "-", ten random letters and \a ext, that no
/// file of the folder has. A result is
/// written, converted and tagged under this name and only renamed to its own when complete, so
/// no other file of the user's is ever written over or removed on the way, and a crash leaves
/// at most a file that is recognisably Kalvora's.
QString intermediatePathFor(const QString &finalPath, const QString &ext);

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

/// Renames the finished result \a intermediatePath to \a finalPath, replacing what is there in
/// one step and giving the result the permissions of the file it replaces (flushed to disk
/// first, so a power failure cannot leave an empty file in its place). Throws
/// RuntimeFailure naming both and the system's reason when it cannot; the intermediate file is
/// then removed and \a finalPath is unchanged.
void putInPlace(const QString &intermediatePath, const QString &finalPath);

} // namespace kalvora
