// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/render/textstamp.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>

namespace kalvora {

struct JpegBlocks;

/// The stored pixels of a picture of \a size that OverlayText may change with \a stamp and
/// \a orientation, widened to whole MCUs of \a mcu pixels; empty when nothing is drawn.
QRect blockAlignedStampBounds(
    const QSize &size, const QSize &mcu, const TextStamp &stamp, int orientation);

/// Stamps a JPEG photo in its compressed form. A stamp covers a small part of a photo, so
/// decoding and encoding all of its 12 million pixels is mostly wasted: the blocks of DCT
/// coefficients are read as stored, only the few the stamp touches are turned into pixels,
/// stamped and encoded again, and every other block is requantized from the photo's tables to
/// the tables of the chosen quality. The result carries exactly the tables a plain encode at
/// that quality has, the photo's own chroma sampling, 96 dots per inch and the photo's ICC
/// profile, and is written as a baseline JPEG like the plain encoder's.
///
/// Only the usual camera JPEG is taken this way (three-component YCbCr with Huffman coding and
/// full-resolution or halved chroma); open() answers null for anything else, and the caller
/// takes the plain decode, draw and encode path.
class JpegBlockStamper
{
public:
    /// Reads the coefficients of the JPEG file content \a data. Answers null when the content is
    /// not a JPEG or not one this class takes. Throws RuntimeFailure naming \a shownPath, with the
    /// texts of the plain decoder, when libjpeg reports the data damaged or cannot read it.
    static std::unique_ptr<JpegBlockStamper> open(const QByteArray &data, const QString &shownPath);

    ~JpegBlockStamper();
    JpegBlockStamper(const JpegBlockStamper &) = delete;
    JpegBlockStamper &operator=(const JpegBlockStamper &) = delete;

    /// The JPEG file content the stamper was opened with.
    const QByteArray &fileData() const;

    /// The picture's stored size in pixels.
    QSize size() const;

    /// Sets the stamp that encode() draws, as OverlayText would draw it on the whole picture.
    void setStamp(const TextStamp &stamp, int orientation = 1);
    /// SetStamp for a plain stamp at the font's size.
    void setStamp(const QString &text, const QString &positionCaption, const QFont &font,
        const QColor &color, int orientation = 1);

    /// The stored pixels that encode() decodes, stamps and encodes again: the stamp's bounds
    /// widened to whole blocks of the chroma sampling. Empty when there is no stamp.
    QRect stampedRegion() const;

    /// True when the stamp covers so much of the picture that the plain path is as quick.
    bool stampTooLarge() const;

    /// The stamped JPEG file at \a quality (1 to 100). Answers the empty array with \a error set
    /// when libjpeg fails.
    QByteArray encode(int quality, QString *error = nullptr);

private:
    JpegBlockStamper();

    std::unique_ptr<JpegBlocks> m_blocks;
    TextStamp m_stamp;
    int m_orientation = 1;
};

} // namespace kalvora
