// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/metadata/jpegmetadata.h"

#include "engine/codecs/jpeg/jpegrestoredata.h"
#include "engine/codecs/jpeg/jpegsegments.h"
#include "engine/metadata/exifthumbnail.h"
#include "engine/metadata/mpfindex.h"
#include "engine/metadata/stampmark.h"

#include <QByteArrayView>

#include <algorithm>
#include <limits>
#include <numeric>

namespace kalvora {

namespace {

constexpr uchar kExifMarker = 0xE1; // APP1
constexpr uchar kProfileMarker = 0xE2; // APP2: colour profiles and the multi-picture index
constexpr uchar kAdobeMarker = 0xEE; // APP14
constexpr QByteArrayView kExifName("Exif\0\0", 6);
constexpr QByteArrayView kProfileName("ICC_PROFILE\0", 12);
constexpr QByteArrayView kPicturesName("MPF\0", 4);
constexpr QByteArrayView kXmpName("http://ns.adobe.com/xap/1.0/\0", 29);

bool named(const QByteArray &file, const JpegSegment &segment, QByteArrayView name)
{
    return segment.payloadSize() >= name.size()
        && QByteArrayView(file).sliced(segment.payloadOffset(), name.size()) == name;
}

// The source's multi-picture index, when its images can all be found after the picture.
struct SourcePictures
{
    JpegSegment segment;
    MpIndex index;
    qsizetype header = 0; // where the offsets count from, in the source
    QList<int> inFileOrder; // the images after the first, by their place in the file
};

std::optional<SourcePictures> readPictures(const QByteArray &source, const JpegLayout &layout,
    const JpegSegment &segment, const MpIndex &index)
{
    SourcePictures pictures {segment, index, segment.payloadOffset() + kMpHeaderInPayload, {}};
    pictures.inFileOrder.resize(index.images.size() - 1);
    std::iota(pictures.inFileOrder.begin(), pictures.inFileOrder.end(), 1);
    std::sort(pictures.inFileOrder.begin(), pictures.inFileOrder.end(),
        [&](int a, int b) { return index.images[a].offset < index.images[b].offset; });
    qint64 free = layout.imageEnd;
    for (int i : std::as_const(pictures.inFileOrder)) {
        const MpImage &image = index.images[i];
        const qint64 start = pictures.header + qint64(image.offset);
        if (image.offset == 0 || start < free || start + qint64(image.size) > source.size())
            return std::nullopt;
        free = start + image.size;
    }
    return pictures;
}

QByteArray withStampedThumbnail(const QByteArray &exif, const PreviewStamper &stampPreview)
{
    const QByteArray tiff = exif.mid(kExifName.size());
    const auto thumbnail = findExifThumbnail(tiff);
    if (!thumbnail)
        return exif;
    return exif.left(kExifName.size()) + replaceExifThumbnail(tiff, *thumbnail, stampPreview);
}

// Adds what follows the source's picture to \a result, the picture's new first image: the
// further images with the previews stamped, and anything between and after them as it was.
// The index in the segment at \a indexAt of \a result then gives the new sizes and places.
void appendPictures(QByteArray &result, qsizetype indexAt, const QByteArray &source,
    const JpegLayout &layout, const SourcePictures &pictures, const PreviewStamper &stampPreview,
    qsizetype firstImageExtra)
{
    const QList<MpImage> &images = pictures.index.images;
    QByteArray following;
    QList<qsizetype> places(images.size());
    QList<qsizetype> sizes(images.size());
    qsizetype copied = layout.imageEnd;
    for (int i : pictures.inFileOrder) {
        const qsizetype start = pictures.header + images[i].offset;
        following += QByteArrayView(source).sliced(copied, start - copied);
        QByteArray image = source.mid(start, images[i].size);
        if (stampPreview && images[i].isPreview())
            image = stampPreview(image, std::numeric_limits<qint32>::max());
        places[i] = following.size();
        sizes[i] = image.size();
        following += image;
        copied = start + images[i].size;
    }
    following += QByteArrayView(source).sliced(copied);

    const qsizetype payloadAt = indexAt + 4;
    const qsizetype header = payloadAt + kMpHeaderInPayload;
    QByteArray payload = result.mid(payloadAt, pictures.segment.payloadSize());
    setMpImage(payload, pictures.index, images[0], quint32(result.size() + firstImageExtra), 0);
    for (int i : pictures.inFileOrder)
        setMpImage(payload, pictures.index, images[i], quint32(sizes[i]),
            quint32(result.size() + places[i] - header));
    result.replace(payloadAt, payload.size(), payload);
    result += following;
}

// The standard XMP segment with the packet \a editXmp answers for \a packet; none to keep the
// packet as it was.
std::optional<QByteArray> xmpSegment(const XmpEditor &editXmp, const QByteArray &packet)
{
    const std::optional<QByteArray> edited = editXmp(packet);
    if (!edited || edited->size() > kLargestJpegXmpPacket)
        return std::nullopt;
    return jpegSegment(kExifMarker, kXmpName.toByteArray() + *edited);
}

// The picture's coding: the encoder's file, or the source's own header segments with a new
// scan in place of its scan data.
struct Coding
{
    const QByteArray *encoded = nullptr;
    const KeptCoding *kept = nullptr;
};

// Whether the source's \a segment goes into the result's header.
bool carried(const QByteArray &source, const JpegLayout &from, const JpegSegment &segment,
    const Coding &coding)
{
    if (coding.kept)
        return segment.offset < coding.kept->scanStart && !isRestoreSegment(source, segment);
    if ((!segment.isApplication() && !segment.isComment()) || segment.marker == kAdobeMarker)
        return false;
    return !(segment.marker == kProfileMarker && from.components != 3
        && named(source, segment, kProfileName));
}

std::optional<QByteArray> carry(const QByteArray &source, const Coding &coding,
    const PreviewStamper &stampPreview, const XmpEditor &editXmp)
{
    // The source's layout follows every scan to its end, a pass over the whole file.
    const auto from = coding.kept && coding.kept->sourceLayout
        ? std::optional<JpegLayout>(*coding.kept->sourceLayout)
        : readJpegLayout(source);
    const auto to = coding.encoded ? readJpegLayout(*coding.encoded) : std::optional<JpegLayout>();
    if (!from || (coding.encoded && !to))
        return std::nullopt;

    QByteArray result("\xFF\xD8", 2);
    result.reserve((coding.encoded ? coding.encoded->size()
                                   : coding.kept->scanEnd - coding.kept->scanStart + (1 << 16))
        + source.size() - from->imageEnd + (1 << 16));
    std::optional<SourcePictures> pictures;
    qsizetype indexAt = -1;
    bool exifSeen = false;
    bool xmpSeen = !editXmp;
    qsizetype xmpAt = result.size(); // where a packet of its own goes
    for (const JpegSegment &segment : from->segments) {
        if (!carried(source, *from, segment, coding))
            continue;
        if (segment.marker == kProfileMarker && !pictures
            && named(source, segment, kPicturesName)) {
            // A further image's own attributes point nowhere and stay as they are; an index
            // whose images cannot be found would point into the new picture and is left out.
            const auto index = readMpIndex(JpegLayout::payloadOf(source, segment));
            if (index && !index->images.isEmpty())
                pictures = readPictures(source, *from, segment, *index);
            if (!index || (!index->images.isEmpty() && !pictures))
                continue;
            if (pictures)
                indexAt = result.size();
        } else if (segment.marker == kExifMarker && !exifSeen
            && named(source, segment, kExifName)) {
            exifSeen = true;
            if (stampPreview) {
                result += jpegSegment(kExifMarker,
                    withStampedThumbnail(JpegLayout::payloadOf(source, segment), stampPreview));
                xmpAt = result.size();
                continue;
            }
        } else if (segment.marker == kExifMarker && !xmpSeen && named(source, segment, kXmpName)) {
            xmpSeen = true;
            const QByteArray packet = JpegLayout::payloadOf(source, segment).mid(kXmpName.size());
            if (const auto edited = xmpSegment(editXmp, packet)) {
                result += *edited;
                continue;
            }
        }
        result += QByteArrayView(source).sliced(segment.offset, segment.size);
        if (segment.marker == 0xE0 || (exifSeen && segment.marker == kExifMarker && !xmpSeen))
            xmpAt = result.size();
    }
    if (const auto added = xmpSeen ? std::nullopt : xmpSegment(editXmp, QByteArray())) {
        result.insert(xmpAt, *added);
        if (indexAt >= xmpAt)
            indexAt += added->size();
    }

    if (coding.kept) {
        if (!coding.kept->appendScan(result))
            return std::nullopt;
        result += QByteArrayView(source).sliced(
            coding.kept->scanEnd, from->imageEnd - coding.kept->scanEnd);
    } else {
        // The encoder's own header segments give way to the source's, but for an Adobe
        // segment, which would tell how the new scan data are coded.
        const QByteArray &encoded = *coding.encoded;
        const auto body = std::find_if(to->segments.cbegin(), to->segments.cend(),
            [](const JpegSegment &s) { return !s.isApplication() && !s.isComment(); });
        if (body == to->segments.cend())
            return std::nullopt;
        for (auto it = to->segments.cbegin(); it != body; ++it)
            if (it->marker == kAdobeMarker)
                result += QByteArrayView(encoded).sliced(it->offset, it->size);
        result += QByteArrayView(encoded).sliced(body->offset, to->imageEnd - body->offset);
    }

    if (pictures)
        appendPictures(result, indexAt, source, *from, *pictures, stampPreview,
            coding.kept ? coding.kept->firstImageExtra : 0);
    else
        result += QByteArrayView(source).sliced(from->imageEnd);
    return result;
}

} // namespace

std::optional<QByteArray> carryJpegMetadata(const QByteArray &source, const QByteArray &encoded,
    const PreviewStamper &stampPreview, const XmpEditor &editXmp)
{
    return carry(source, {&encoded, nullptr}, stampPreview, editXmp);
}

std::optional<QByteArray> carryJpegMetadata(const QByteArray &source, const KeptCoding &kept,
    const PreviewStamper &stampPreview, const XmpEditor &editXmp)
{
    return carry(source, {nullptr, &kept}, stampPreview, editXmp);
}

} // namespace kalvora
