// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
// The Huffman walker: it reads a scan's codes without dequantizing or transforming anything,
// table-driven, to find where MCUs start and, for the few rows a stamp needs, their
// coefficients. Every camera photo's scan passes through it, so its inner loop stays short.
#include "engine/codecs/failuretexts.h"
#include "engine/codecs/jpeg/jpegscan.h"

#include <QtEndian>

#include <cstring>

namespace kalvora {

namespace {

// The natural place of each coefficient in the zigzag order, then 63 for the places a damaged
// block's runs would reach past the end, as libjpeg keeps them.
constexpr auto kNatural = [] {
    std::array<std::uint8_t, 2 * DCTSIZE2> order {};
    constexpr std::uint8_t zigzag[DCTSIZE2]
        = {0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48, 41, 34,
            27, 20, 13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37,
            44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
    for (int k = 0; k < 2 * DCTSIZE2; ++k)
        order[k] = k < DCTSIZE2 ? zigzag[k] : DCTSIZE2 - 1;
    return order;
}();

// Reads bits with the next ones kept in a register, so the walk's chain from one code to the
// next goes through no memory but its table.
class BitReader
{
public:
    BitReader(const std::uint8_t *data, qint64 position)
        : m_data(data + (position >> 3))
    {
        refill();
        m_bits <<= position & 7;
        m_count -= int(position & 7);
        m_start = data;
    }
    /// The next bits, the first on top; at least 32 of them are the data's.
    std::uint64_t peek() const { return m_bits; }
    void skip(int count)
    {
        m_bits <<= count;
        m_count -= count;
        refill();
    }
    qint64 position() const { return (m_data - m_start) * 8 - m_count; }

private:
    // Tops the register up to at least 56 bits without a branch: the next eight bytes are
    // read, those that fit are taken.
    void refill()
    {
        std::uint64_t word;
        std::memcpy(&word, m_data, sizeof word);
        m_bits |= qFromBigEndian(word) >> m_count;
        m_data += (63 - m_count) >> 3;
        m_count |= 56;
    }
    const std::uint8_t *m_data;
    const std::uint8_t *m_start = nullptr;
    std::uint64_t m_bits = 0;
    int m_count = 0;
};

// Reads a block's DC difference from \a in, adding it to \a predictor. False at a code that is
// no code.
inline bool readDc(BitReader &in, const HuffmanTable &dc, int &predictor)
{
    const std::uint64_t bits = in.peek();
    const HuffmanTable::Fast &d = dc.fast(bits);
    if (d.totalLength) {
        predictor += d.value;
        in.skip(d.totalLength);
        return true;
    }
    int length = d.codeLength;
    int size = d.symbol;
    if (!length && (size = dc.decode(bits, &length)) < 0)
        return false;
    predictor += size ? extendBits(int((bits << length) >> (64 - size)), size) : 0;
    in.skip(length + size);
    return true;
}

// Passes over one block, adding its DC difference to \a predictor. False at a code that is no
// code.
bool skipBlock(BitReader &in, const HuffmanTable &dc, const HuffmanTable &ac, int &predictor)
{
    if (!readDc(in, dc, predictor))
        return false;
    for (int k = 1; k < DCTSIZE2;) {
        const std::uint64_t bits = in.peek();
        // Several short codes at once where they all fall inside the block, as they nearly
        // always do; one at a time where the block's end might come between them.
        const HuffmanTable::Run &r = ac.run(bits);
        if (k <= r.last) {
            in.skip(r.bits);
            if (r.ends)
                break;
            k += r.advance;
            continue;
        }
        const HuffmanTable::Fast &a = ac.fast(bits);
        if (a.totalLength) {
            k += a.advance;
            in.skip(a.totalLength);
            continue;
        }
        int length = a.codeLength;
        int symbol = a.symbol;
        if (!length && (symbol = ac.decode(bits, &length)) < 0)
            return false;
        in.skip(length + (symbol & 15));
        if ((symbol & 15) == 0 && symbol >> 4 != 15)
            break;
        k += (symbol & 15) == 0 ? 16 : (symbol >> 4) + 1;
    }
    return true;
}

// Reads one block from \a in into \a block (zeroed before), adding its DC difference to
// \a predictor. False at a code that is no code.
bool decodeBlock(
    BitReader &in, const HuffmanTable &dc, const HuffmanTable &ac, int &predictor, JCOEF *block)
{
    if (!readDc(in, dc, predictor))
        return false;
    block[0] = JCOEF(predictor);
    for (int k = 1; k < DCTSIZE2;) {
        const std::uint64_t bits = in.peek();
        const HuffmanTable::Fast &a = ac.fast(bits);
        if (a.totalLength) {
            k += a.advance;
            block[kNatural[k - 1]] = a.value;
            in.skip(a.totalLength);
            continue;
        }
        int length = a.codeLength;
        int symbol = a.symbol;
        if (!length && (symbol = ac.decode(bits, &length)) < 0)
            return false;
        const int size = symbol & 15;
        in.skip(length + size);
        if (size == 0) {
            if (symbol >> 4 != 15)
                break;
            k += 16;
            continue;
        }
        k += symbol >> 4;
        block[kNatural[k]] = JCOEF(extendBits(int((bits << length) >> (64 - size)), size));
        ++k;
    }
    return true;
}

// Reads the MCU at \a position into \a window.
bool readMcu(const JpegScan &scan, qint64 &position, std::array<int, 4> &predictors,
    ScanWindow &window, int mcu)
{
    const int row = mcu / scan.mcusAcross;
    const int column = mcu % scan.mcusAcross;
    BitReader in(scan.data.data(), position);
    for (const McuBlock &b : scan.mcuBlocks) {
        const ScanComponent &c = scan.components[b.component];
        JCOEF *block = window.block(scan, b.component, row * c.v + b.row, column * c.h + b.column);
        if (!decodeBlock(
                in, scan.dc[c.dcTable], scan.ac[c.acTable], predictors[b.component], block))
            return false;
    }
    position = in.position();
    return true;
}

// Passes over the MCU at \a position, as readMcu reads it.
void skipMcu(const JpegScan &scan, qint64 &position, std::array<int, 4> &predictors)
{
    BitReader in(scan.data.data(), position);
    for (const McuBlock &b : scan.mcuBlocks) {
        const ScanComponent &c = scan.components[b.component];
        // The scan was walked whole before, so its codes all read.
        skipBlock(in, scan.dc[c.dcTable], scan.ac[c.acTable], predictors[b.component]);
    }
    position = in.position();
}

} // namespace

bool walkJpegScan(JpegScan &scan, QString *damage)
{
    scan.rowStarts.assign(std::size_t(scan.mcusDown), {});
    int walked = 0;
    for (ScanInterval &interval : scan.intervals) {
        BitReader in(scan.data.data(), interval.bitStart);
        std::array<int, 4> predictors {};
        for (int mcu = interval.firstMcu; mcu < interval.firstMcu + interval.mcuCount; ++mcu) {
            if (mcu % scan.mcusAcross == 0)
                scan.rowStarts[std::size_t(mcu / scan.mcusAcross)] = {in.position(), predictors};
            for (const McuBlock &b : scan.mcuBlocks) {
                const ScanComponent &c = scan.components[b.component];
                if (!skipBlock(
                        in, scan.dc[c.dcTable], scan.ac[c.acTable], predictors[b.component])) {
                    //: A reason, shown in "The picture %1 is damaged (%2); it is left as it is."
                    *damage = JpegReasons::tr("a bad Huffman code in its scan");
                    return false;
                }
            }
            if (in.position() > interval.bitEnd) {
                *damage = JpegReasons::tr("its scan data end too early");
                return false;
            }
        }
        walked += interval.mcuCount;
        interval.codedEnd = in.position();
        // A byte the MCUs leave unread is one libjpeg passes over with a warning: the coding
        // went astray before it.
        if (interval.bitEnd - interval.codedEnd >= 8) {
            *damage = JpegReasons::tr("bytes its scan's coding does not reach");
            return false;
        }
    }
    if (walked != scan.mcuCount()) {
        *damage = JpegReasons::tr("its scan data end too early");
        return false;
    }
    return true;
}

bool readAllBlocks(const JpegScan &scan, const BlockRowOf &rowOf)
{
    // The rows of blocks of the MCU row at work, per component and row within the MCU.
    std::vector<std::array<JBLOCKROW, 4>> rows(scan.components.size());
    int rowAt = -1;
    int read = 0;
    for (const ScanInterval &interval : scan.intervals) {
        BitReader in(scan.data.data(), interval.bitStart);
        std::array<int, 4> predictors {};
        for (int mcu = interval.firstMcu; mcu < interval.firstMcu + interval.mcuCount; ++mcu) {
            const int row = mcu / scan.mcusAcross;
            const int column = mcu % scan.mcusAcross;
            if (row != rowAt) {
                for (std::size_t ci = 0; ci < scan.components.size(); ++ci)
                    for (int r = 0; r < scan.components[ci].v; ++r)
                        rows[ci][std::size_t(r)] = rowOf(int(ci), row * scan.components[ci].v + r);
                rowAt = row;
            }
            for (const McuBlock &b : scan.mcuBlocks) {
                const ScanComponent &c = scan.components[b.component];
                JCOEF *block = rows[b.component][b.row][column * c.h + b.column];
                if (!decodeBlock(
                        in, scan.dc[c.dcTable], scan.ac[c.acTable], predictors[b.component], block))
                    return false;
            }
            if (in.position() > interval.bitEnd)
                return false;
        }
        read += interval.mcuCount;
        if (interval.bitEnd - in.position() >= 8)
            return false;
    }
    return read == scan.mcuCount();
}

ScanWindow decodeScanWindow(
    const JpegScan &scan, int firstRow, int lastRow, int firstColumn, int lastColumn)
{
    ScanWindow window;
    window.firstRow = firstRow;
    window.rowCount = lastRow - firstRow + 1;
    for (const ScanComponent &c : scan.components)
        window.blocks.emplace_back(
            std::size_t(window.rowCount) * c.v * c.blocksAcross * DCTSIZE2, JCOEF(0));
    const int first = firstRow * scan.mcusAcross;
    const int end = (lastRow + 1) * scan.mcusAcross;
    qint64 position = scan.rowStarts[std::size_t(firstRow)].bit;
    std::array<int, 4> predictors = scan.rowStarts[std::size_t(firstRow)].predictors;
    window.starts.reserve(std::size_t(end - first + 1));
    for (int mcu = first; mcu <= end; ++mcu) {
        if (mcu == scan.mcuCount()) {
            window.starts.push_back(
                {scan.intervals[std::size_t(scan.intervalOf(mcu - 1))].codedEnd, predictors});
            break;
        }
        if (scan.restartInterval && mcu % scan.restartInterval == 0) {
            position = scan.intervals[std::size_t(scan.intervalOf(mcu))].bitStart;
            predictors = {};
        }
        window.starts.push_back({position, predictors});
        // The scan was walked whole before, so its codes all read.
        const int column = mcu % scan.mcusAcross;
        if (mcu < end && (column == 0 || (column >= firstColumn && column <= lastColumn)))
            readMcu(scan, position, predictors, window, mcu);
        else if (mcu < end)
            skipMcu(scan, position, predictors);
    }
    return window;
}

} // namespace kalvora
