// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/jpeg/jpegsegments.h"
#include "engine/metadata/jpegmetadata.h"
#include "engine/render/textstamp.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

namespace kalvora {

struct JpegScan;
struct OwnQualityHeader;

/// Stamps a JPEG photo keeping its own quality: its quantization and Huffman tables, its
/// chroma sampling and every block the stamp leaves alone, coefficients and bits. Only the
/// blocks whose pixels the stamp changes (decided block by block, and chroma block by chroma
/// block, on the decoded pixels) are coded anew with the photo's own tables; the rest of the
/// scan is the original's bits, copied rather than decoded: a walk of its Huffman codes finds
/// where the MCUs to code again start, and only their rows are decoded. Every header segment
/// stays as it was but for the stamped thumbnails and the mark in the XMP, and the result
/// carries restore data (see restoreJpeg) that rebuilds the original byte for byte.
///
/// Takes sequential Huffman-coded JPEGs in colour (YCbCr or RGB) or grey. A progressive,
/// arithmetic-coded or CMYK JPEG is refused with a failure that says so: it is never written
/// at another quality instead.
class OwnQualityStamper
{
public:
    /// Reads the header of the JPEG file content \a data and walks its scan. Throws
    /// RuntimeFailure naming \a shownPath and the reason when the picture cannot keep its own
    /// quality, is damaged or cannot be read.
    static std::unique_ptr<OwnQualityStamper> open(
        const QByteArray &data, const QString &shownPath);

    ~OwnQualityStamper();
    OwnQualityStamper(const OwnQualityStamper &) = delete;
    OwnQualityStamper &operator=(const OwnQualityStamper &) = delete;

    /// The picture's stored size in pixels.
    QSize size() const;

    /// Sets the stamp that write() draws, as OverlayText would draw it on the whole picture.
    void setStamp(const TextStamp &stamp, int orientation = 1);

    /// The stamped JPEG file: the metadata carried as carryJpegMetadata does, the thumbnails
    /// stamped by \a stampPreview and the XMP edited by \a editXmp, and the restore data.
    /// Throws RuntimeFailure naming the file when the stamp cannot be coded with the photo's
    /// tables.
    QByteArray write(const PreviewStamper &stampPreview, const XmpEditor &editXmp = {}) const;

private:
    OwnQualityStamper();

    QByteArray m_data;
    QString m_path;
    std::unique_ptr<OwnQualityHeader> m_header;
    std::unique_ptr<JpegScan> m_scan;
    std::optional<JpegLayout> m_layout;
    TextStamp m_stamp;
    int m_orientation = 1;
};

} // namespace kalvora
