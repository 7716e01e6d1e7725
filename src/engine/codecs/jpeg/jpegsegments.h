// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

namespace kalvora {

/// One marker segment of a JPEG file: the marker byte (0xE1 for APP1) and where the segment
/// lies in the file, from its 0xFF to the end of its payload.
struct JpegSegment
{
    uchar marker = 0;
    qsizetype offset = 0; ///< of the 0xFF that starts the marker
    qsizetype size = 0; ///< the whole segment: marker, length field and payload

    qsizetype payloadOffset() const { return offset + 4; }
    qsizetype payloadSize() const { return size - 4; }
    qsizetype end() const { return offset + size; }
    bool isApplication() const { return marker >= 0xE0 && marker <= 0xEF; }
    bool isComment() const { return marker == 0xFE; }
};

/// How a JPEG file is laid out, as far as copying its metadata needs: every marker segment of
/// its image in file order (scan data left out), where the image ends, and the size and number
/// of colour components its frame gives.
struct JpegLayout
{
    QList<JpegSegment> segments;
    /// One past the image's end-of-image marker; anything after it is a trailer (further
    /// images of a multi-picture file, a vendor's data).
    qsizetype imageEnd = 0;
    int components = 0;
    int width = 0;
    int height = 0;

    /// The segment's payload (what follows its length field).
    static QByteArray payloadOf(const QByteArray &file, const JpegSegment &segment)
    {
        return file.mid(segment.payloadOffset(), segment.payloadSize());
    }
};

/// Follows the marker structure of the JPEG file \a file from its start-of-image to its
/// end-of-image marker, through every scan, as libjpeg reads it (fill bytes and stray bytes
/// between segments are passed over). Answers nothing when the structure cannot be followed:
/// no start-of-image, a length that runs past the end, no frame, or no end-of-image.
/// \a firstScanEnd, where known, is the position of the marker after the first scan's
/// entropy-coded data, which then are not passed over again.
std::optional<JpegLayout> readJpegLayout(const QByteArray &file, qsizetype firstScanEnd = -1);

/// The marker segments of the JPEG file \a file up to its first start-of-scan segment, which
/// is the last; none when the structure cannot be followed that far.
QList<JpegSegment> jpegHeaderSegments(const QByteArray &file);

/// A marker segment with \a marker and \a payload; the payload must be below 65534 bytes.
QByteArray jpegSegment(uchar marker, const QByteArray &payload);

/// The largest payload a marker segment holds: its length field counts itself.
inline constexpr qsizetype kLargestSegmentPayload = 65533;

} // namespace kalvora
