// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/ownqualitystamp.h"

#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"
#include "engine/codecs/jpeg/jpegblockstages.h"
#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/codecs/jpeg/jpegrestoredata.h"
#include "engine/codecs/jpeg/jpegscanwrite.h"
#include "engine/codecs/photomemory.h"
#include "engine/codecs/worksurface.h"
#include "engine/output/imageoutput.h"
#include "engine/render/jpegblockstamp.h"
#include "engine/render/overlaytext.h"

#include <QDir>
#include <QImage>
#include <QImageReader>

#include <cstring>

namespace kalvora {

using namespace jpegblocks;

/// The photo's header as libjpeg read it, which the stamped blocks are decoded and encoded
/// with.
struct OwnQualityHeader
{
    Decoder decoder;
};

namespace {

using Flags = std::vector<std::vector<std::uint8_t>>;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void refuse(const QString &path, const QString &what)
{
    throw RuntimeFailure(StampFailures::tr("%1: %2 cannot keep its own quality; stamp it without "
                                           "--keep-quality")
                             .arg(shown(path), what),
        481);
}

// The block of \a scan's component \a component that covers picture pixel (x, y), as its index
// in \a window's grid; -1 outside the window.
qsizetype blockIndex(const JpegScan &scan, const ScanWindow &window, int component, int x, int y)
{
    const ScanComponent &c = scan.components[std::size_t(component)];
    const int row = y / c.pixelsDown - window.firstRow * c.v;
    if (row < 0 || row >= window.rowCount * c.v)
        return -1;
    return qsizetype(row) * c.blocksAcross + x / c.pixelsAcross;
}

// Flags each block, per component, whose picture pixels differ between \a before and
// \a after, which hold the picture's pixels from \a origin on.
Flags changedBlocks(const JpegScan &scan, const ScanWindow &window, const QImage &before,
    const QImage &after, const QPoint &origin)
{
    Flags changed;
    for (std::size_t ci = 0; ci < scan.components.size(); ++ci)
        changed.emplace_back(window.blocks[ci].size() / DCTSIZE2, std::uint8_t(0));
    for (int y = 0; y < before.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(after.constScanLine(y));
        if (std::memcmp(a, b, std::size_t(before.width()) * sizeof(QRgb)) == 0)
            continue;
        for (int x = 0; x < before.width(); ++x) {
            if (a[x] == b[x])
                continue;
            for (std::size_t ci = 0; ci < scan.components.size(); ++ci) {
                const qsizetype at
                    = blockIndex(scan, window, int(ci), origin.x() + x, origin.y() + y);
                if (at >= 0)
                    changed[ci][std::size_t(at)] = 1;
            }
        }
    }
    return changed;
}

// The scan component that is frame component \a frameIndex.
int scanComponentOf(const JpegScan &scan, int frameIndex)
{
    for (std::size_t i = 0; i < scan.components.size(); ++i)
        if (scan.components[i].frameIndex == frameIndex)
            return int(i);
    return 0;
}

} // namespace

OwnQualityStamper::OwnQualityStamper()
    : m_header(std::make_unique<OwnQualityHeader>())
{ }

OwnQualityStamper::~OwnQualityStamper() = default;

std::unique_ptr<OwnQualityStamper> OwnQualityStamper::open(
    const QByteArray &data, const QString &shownPath)
{
    keepPhotoMemory();
    std::unique_ptr<OwnQualityStamper> stamper(new OwnQualityStamper);
    stamper->m_data = data;
    stamper->m_path = shownPath;
    Decoder &header = stamper->m_header->decoder;
    qsizetype scanStart = 0;
    if (!readHeader(header, stamper->m_data, &scanStart))
        throwJpegUnreadable(shownPath, header.errors);
    if (header.errors.damaged)
        throwJpegDamaged(shownPath, header.errors);
    // The unstuffed scan, the new scan and the result's file, each about the source's size.
    reservePhotoMemory(4 * data.size());
    QString refusal;
    QString damage;
    stamper->m_scan = readJpegScan(header.info, stamper->m_data, scanStart, &refusal, &damage);
    // The first scan's end is known once its data are read: the layout need not pass over it.
    stamper->m_layout
        = readJpegLayout(stamper->m_data, stamper->m_scan ? stamper->m_scan->end : -1);
    const std::optional<JpegLayout> &layout = stamper->m_layout;
    if (layout
        && std::count_if(layout->segments.cbegin(), layout->segments.cend(),
               [](const JpegSegment &s) { return s.marker == 0xDA; })
            > 1
        && !header.info.progressive_mode)
        refuse(shownPath, JpegReasons::tr("a JPEG whose colours are coded in separate scans"));
    if (!refusal.isEmpty())
        refuse(shownPath, refusal);
    if (!stamper->m_scan || !walkJpegScan(*stamper->m_scan, &damage))
        throwJpegDamaged(shownPath, damage);
    return stamper;
}

QSize OwnQualityStamper::size() const
{
    const jpeg_decompress_struct &info = m_header->decoder.info;
    return QSize(int(info.image_width), int(info.image_height));
}

void OwnQualityStamper::setStamp(const TextStamp &stamp, int orientation)
{
    m_stamp = stamp;
    m_orientation = orientation;
}

namespace {

[[noreturn]] void failStamp(const QString &path, const QString &reason)
{
    throw RuntimeFailure(
        StampFailures::tr("Cannot stamp %1 keeping its own quality: %2").arg(shown(path), reason),
        kSaveFailureNumber);
}

// The stamp drawn on the blocks of \a area, all of whose rows \a window holds: the area is
// decoded, stamped and compared block by block with what it was; each block whose pixels
// changed gets the coefficients of the stamped pixels, in the photo's own tables. Answers the
// flags of those blocks.
Flags stampWindow(const jpeg_decompress_struct &info, const JpegScan &scan, ScanWindow &window,
    const QRect &area, const TextStamp &stamp, int orientation, const QString &path)
{
    const auto rows = [&](int frameIndex, int row) {
        const int ci = scanComponentOf(scan, frameIndex);
        const ScanComponent &c = scan.components[std::size_t(ci)];
        const int local = std::clamp(row - window.firstRow * c.v, 0, window.rowCount * c.v - 1);
        return reinterpret_cast<JBLOCKROW>(
            window.blocks[std::size_t(ci)].data() + qsizetype(local) * c.blocksAcross * DCTSIZE2);
    };
    Encoder areaFile;
    if (!writeArea(areaFile, info, area, rows))
        failStamp(path, QString::fromLocal8Bit(areaFile.errors.message));
    if (qint64(area.width()) * area.height() * 4 > qint64(QImageReader::allocationLimit()) << 20)
        throw RuntimeFailure(
            PictureFailures::tr("The picture %1 is too large to be stamped.").arg(shown(path)), 7);
    QImage before(area.size(), QImage::Format_RGB32);
    before.setDotsPerMeterX(kSurfaceDotsPerMeter);
    before.setDotsPerMeterY(kSurfaceDotsPerMeter);
    Decoder areaPixels;
    if (before.isNull() || !decodePixels(areaPixels, areaFile.buffer, areaFile.size, before))
        failStamp(path, QString::fromLocal8Bit(areaPixels.errors.message));
    QImage after = before.copy();
    overlayTextOnPart(after, area.topLeft(), QSize(int(info.image_width), int(info.image_height)),
        stamp, orientation);
    Flags changed = changedBlocks(scan, window, before, after, area.topLeft());

    Encoder stampedFile;
    Decoder stamped;
    jvirt_barray_ptr *stampedBlocks = nullptr;
    if (!encodePixels(stampedFile, info, after, kOwnTables))
        failStamp(path, QString::fromLocal8Bit(stampedFile.errors.message));
    if (!readStampedBlocks(stamped, stampedFile, &stampedBlocks))
        failStamp(path, QString::fromLocal8Bit(stamped.errors.message));
    const bool taken = takeStampedRows(
        stamped, stampedBlocks, [&](int frameIndex, int row, JBLOCKROW blocks, int count) {
            const int ci = scanComponentOf(scan, frameIndex);
            const ScanComponent &c = scan.components[std::size_t(ci)];
            const int y = area.y() + row * c.pixelsDown;
            for (int column = 0; column < count; ++column) {
                const int x = area.x() + column * c.pixelsAcross;
                const qsizetype at = blockIndex(scan, window, ci, x, y);
                if (at >= 0 && x / c.pixelsAcross < c.blocksAcross
                    && changed[std::size_t(ci)][std::size_t(at)])
                    std::copy_n(blocks[column], DCTSIZE2,
                        window.blocks[std::size_t(ci)].data() + at * DCTSIZE2);
            }
        });
    if (!taken)
        failStamp(path, QString::fromLocal8Bit(stamped.errors.message));
    return changed;
}

} // namespace

QByteArray OwnQualityStamper::write(
    const PreviewStamper &stampPreview, const XmpEditor &editXmp) const
{
    const JpegScan &scan = *m_scan;
    const QSize pictureSize = size();
    const QRect region = blockAlignedStampBounds(
        pictureSize, QSize(scan.mcuWidth, scan.mcuHeight), m_stamp, m_orientation);
    ScanWindow window;
    Flags changed(scan.components.size());
    if (!region.isEmpty()) {
        // Decoded with a margin of an MCU all round, so the chroma at the stamp's edge is
        // interpolated from its true neighbours, and the row after, where the MCU after the
        // last one coded again may lie.
        const QRect area
            = region.adjusted(-scan.mcuWidth, -scan.mcuHeight, scan.mcuWidth, scan.mcuHeight)
            & QRect(QPoint(0, 0), pictureSize);
        window = decodeScanWindow(scan, area.top() / scan.mcuHeight,
            std::min(scan.mcusDown - 1, area.bottom() / scan.mcuHeight + 1),
            area.left() / scan.mcuWidth, area.right() / scan.mcuWidth);
        changed = stampWindow(
            m_header->decoder.info, scan, window, area, m_stamp, m_orientation, m_path);
    }
    // The new scan is written straight into the result, after its header; made again if the
    // result is (for a multi-picture index that counts the restore data).
    QString error;
    KeptScan kept {scan.start, scan.end, 0, {}};
    const auto appendScan = [&](QByteArray &result) {
        const std::optional<ScanRewrite> rewrite
            = rewriteJpegScan(m_data, scan, window, changed, result, &error);
        if (rewrite) {
            kept.size = rewrite->size;
            kept.pieces = rewrite->pieces;
        }
        return rewrite.has_value();
    };
    const QByteArray file = withRestoreData(m_data, kept, [&](qsizetype added) {
        return carryJpegMetadata(m_data,
            KeptCoding {appendScan, scan.start, scan.end, added, m_layout ? &*m_layout : nullptr},
            stampPreview, editXmp);
    });
    if (!error.isEmpty())
        failStamp(m_path, error);
    if (file.isEmpty())
        failStamp(m_path, JpegReasons::tr("its marker structure cannot be followed"));
    return file;
}

} // namespace kalvora
