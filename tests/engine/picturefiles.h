// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Picture files with several frames, pages or sizes, written by the tests straight through
// libtiff, giflib and Qt, so the code under test never makes its own input.

#include "testimages.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QList>
#include <QtEndian>

#include <gif_lib.h>
#include <tiffio.h>

#include <vector>

namespace PictureFiles {

/// Every frame, page or size of the picture at \a path as Qt reads it, with each one's delay in
/// milliseconds in \a delays when given.
inline QList<QImage> framesOf(const QString &path, QList<int> *delays = nullptr)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QList<QImage> frames;
    const int count = reader.imageCount();
    for (int i = 0; i < qMax(count, 1); ++i) {
        // A GIF's reader moves on by itself; the others are told where to go.
        if (i > 0 && reader.format() != "gif")
            reader.jumpToImage(i);
        frames << reader.read();
        if (delays)
            *delays << reader.nextImageDelay();
    }
    return frames;
}

/// A picture whose every pixel differs from its neighbours, in \a format. With 16 bits a
/// channel, the values are ones 8 bits cannot hold; with alpha, every level of it occurs,
/// colours under full transparency included.
inline QImage pattern(int width, int height, QImage::Format format, int seed = 0)
{
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int r = (x * 997 + seed * 4099) % 65536;
            const int g = (y * 1499 + 17) % 65536;
            const int b = ((x + y) * 313 + seed) % 65536;
            const int a = image.hasAlphaChannel() ? ((x * 7 + y * 13) * 257) % 65536 : 65535;
            image.setPixelColor(x, y, QColor::fromRgba64(qRgba64(r, g, b, a)));
        }
    return image;
}

/// A frame in a handful of flat colours, as animated GIFs hold them.
inline QImage flatFrame(int width, int height, QRgb background, QRgb block, int offset)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(background);
    for (int y = 4; y < height / 2; ++y)
        for (int x = offset; x < qMin(width, offset + 12); ++x)
            image.setPixel(x, y, block);
    return image;
}

/// A frame in \a count different colours (at most 255), spread over the whole picture.
inline QImage manyColourFrame(int width, int height, int count, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = (x + y * 7 + seed) % count;
            image.setPixel(x, y, qRgb(i, 255 - i, (i * 37 + seed) % 256));
        }
    return image;
}

/// Writes \a pages as one TIFF file: RGB or RGBA (straight alpha) with 8 or 16 bits a sample
/// as each page's format has them, or the colour space \a photometric names (four 8-bit inks
/// for PHOTOMETRIC_SEPARATED); 300 dots per inch, and page numbers when there are several. An
/// \a artist is the last thing libtiff writes of each page.
inline bool writeTiff(const QString &path, const QList<QImage> &pages,
    uint16_t compression = COMPRESSION_LZW, uint16_t photometric = PHOTOMETRIC_RGB,
    const char *artist = nullptr)
{
    TIFF *tiff = TIFFOpen(QFile::encodeName(path).constData(), "w");
    if (!tiff)
        return false;
    bool ok = true;
    for (const QImage &page : pages) {
        const bool deep = page.depth() == 64;
        const bool alpha = page.hasAlphaChannel();
        const uint16_t channels = photometric == PHOTOMETRIC_SEPARATED ? 4 : alpha ? 4 : 3;
        const QImage image = page.convertToFormat(deep
                ? (alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64)
                : (channels == 4 ? QImage::Format_RGBA8888 : QImage::Format_RGB888));
        TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(image.width()));
        TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(image.height()));
        TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, channels);
        TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(deep ? 16 : 8));
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, photometric);
        TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(tiff, TIFFTAG_COMPRESSION, compression);
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(8));
        TIFFSetField(tiff, TIFFTAG_XRESOLUTION, 300.0);
        TIFFSetField(tiff, TIFFTAG_YRESOLUTION, 300.0);
        TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, uint16_t(RESUNIT_INCH));
        if (artist)
            TIFFSetField(tiff, TIFFTAG_ARTIST, artist);
        if (pages.size() > 1) {
            TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, uint32_t(FILETYPE_PAGE));
            TIFFSetField(
                tiff, TIFFTAG_PAGENUMBER, uint16_t(pages.indexOf(page)), uint16_t(pages.size()));
        }
        if (alpha && photometric == PHOTOMETRIC_RGB) {
            const uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
            TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, uint16_t(1), extra);
        }
        std::vector<uint16_t> row(size_t(image.width()) * channels);
        for (int y = 0; ok && y < image.height(); ++y) {
            void *line = const_cast<uchar *>(image.constScanLine(y));
            if (deep) {
                const auto *pixels = reinterpret_cast<const quint16 *>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    for (int c = 0; c < channels; ++c)
                        row[size_t(x) * channels + c] = pixels[x * 4 + c];
                line = row.data();
            }
            ok = TIFFWriteScanline(tiff, line, uint32_t(y), 0) >= 0;
        }
        ok = ok && TIFFWriteDirectory(tiff);
    }
    TIFFClose(tiff);
    return ok;
}

/// The first page of a TIFF file of 8-bit RGBA samples, read line by line as stored: Qt's
/// reader would premultiply the alpha and lose the colours under it.
inline QImage readStraightRgbaTiff(const QString &path)
{
    TIFF *tiff = TIFFOpen(QFile::encodeName(path).constData(), "r");
    if (!tiff)
        return {};
    uint32_t width = 0;
    uint32_t height = 0;
    uint16_t samples = 0;
    uint16_t bits = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetField(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetField(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    QImage image;
    if (samples == 4 && bits == 8) {
        image = QImage(int(width), int(height), QImage::Format_RGBA8888);
        for (uint32_t y = 0; y < height; ++y)
            if (TIFFReadScanline(tiff, image.scanLine(int(y)), y, 0) < 0)
                image = QImage();
    }
    TIFFClose(tiff);
    return image;
}

/// Writes \a frames (each in at most 255 colours, fully transparent pixels allowed) as an
/// animated GIF with the given delays in hundredths of a second and loop count.
inline bool writeGif(
    const QString &path, const QList<QImage> &frames, const QList<int> &delays, int loops)
{
    int error = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    EGifSetGifVersion(gif, true);
    const int width = frames.first().width();
    const int height = frames.first().height();
    bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, nullptr) != GIF_ERROR;
    const unsigned char loop[] = {1, static_cast<unsigned char>(loops), 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR
        && EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") != GIF_ERROR
        && EGifPutExtensionBlock(gif, 3, loop) != GIF_ERROR
        && EGifPutExtensionTrailer(gif) != GIF_ERROR;
    for (qsizetype f = 0; ok && f < frames.size(); ++f) {
        // Index 0 is the transparent colour; the others are the frame's colours in turn.
        QList<QRgb> colours {0};
        std::vector<GifPixelType> pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb pixel = frames[f].pixel(x, y);
                qsizetype index = qAlpha(pixel) == 0 ? 0 : colours.indexOf(pixel, 1);
                if (index < 0) {
                    index = colours.size();
                    colours << pixel;
                }
                pixels.push_back(GifPixelType(index));
            }
        std::vector<GifColorType> table(256, GifColorType {0, 0, 0});
        for (qsizetype i = 1; i < colours.size(); ++i)
            table[size_t(i)] = {GifByteType(qRed(colours[i])), GifByteType(qGreen(colours[i])),
                GifByteType(qBlue(colours[i]))};
        ColorMapObject *map = GifMakeMapObject(256, table.data());
        GraphicsControlBlock control {};
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.DelayTime = delays[f];
        control.TransparentColor = 0;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_ERROR
            && EGifPutImageDesc(gif, 0, 0, width, height, false, map) != GIF_ERROR;
        for (int y = 0; ok && y < height; ++y)
            ok = EGifPutLine(gif, pixels.data() + size_t(y) * width, width) != GIF_ERROR;
        GifFreeMapObject(map);
    }
    return EGifCloseFile(gif, &error) != GIF_ERROR && ok;
}

/// The bytes of one picture written by Qt in \a format.
inline QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

/// An icon file holding \a sizes in order: those flagged in \a asPng as PNG images, the others
/// as the bitmap that Qt's own (single-size) icon writer makes of them.
inline QByteArray iconFile(const QList<QImage> &sizes, const QList<bool> &asPng)
{
    QList<QByteArray> images;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        if (asPng[i]) {
            images << encoded(sizes[i], "png");
        } else {
            const QByteArray single = encoded(sizes[i], "ico");
            const quint32 size = qFromLittleEndian<quint32>(single.constData() + 14);
            const quint32 offset = qFromLittleEndian<quint32>(single.constData() + 18);
            images << single.mid(offset, size);
        }
    }
    QByteArray file(6, '\0');
    qToLittleEndian<quint16>(1, file.data() + 2);
    qToLittleEndian<quint16>(quint16(sizes.size()), file.data() + 4);
    quint32 offset = quint32(6 + 16 * sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        QByteArray entry(16, '\0');
        entry[0] = char(sizes[i].width() % 256);
        entry[1] = char(sizes[i].height() % 256);
        qToLittleEndian<quint16>(1, entry.data() + 4);
        qToLittleEndian<quint16>(32, entry.data() + 6);
        qToLittleEndian<quint32>(quint32(images[i].size()), entry.data() + 8);
        qToLittleEndian<quint32>(offset, entry.data() + 12);
        offset += quint32(images[i].size());
        file += entry;
    }
    for (const QByteArray &image : images)
        file += image;
    return file;
}

/// \a png with a chunk of \a type and \a data put right after its header chunk.
inline QByteArray withChunk(const QByteArray &png, const QByteArray &type, const QByteArray &data)
{
    const qsizetype afterHeader = 8 + 12 + 13;
    return png.left(afterHeader) + TestImages::pngChunk(type, data) + png.mid(afterHeader);
}

/// An animated WebP of \a frames (opaque, of one size), each encoded by Qt as a still WebP and
/// put into the extended container as libwebp's format describes it: Qt writes no animations.
inline QByteArray animatedWebp(const QList<QImage> &frames)
{
    const auto le24 = [](int value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian<quint32>(quint32(value), bytes.data());
        return bytes.left(3);
    };
    const auto chunk = [](const char *type, const QByteArray &data) {
        QByteArray bytes = QByteArray(type) + QByteArray(4, '\0') + data;
        qToLittleEndian<quint32>(quint32(data.size()), bytes.data() + 4);
        return data.size() % 2 ? bytes + '\0' : bytes;
    };
    const QByteArray size = le24(frames.first().width() - 1) + le24(frames.first().height() - 1);
    QByteArray body = "WEBP" + chunk("VP8X", QByteArray("\x02\0\0\0", 4) + size)
        + chunk("ANIM", QByteArray(6, '\0'));
    // Each frame at the origin, shown for 100 ms; its image data follows the still's header.
    for (const QImage &frame : frames)
        body += chunk(
            "ANMF", QByteArray(6, '\0') + size + le24(100) + '\0' + encoded(frame, "webp").mid(12));
    QByteArray file = "RIFF" + QByteArray(4, '\0') + body;
    qToLittleEndian<quint32>(quint32(body.size()), file.data() + 4);
    return file;
}

/// A whole picture file of \a kind, mostly pixel data, for the tests that cut files short:
/// "bmp" and "png" of one picture, "tif" of two pages (ending with a tag's value), "gif" and
/// "webp" of three frames, "ico" of two sizes (a bitmap, then a PNG). The TIFF and GIF are
/// written in \a scratch.
inline QByteArray wholeFile(const QString &kind, const QString &scratch)
{
    const QString path = scratch + QStringLiteral("/whole.") + kind;
    QList<QImage> pictures;
    for (int i = 0; i < 3; ++i)
        pictures << (kind == QLatin1String("gif") ? manyColourFrame(96, 64, 200, i)
                                                  : pattern(96, 64, QImage::Format_RGB32, i));
    if (kind == QLatin1String("tif")
        && writeTiff(path, pictures.mid(0, 2), COMPRESSION_LZW, PHOTOMETRIC_RGB, "Kalvora"))
        return TestImages::contents(path);
    if (kind == QLatin1String("gif") && writeGif(path, pictures, {10, 10, 10}, 0))
        return TestImages::contents(path);
    if (kind == QLatin1String("ico"))
        return iconFile(
            {pattern(48, 48, QImage::Format_ARGB32), pattern(32, 32, QImage::Format_ARGB32, 1)},
            {false, true});
    if (kind == QLatin1String("webp"))
        return animatedWebp(pictures);
    return encoded(pictures.first(), kind.toLatin1().constData());
}

} // namespace PictureFiles
