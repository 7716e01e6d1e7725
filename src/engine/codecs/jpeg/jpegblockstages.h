// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The libjpeg stages of the block stamper (see JpegBlockStamper), each a function of its own
// because libjpeg leaves a failing call through a long jump to the stage's setjmp: a stage holds
// only plain values, and its caller owns the objects it fills.

#include "engine/codecs/jpeg/jpegerrors.h"

#include <QByteArray>
#include <QRect>

class QImage;

namespace kalvora {

inline int divideUp(int value, int divisor)
{
    return (value + divisor - 1) / divisor;
}

/// A photo read as blocks of DCT coefficients.
struct JpegBlocks
{
    JpegBlocks()
    {
        initJpegErrors(errors);
        source.err = &errors.base;
    }
    ~JpegBlocks() { jpeg_destroy_decompress(&source); }
    JpegBlocks(const JpegBlocks &) = delete;
    JpegBlocks &operator=(const JpegBlocks &) = delete;

    QByteArray data; // libjpeg reads from it until the object is destroyed
    jpeg_decompress_struct source {};
    JpegErrors errors;
    jvirt_barray_ptr *coefficients = nullptr;
    QByteArray icc;
    int mcuWidth = 8;
    int mcuHeight = 8;
};

namespace jpegblocks {

/// A libjpeg reader or writer with its own error handling, destroyed with its scope.
struct Decoder
{
    Decoder()
    {
        initJpegErrors(errors);
        info.err = &errors.base;
    }
    ~Decoder() { jpeg_destroy_decompress(&info); }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;
    jpeg_decompress_struct info {};
    JpegErrors errors;
};

struct Encoder
{
    Encoder()
    {
        initJpegErrors(errors);
        info.err = &errors.base;
    }
    ~Encoder()
    {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
    Encoder(const Encoder &) = delete;
    Encoder &operator=(const Encoder &) = delete;
    jpeg_compress_struct info {};
    JpegErrors errors;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
};

enum class ReadResult { Read, NotTaken, Failed };

/// Reads the header and coefficients of b.data; NotTaken for a picture the stamper does not
/// take. \a icc is set to the ICC profile libjpeg allocated, or null.
ReadResult readCoefficients(JpegBlocks &b, JOCTET **icc, unsigned int *iccLength);

/// Writes the blocks of \a area (aligned on whole chroma blocks) as a JPEG of their own with
/// the photo's tables, so libjpeg turns exactly those into pixels.
bool writeArea(Encoder &e, JpegBlocks &b, const QRect &area);

/// Decodes the JPEG \a data into \a image, which has its size and 32-bit RGB pixels.
bool decodePixels(Decoder &d, const unsigned char *data, unsigned long size, QImage &image);

/// Encodes the stamped pixels with the photo's sampling and the tables of \a quality.
bool encodePixels(
    Encoder &e, const jpeg_decompress_struct &source, const QImage &image, int quality);

/// Reads the coefficients of the stamped pixels' JPEG.
bool readStampedBlocks(Decoder &d, const Encoder &stamped, jvirt_barray_ptr **coefficients);

/// Sets the output's tables to those of \a quality, exactly as a plain encode makes them.
bool prepareOutput(Encoder &e, JpegBlocks &b, int quality);

/// Writes the photo's coefficients, and its ICC profile, as the output file.
bool writeOutput(Encoder &e, JpegBlocks &b);

/// The largest magnitude a quantized coefficient of an 8-bit picture has (ten bits).
inline constexpr float kLargestCoefficient = 1023.0f;

/// Brings \a count blocks of one row into new tables: each coefficient times \a factor, held
/// to plus or minus kLargestCoefficient.
void requantizeRow(JBLOCKROW blocks, int count, const float (&factor)[DCTSIZE2]);

} // namespace jpegblocks

} // namespace kalvora
