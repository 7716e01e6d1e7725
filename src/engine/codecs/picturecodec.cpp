// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/picturecodec.h"

#include "engine/codecs/failuretexts.h"
#include "engine/codecs/gifcodec.h"
#include "engine/codecs/heifboxes.h"
#include "engine/codecs/heifcodec.h"
#include "engine/codecs/icocodec.h"
#include "engine/codecs/picturedamage.h"
#include "engine/codecs/tiffcodec.h"
#include "engine/codecs/webpcodec.h"
#include "engine/codecs/worksurface.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>

namespace kalvora {

namespace {

// Qt maps this PNG quality to zlib level 4: much faster than the default on large pictures,
// for files about a tenth larger. Still lossless.
constexpr int kPngQuality = 50;
const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QByteArray qtFormatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Png:
        return "png";
    case PictureFormat::Tiff:
        return "tiff";
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Ico:
        return "ico";
    case PictureFormat::Webp:
        return "webp";
    case PictureFormat::Heif:
        return "heif";
    }
    return {};
}

PictureFailure damaged(const QString &shown, const QString &reason)
{
    return PictureFailure::damaged(shown, reason);
}

QByteArray readWhole(const QString &path, const QString &shown)
{
    QFile file(path);
    if (!QFileInfo::exists(path))
        throw PictureFailure(PictureFailure::Reason::Missing,
            PictureFailures::tr("The picture %1 does not exist.").arg(shown), 53);
    if (QFileInfo(path).isDir())
        throw PictureFailure(PictureFailure::Reason::Unreadable,
            PictureFailures::tr("Cannot read the picture %1: it is a folder.").arg(shown), 75);
    if (!file.open(QIODevice::ReadOnly)) {
        // Gone between the two looks: as missing as if it had never been there.
        const auto reason = QFileInfo::exists(path) ? PictureFailure::Reason::Unreadable
                                                    : PictureFailure::Reason::Missing;
        throw PictureFailure(reason,
            PictureFailures::tr("Cannot read the picture %1: %2").arg(shown, file.errorString()),
            reason == PictureFailure::Reason::Missing ? 53 : 75);
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PictureFailure(PictureFailure::Reason::Unreadable,
            PictureFailures::tr("Cannot read the picture %1: %2").arg(shown, file.errorString()),
            75);
    return bytes;
}

// Refuses a PNG cut short anywhere before the end of its end chunk (Qt's reader lets a cut in
// that chunk pass), then walks the chunks up to the pixel data: an animation control chunk there
// makes an animated PNG, whose further frames no decoder here reads.
void checkPng(const QByteArray &bytes, const QString &shown)
{
    if (const QString damage = pngDamage(bytes); !damage.isEmpty())
        throw damaged(shown, damage);
    qsizetype position = kPngSignature.size();
    while (position + 8 <= bytes.size()) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + position);
        const QByteArray type = bytes.mid(position + 4, 4);
        if (type == "acTL")
            throw PictureFailure(PictureFailure::Reason::NotWritable,
                PictureFailures::tr(
                    "The picture %1 cannot be written back whole: it is an animated "
                    "PNG, and only its first frame could be kept.")
                    .arg(shown),
                5);
        if (type == "IDAT")
            return;
        position += 12 + qint64(length);
    }
    throw damaged(shown, PictureFailures::tr("it holds no pixel data"));
}

// The frame in a format that a painter draws on and the writers take without loss.
QImage paintable(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
        return image;
    case QImage::Format_RGBA64_Premultiplied:
        return image.convertToFormat(QImage::Format_RGBA64);
    case QImage::Format_Grayscale16:
        return image.convertToFormat(QImage::Format_RGBX64);
    default:
        return image.convertToFormat(
            image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
}

// Decodes the \a expected frames with Qt's readers, refusing anything they do not read whole.
QList<QImage> decodeFrames(
    const QByteArray &bytes, PictureFormat format, qsizetype expected, const QString &shown)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormatName(format));
    reader.setAutoTransform(false);
    const int found = reader.imageCount();
    if (expected > 1 && found != expected)
        throw damaged(
            shown, PictureFailures::tr("%1 of its %2 frames can be read").arg(found).arg(expected));
    // Refused before decoding, with its own reason: 16-bit frames take twice the memory.
    const QSize size = reader.size();
    const int bits = QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel();
    const qint64 bytesPerPixel = qMax(bits / 8, 4);
    if (size.isValid()
        && qint64(size.width()) * size.height() * bytesPerPixel > qint64(kImageAllocationLimitMb)
                << 20)
        throw PictureFailure(PictureFailure::Reason::Unreadable,
            PictureFailures::tr("The picture %1 is too large to be stamped (%2 x %3 pixels).")
                .arg(shown)
                .arg(size.width())
                .arg(size.height()),
            7);

    QList<QImage> frames;
    for (qsizetype i = 0; i < expected; ++i) {
        // GIF frames are read in turn, each laid over the ones before; pages and sizes are
        // reached by number.
        if (format != PictureFormat::Gif && i > 0 && !reader.jumpToImage(int(i)))
            throw damaged(shown, PictureFailures::tr("frame %1 cannot be reached").arg(i + 1));
        // A failed read may leave a half-filled image behind: only the answer counts.
        QImage image;
        const bool read = reader.read(&image);
        if (!read && reader.error() == QImageReader::UnsupportedFormatError)
            throw PictureFailure(PictureFailure::Reason::NotWritable,
                PictureFailures::tr("The picture %1 cannot be read: this system has no %2 reader.")
                    .arg(shown, QString::fromLatin1(qtFormatName(format)).toUpper()),
                481);
        if (!read || image.isNull())
            throw damaged(shown,
                PictureFailures::tr("frame %1 cannot be read whole (%2)")
                    .arg(i + 1)
                    .arg(reader.errorString()));
        frames << paintable(image);
    }
    return frames;
}

} // namespace

std::optional<PictureFormat> pictureFormatOf(const QByteArray &bytes)
{
    if (bytes.startsWith(kPngSignature))
        return PictureFormat::Png;
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return PictureFormat::Gif;
    if (bytes.startsWith(QByteArray("II*\0", 4)) || bytes.startsWith(QByteArray("MM\0*", 4))
        || bytes.startsWith(QByteArray("II+\0", 4)) || bytes.startsWith(QByteArray("MM\0+", 4)))
        return PictureFormat::Tiff;
    // An icon directory: reserved 0, type 1 (icon) or 2 (cursor), and at least one image.
    if (bytes.size() >= 6 && bytes.startsWith(QByteArray("\0\0", 2))
        && (bytes[2] == 1 || bytes[2] == 2) && bytes[3] == 0 && (bytes[4] != 0 || bytes[5] != 0))
        return PictureFormat::Ico;
    if (bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP")
        return PictureFormat::Webp;
    if (looksLikeHeif(bytes))
        return PictureFormat::Heif;
    return std::nullopt;
}

Picture loadPicture(const QString &path)
{
    return kalvora::decodePicture(readWhole(path, shownPath(path)), path);
}

Picture decodePicture(const QByteArray &bytes, const QString &path)
{
    configureImageReading();
    const QString shown = shownPath(path);
    const std::optional<PictureFormat> format = pictureFormatOf(bytes);
    if (!format)
        throw PictureFailure(PictureFailure::Reason::NotWritable,
            PictureFailures::tr(
                "The picture %1 is not a PNG, TIFF, GIF, ICO, WebP or HEIF picture.")
                .arg(shown),
            5);

    Picture picture;
    switch (*format) {
    case PictureFormat::Png:
        checkPng(bytes, shown);
        picture.frames.resize(1);
        break;
    case PictureFormat::Tiff:
        picture.frames = readTiff(bytes, shown);
        break;
    case PictureFormat::Gif:
        picture = checkGif(bytes, shown);
        break;
    case PictureFormat::Ico:
        picture.frames = checkIco(bytes, shown);
        break;
    case PictureFormat::Webp:
        picture = readWebp(bytes, shown);
        break;
    case PictureFormat::Heif:
        picture = readHeif(bytes, shown);
        break;
    }
    picture.format = *format;
    if (picture.frames.isEmpty())
        throw damaged(shown, PictureFailures::tr("it holds no picture"));

    // Frames that the format's own reader has not decoded yet go through Qt's.
    const bool allDecoded = std::all_of(picture.frames.cbegin(), picture.frames.cend(),
        [](const PictureFrame &frame) { return !frame.image.isNull(); });
    if (!allDecoded) {
        const QList<QImage> images = decodeFrames(bytes, *format, picture.frames.size(), shown);
        for (qsizetype i = 0; i < images.size(); ++i)
            if (picture.frames[i].image.isNull())
                picture.frames[i].image = images[i];
    }
    if (picture.format == PictureFormat::Gif)
        for (PictureFrame &frame : picture.frames)
            frame.colours = gifFrameColours(frame.image);
    return picture;
}

namespace {

// The picture's pixels without the text Qt's PNG reader attached (its tEXt, zTXt and iTXt
// chunks, the XMP packet among them): the tag copy writes those as they were, and Qt's writer
// would write the XMP packet again as a plain text chunk. Shares the pixels, copies nothing.
QImage withoutText(const QImage &image)
{
    if (image.textKeys().isEmpty())
        return image;
    QImage bare(
        image.constBits(), image.width(), image.height(), image.bytesPerLine(), image.format());
    bare.setColorTable(image.colorTable());
    bare.setColorSpace(image.colorSpace());
    bare.setDotsPerMeterX(image.dotsPerMeterX());
    bare.setDotsPerMeterY(image.dotsPerMeterY());
    bare.setOffset(image.offset());
    return bare;
}

} // namespace

QByteArray encodePicture(const Picture &picture, int heifQuality)
{
    QString error;
    QByteArray bytes;
    switch (picture.format) {
    case PictureFormat::Png: {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        writer.setQuality(kPngQuality);
        if (picture.frames.size() != 1)
            error
                = PictureFailures::tr("a PNG holds one picture, not %1").arg(picture.frames.size());
        else if (!writer.write(withoutText(picture.frames.first().image)))
            error = PictureFailures::tr("the PNG encoder failed: %1").arg(writer.errorString());
        break;
    }
    case PictureFormat::Tiff:
        bytes = encodeTiff(picture.frames, &error);
        break;
    case PictureFormat::Gif:
        bytes = encodeGifFrames(picture, &error);
        break;
    case PictureFormat::Ico:
        bytes = encodeIco(picture.frames, &error);
        break;
    case PictureFormat::Webp:
        bytes = encodeWebp(picture, &error);
        break;
    case PictureFormat::Heif:
        bytes = encodeHeif(picture, heifQuality, &error);
        break;
    }
    if (!error.isEmpty() || bytes.isEmpty())
        throw PictureFailure(PictureFailure::Reason::WriteFailed,
            PictureFailures::tr("Cannot save the image: %1.")
                .arg(error.isEmpty() ? PictureFailures::tr("the encoder wrote nothing") : error),
            5);
    return bytes;
}

void writePicture(const Picture &picture, const QString &path)
{
    const QByteArray bytes = encodePicture(picture);
    const auto failed = [&](const QString &reason) {
        return PictureFailure(PictureFailure::Reason::WriteFailed,
            PictureFailures::tr("Cannot save the image %1: %2").arg(shownPath(path), reason), 5);
    };
    // QSaveFile writes "<name>.XXXXXX" beside the target and renames it over the target
    // only when everything is written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failed(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw failed(reason);
    }
    if (!file.commit())
        throw failed(file.errorString());
}

void stampPicture(Picture &picture, const FrameStamper &stamp, const QString &sourcePath)
{
    const int count = int(picture.frames.size());
    for (int i = 0; i < count; ++i) {
        QImage &image = picture.frames[i].image;
        const QImage::Format format = image.format();
        const QSize size = image.size();
        const int dotsX = image.dotsPerMeterX();
        const int dotsY = image.dotsPerMeterY();
        image.setDotsPerMeterX(kSurfaceDotsPerMeter);
        image.setDotsPerMeterY(kSurfaceDotsPerMeter);
        stamp(image, i, count);
        if (image.size() != size)
            throw PictureFailure(PictureFailure::Reason::WriteFailed,
                PictureFailures::tr("Cannot save the image %1: frame %2 changed its size.")
                    .arg(shownPath(sourcePath))
                    .arg(i + 1),
                5);
        if (image.format() != format)
            image.convertTo(format);
        image.setDotsPerMeterX(dotsX);
        image.setDotsPerMeterY(dotsY);
    }
}

void stampPictureFile(
    const QString &sourcePath, const QString &targetPath, const FrameStamper &stamp)
{
    Picture picture = loadPicture(sourcePath);
    stampPicture(picture, stamp, targetPath);
    writePicture(picture, targetPath);
}

} // namespace kalvora
