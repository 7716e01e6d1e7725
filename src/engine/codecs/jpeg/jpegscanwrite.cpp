// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegscanwrite.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace kalvora {

namespace {

constexpr std::uint8_t kZigzagToNatural[DCTSIZE2]
    = {0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48, 41, 34, 27,
        20, 13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
        58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
constexpr int kLargestDc = 2047;
constexpr int kEndOfBlock = 0x00;
constexpr int kSixteenZeros = 0xF0;

} // namespace

namespace {

// The bits from \a first on, \a count of them, as bytes with the first bit on top.
QByteArray bitsOf(const std::uint8_t *data, qint64 first, qint64 count)
{
    QByteArray bits(qsizetype((count + 7) / 8), Qt::Uninitialized);
    for (qsizetype i = 0; i < bits.size(); ++i)
        bits[i] = char(peekBits(data, first + 8 * i) >> 56);
    if (count % 8)
        bits[bits.size() - 1] = char(bits.back() & (0xFF00 >> (count % 8)));
    return bits;
}

void putValue(ScanBitWriter &writer, const HuffmanTable &table, int symbol, int value, int size)
{
    writer.put(table.code(symbol), table.size(symbol));
    if (size)
        writer.put(std::uint32_t(value < 0 ? value - 1 : value) & ((1u << size) - 1), size);
}

// The DC value nearest \a wanted whose difference from \a predictor the table codes, and from
// which \a next (the DC of a following block that keeps its coefficients) is coded too.
std::optional<int> codableDc(const HuffmanTable &dc, int wanted, int predictor, const int *next)
{
    for (int step = 0; step <= 2 * kLargestDc; ++step) {
        for (const int value : {wanted + step, wanted - step}) {
            if (value < -kLargestDc || value > kLargestDc)
                continue;
            if (dc.has(magnitudeCategory(value - predictor))
                && (!next || dc.has(magnitudeCategory(*next - value))))
                return value;
        }
    }
    return std::nullopt;
}

// Codes \a block. A changed block (\a adjust) is first brought to what the tables code: its DC
// to the nearest codable value, each AC coefficient to the largest magnitude its run codes, or
// to zero; a kept block must be coded exactly. False when that cannot be done.
bool putBlock(ScanBitWriter &writer, const HuffmanTable &dc, const HuffmanTable &ac, int &predictor,
    JCOEF *block, bool adjust, const int *nextDc)
{
    if (adjust) {
        const auto value = codableDc(dc, block[0], predictor, nextDc);
        if (!value)
            return false;
        block[0] = JCOEF(*value);
    }
    const int difference = block[0] - predictor;
    const int category = magnitudeCategory(difference);
    if (!dc.has(category))
        return false;
    putValue(writer, dc, category, difference, category);
    predictor = block[0];
    int run = 0;
    for (int k = 1; k < DCTSIZE2; ++k) {
        JCOEF &coefficient = block[kZigzagToNatural[k]];
        if (coefficient == 0) {
            ++run;
            continue;
        }
        if (run >= 16 && !ac.has(kSixteenZeros)) {
            if (!adjust)
                return false;
            for (int rest = k; rest < DCTSIZE2; ++rest)
                block[kZigzagToNatural[rest]] = 0;
            run += DCTSIZE2 - k;
            break;
        }
        const int size = magnitudeCategory(coefficient);
        int codable = size;
        while (codable > 0 && !ac.has(((run & 15) << 4) | codable) && adjust)
            --codable;
        if (codable == 0 || !ac.has(((run & 15) << 4) | codable)) {
            if (!adjust)
                return false;
            coefficient = 0;
            ++run;
            continue;
        }
        if (codable < size)
            coefficient = JCOEF(coefficient < 0 ? 1 - (1 << codable) : (1 << codable) - 1);
        for (; run >= 16; run -= 16)
            putValue(writer, ac, kSixteenZeros, 0, 0);
        putValue(writer, ac, (run << 4) | codable, coefficient, codable);
        run = 0;
    }
    if (run > 0) {
        if (!ac.has(kEndOfBlock))
            return false;
        putValue(writer, ac, kEndOfBlock, 0, 0);
    }
    return true;
}

// What rewriting one scan needs at hand.
struct Rewriter
{
    const JpegScan &scan;
    ScanWindow &window;
    const std::vector<std::vector<std::uint8_t>> &changed;
    int firstMcu = 0; // of the window

    qsizetype indexOf(int component, int mcu, const McuBlock &b) const
    {
        const ScanComponent &c = scan.components[component];
        const int row = (mcu / scan.mcusAcross - window.firstRow) * c.v + b.row;
        return qsizetype(row) * c.blocksAcross + (mcu % scan.mcusAcross) * c.h + b.column;
    }
    JCOEF *blockAt(int component, qsizetype index)
    {
        return window.blocks[std::size_t(component)].data() + index * DCTSIZE2;
    }

    // The DC of the block after block \a j of MCU \a mcu in its component, when that block
    // keeps its coefficients and is coded after it in this interval's run.
    std::optional<int> nextKeptDc(int mcu, std::size_t j, int lastMcu)
    {
        const int component = scan.mcuBlocks[j].component;
        for (int m = mcu; m <= lastMcu; ++m)
            for (std::size_t i = m == mcu ? j + 1 : 0; i < scan.mcuBlocks.size(); ++i) {
                if (scan.mcuBlocks[i].component != component)
                    continue;
                const qsizetype index = indexOf(component, m, scan.mcuBlocks[i]);
                if (changed[std::size_t(component)][std::size_t(index)])
                    return std::nullopt;
                return blockAt(component, index)[0];
            }
        return std::nullopt;
    }

    bool putMcus(ScanBitWriter &writer, int first, int last, int intervalLast)
    {
        std::array<int, 4> predictors = window.starts[std::size_t(first - firstMcu)].predictors;
        for (int mcu = first; mcu <= last; ++mcu)
            for (std::size_t j = 0; j < scan.mcuBlocks.size(); ++j) {
                const McuBlock &b = scan.mcuBlocks[j];
                const ScanComponent &c = scan.components[b.component];
                const qsizetype index = indexOf(b.component, mcu, b);
                const bool adjust = changed[b.component][std::size_t(index)];
                const std::optional<int> next
                    = adjust ? nextKeptDc(mcu, j, intervalLast) : std::nullopt;
                if (!putBlock(writer, scan.dc[c.dcTable], scan.ac[c.acTable],
                        predictors[b.component], blockAt(b.component, index), adjust,
                        next ? &*next : nullptr))
                    return false;
            }
        return true;
    }
};

struct McuRun
{
    int first = 0;
    int last = 0;
};

} // namespace

namespace {

// The runs of MCUs to code again in each interval: every MCU that holds a changed block, and
// the MCU after it in the same interval.
std::vector<std::vector<McuRun>> runsOf(const JpegScan &scan, const ScanWindow &window,
    const std::vector<std::vector<std::uint8_t>> &changed)
{
    std::vector<int> mcus;
    for (std::size_t ci = 0; ci < scan.components.size(); ++ci) {
        const ScanComponent &c = scan.components[ci];
        for (std::size_t i = 0; i < changed[ci].size(); ++i)
            if (changed[ci][i]) {
                const int row = int(i) / c.blocksAcross / c.v + window.firstRow;
                mcus.push_back(row * scan.mcusAcross + int(i) % c.blocksAcross / c.h);
            }
    }
    std::sort(mcus.begin(), mcus.end());
    std::vector<std::vector<McuRun>> runs(scan.intervals.size());
    for (const int mcu : mcus) {
        const int interval = scan.intervalOf(mcu);
        const ScanInterval &in = scan.intervals[std::size_t(interval)];
        const McuRun run {mcu, std::min(mcu + 1, in.firstMcu + in.mcuCount - 1)};
        std::vector<McuRun> &into = runs[std::size_t(interval)];
        if (!into.empty() && run.first <= into.back().last + 1)
            into.back().last = std::max(into.back().last, run.last);
        else
            into.push_back(run);
    }
    return runs;
}

} // namespace

std::optional<ScanRewrite> rewriteJpegScan(const QByteArray &file, const JpegScan &scan,
    ScanWindow &window, const std::vector<std::vector<std::uint8_t>> &changed, QString *error)
{
    const std::vector<std::vector<McuRun>> runs = runsOf(scan, window, changed);
    Rewriter rewriter {scan, window, changed, window.firstRow * scan.mcusAcross};
    const std::uint8_t *data = scan.data.data();
    ScanRewrite rewrite;
    rewrite.scan.reserve(scan.end - scan.start + (1 << 16));
    const auto copyBytes = [&](qsizetype from, qsizetype to) {
        if (to <= from)
            return;
        RestorePiece piece;
        piece.offset = rewrite.scan.size();
        piece.length = to - from;
        rewrite.scan.append(file.constData() + from, to - from);
        appendPiece(rewrite.pieces, piece);
    };
    qsizetype copied = scan.start;
    for (std::size_t i = 0; i < scan.intervals.size(); ++i) {
        const ScanInterval &interval = scan.intervals[i];
        if (runs[i].empty())
            continue;
        copyBytes(copied, interval.stuffedStart);
        RestorePiece piece;
        piece.kind = RestorePiece::Kind::Bits;
        piece.offset = rewrite.scan.size();
        {
            ScanBitWriter writer(rewrite.scan);
            qint64 bit = interval.bitStart;
            const auto keepResult = [&](qint64 count) {
                if (count > 0)
                    piece.bits.append({true, writer.written(), count, {}});
                writer.copy(data, bit, count);
                bit += count;
            };
            const int intervalLast = interval.firstMcu + interval.mcuCount - 1;
            for (const McuRun &run : runs[i]) {
                const std::size_t first = std::size_t(run.first - rewriter.firstMcu);
                const std::size_t after = std::size_t(run.last + 1 - rewriter.firstMcu);
                if (after >= window.starts.size()) {
                    *error = QStringLiteral("the stamp reaches past the blocks read");
                    return std::nullopt;
                }
                keepResult(window.starts[first].bit - bit);
                if (!rewriter.putMcus(writer, run.first, run.last, intervalLast)) {
                    *error = QStringLiteral("its Huffman tables hold no code for the stamp");
                    return std::nullopt;
                }
                const qint64 end
                    = run.last == intervalLast ? interval.codedEnd : window.starts[after].bit;
                piece.bits.append({false, 0, end - bit, bitsOf(data, bit, end - bit)});
                bit = end;
            }
            keepResult(interval.codedEnd - bit);
            // The original's own fill bits after its last MCU.
            if (interval.bitEnd > bit)
                piece.bits.append(
                    {false, 0, interval.bitEnd - bit, bitsOf(data, bit, interval.bitEnd - bit)});
            writer.padToByte();
        }
        piece.length = rewrite.scan.size() - piece.offset;
        appendPiece(rewrite.pieces, piece);
        copied = interval.stuffedEnd;
    }
    copyBytes(copied, scan.end);
    return rewrite;
}

} // namespace kalvora
