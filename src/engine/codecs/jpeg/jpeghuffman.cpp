// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpeghuffman.h"

#include <algorithm>

namespace kalvora {

bool HuffmanTable::build(const JHUFF_TBL &table, bool ac)
{
    // The canonical codes of the standard's Annex C: each length's codes follow the last code
    // of the length before, doubled.
    std::array<std::uint8_t, 256> lengths {};
    std::array<std::uint32_t, 256> codes {};
    int count = 0;
    std::uint32_t code = 0;
    for (int length = 1; length <= 16; ++length) {
        m_valueOffset[length] = count - int(code);
        for (int i = 0; i < table.bits[length]; ++i) {
            if (count == 256)
                return false;
            lengths[count] = std::uint8_t(length);
            codes[count++] = code++;
        }
        // A length cannot hold more codes than its bits tell apart, less the code of all ones,
        // which libjpeg refuses.
        if (code >= (1u << length))
            return false;
        m_largestCode[length] = table.bits[length] ? int(code) - 1 : -1;
        code <<= 1;
    }
    if (count == 0)
        return false;
    m_code.fill(0);
    m_size.fill(0);
    m_fast.fill(Fast {});
    for (int i = 0; i < count; ++i) {
        const std::uint8_t symbol = table.huffval[i];
        // libjpeg refuses a DC table with a category past 15, which no value takes.
        if (!ac && symbol > 15)
            return false;
        m_values[i] = symbol;
        // A symbol listed twice is coded with its first code.
        if (!m_size[symbol]) {
            m_code[symbol] = std::uint16_t(codes[i]);
            m_size[symbol] = lengths[i];
        }
        const int length = lengths[i];
        if (length > kFastBits)
            continue;
        const int size = symbol & 15;
        const int run = ac ? symbol >> 4 : 0;
        const int spare = kFastBits - length;
        for (int rest = 0; rest < (1 << spare); ++rest) {
            Fast &entry = m_fast[(codes[i] << spare) | unsigned(rest)];
            entry.codeLength = std::uint8_t(length);
            entry.symbol = symbol;
            if (ac && size == 0) {
                // The end of a block, or sixteen zeros; libjpeg ends the block on any other
                // run with no magnitude too.
                entry.totalLength = std::uint8_t(length);
                entry.advance = run == 15 ? 16 : 64;
            } else if (length + size <= kFastBits) {
                const int bits = size ? rest >> (spare - size) : 0;
                entry.value = std::int16_t(size ? extendBits(bits, size) : 0);
                entry.totalLength = std::uint8_t(length + size);
                entry.advance = std::uint8_t(run + 1);
            }
        }
    }
    if (ac)
        buildRuns();
    return true;
}

void HuffmanTable::buildRuns()
{
    for (std::size_t index = 0; index < m_runs.size(); ++index) {
        Run &run = m_runs[index];
        std::uint64_t bits = std::uint64_t(index) << (64 - kRunBits);
        int used = 0;
        int advance = 0;
        for (;;) {
            const Fast &code = fast(bits);
            if (!code.totalLength || used + code.totalLength > kRunBits)
                break;
            used += code.totalLength;
            bits <<= code.totalLength;
            if (code.advance == 64) {
                run.ends = 1;
                break;
            }
            advance += code.advance;
        }
        run.bits = std::uint8_t(used);
        run.advance = std::uint8_t(advance);
        // The codes before an end of block must leave it a place; others may fill the block.
        const int last = (run.ends ? DCTSIZE2 - 1 : DCTSIZE2) - advance;
        run.last = std::uint8_t(used ? std::max(last, 0) : 0);
    }
}

int HuffmanTable::decode(std::uint64_t bits, int *length) const
{
    for (int l = 1; l <= 16; ++l) {
        const auto code = std::int32_t(bits >> (64 - l));
        if (code <= m_largestCode[l]) {
            *length = l;
            return m_values[m_valueOffset[l] + code];
        }
    }
    return -1;
}

} // namespace kalvora
