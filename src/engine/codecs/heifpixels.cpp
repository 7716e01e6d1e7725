// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/heifpixels.h"

#include <QTransform>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace kalvora {

namespace {

constexpr quint16 kOrientationTag = 0x0112;
constexpr quint16 kShortType = 3;

// Where the IFD0 Orientation value of an EXIF item lies, and in which byte order; -1 when it
// has none or its structure cannot be followed.
qint64 orientationField(const QByteArray &item, bool *bigEndian)
{
    if (item.size() < 4)
        return -1;
    const qint64 tiff = 4 + qint64(qFromBigEndian<quint32>(item.constData()));
    if (tiff + 8 > item.size())
        return -1;
    const QByteArrayView order(item.constData() + tiff, 4);
    if (order != QByteArrayView("II*\0", 4) && order != QByteArrayView("MM\0*", 4))
        return -1;
    *bigEndian = order.startsWith("MM");
    const auto *data = reinterpret_cast<const uchar *>(item.constData());
    const auto u16 = [&](qint64 pos) {
        return *bigEndian ? qFromBigEndian<quint16>(data + pos)
                          : qFromLittleEndian<quint16>(data + pos);
    };
    const auto u32 = [&](qint64 pos) {
        return *bigEndian ? qFromBigEndian<quint32>(data + pos)
                          : qFromLittleEndian<quint32>(data + pos);
    };
    const qint64 ifd = tiff + u32(tiff + 4);
    if (ifd + 2 > item.size())
        return -1;
    const int count = u16(ifd);
    for (int i = 0; i < count; ++i) {
        const qint64 entry = ifd + 2 + 12 * qint64(i);
        if (entry + 12 > item.size())
            return -1;
        if (u16(entry) == kOrientationTag)
            return u16(entry + 2) == kShortType && u32(entry + 4) >= 1 ? entry + 8 : -1;
    }
    return -1;
}

} // namespace

Context newContext()
{
    static std::once_flag once;
    std::call_once(once, [] { heif_init(nullptr); });
    return Context(heif_context_alloc());
}

heif_chroma interleavedChroma(bool alpha, int bitDepth)
{
    if (bitDepth <= 8)
        return alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB;
    return alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE;
}

QImage qImageOf(const heif_image *image, bool alpha, int bitDepth, bool premultiplied)
{
    const int width = heif_image_get_width(image, heif_channel_interleaved);
    const int height = heif_image_get_height(image, heif_channel_interleaved);
    int stride = 0;
    const uint8_t *plane = heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
    if (!plane || width <= 0 || height <= 0)
        return {};
    const int channels = alpha ? 4 : 3;
    if (bitDepth <= 8) {
        QImage copy(width, height,
            !alpha ? QImage::Format_RGB888
                   : (premultiplied ? QImage::Format_RGBA8888_Premultiplied
                                    : QImage::Format_RGBA8888));
        if (copy.isNull())
            return {};
        for (int y = 0; y < height; ++y)
            std::memcpy(copy.scanLine(y), plane + qsizetype(y) * stride, size_t(width) * channels);
        return copy.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
    QImage deep(width, height,
        !alpha ? QImage::Format_RGBX64
               : (premultiplied ? QImage::Format_RGBA64_Premultiplied : QImage::Format_RGBA64));
    if (deep.isNull())
        return {};
    const quint32 top = (1u << bitDepth) - 1;
    for (int y = 0; y < height; ++y) {
        const uint8_t *row = plane + qsizetype(y) * stride;
        auto *to = reinterpret_cast<QRgba64 *>(deep.scanLine(y));
        const auto sample = [&](int x, int channel) {
            const quint32 value = std::min<quint32>(
                qFromLittleEndian<quint16>(row + 2 * (qsizetype(x) * channels + channel)), top);
            return quint16((value * 65535u + top / 2) / top);
        };
        for (int x = 0; x < width; ++x)
            to[x] = QRgba64::fromRgba64(
                sample(x, 0), sample(x, 1), sample(x, 2), alpha ? sample(x, 3) : 65535);
    }
    return premultiplied && alpha ? deep.convertToFormat(QImage::Format_RGBA64) : deep;
}

HeifImagePointer heifImageOf(const QImage &image, int bitDepth, bool premultiplied)
{
    const bool alpha = image.hasAlphaChannel();
    const int width = image.width();
    const int height = image.height();
    heif_image *made = nullptr;
    if (heif_image_create(
            width, height, heif_colorspace_RGB, interleavedChroma(alpha, bitDepth), &made)
            .code
        != heif_error_Ok)
        return {};
    HeifImagePointer result(made);
    if (heif_image_add_plane(made, heif_channel_interleaved, width, height, bitDepth).code
        != heif_error_Ok)
        return {};
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(made, heif_channel_interleaved, &stride);
    const bool multiplied = alpha && premultiplied;
    if (bitDepth <= 8) {
        const QImage rgb = image.convertToFormat(alpha
                ? (multiplied ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGBA8888)
                : QImage::Format_RGB888);
        for (int y = 0; y < height; ++y)
            std::memcpy(plane + qsizetype(y) * stride, rgb.constScanLine(y),
                size_t(width) * (alpha ? 4 : 3));
    } else {
        const QImage deep = image.convertToFormat(alpha
                ? (multiplied ? QImage::Format_RGBA64_Premultiplied : QImage::Format_RGBA64)
                : QImage::Format_RGBX64);
        const quint32 top = (1u << bitDepth) - 1;
        const int channels = alpha ? 4 : 3;
        for (int y = 0; y < height; ++y) {
            const auto *from = reinterpret_cast<const QRgba64 *>(deep.constScanLine(y));
            uint8_t *row = plane + qsizetype(y) * stride;
            const auto put = [&](int x, int channel, quint16 value) {
                qToLittleEndian(quint16((value * top + 32767) / 65535),
                    row + 2 * (qsizetype(x) * channels + channel));
            };
            for (int x = 0; x < width; ++x) {
                put(x, 0, from[x].red());
                put(x, 1, from[x].green());
                put(x, 2, from[x].blue());
                if (alpha)
                    put(x, 3, from[x].alpha());
            }
        }
    }
    if (multiplied)
        heif_image_set_premultiplied_alpha(made, 1);
    return result;
}

QImage uprightByExif(const QImage &image, int orientation)
{
    const QTransform quarter = QTransform().rotate(90);
    QImage upright;
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        upright = image.transformed(quarter).mirrored(true, false);
        break;
    case 6:
        upright = image.transformed(quarter);
        break;
    case 7:
        upright = image.transformed(quarter).mirrored(false, true);
        break;
    case 8:
        upright = image.transformed(QTransform().rotate(270));
        break;
    default:
        return image;
    }
    // A turn may hand back another pixel format.
    return upright.convertToFormat(image.format());
}

int exifOrientationOf(const QByteArray &item)
{
    bool bigEndian = false;
    const qint64 field = orientationField(item, &bigEndian);
    if (field < 0)
        return 0;
    const auto *value = reinterpret_cast<const uchar *>(item.constData()) + field;
    return bigEndian ? qFromBigEndian<quint16>(value) : qFromLittleEndian<quint16>(value);
}

QByteArray withUprightOrientation(QByteArray item)
{
    bool bigEndian = false;
    const qint64 field = orientationField(item, &bigEndian);
    if (field < 0)
        return item;
    auto *value = reinterpret_cast<uchar *>(item.data()) + field;
    if (bigEndian)
        qToBigEndian<quint16>(1, value);
    else
        qToLittleEndian<quint16>(1, value);
    return item;
}

} // namespace kalvora
