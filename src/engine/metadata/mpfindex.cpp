// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/metadata/mpfindex.h"

#include "engine/metadata/tiffnumbers.h"

namespace kalvora {

namespace {

constexpr quint16 kImageCountTag = 0xB001; // NumberOfImages
constexpr quint16 kEntriesTag = 0xB002; // MPEntry
constexpr quint16 kLongType = 4;
constexpr quint16 kUndefinedType = 7;
constexpr qsizetype kEntrySize = 12;
constexpr qsizetype kMpEntrySize = 16;

} // namespace

std::optional<MpIndex> readMpIndex(const QByteArray &payload)
{
    if (!payload.startsWith(QByteArrayLiteral("MPF\0")) || payload.size() < kMpHeaderInPayload + 8)
        return std::nullopt;
    // Positions in the structure count from the MP header; they are read on a copy that
    // starts there and kept as positions in the payload.
    const QByteArray header = payload.mid(kMpHeaderInPayload);
    MpIndex index;
    if (header.startsWith("MM"))
        index.bigEndian = true;
    else if (!header.startsWith("II"))
        return std::nullopt;
    const TiffNumbers numbers(header, index.bigEndian);
    const qint64 directory = numbers.u32(4);
    if (numbers.u16(2) != 42 || !numbers.holds(directory, 2))
        return std::nullopt;
    qint64 count = -1;
    qint64 entries = -1;
    qint64 entriesSize = 0;
    for (int i = 0; i < numbers.u16(directory); ++i) {
        const qint64 entry = directory + 2 + kEntrySize * i;
        if (!numbers.holds(entry, kEntrySize))
            return std::nullopt;
        const quint16 tag = numbers.u16(entry);
        const quint16 type = numbers.u16(entry + 2);
        if (tag == kImageCountTag && type == kLongType) {
            count = numbers.u32(entry + 8);
        } else if (tag == kEntriesTag && type == kUndefinedType) {
            entriesSize = numbers.u32(entry + 4);
            entries = entriesSize > 4 ? qint64(numbers.u32(entry + 8)) : entry + 8;
        }
    }
    if (count < 0 && entries < 0)
        return index;
    if (count < 1 || entriesSize != count * kMpEntrySize || !numbers.holds(entries, entriesSize))
        return std::nullopt;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 at = entries + kMpEntrySize * i;
        index.images.append({numbers.u32(at), numbers.u32(at + 4), numbers.u32(at + 8),
            kMpHeaderInPayload + at + 4, kMpHeaderInPayload + at + 8});
    }
    return index;
}

void setMpImage(
    QByteArray &payload, const MpIndex &index, const MpImage &image, quint32 size, quint32 offset)
{
    putU32(payload, image.sizeField, size, index.bigEndian);
    putU32(payload, image.offsetField, offset, index.bigEndian);
}

} // namespace kalvora
