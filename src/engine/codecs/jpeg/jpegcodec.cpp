// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegcodec.h"

#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"
#include "engine/codecs/jpeg/jpegerrors.h"

#include <QColorSpace>
#include <QDir>
#include <QImageReader>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace kalvora {

namespace {

// The two stages of a decode that libjpeg may jump out of. They hold only plain values, so
// the jump skips no destructor; the image is made between them.
bool readHeader(jpeg_decompress_struct &info, JpegErrors &errors, const QByteArray &data,
    JOCTET **icc, unsigned int *iccLength)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
        static_cast<unsigned long>(data.size()));
    jpeg_save_markers(&info, JPEG_APP0 + 2, 0xFFFF);
    jpeg_read_header(&info, TRUE);
    if (!jpeg_read_icc_profile(&info, icc, iccLength))
        *icc = nullptr;
    info.out_color_space = kSurfaceColorSpace;
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    jpeg_calc_output_dimensions(&info);
    return true;
}

bool readRows(jpeg_decompress_struct &info, JpegErrors &errors, uchar *pixels, qsizetype stride)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_start_decompress(&info);
    JSAMPROW rows[kRowBatch];
    while (info.output_scanline < info.output_height) {
        const JDIMENSION first = info.output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(kRowBatch, info.output_height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = pixels + (first + i) * stride;
        jpeg_read_scanlines(&info, rows, count);
    }
    jpeg_finish_decompress(&info);
    return true;
}

// Reads every scan of a picture whose colours are left to another reader (CMYK), so its damage
// is found here as for any other JPEG: the other reader glosses over it.
bool readScans(jpeg_decompress_struct &info, JpegErrors &errors)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_read_coefficients(&info);
    jpeg_finish_decompress(&info);
    return true;
}

bool encodeRows(jpeg_compress_struct &info, JpegErrors &errors, const QImage &image, int quality,
    const QByteArray &icc, unsigned char **buffer, unsigned long *size)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 4;
    info.in_color_space = kSurfaceColorSpace;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp(quality, 1, 100), TRUE);
    // The density the picture carries, in dots per inch, as Qt's writer has always stored it.
    info.density_unit = 1;
    info.X_density = UINT16(std::max(1, qRound(image.dotsPerMeterX() * 0.0254)));
    info.Y_density = UINT16(std::max(1, qRound(image.dotsPerMeterY() * 0.0254)));
    jpeg_start_compress(&info, TRUE);
    if (!icc.isEmpty())
        jpeg_write_icc_profile(&info, reinterpret_cast<const JOCTET *>(icc.constData()),
            static_cast<unsigned int>(icc.size()));
    JSAMPROW rows[kRowBatch];
    while (info.next_scanline < info.image_height) {
        const int first = int(info.next_scanline);
        const int count = std::min<int>(kRowBatch, int(info.image_height) - first);
        for (int i = 0; i < count; ++i)
            rows[i] = const_cast<uchar *>(image.constScanLine(first + i));
        jpeg_write_scanlines(&info, rows, JDIMENSION(count));
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

bool looksLikeJpeg(const QByteArray &data)
{
    return data.size() >= 3 && uchar(data[0]) == 0xFF && uchar(data[1]) == 0xD8
        && uchar(data[2]) == 0xFF;
}

QImage decodeJpeg(const QByteArray &data, const QString &shownPath)
{
    jpeg_decompress_struct info {};
    JpegErrors errors;
    initJpegErrors(errors);
    info.err = &errors.base;
    JOCTET *icc = nullptr;
    unsigned int iccLength = 0;
    QImage image;
    bool done = readHeader(info, errors, data, &icc, &iccLength);
    const bool rgb = info.jpeg_color_space != JCS_CMYK && info.jpeg_color_space != JCS_YCCK;
    const qint64 bytes = qint64(info.output_width) * info.output_height * 4;
    const bool tooLarge = done && bytes > qint64(QImageReader::allocationLimit()) << 20;
    if (done && rgb && !tooLarge) {
        image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
        if (icc)
            image.setColorSpace(QColorSpace::fromIccProfile(
                QByteArray(reinterpret_cast<const char *>(icc), int(iccLength))));
        done = !image.isNull() && readRows(info, errors, image.bits(), image.bytesPerLine());
    } else if (done && !tooLarge) {
        done = readScans(info, errors);
    }
    std::free(icc);
    jpeg_destroy_decompress(&info);

    if (tooLarge)
        throw RuntimeFailure(PictureFailures::tr("The picture %1 is too large to be stamped "
                                                 "(%2 x %3 pixels).")
                                 .arg(QDir::toNativeSeparators(shownPath))
                                 .arg(info.output_width)
                                 .arg(info.output_height),
            7);
    if (done && errors.damaged)
        throwJpegDamaged(shownPath, errors);
    if (done && !rgb)
        return QImage();
    if (done)
        return image;
    throwJpegUnreadable(shownPath, errors);
}

QByteArray encodeJpeg(const QImage &source, int quality, QString *error)
{
    const QImage image
        = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
        ? source
        : source.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info {};
    JpegErrors errors;
    initJpegErrors(errors);
    info.err = &errors.base;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    const QByteArray icc
        = image.colorSpace().isValid() ? image.colorSpace().iccProfile() : QByteArray();
    const bool done = encodeRows(info, errors, image, quality, icc, &buffer, &size);
    jpeg_destroy_compress(&info);
    QByteArray bytes;
    if (done)
        bytes = QByteArray(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    if (!done && error)
        *error = QString::fromLocal8Bit(errors.message);
    return bytes;
}

} // namespace kalvora
