// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/jpeg/jpeghuffman.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace kalvora {

/// One component of a scan, as its blocks are laid out in the scan and in the picture.
struct ScanComponent
{
    int frameIndex = 0; ///< its place among the frame's components
    int h = 1; ///< blocks across in one MCU
    int v = 1; ///< blocks down in one MCU
    int dcTable = 0;
    int acTable = 0;
    int blocksAcross = 0; ///< blocks in a row of the coded grid, the MCUs' padding included
    int pixelsAcross = 8; ///< picture pixels one block covers across
    int pixelsDown = 8; ///< and down
};

/// A block in an MCU: its component (the index in the scan) and its place in the MCU.
struct McuBlock
{
    std::uint8_t component = 0;
    std::uint8_t column = 0;
    std::uint8_t row = 0;
};

/// A restart interval of a scan (the whole scan when it has no restart markers).
struct ScanInterval
{
    qsizetype stuffedStart = 0; ///< where its data start in the file
    qsizetype stuffedEnd = 0; ///< one past its data: the marker after them
    qint64 bitStart = 0; ///< where its data start in the unstuffed data
    qint64 bitEnd = 0; ///< one past its data bits there
    qint64 codedEnd = -1; ///< one past its last MCU's bits, once the scan is walked
    int firstMcu = 0;
    int mcuCount = 0;
};

/// Where an MCU's bits start in the unstuffed data, and the DC values of the block before it
/// in each component (the predictors its DC differences count from).
struct McuStart
{
    qint64 bit = 0;
    std::array<int, 4> predictors {};
};

/// The entropy-coded scan of a sequential Huffman-coded JPEG that holds every component of
/// its picture: the tables, the geometry of its MCUs and its data with the stuffed bytes
/// taken out, split at its restart markers.
struct JpegScan
{
    std::vector<ScanComponent> components;
    std::vector<McuBlock> mcuBlocks;
    std::array<HuffmanTable, 4> dc;
    std::array<HuffmanTable, 4> ac;
    int mcusAcross = 0;
    int mcusDown = 0;
    int mcuWidth = 8; ///< in picture pixels
    int mcuHeight = 8;
    int restartInterval = 0; ///< MCUs; 0 when there are no restart markers
    qsizetype start = 0; ///< the first byte of the scan's data in the file
    qsizetype end = 0; ///< the 0xFF of the marker that ends it (EOI), fill bytes excluded
    std::vector<std::uint8_t> data; ///< unstuffed, with zeros after the end to read ahead
    std::vector<ScanInterval> intervals;
    std::vector<McuStart> rowStarts; ///< the start of each row of MCUs, once walked

    int mcuCount() const { return mcusAcross * mcusDown; }
    /// The interval that holds MCU \a mcu.
    int intervalOf(int mcu) const { return restartInterval ? mcu / restartInterval : 0; }
};

/// Describes the scan of the JPEG file \a file whose header libjpeg read into \a header
/// (jpeg_read_header stopped at its first scan, whose data start at \a scanStart). Answers
/// null with \a refusal set when the picture is not one this code takes (progressive or
/// arithmetic coding, other than 8 bits, CMYK, components in separate scans, an unusual
/// sampling), or with \a damage set when its tables or scan cannot be read.
std::unique_ptr<JpegScan> readJpegScan(const jpeg_decompress_struct &header, const QByteArray &file,
    qsizetype scanStart, QString *refusal, QString *damage);

/// The row of blocks \a blockRow of the scan's component \a component, zeroed, as wide as the
/// component's blocksAcross.
using BlockRowOf = std::function<JBLOCKROW(int component, int blockRow)>;

/// Reads every block of \a scan into the rows \a rowOf gives, as libjpeg reads a clean scan.
/// False where the scan is not clean (a code that is no code, data that end before their MCUs
/// or bytes left over after them): the rows then hold nothing to rely on, and libjpeg is the
/// one to say how it reads such data.
bool readAllBlocks(const JpegScan &scan, const BlockRowOf &rowOf);

/// Walks every MCU of \a scan, noting where each row of MCUs starts and where each interval's
/// coded bits end. False with \a damage set (in libjpeg's words where it has them) when the
/// data cannot be what the scan says: a code that is no code, an interval or scan that ends
/// before its MCUs do, or bytes left over after them.
bool walkJpegScan(JpegScan &scan, QString *damage);

/// The coefficients of the rows of MCUs from \a firstRow to \a lastRow of a walked scan, in
/// the natural order libjpeg keeps them, with where each of their MCUs starts.
struct ScanWindow
{
    int firstRow = 0;
    int rowCount = 0;
    /// Per component of the scan, its blocks row after row (rowCount times v rows of
    /// blocksAcross blocks).
    std::vector<std::vector<JCOEF>> blocks;
    /// The start of each MCU of the rows, and then of the MCU after them.
    std::vector<McuStart> starts;

    JCOEF *block(const JpegScan &scan, int component, int blockRow, int blockColumn)
    {
        const ScanComponent &c = scan.components[component];
        const qsizetype at = qsizetype(blockRow - firstRow * c.v) * c.blocksAcross + blockColumn;
        return blocks[component].data() + at * DCTSIZE2;
    }
    bool holdsBlockRow(const JpegScan &scan, int component, int blockRow) const
    {
        const int v = scan.components[component].v;
        return blockRow >= firstRow * v && blockRow < (firstRow + rowCount) * v;
    }
};

/// Decodes the rows of MCUs from \a firstRow to \a lastRow of the walked \a scan: the
/// coefficients of the MCUs in columns \a firstColumn to \a lastColumn and in the first column
/// (the MCU after a row's last), the start of every MCU. The blocks of the other MCUs stay zero.
ScanWindow decodeScanWindow(
    const JpegScan &scan, int firstRow, int lastRow, int firstColumn, int lastColumn);

} // namespace kalvora
