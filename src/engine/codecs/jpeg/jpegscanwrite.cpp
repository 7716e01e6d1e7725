// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegscanwrite.h"

#include "engine/codecs/failuretexts.h"
#include "engine/codecs/jpeg/jpegcodable.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace kalvora {

namespace {

constexpr std::uint8_t kZigzagToNatural[DCTSIZE2]
    = {0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48, 41, 34, 27,
        20, 13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
        58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
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

// Codes \a block. A changed block (\a choice set) is first brought to what the tables code:
// its DC to the nearest value from which the block that next keeps its coefficients is still
// reached, each AC coefficient to the nearest value its run codes; a kept block must be coded
// exactly. False when that cannot be done.
bool putBlock(ScanBitWriter &writer, const HuffmanTable &dc, const HuffmanTable &ac, int &predictor,
    JCOEF *block, const DcChoice *choice)
{
    const bool adjust = choice != nullptr;
    if (adjust) {
        const auto value = codableDc(choice->differences, block[0], predictor,
            choice->anchored ? &choice->allowed : nullptr);
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
        if (!ac.has(((run & 15) << 4) | magnitudeCategory(coefficient))) {
            if (!adjust)
                return false;
            coefficient = JCOEF(codableCoefficient(ac, run & 15, coefficient));
            if (coefficient == 0) {
                ++run;
                continue;
            }
        }
        const int codable = magnitudeCategory(coefficient);
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
    std::array<Spans, 4> differences {}; // that each DC table codes

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

    // What each changed block of MCUs \a first to \a last may take as its DC, found backwards
    // from the block of its component that next keeps its coefficients: the values from
    // which that block's DC is reached through the changed blocks between.
    std::vector<DcChoice> choicesOf(int first, int last)
    {
        const std::size_t perMcu = scan.mcuBlocks.size();
        std::vector<DcChoice> choices(std::size_t(last - first + 1) * perMcu);
        std::array<DcChoice, 4> next {};
        for (std::size_t ci = 0; ci < scan.components.size(); ++ci)
            next[ci].differences = differences[std::size_t(scan.components[ci].dcTable)];
        for (int mcu = last; mcu >= first; --mcu)
            for (std::size_t j = perMcu; j-- > 0;) {
                const int component = scan.mcuBlocks[j].component;
                const qsizetype index = indexOf(component, mcu, scan.mcuBlocks[j]);
                DcChoice &state = next[std::size_t(component)];
                if (changed[std::size_t(component)][std::size_t(index)]) {
                    if (state.anchored)
                        state.allowed = stepBack(state.allowed, state.differences);
                    choices[std::size_t(mcu - first) * perMcu + j] = state;
                } else {
                    const int dc = blockAt(component, index)[0];
                    state.anchored = true;
                    state.allowed = {{dc, dc}};
                }
            }
        return choices;
    }

    // Codes MCUs \a first to \a last again; the MCU after them keeps its bits.
    bool putMcus(ScanBitWriter &writer, int first, int last)
    {
        std::array<int, 4> predictors = window.starts[std::size_t(first - firstMcu)].predictors;
        const std::vector<DcChoice> choices = choicesOf(first, last);
        const std::size_t perMcu = scan.mcuBlocks.size();
        for (int mcu = first; mcu <= last; ++mcu)
            for (std::size_t j = 0; j < perMcu; ++j) {
                const McuBlock &b = scan.mcuBlocks[j];
                const ScanComponent &c = scan.components[b.component];
                const qsizetype index = indexOf(b.component, mcu, b);
                const bool adjust = changed[b.component][std::size_t(index)];
                if (!putBlock(writer, scan.dc[c.dcTable], scan.ac[c.acTable],
                        predictors[b.component], blockAt(b.component, index),
                        adjust ? &choices[std::size_t(mcu - first) * perMcu + j] : nullptr))
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
    ScanWindow &window, const std::vector<std::vector<std::uint8_t>> &changed, QByteArray &into,
    QString *error)
{
    const std::vector<std::vector<McuRun>> runs = runsOf(scan, window, changed);
    Rewriter rewriter {scan, window, changed, window.firstRow * scan.mcusAcross, {}};
    for (std::size_t t = 0; t < scan.dc.size(); ++t)
        rewriter.differences[t] = codedDifferences(scan.dc[t]);
    const std::uint8_t *data = scan.data.data();
    ScanRewrite rewrite;
    const qsizetype base = into.size();
    into.reserve(base + scan.end - scan.start + (1 << 16));
    const auto copyBytes = [&](qsizetype from, qsizetype to) {
        if (to <= from)
            return;
        RestorePiece piece;
        piece.offset = (into.size() - base);
        piece.length = to - from;
        into.append(file.constData() + from, to - from);
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
        piece.offset = (into.size() - base);
        {
            ScanBitWriter writer(into);
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
                    *error = JpegReasons::tr("the stamp reaches past the blocks read");
                    return std::nullopt;
                }
                keepResult(window.starts[first].bit - bit);
                if (!rewriter.putMcus(writer, run.first, run.last)) {
                    *error = JpegReasons::tr("its Huffman tables hold no code for the stamp");
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
        piece.length = (into.size() - base) - piece.offset;
        appendPiece(rewrite.pieces, piece);
        copied = interval.stuffedEnd;
    }
    copyBytes(copied, scan.end);
    rewrite.size = into.size() - base;
    return rewrite;
}

} // namespace kalvora
