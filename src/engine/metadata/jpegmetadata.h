// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <functional>
#include <optional>

namespace kalvora {

struct JpegLayout;

/// Draws the stamp on a smaller copy of the picture that a JPEG file carries (its EXIF
/// thumbnail, a multi-picture preview): given that copy's JPEG file, answers the stamped one,
/// no larger than the second argument, or the copy unchanged to leave it as it is. Throws
/// RuntimeFailure, naming the file, when a stamped copy cannot be made to fit.
using PreviewStamper = std::function<QByteArray(const QByteArray &preview, qsizetype largest)>;

/// Gives the standard XMP packet a JPEG result carries: given its source's (empty when the
/// source has none), answers the packet to carry in its place, no longer than
/// kLargestJpegXmpPacket, or nothing to leave it as it was.
using XmpEditor = std::function<std::optional<QByteArray>(const QByteArray &packet)>;

/// The JPEG file \a encoded (a stamped picture as the encoder wrote it) with the metadata of
/// its JPEG source \a source, for a result that keeps all of it: every APPn and COM segment of
/// the source, in the source's order, right after the start of image and byte for byte, in
/// place of the encoder's own (its JFIF header and colour profile). Changed only where the
/// stamp makes it necessary:
/// - the EXIF thumbnail is stamped by \a stampPreview, inside an otherwise unchanged EXIF block
///   (see replaceExifThumbnail), so maker notes and their offsets stay valid;
/// - the images of a multi-picture file that follow the picture are kept after it, its
///   previews stamped by \a stampPreview, and the MP Index gives their new sizes and offsets
///   (an index that cannot be followed is left out, since its offsets would no longer hold);
///   whatever else follows the picture is kept as it is;
/// - the Adobe segment, which tells how the source's own scan data were coded, is left out,
///   and so is a colour profile of a grey or CMYK source, whose colours the result no longer
///   has.
/// - the standard XMP packet is the one \a editXmp answers, when it answers one; a source with
///   none gets its packet in a segment of its own after the JFIF and EXIF segments. Extended
///   XMP segments stay as they were: the digest that the standard packet names them by is of
///   their own content.
/// An empty \a stampPreview leaves thumbnails and previews as they are, an empty \a editXmp the
/// XMP. Answers nothing when the marker structure of either file cannot be followed.
std::optional<QByteArray> carryJpegMetadata(const QByteArray &source, const QByteArray &encoded,
    const PreviewStamper &stampPreview, const XmpEditor &editXmp = {});

/// A picture that keeps its source's coding: its scan data, which take the place of the
/// source's bytes from \a scanStart (where the source's scan data start) to \a scanEnd (the
/// marker after them), appended by \a appendScan to the result where they go (a scan of
/// several megabytes is not made apart and copied). appendScan answers false when it cannot
/// make them, and nothing is answered then.
struct KeptCoding
{
    std::function<bool(QByteArray &result)> appendScan;
    qsizetype scanStart = 0;
    qsizetype scanEnd = 0;
    /// Bytes that will be added to the result's first image (the MP Index gives its size).
    qsizetype firstImageExtra = 0;
    /// The source's layout when it was read already, or none to read it again.
    const JpegLayout *sourceLayout = nullptr;
};

/// CarryJpegMetadata for a picture that keeps the source's coding: every header segment of
/// the source stays, in its order and byte for byte (the tables, the frame, the scan header,
/// an Adobe segment and every colour profile included), but for the thumbnail, the XMP packet
/// and the MP Index, changed as above, and any restore data of an earlier stamp, which no
/// longer holds and is left out. The new scan follows, then what followed the source's.
std::optional<QByteArray> carryJpegMetadata(const QByteArray &source, const KeptCoding &kept,
    const PreviewStamper &stampPreview, const XmpEditor &editXmp = {});

} // namespace kalvora
