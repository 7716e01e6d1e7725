// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/metadata/exifthumbnail.h"

#include "engine/metadata/tiffnumbers.h"

#include <algorithm>

namespace kalvora {

namespace {

constexpr quint16 kThumbnailOffsetTag = 0x0201; // JPEGInterchangeFormat
constexpr quint16 kThumbnailLengthTag = 0x0202; // JPEGInterchangeFormatLength
constexpr quint16 kLongType = 4;
constexpr qsizetype kEntrySize = 12;

// The position of IFD1, reached through the link that ends IFD0; 0 when there is none.
qint64 secondDirectory(const TiffNumbers &tiff)
{
    const qint64 first = tiff.u32(4);
    if (!tiff.holds(first, 2))
        return 0;
    const qint64 link = first + 2 + kEntrySize * tiff.u16(first);
    if (!tiff.holds(link, 4))
        return 0;
    const qint64 second = tiff.u32(link);
    return tiff.holds(second, 2) ? second : 0;
}

} // namespace

std::optional<ExifThumbnail> findExifThumbnail(const QByteArray &tiff)
{
    if (tiff.size() < 8)
        return std::nullopt;
    ExifThumbnail thumbnail;
    if (tiff.startsWith("MM"))
        thumbnail.bigEndian = true;
    else if (!tiff.startsWith("II"))
        return std::nullopt;
    const TiffNumbers numbers(tiff, thumbnail.bigEndian);
    if (numbers.u16(2) != 42)
        return std::nullopt;
    const qint64 directory = secondDirectory(numbers);
    if (directory == 0)
        return std::nullopt;
    const int entries = numbers.u16(directory);
    for (int i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + kEntrySize * i;
        if (!numbers.holds(entry, kEntrySize))
            return std::nullopt;
        const quint16 tag = numbers.u16(entry);
        if (tag != kThumbnailOffsetTag && tag != kThumbnailLengthTag)
            continue;
        if (numbers.u16(entry + 2) != kLongType || numbers.u32(entry + 4) != 1)
            return std::nullopt;
        (tag == kThumbnailOffsetTag ? thumbnail.offsetField : thumbnail.lengthField) = entry + 8;
    }
    if (thumbnail.offsetField == 0 || thumbnail.lengthField == 0)
        return std::nullopt;
    thumbnail.offset = numbers.u32(thumbnail.offsetField);
    thumbnail.length = numbers.u32(thumbnail.lengthField);
    if (thumbnail.length < 4 || !numbers.holds(thumbnail.offset, thumbnail.length)
        || uchar(tiff[thumbnail.offset]) != 0xFF || uchar(tiff[thumbnail.offset + 1]) != 0xD8)
        return std::nullopt;
    // A thumbnail over the header or over IFD1 itself is no picture to replace: writing it would
    // break the block.
    const qint64 end = qint64(thumbnail.offset) + thumbnail.length;
    const qint64 directoryEnd = directory + 2 + kEntrySize * entries + 4;
    if (thumbnail.offset < 8 || (thumbnail.offset < directoryEnd && end > directory))
        return std::nullopt;
    return thumbnail;
}

QByteArray replaceExifThumbnail(const QByteArray &tiff, const ExifThumbnail &thumbnail,
    const std::function<QByteArray(const QByteArray &old, qsizetype largest)> &replace)
{
    const qsizetype place = thumbnail.offset;
    const qsizetype placeEnd = place + thumbnail.length;
    // Last but for a writer's padding to a whole word.
    const bool last = tiff.size() - placeEnd < 4
        && std::all_of(tiff.begin() + placeEnd, tiff.end(), [](char c) { return c == '\0'; });
    // A thumbnail added at the end starts on an even position, as TIFF values do.
    const qsizetype appendAt = tiff.size() + tiff.size() % 2;
    const qsizetype largest = last
        ? kLargestExifTiff - place
        : std::max<qsizetype>(thumbnail.length, kLargestExifTiff - appendAt);
    const QByteArray old = tiff.mid(place, thumbnail.length);
    const QByteArray fresh = replace(old, largest);
    if (fresh == old || fresh.size() > largest)
        return tiff;

    QByteArray result = tiff;
    if (fresh.size() <= thumbnail.length) {
        result.replace(place, fresh.size(), fresh);
        std::fill(result.begin() + place + fresh.size(), result.begin() + placeEnd, '\0');
    } else if (last) {
        result.truncate(place);
        result += fresh;
    } else {
        // The old picture is cleared, so the block keeps no unstamped copy.
        std::fill(result.begin() + place, result.begin() + placeEnd, '\0');
        result.resize(appendAt, '\0');
        result += fresh;
        putU32(result, thumbnail.offsetField, quint32(appendAt), thumbnail.bigEndian);
    }
    putU32(result, thumbnail.lengthField, quint32(fresh.size()), thumbnail.bigEndian);
    return result;
}

} // namespace kalvora
