// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/runtimefailure.h"
#include "options/stampoptions.h"

#include <QString>

namespace kalvora {

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
    Converted, ///< "gif", "png", "tif", "tiff", "ico", "webp": a bitmap the converter turns into it
    Unsupported, ///< anything else: refused, so no file gets data of another format
};

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

/// A private name for a result on its way to \a finalPath: a hidden file in the same folder,
/// ".kalvora-", this process (privateOwnerTag), "-", ten random letters and \a ext, that no
/// file of the folder has. A result is
/// written, converted and tagged under this name and only renamed to its own when complete, so
/// no other file of the user's is ever written over or removed on the way, and a crash leaves
/// at most a file that is recognisably Kalvora's.
QString intermediatePathFor(const QString &finalPath, const QString &ext);

/// Renames the finished result \a intermediatePath to \a finalPath, replacing what is there in
/// one step and giving the result the permissions of the file it replaces (flushed to disk
/// first, so a power failure cannot leave an empty file in its place). Throws
/// RuntimeFailure naming both and the system's reason when it cannot; the intermediate file is
/// then removed and \a finalPath is unchanged.
void putInPlace(const QString &intermediatePath, const QString &finalPath);

/// "Cannot put the stamped picture in place of \a finalPath" and \a reason, the system's; when
/// the folder of \a finalPath is gone (removed or moved while the picture was at work), it is
/// named as the cause. The folder is never made again, so a result lands nowhere else.
RuntimeFailure placementFailure(const QString &finalPath, const QString &reason);

} // namespace kalvora
