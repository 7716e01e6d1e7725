// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The libjpeg stages of the block stamper (see JpegBlockStamper), each a function of its own
// because libjpeg leaves a failing call through a long jump to the stage's setjmp: a stage holds
// only plain values, and its caller owns the objects it fills.

#include "engine/codecs/jpeg/jpegerrors.h"

#include <QByteArray>
#include <QRect>

#include <functional>

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

/// The row of blocks \a row of component \a component of a photo, from its first column.
using BlockRows = std::function<JBLOCKROW(int component, int row)>;

/// Writes the blocks of \a area (aligned on whole MCUs) of the photo whose header \a source
/// read, as \a rows gives them, as a JPEG of their own with the photo's tables, so libjpeg
/// turns exactly those into pixels.
bool writeArea(
    Encoder &e, const jpeg_decompress_struct &source, const QRect &area, const BlockRows &rows);

/// WriteArea for a photo read whole as coefficients.
bool writeArea(Encoder &e, JpegBlocks &b, const QRect &area);

/// Reads the header of the JPEG \a data, up to its first scan; \a scanStart is then where that
/// scan's data start.
bool readHeader(Decoder &d, const QByteArray &data, qsizetype *scanStart);

/// Decodes the JPEG \a data into \a image, which has its size and 32-bit RGB pixels.
bool decodePixels(Decoder &d, const unsigned char *data, unsigned long size, QImage &image);

/// The quality that stands for the photo's own tables.
inline constexpr int kOwnTables = 0;

/// Encodes the stamped pixels with the photo's sampling and the tables of \a quality, or with
/// the photo's own colour space, sampling and tables for kOwnTables.
bool encodePixels(
    Encoder &e, const jpeg_decompress_struct &source, const QImage &image, int quality);

/// Reads the coefficients of the stamped pixels' JPEG.
bool readStampedBlocks(Decoder &d, const Encoder &stamped, jvirt_barray_ptr **coefficients);

/// Hands each row of blocks of the stamped pixels' JPEG, and how many blocks it holds, to
/// \a take.
bool takeStampedRows(Decoder &d, jvirt_barray_ptr *coefficients,
    const std::function<void(int component, int row, JBLOCKROW blocks, int count)> &take);

/// \a image encoded with the colour space, sampling and tables of the JPEG \a model; the
/// empty array, with \a error set, when libjpeg fails.
QByteArray encodeInTablesOf(const QImage &image, const QByteArray &model, QString *error);

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
