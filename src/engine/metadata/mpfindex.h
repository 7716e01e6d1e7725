// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

namespace kalvora {

/// One image of a multi-picture JPEG as its MP Entry gives it: the attribute, the size and
/// the offset (from the MP header; 0 for the first image, which starts the file), and where
/// the size and offset are kept in the APP2 payload.
struct MpImage
{
    quint32 attribute = 0;
    quint32 size = 0;
    quint32 offset = 0;
    qsizetype sizeField = 0;
    qsizetype offsetField = 0;

    /// A smaller copy of the first image that a camera keeps for showing ("large thumbnail"),
    /// stored as a JPEG.
    bool isPreview() const
    {
        const quint32 type = attribute & 0x00FFFFFF;
        const quint32 format = (attribute >> 24) & 0x7;
        return format == 0 && (type == 0x010001 || type == 0x010002);
    }
};

/// The MP Index of the APP2 segment that starts with "MPF\0" in the first image of a
/// multi-picture JPEG: the images of the file, in the order of their entries.
struct MpIndex
{
    bool bigEndian = false;
    QList<MpImage> images;
};

/// The offset of the MP header (the byte-order mark after "MPF\0") in the APP2 payload; the
/// images' offsets count from there.
inline constexpr qsizetype kMpHeaderInPayload = 4;

/// The MP Index of the APP2 payload \a payload (starting with "MPF\0"). Answers no images for
/// a segment without MP Entries (the attributes that a further image of the file carries), and
/// nothing when it is not one or its entries cannot be followed (a count or entry outside the
/// segment, no images).
std::optional<MpIndex> readMpIndex(const QByteArray &payload);

/// Sets the size and offset of \a image in \a payload, in the index's byte order.
void setMpImage(
    QByteArray &payload, const MpIndex &index, const MpImage &image, quint32 size, quint32 offset);

} // namespace kalvora
