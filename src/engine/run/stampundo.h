// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kalvora {

class ExifToolSession;

/// What an undo of a stamp found.
enum class UndoFinding {
    Restored, ///< the original put back in place of the stamped file
    NotStamped, ///< the file carries no restore data: left as it is
    Edited, ///< the file was changed after its stamp: left as it is
    Failed, ///< it could not be read, its restore data is damaged or the original not written
};

/// An undo's finding, and one sentence that names the file and says it.
struct UndoResult
{
    UndoFinding finding = UndoFinding::Failed;
    QString sentence;
};

/// Puts back the original of the stamped file at \a path from the restore data a stamp that
/// kept the photo's own quality left in it: a JPEG's file byte for byte (see restoreJpeg), a
/// PNG's, TIFF's or lossless WebP's pixels and tags exactly (see RestoreData; their compressed
/// bytes may differ), the tags copied from the stamped file by \a exifTool with the original's
/// XMP in place of the marked one. The original is written beside the file under a private name
/// and renamed over it, keeping its permissions, so the path holds either the stamped file or the
/// whole original; a link stays a link. Nothing is written when the file carries no restore
/// data, when its pixels or XMP changed after the stamp (their digests differ), when the pixels
/// put back do not give the original, or when it is read-only. \a workFolder is a private
/// folder for ExifTool's files. Shows nothing and touches no window, so it runs on any thread
/// that owns \a exifTool.
UndoResult undoStamp(const QString &path, ExifToolSession &exifTool, const QString &workFolder);

} // namespace kalvora
