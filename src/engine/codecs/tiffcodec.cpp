// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/tiffcodec.h"

#include "engine/codecs/failuretexts.h"
#include "engine/codecs/tiffmemoryfile.h"
#include "engine/codecs/worksurface.h"

#include <QStringList>

#include <tiffio.h>

#include <cstring>
#include <memory>
#include <vector>

namespace kalvora {

namespace {

// Compressions written back as they are: lossless, and ones every TIFF reader knows.
bool keepsCompression(int compression)
{
    return compression == COMPRESSION_NONE || compression == COMPRESSION_LZW
        || compression == COMPRESSION_ADOBE_DEFLATE || compression == COMPRESSION_DEFLATE
        || compression == COMPRESSION_PACKBITS;
}

// Why the current page cannot be written back as it is, or an empty text.
QString unwritableColours(TIFF *tiff)
{
    uint16_t photometric = PHOTOMETRIC_RGB;
    uint16_t bits = 1;
    uint16_t format = SAMPLEFORMAT_UINT;
    uint16_t samples = 1;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &format);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
    switch (photometric) {
    case PHOTOMETRIC_MINISWHITE:
    case PHOTOMETRIC_MINISBLACK:
    case PHOTOMETRIC_RGB:
    case PHOTOMETRIC_PALETTE:
    case PHOTOMETRIC_YCBCR:
        break;
    case PHOTOMETRIC_SEPARATED:
        return PictureFailures::tr("its colours are stored as CMYK inks");
    default:
        return PictureFailures::tr("its colours are stored in a colour space (%1) that is not RGB")
            .arg(photometric);
    }
    if (format != SAMPLEFORMAT_UINT)
        return PictureFailures::tr("its samples are not whole numbers");
    if (bits > 16)
        return PictureFailures::tr("it has %1 bits a sample").arg(bits);
    const int colours = photometric == PHOTOMETRIC_RGB || photometric == PHOTOMETRIC_YCBCR ? 3 : 1;
    if (samples > colours + 1)
        return PictureFailures::tr("it has more than one extra channel");
    return {};
}

// Decodes every strip or tile of the current page; libtiff's errors land in the file's list.
void decodeAll(TIFF *tiff)
{
    const bool tiled = TIFFIsTiled(tiff);
    const tmsize_t size = tiled ? TIFFTileSize(tiff) : TIFFStripSize(tiff);
    const uint32_t count = tiled ? TIFFNumberOfTiles(tiff) : TIFFNumberOfStrips(tiff);
    if (size <= 0)
        return;
    std::vector<unsigned char> buffer(static_cast<size_t>(size));
    for (uint32_t i = 0; i < count; ++i) {
        const tmsize_t read = tiled ? TIFFReadEncodedTile(tiff, i, buffer.data(), size)
                                    : TIFFReadEncodedStrip(tiff, i, buffer.data(), size);
        if (read < 0)
            return;
    }
}

// Reads the current page straight when its samples map onto a frame without loss: strips of
// 8- or 16-bit grey or RGB samples, each pixel's together, with at most a straight alpha.
// Answers a null image for any other layout, which Qt's reader then decodes (Qt would
// premultiply a straight 8-bit alpha and lose the colours under it). Errors land in the file's
// list.
QImage readDirect(TIFF *tiff, MemoryFile *file)
{
    uint16_t photometric = 0;
    uint16_t bits = 1;
    uint16_t samples = 1;
    uint16_t planar = PLANARCONFIG_CONTIG;
    uint16_t extraCount = 0;
    uint16_t *extraTypes = nullptr;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t rowsPerStrip = 0;
    if (TIFFIsTiled(tiff) || !TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric)
        || !TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width)
        || !TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height))
        return {};
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
    const int colours = photometric == PHOTOMETRIC_RGB ? 3
        : photometric == PHOTOMETRIC_MINISBLACK        ? 1
                                                       : 0;
    const bool alpha = colours > 0 && samples == colours + 1 && extraCount == 1
        && extraTypes[0] == EXTRASAMPLE_UNASSALPHA;
    if (colours == 0 || planar != PLANARCONFIG_CONTIG || (bits != 8 && bits != 16)
        || (samples != colours && !alpha) || width == 0 || height == 0 || rowsPerStrip == 0
        || quint64(width) * height * 8 > quint64(kImageAllocationLimitMb) << 20)
        return {};

    const bool deep = bits == 16;
    QImage image(int(width), int(height),
        deep ? (alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64)
             : (alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32));
    const tmsize_t rowBytes = TIFFScanlineSize(tiff);
    const tmsize_t stripSize = TIFFStripSize(tiff);
    if (image.isNull() || rowBytes <= 0 || stripSize <= 0)
        return {};
    std::vector<unsigned char> strip(static_cast<size_t>(stripSize));
    uint32_t y = 0;
    for (uint32_t s = 0; s < TIFFNumberOfStrips(tiff) && y < height; ++s) {
        const tmsize_t read = TIFFReadEncodedStrip(tiff, s, strip.data(), stripSize);
        if (read < 0)
            return {};
        for (tmsize_t r = 0; (r + 1) * rowBytes <= read && y < height; ++r, ++y) {
            const unsigned char *in = strip.data() + r * rowBytes;
            if (deep) {
                const auto *values = reinterpret_cast<const quint16 *>(in);
                auto *out = reinterpret_cast<quint16 *>(image.scanLine(int(y)));
                for (uint32_t x = 0; x < width; ++x, values += samples, out += 4) {
                    out[0] = values[0];
                    out[1] = values[colours == 3 ? 1 : 0];
                    out[2] = values[colours == 3 ? 2 : 0];
                    out[3] = alpha ? values[colours] : 0xFFFF;
                }
            } else {
                auto *out = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
                for (uint32_t x = 0; x < width; ++x, in += samples)
                    out[x] = qRgba(in[0], in[colours == 3 ? 1 : 0], in[colours == 3 ? 2 : 0],
                        alpha ? in[colours] : 0xFF);
            }
        }
    }
    if (y < height) {
        file->errors
            << PictureFailures::tr("the pixel data ends after %1 of %2 rows").arg(y).arg(height);
        return {};
    }
    return image;
}

PictureFrame pageInfo(TIFF *tiff)
{
    PictureFrame page;
    uint16_t compression = COMPRESSION_NONE;
    uint16_t orientation = 0;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
    page.compression = compression;
    if (TIFFGetField(tiff, TIFFTAG_ORIENTATION, &orientation))
        page.orientation = orientation;
    uint32_t subfileType = 0;
    if (TIFFGetField(tiff, TIFFTAG_SUBFILETYPE, &subfileType))
        page.subfileType = int(subfileType);
    uint16_t pageNumber = 0;
    uint16_t pageCount = 0;
    if (TIFFGetField(tiff, TIFFTAG_PAGENUMBER, &pageNumber, &pageCount)) {
        page.pageNumber = pageNumber;
        page.pageCount = pageCount;
    }
    float x = 0;
    float y = 0;
    uint16_t unit = RESUNIT_INCH;
    if (TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &x)
        && TIFFGetField(tiff, TIFFTAG_YRESOLUTION, &y)) {
        TIFFGetFieldDefaulted(tiff, TIFFTAG_RESOLUTIONUNIT, &unit);
        page.hasResolution = true;
        page.xResolution = x;
        page.yResolution = y;
        page.resolutionUnit = unit;
    }
    return page;
}

// The samples of one row of \a image as libtiff takes them: RGB or RGBA, 8 or 16 bits, in the
// machine's byte order. \a image is RGB888, RGBA8888, RGBX64 or RGBA64.
void rowSamples(const QImage &image, int y, bool alpha, std::vector<unsigned char> *row)
{
    const uchar *line = image.constScanLine(y);
    if (image.depth() != 64) {
        std::memcpy(row->data(), line, row->size());
        return;
    }
    const auto *pixels = reinterpret_cast<const quint16 *>(line);
    auto *out = reinterpret_cast<quint16 *>(row->data());
    const int channels = alpha ? 4 : 3;
    for (int x = 0; x < image.width(); ++x)
        for (int c = 0; c < channels; ++c)
            out[x * channels + c] = pixels[x * 4 + c];
}

bool writePage(TIFF *tiff, const PictureFrame &page)
{
    const bool deep = page.image.depth() == 64;
    const bool alpha = page.image.hasAlphaChannel();
    QImage image = page.image;
    if (!deep)
        image.convertTo(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const uint16_t channels = alpha ? 4 : 3;
    const uint16_t bits = deep ? 16 : 8;
    const uint16_t compression
        = keepsCompression(page.compression) ? uint16_t(page.compression) : COMPRESSION_LZW;

    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(image.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(image.height()));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, channels);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, bits);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    if (alpha) {
        // The frames hold straight (not premultiplied) alpha.
        const uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, uint16_t(1), extra);
    }
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, compression);
    if (compression == COMPRESSION_LZW || compression == COMPRESSION_ADOBE_DEFLATE
        || compression == COMPRESSION_DEFLATE)
        TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
    if (page.orientation > 0)
        TIFFSetField(tiff, TIFFTAG_ORIENTATION, uint16_t(page.orientation));
    if (page.hasResolution) {
        TIFFSetField(tiff, TIFFTAG_XRESOLUTION, page.xResolution);
        TIFFSetField(tiff, TIFFTAG_YRESOLUTION, page.yResolution);
        TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, uint16_t(page.resolutionUnit));
    }
    if (page.subfileType != 0)
        TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, uint32_t(page.subfileType));
    if (page.pageNumber >= 0)
        TIFFSetField(tiff, TIFFTAG_PAGENUMBER, uint16_t(page.pageNumber), uint16_t(page.pageCount));

    std::vector<unsigned char> row(size_t(image.width()) * channels * (bits / 8));
    for (int y = 0; y < image.height(); ++y) {
        rowSamples(image, y, alpha, &row);
        if (TIFFWriteScanline(tiff, row.data(), uint32_t(y), 0) < 0)
            return false;
    }
    return TIFFWriteDirectory(tiff) != 0;
}

} // namespace

QList<PictureFrame> readTiff(const QByteArray &bytes, const QString &shown)
{
    MemoryFile file;
    file.input = &bytes;
    const auto damaged = [&](const QString &why) { return PictureFailure::damaged(shown, why); };
    QList<PictureFrame> pages;
    {
        const TiffHandle tiff = openTiff(&file, "rm");
        if (!tiff)
            throw damaged(file.errors.value(0, PictureFailures::tr("it is no readable TIFF file")));
        do {
            if (const QString why = unwritableColours(tiff.get()); !why.isEmpty())
                throw PictureFailure(PictureFailure::Reason::NotWritable,
                    PictureFailures::tr(
                        "The TIFF picture %1 cannot be written back whole: page %2: %3.")
                        .arg(shown)
                        .arg(pages.size() + 1)
                        .arg(why),
                    5);
            PictureFrame page = pageInfo(tiff.get());
            page.image = readDirect(tiff.get(), &file);
            if (page.image.isNull() && file.errors.isEmpty())
                decodeAll(tiff.get());
            if (!file.errors.isEmpty())
                break;
            pages << page;
        } while (TIFFReadDirectory(tiff.get()));
    }
    if (!file.errors.isEmpty())
        throw damaged(
            //: %1 is a page number, %2 the TIFF library's own message.
            PictureFailures::tr("page %1: %2").arg(pages.size() + 1).arg(file.errors.first()));
    return pages;
}

QString tiffDamage(const QByteArray &bytes)
{
    MemoryFile file;
    file.input = &bytes;
    const TiffHandle tiff = openTiff(&file, "rm");
    if (!tiff)
        return file.errors.value(0, PictureFailures::tr("it is no readable TIFF file"));
    int page = 1;
    for (;;) {
        // Every strip or tile of the page lies inside the file; libtiff itself only notices a
        // missing one when it is read.
        const uint32_t pieces = TIFFIsTiled(tiff.get()) ? TIFFNumberOfTiles(tiff.get())
                                                        : TIFFNumberOfStrips(tiff.get());
        for (uint32_t i = 0; i < pieces && file.errors.isEmpty(); ++i) {
            const quint64 end = quint64(TIFFGetStrileOffset(tiff.get(), i))
                + TIFFGetStrileByteCount(tiff.get(), i);
            if (end > quint64(bytes.size()))
                return PictureFailures::tr("page %1 is cut short (%2 of %3 bytes)")
                    .arg(page)
                    .arg(bytes.size())
                    .arg(end);
        }
        if (!file.errors.isEmpty())
            break;
        // The next page's directory: an error there is that page's.
        if (!TIFFReadDirectory(tiff.get())) {
            page += file.errors.isEmpty() ? 0 : 1;
            break;
        }
        ++page;
    }
    if (!file.errors.isEmpty())
        return PictureFailures::tr("page %1: %2").arg(page).arg(file.errors.first());
    return {};
}

QByteArray encodeTiff(const QList<PictureFrame> &pages, QString *error)
{
    QByteArray bytes;
    MemoryFile file;
    file.output = &bytes;
    TiffHandle tiff = openTiff(&file, "w");
    bool written = bool(tiff);
    for (qsizetype i = 0; written && i < pages.size(); ++i)
        written = writePage(tiff.get(), pages[i]);
    tiff.reset();
    if (written && file.errors.isEmpty())
        return bytes;
    *error = PictureFailures::tr("the TIFF encoder failed: %1")
                 .arg(file.errors.value(0, PictureFailures::tr("unknown error")));
    return {};
}

} // namespace kalvora
