// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/picturecodec.h"
#include "engine/metadata/stampmark.h"
#include "engine/render/jpegblockstamp.h"
#include "engine/render/ownqualitystamp.h"
#include "engine/render/sourcefile.h"
#include "engine/render/textstamp.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

namespace kalvora {

class ToolRunner;

/// A listed file loaded for stamping. PNG, TIFF, GIF, ICO, WebP and HEIF (HEIC, AVIF) files are
/// held whole, every frame, page or size in its own pixels (a HEIF's upright as viewed, with its
/// thumbnails), and are written back in their own format. A colour JPEG
/// loaded for a JPEG result is held in its compressed blocks (see JpegBlockStamper). Any other
/// file (or one of those names whose content is another format) is held as one work surface.
struct SourcePicture
{
    std::optional<Picture> whole;
    std::unique_ptr<JpegBlockStamper> blocks;
    /// A JPEG written as a JPEG that keeps its own quality (see OwnQualityStamper).
    std::unique_ptr<OwnQualityStamper> ownQuality;
    QImage surface;
    int orientation = 1;
    /// The source file's content when it is a JPEG whose result is a JPEG: the result then
    /// takes its metadata from it (see carryJpegMetadata); \a jpegSourcePath names it.
    QByteArray jpegSource;
    QString jpegSourcePath;
    /// The stamp drawn, which the picture's thumbnails get too.
    std::optional<TextStamp> drawn;
    /// The mark of the stamp that a JPEG result carrying its source's metadata gets in its XMP
    /// (other results get it with their tags); none leaves the XMP as it was.
    std::optional<StampMark> mark;

    /// What write() did beyond writing the picture.
    struct Written
    {
        /// Written with its source's metadata: it needs no tag copy.
        bool tagsCarried = false;
        /// The mark is in the metadata carried.
        bool marked = false;
    };

    /// What a viewer shows first: the first frame, page or size, or the work surface. A
    /// picture held in its blocks has no pixels to show: a null image.
    QImage firstFrame() const;

    /// Draws \a stamp on every frame, page or size, upright on the picture as it is viewed (at
    /// 96 dots per inch; the stored density is kept). Throws RuntimeFailure naming
    /// \a sourcePath when a frame changes its size.
    void stamp(const TextStamp &stamp, const QString &sourcePath);

    /// Writes the stamped picture to the new private file \a path (see intermediatePathFor):
    /// whole pictures in their own format (HEIF at the lossy quality that \a quality maps to, see
    /// heifQualityFor, with its metadata items and the mark in its XMP: it needs no tag copy), a
    /// work surface in the format \a ext names (JPEG with \a quality, a bitmap, or converted by \a
    /// converter). A JPEG result of a JPEG source carries the source's metadata segments, its
    /// thumbnails stamped (see carryJpegMetadata) and the mark in its XMP, and then needs no tag
    /// copy. Throws RuntimeFailure naming the file and the reason, leaving no file at \a path.
    Written write(
        const QString &path, const QString &ext, int quality, ToolRunner &converter) const;

private:
    /// The editor that puts the mark in a JPEG result's XMP, noting in \a marked whether it did.
    XmpEditor markingXmp(bool *marked) const;
    Written writeOwnQuality(const QString &path) const;
};

/// Whether the listed file \a sourcePath is loaded whole by its name: "png", "tif", "tiff",
/// "gif", "ico", "webp" or a HEIF name (see isHeifExtension) after the last dot of the file
/// name, in any letter case.
bool loadsWhole(const QString &sourcePath);

/// Loads the listed file \a sourcePath for stamping, the one way both a stamp run and the
/// preview load it. \a resultExt is the extension of the result to be written: a colour JPEG
/// whose result is a JPEG is held in its blocks; the default holds it as pixels. Answers nothing
/// when the file is not there (it vanished after it was listed: skipped without a word). Throws
/// RuntimeFailure naming the file and the reason when it cannot be read, is damaged (never
/// half-loaded) or cannot be written back whole.
std::optional<SourcePicture> loadSource(
    const QString &sourcePath, const QString &resultExt = QString());

/// LoadSource for a file read once (see kalvora::readSourceFile): the same picture, with no
/// second open of the file. With \a keepQuality a JPEG whose result is a JPEG keeps its own
/// quality (see OwnQualityStamper); one that cannot is a failure. Throws as LoadSource does.
SourcePicture loadSource(
    const kalvora::SourceFile &source, const QString &resultExt, bool keepQuality = false);

} // namespace kalvora
