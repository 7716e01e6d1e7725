// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/worksurface.h"

#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"
#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/codecs/picturedamage.h"

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
        const QString reason = QFileInfo::exists(path)
            ? file.errorString()
            : PictureFailures::tr("the file does not exist");
        throw RuntimeFailure(PictureFailures::tr("Cannot load the picture %1: %2")
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

    // Qt's readers fill in what a cut-short file lacks and report success.
    if (const QString damage = pictureDamage(data); !damage.isEmpty())
        throw RuntimeFailure(
            PictureFailures::tr("The picture %1 is damaged: %2").arg(shown, damage), 481);
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isValid()
        && qint64(size.width()) * size.height() * 4 > qint64(kImageAllocationLimitMb) << 20)
        throw RuntimeFailure(PictureFailures::tr("The picture %1 is too large to be stamped "
                                                 "(%2 x %3 pixels).")
                                 .arg(shown)
                                 .arg(size.width())
                                 .arg(size.height()),
            7);

    image = reader.read();
    if (image.isNull())
        throw RuntimeFailure(
            PictureFailures::tr("Cannot load the picture %1: %2").arg(shown, reader.errorString()),
            481);
    return asSurface(std::move(image));
}

} // namespace kalvora
