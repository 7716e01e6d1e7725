// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/jpegblockstamp.h"

#include "engine/codecs/jpeg/jpegblockstages.h"
#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/codecs/photomemory.h"
#include "engine/codecs/worksurface.h"
#include "engine/render/overlaytext.h"

#include <QColorSpace>
#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace kalvora {

using namespace jpegblocks;

namespace {

// Above this share of the picture, stamping the blocks saves too little to be worth it.
constexpr double kLargestStampShare = 0.5;

} // namespace

JpegBlockStamper::JpegBlockStamper()
    : m_blocks(std::make_unique<JpegBlocks>())
{ }

JpegBlockStamper::~JpegBlockStamper() = default;

std::unique_ptr<JpegBlockStamper> JpegBlockStamper::open(
    const QByteArray &data, const QString &shownPath)
{
    keepPhotoMemory();
    if (!looksLikeJpeg(data))
        return nullptr;
    configureImageReading();
    std::unique_ptr<JpegBlockStamper> stamper(new JpegBlockStamper);
    JpegBlocks &b = *stamper->m_blocks;
    b.data = data;
    JOCTET *icc = nullptr;
    unsigned int iccLength = 0;
    const ReadResult result = readCoefficients(b, &icc, &iccLength);
    if (icc) {
        // The profile is written back only when it is one a colour space can be made of, as
        // the plain path's writer does with the profile of the decoded picture.
        const QByteArray profile(reinterpret_cast<const char *>(icc), int(iccLength));
        if (QColorSpace::fromIccProfile(profile).isValid())
            b.icc = profile;
        std::free(icc);
    }
    if (result == ReadResult::Failed)
        throwJpegUnreadable(shownPath, b.errors);
    if (result == ReadResult::Read && b.errors.damaged)
        throwJpegDamaged(shownPath, b.errors);
    if (result != ReadResult::Read)
        return nullptr;
    b.mcuWidth = DCTSIZE * b.source.max_h_samp_factor;
    b.mcuHeight = DCTSIZE * b.source.max_v_samp_factor;
    return stamper;
}

const QByteArray &JpegBlockStamper::fileData() const
{
    return m_blocks->data;
}

QSize JpegBlockStamper::size() const
{
    return QSize(int(m_blocks->source.image_width), int(m_blocks->source.image_height));
}

void JpegBlockStamper::setStamp(const TextStamp &stamp, int orientation)
{
    m_stamp = stamp;
    m_orientation = orientation;
}

void JpegBlockStamper::setStamp(const QString &text, const QString &positionCaption,
    const QFont &font, const QColor &color, int orientation)
{
    setStamp(TextStamp {text, positionCaption, font, color, {}}, orientation);
}

QRect blockAlignedStampBounds(
    const QSize &size, const QSize &mcu, const TextStamp &stamp, int orientation)
{
    QImage resolution(1, 1, QImage::Format_RGB32);
    resolution.setDotsPerMeterX(kSurfaceDotsPerMeter);
    resolution.setDotsPerMeterY(kSurfaceDotsPerMeter);
    const QRect bounds = overlayTextBounds(size, resolution, stamp, orientation);
    if (bounds.isEmpty())
        return {};
    const int w = mcu.width();
    const int h = mcu.height();
    const int left = bounds.left() / w * w;
    const int top = bounds.top() / h * h;
    const int right = std::min(size.width(), divideUp(bounds.right() + 1, w) * w);
    const int bottom = std::min(size.height(), divideUp(bounds.bottom() + 1, h) * h);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect JpegBlockStamper::stampedRegion() const
{
    return blockAlignedStampBounds(
        size(), QSize(m_blocks->mcuWidth, m_blocks->mcuHeight), m_stamp, m_orientation);
}

bool JpegBlockStamper::stampTooLarge() const
{
    const QRect region = stampedRegion();
    return double(region.width()) * region.height()
        > kLargestStampShare * size().width() * size().height();
}

namespace {

// Every block outside \a region keeps its content in the output's tables; the region's blocks
// are those of the stamped pixels, decoded from the stamped \a area. The blocks are reached
// through the photo's decoder and the stamped pixels' one, so a failure of either lands here,
// with its message in \a message.
bool carryBlocks(JpegBlocks &b, const Encoder &output, Decoder &stamped,
    jvirt_barray_ptr *stampedBlocks, const QRect &region, const QRect &area, const QSize &size,
    QString *message)
{
    if (setjmp(b.errors.jump)) {
        *message = QString::fromLocal8Bit(b.errors.message);
        return false;
    }
    if (setjmp(stamped.errors.jump)) {
        *message = QString::fromLocal8Bit(stamped.errors.message);
        return false;
    }
    const int maxH = b.source.max_h_samp_factor;
    const int maxV = b.source.max_v_samp_factor;
    for (int ci = 0; ci < 3; ++ci) {
        const jpeg_component_info &c = b.source.comp_info[ci];
        const JQUANT_TBL *to = output.info.quant_tbl_ptrs[output.info.comp_info[ci].quant_tbl_no];
        float factor[DCTSIZE2];
        bool same = true;
        for (int k = 0; k < DCTSIZE2; ++k) {
            factor[k] = float(c.quant_table->quantval[k]) / float(to->quantval[k]);
            same = same && c.quant_table->quantval[k] == to->quantval[k];
        }
        const int columns = divideUp(int(c.width_in_blocks), c.h_samp_factor) * c.h_samp_factor;
        const int rows = divideUp(int(c.height_in_blocks), c.v_samp_factor) * c.v_samp_factor;
        const auto column = [&](int x) { return x / (DCTSIZE * maxH) * c.h_samp_factor; };
        const auto row = [&](int y) { return y / (DCTSIZE * maxV) * c.v_samp_factor; };
        const int regionLeft = column(region.left());
        const int regionTop = row(region.top());
        const int regionRight = region.isEmpty() ? regionLeft
            : region.right() + 1 == size.width() ? columns
                                                 : column(region.right() + 1);
        const int regionBottom = region.isEmpty()  ? regionTop
            : region.bottom() + 1 == size.height() ? rows
                                                   : row(region.bottom() + 1);
        const int areaLeft = column(area.left());
        const int areaTop = row(area.top());
        for (int y = 0; y < rows; ++y) {
            JBLOCKARRAY blocks
                = b.source.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&b.source),
                    b.coefficients[ci], JDIMENSION(y), 1, TRUE);
            const bool regionRow = y >= regionTop && y < regionBottom;
            JBLOCKROW from = nullptr;
            if (regionRow)
                from = stamped.info.mem->access_virt_barray(
                    reinterpret_cast<j_common_ptr>(&stamped.info), stampedBlocks[ci],
                    JDIMENSION(y - areaTop), 1, FALSE)[0];
            if (!same)
                requantizeRow(blocks[0], columns, factor);
            if (regionRow)
                for (int x = regionLeft; x < regionRight; ++x)
                    std::copy_n(from[x - areaLeft], DCTSIZE2, blocks[0][x]);
        }
    }
    return true;
}

} // namespace

QByteArray JpegBlockStamper::encode(int quality, QString *error)
{
    JpegBlocks &b = *m_blocks;
    quality = std::clamp(quality, 1, 100);
    const auto failed = [error](const JpegErrors &errors) {
        if (error)
            *error = QString::fromLocal8Bit(errors.message);
        return QByteArray();
    };

    // The stamped blocks: decoded with a margin of one block all round, so the chroma of the
    // region's edge is interpolated from its true neighbours, then stamped and encoded again.
    const QRect region = stampedRegion();
    Decoder stamped;
    Encoder stampedFile;
    jvirt_barray_ptr *stampedBlocks = nullptr;
    const QRect area = region.adjusted(-b.mcuWidth, -b.mcuHeight, b.mcuWidth, b.mcuHeight)
        & QRect(QPoint(0, 0), size());
    if (!region.isEmpty()) {
        Encoder areaFile;
        if (!writeArea(areaFile, b, area))
            return failed(areaFile.errors);
        QImage part(area.size(), QImage::Format_RGB32);
        part.setDotsPerMeterX(kSurfaceDotsPerMeter);
        part.setDotsPerMeterY(kSurfaceDotsPerMeter);
        Decoder areaPixels;
        if (part.isNull() || !decodePixels(areaPixels, areaFile.buffer, areaFile.size, part))
            return failed(areaPixels.errors);
        overlayTextOnPart(part, area.topLeft(), size(), m_stamp, m_orientation);
        if (!encodePixels(stampedFile, b.source, part, quality))
            return failed(stampedFile.errors);
        if (!readStampedBlocks(stamped, stampedFile, &stampedBlocks))
            return failed(stamped.errors);
    }

    Encoder output;
    if (!prepareOutput(output, b, quality))
        return failed(output.errors);

    QString message;
    if (!carryBlocks(b, output, stamped, stampedBlocks, region, area, size(), &message)) {
        if (error)
            *error = message;
        return {};
    }

    if (!writeOutput(output, b))
        return failed(output.errors);
    return QByteArray(reinterpret_cast<const char *>(output.buffer), qsizetype(output.size));
}

} // namespace kalvora
