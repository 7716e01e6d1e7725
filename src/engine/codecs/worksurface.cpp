// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/worksurface.h"

#include "base/runtimefailure.h"
#include "engine/codecs/jpeg/jpegcodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace kalvora {

void configureImageReading()
{
    QImageReader::setAllocationLimit(kImageAllocationLimitMb);
}

namespace {

// 32-bit RGB at 96 dots per inch, whatever the file held.
QImage asSurface(QImage image)
{
    if (image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
    image.setDotsPerMeterX(kSurfaceDotsPerMeter);
    image.setDotsPerMeterY(kSurfaceDotsPerMeter);
    return image;
}

} // namespace

QByteArray readPictureFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString reason = QFileInfo::exists(path) ? file.errorString()
                                                       : QStringLiteral("the file does not exist");
        throw RuntimeFailure(QStringLiteral("Cannot load the picture %1: %2")
                                 .arg(QDir::toNativeSeparators(path), reason),
            481);
    }
    // One read of the whole file: the decoders work from memory, and the file is not held open
    // while its picture is decoded.
    return file.readAll();
}

QImage loadWorkSurface(const QString &path)
{
    return workSurfaceOf(readPictureFile(path), path);
}

QImage workSurfaceOf(const QByteArray &data, const QString &path)
{
    configureImageReading();
    const QString shown = QDir::toNativeSeparators(path);
    // The content decides the format: a renamed file is read for what it is. JPEGs go through
    // libjpeg-turbo directly, which is faster and reports damage; what it cannot turn into RGB
    // (CMYK) and every other format go through Qt's readers.
    QImage image = looksLikeJpeg(data) ? decodeJpeg(data, path) : QImage();
    if (!image.isNull())
        return asSurface(std::move(image));

    if (const QString damage = bitmapDamage(data, data.size()); !damage.isEmpty())
        throw RuntimeFailure(
            QStringLiteral("The picture %1 is damaged: %2").arg(shown, damage), 481);
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isValid()
        && qint64(size.width()) * size.height() * 4 > qint64(kImageAllocationLimitMb) << 20)
        throw RuntimeFailure(QStringLiteral("The picture %1 is too large to be stamped "
                                            "(%2 x %3 pixels).")
                                 .arg(shown)
                                 .arg(size.width())
                                 .arg(size.height()),
            7);

    image = reader.read();
    if (image.isNull())
        throw RuntimeFailure(
            QStringLiteral("Cannot load the picture %1: %2").arg(shown, reader.errorString()), 481);
    return asSurface(std::move(image));
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
        height = qAbs(qint32(dword(22)));
        bitsPerPixel = word(28);
        compression = dword(30);
        imageSize = dword(34);
    } else {
        return QStringLiteral("the file is cut short in its header");
    }
    // Uncompressed rows are padded to four bytes; run-length coded pixels say their own size.
    qint64 pixelBytes = -1;
    if (compression == 0 || compression == 3 || compression == 6)
        pixelBytes = (width * bitsPerPixel + 31) / 32 * 4 * height;
    else if ((compression == 1 || compression == 2) && imageSize > 0)
        pixelBytes = imageSize;
    if (pixelBytes < 0 || width <= 0 || height <= 0)
        return {};
    const qint64 needed = pixelsAt + pixelBytes;
    if (fileSize >= needed)
        return {};
    return QStringLiteral("the file is cut short (%1 of %2 bytes)").arg(fileSize).arg(needed);
}

} // namespace kalvora
