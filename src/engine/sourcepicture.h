// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picturecodec.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class ToolRunner;

/// Draws the stamp on one frame: the pixels as stored and the picture's EXIF orientation (1 to
/// 8), so the stamp can be laid out on the picture as it is viewed.
using StampDrawer = std::function<void(QImage &image, int orientation)>;

/// A listed file loaded for stamping. PNG, TIFF, GIF and ICO files are held whole, every frame,
/// page or size in its own pixels, and are written back in their own format; any other file
/// (or one of those names whose content is another format) is held as one work surface.
struct SourcePicture
{
    std::optional<Picture> whole;
    QImage surface;
    int orientation = 1;

    /// What a viewer shows first: the first frame, page or size, or the work surface.
    QImage firstFrame() const;

    /// Draws the stamp with \a draw on every frame, page or size (at 96 dots per inch; the
    /// stored density is kept). Throws RuntimeFailure naming \a sourcePath when a frame changes
    /// its size.
    void stamp(const StampDrawer &draw, const QString &sourcePath);

    /// Writes the stamped picture to the new private file \a path (see IntermediatePathFor):
    /// whole pictures in their own format, a work surface in the format \a ext names (JPEG with
    /// \a quality, a bitmap, or converted by \a converter). Throws RuntimeFailure naming the
    /// file and the system's reason, leaving no file at \a path.
    void write(const QString &path, const QString &ext, int quality, ToolRunner &converter) const;
};

/// Whether the listed file \a sourcePath is loaded whole by its name: "png", "tif", "tiff",
/// "gif" or "ico" after the last dot of the file name, in any letter case.
bool LoadsWhole(const QString &sourcePath);

/// Loads the listed file \a sourcePath for stamping, the one way both a stamp run and the
/// preview load it. Answers nothing when the file is not there (it vanished after it was
/// listed: skipped without a word). Throws RuntimeFailure naming the file and the reason when
/// it cannot be read, is damaged (never half-loaded) or cannot be written back whole.
std::optional<SourcePicture> LoadSource(const QString &sourcePath);
