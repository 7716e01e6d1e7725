// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegsegments.h"

#include <cstring>

namespace kalvora {

namespace {

constexpr uchar kStartOfImage = 0xD8;
constexpr uchar kEndOfImage = 0xD9;
constexpr uchar kStartOfScan = 0xDA;

bool isFrame(uchar marker)
{
    // SOF0 to SOF15 but for DHT (C4), JPG (C8) and DAC (CC), which share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers that stand alone, with no length: TEM and the restart markers.
bool standsAlone(uchar marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

// The position of the 0xFF of the first marker after the entropy-coded data from \a pos on:
// stuffed zero bytes and restart markers belong to the scan. \a size when there is none.
qsizetype endOfScan(const uchar *data, qsizetype size, qsizetype pos)
{
    // The entropy-coded data is most of the file: jump from one 0xFF to the next.
    while (pos + 1 < size) {
        const void *mark = std::memchr(data + pos, 0xFF, size_t(size - 1 - pos));
        if (!mark)
            return size;
        pos = static_cast<const uchar *>(mark) - data;
        const uchar next = data[pos + 1];
        if (next == 0x00 || (next >= 0xD0 && next <= 0xD7) || next == 0xFF) {
            ++pos;
            continue;
        }
        return pos;
    }
    return size;
}

// Follows the marker structure as readJpegLayout says; with \a headerOnly it stops after the
// first start-of-scan segment.
std::optional<JpegLayout> followLayout(
    const QByteArray &file, bool headerOnly, qsizetype firstScanEnd = -1)
{
    const auto *data = reinterpret_cast<const uchar *>(file.constData());
    const qsizetype size = file.size();
    if (size < 4 || data[0] != 0xFF || data[1] != kStartOfImage)
        return std::nullopt;
    JpegLayout layout;
    bool scanned = false;
    qsizetype pos = 2;
    for (;;) {
        // Stray bytes before a marker and fill bytes (0xFF 0xFF ...) are passed over, as
        // libjpeg passes over them with a warning.
        while (pos < size && data[pos] != 0xFF)
            ++pos;
        while (pos + 1 < size && data[pos + 1] == 0xFF)
            ++pos;
        if (pos + 1 >= size)
            return std::nullopt;
        const uchar marker = data[pos + 1];
        if (marker == kEndOfImage) {
            if (!scanned || layout.components == 0)
                return std::nullopt;
            layout.imageEnd = pos + 2;
            return layout;
        }
        if (marker == kStartOfImage)
            return std::nullopt;
        if (marker == 0x00 || standsAlone(marker)) {
            pos += 2;
            continue;
        }
        if (pos + 4 > size)
            return std::nullopt;
        const qsizetype length = (qsizetype(data[pos + 2]) << 8) | data[pos + 3];
        if (length < 2 || pos + 2 + length > size)
            return std::nullopt;
        const JpegSegment segment {marker, pos, length + 2};
        layout.segments.append(segment);
        // The frame header: precision, height, width, then the number of components.
        if (isFrame(marker) && layout.components == 0 && length >= 8) {
            const uchar *frame = data + segment.payloadOffset();
            layout.height = (frame[1] << 8) | frame[2];
            layout.width = (frame[3] << 8) | frame[4];
            layout.components = frame[5];
        }
        pos = segment.end();
        if (marker == kStartOfScan) {
            if (headerOnly)
                return layout;
            const bool known = !scanned && firstScanEnd >= pos && firstScanEnd < size;
            scanned = true;
            pos = known ? firstScanEnd : endOfScan(data, size, pos);
        }
    }
}

} // namespace

std::optional<JpegLayout> readJpegLayout(const QByteArray &file, qsizetype firstScanEnd)
{
    return followLayout(file, false, firstScanEnd);
}

QList<JpegSegment> jpegHeaderSegments(const QByteArray &file)
{
    const std::optional<JpegLayout> layout = followLayout(file, true);
    if (!layout || layout->segments.isEmpty() || layout->segments.last().marker != kStartOfScan)
        return {};
    return layout->segments;
}

QByteArray jpegSegment(uchar marker, const QByteArray &payload)
{
    Q_ASSERT(payload.size() <= kLargestSegmentPayload);
    const qsizetype length = payload.size() + 2;
    QByteArray segment;
    segment.reserve(payload.size() + 4);
    segment.append(char(0xFF));
    segment.append(char(marker));
    segment.append(char((length >> 8) & 0xFF));
    segment.append(char(length & 0xFF));
    segment.append(payload);
    return segment;
}

} // namespace kalvora
