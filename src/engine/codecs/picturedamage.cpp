// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/picturedamage.h"

#include "engine/codecs/failuretexts.h"
#include "engine/codecs/gifcodec.h"
#include "engine/codecs/heifboxes.h"
#include "engine/codecs/icocodec.h"
#include "engine/codecs/picturecodec.h"
#include "engine/codecs/tiffcodec.h"

#include <QtEndian>

#include <limits>

namespace kalvora {

namespace {

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

// What giflib or the icon directory reader finds wrong with \a bytes; a cursor or any other
// failure that is not damage is no concern here.
template <typename Check> QString damageFound(const Check &check)
{
    try {
        check();
    } catch (const PictureFailure &failure) {
        return failure.why();
    }
    return {};
}

} // namespace

QString pictureDamage(const QByteArray &bytes)
{
    if (bytes.startsWith("BM"))
        return bitmapDamage(bytes, bytes.size());
    const std::optional<PictureFormat> format = pictureFormatOf(bytes);
    if (!format)
        return {};
    switch (*format) {
    case PictureFormat::Png:
        return pngDamage(bytes);
    case PictureFormat::Tiff:
        return tiffDamage(bytes);
    case PictureFormat::Gif:
        return damageFound([&] { checkGif(bytes, {}); });
    case PictureFormat::Ico:
        return damageFound([&] { checkIco(bytes, {}); });
    case PictureFormat::Webp:
        return webpDamage(bytes);
    case PictureFormat::Heif:
        return heifDamage(bytes);
    }
    return {};
}

QString pngDamage(const QByteArray &bytes)
{
    // Each chunk is its length, its type, its data and a checksum.
    qint64 position = kPngSignature.size();
    while (position + 8 <= bytes.size()) {
        const qint64 end = position + 12 + qFromBigEndian<quint32>(bytes.constData() + position);
        if (end > bytes.size())
            break;
        if (bytes.mid(position + 4, 4) == "IEND")
            return {};
        position = end;
    }
    //: A reason, shown after "The picture %1 is damaged: ".
    return PictureFailures::tr("the file is cut short before its end chunk (%1 bytes)")
        .arg(bytes.size());
}

// A RIFF file states its size after "RIFF".
QString webpDamage(const QByteArray &bytes)
{
    if (bytes.size() < 12)
        return PictureFailures::tr("the file is cut short in its header");
    const qint64 needed = qint64(qFromLittleEndian<quint32>(bytes.constData() + 4)) + 8;
    if (bytes.size() >= needed)
        return {};
    return PictureFailures::tr("the file is cut short (%1 of %2 bytes)")
        .arg(bytes.size())
        .arg(needed);
}

QString bitmapDamage(const QByteArray &data, qint64 fileSize)
{
    const auto byteAt = [&](qsizetype at) { return qint64(quint8(data[at])); };
    const auto word = [&](qsizetype at) { return byteAt(at) | byteAt(at + 1) << 8; };
    const auto dword = [&](qsizetype at) { return word(at) | word(at + 2) << 16; };
    if (data.size() < 26 || !data.startsWith("BM"))
        return {};
    const qint64 pixelsAt = dword(10);
    const qint64 headerSize = dword(14);
    qint64 width = 0, height = 0, bitsPerPixel = 0, compression = 0, imageSize = 0;
    if (headerSize == 12) {
        width = word(18);
        height = word(20);
        bitsPerPixel = word(24);
    } else if (headerSize >= 40 && data.size() >= 38) {
        width = qint32(dword(18));
        height = qAbs(qint64(qint32(dword(22))));
        bitsPerPixel = word(28);
        compression = dword(30);
        imageSize = dword(34);
    } else {
        return PictureFailures::tr("the file is cut short in its header");
    }
    // Uncompressed rows are padded to four bytes; run-length coded pixels say their own size.
    // A header may claim any size: the count saturates rather than overflow.
    constexpr qint64 kMost = std::numeric_limits<qint64>::max() / 2;
    if (width <= 0 || height <= 0)
        return {};
    qint64 pixelBytes = -1;
    if (compression == 0 || compression == 3 || compression == 6) {
        const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        pixelBytes = rowBytes > 0 && height > kMost / rowBytes ? kMost : rowBytes * height;
    } else if ((compression == 1 || compression == 2) && imageSize > 0) {
        pixelBytes = imageSize;
    }
    if (pixelBytes < 0)
        return {};
    if (pixelBytes == kMost)
        return PictureFailures::tr(
            "its header claims %1 x %2 pixels of %3 bits, more than a file holds")
            .arg(width)
            .arg(height)
            .arg(bitsPerPixel);
    const qint64 needed = pixelsAt + pixelBytes;
    if (fileSize >= needed)
        return {};
    return PictureFailures::tr("the file is cut short (%1 of %2 bytes)").arg(fileSize).arg(needed);
}

} // namespace kalvora
