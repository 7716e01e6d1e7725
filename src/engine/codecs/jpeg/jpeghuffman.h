// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtEndian>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace kalvora {

/// The 64 bits of unstuffed scan data from bit \a position on, the first in the top bit. At
/// least 57 of them are the data's; the data must have 8 readable bytes past the position.
inline std::uint64_t peekBits(const std::uint8_t *data, qint64 position)
{
    std::uint64_t word;
    std::memcpy(&word, data + (position >> 3), sizeof word);
    return qFromBigEndian(word) << (position & 7);
}

/// The value a JPEG codes with \a size magnitude bits \a bits (the "EXTEND" of the standard).
inline int extendBits(int bits, int size)
{
    return bits < (1 << (size - 1)) ? bits - (1 << size) + 1 : bits;
}

/// The magnitude category of a coefficient or a DC difference: the bits its value takes.
inline int magnitudeCategory(int value)
{
    const unsigned magnitude = unsigned(value < 0 ? -value : value);
    return magnitude == 0 ? 0 : 32 - __builtin_clz(magnitude);
}

/// One Huffman table of a sequential scan, both ways: decoding through a lookup of the next
/// kFastBits bits, which for the usual short codes gives the symbol and the value its extra
/// bits code in one step, and encoding with the code of each symbol.
class HuffmanTable
{
public:
    static constexpr int kFastBits = 10;

    /// What the next kFastBits bits of the data say. A complete entry (totalLength set) covers
    /// the code and its extra bits: the value, and for an AC table how far the coefficient
    /// index moves (the zero run plus one; 16 for a run of sixteen zeros, 64 at the end of a
    /// block). Otherwise codeLength gives a code of that many bits whose extra bits follow,
    /// and a zero codeLength a code longer than kFastBits.
    struct Fast
    {
        std::int16_t value = 0;
        std::uint8_t codeLength = 0;
        std::uint8_t totalLength = 0;
        std::uint8_t symbol = 0;
        std::uint8_t advance = 0;
    };

    static constexpr int kRunBits = 12;

    /// For an AC table, the codes the next kRunBits bits hold whole, as many as fit: their bits,
    /// how far they move the coefficient index, whether they end the block (advance then
    /// counting up to the end-of-block code), and the largest index at which they all fall
    /// inside the block (0 when not even one code fits).
    struct Run
    {
        std::uint8_t bits = 0;
        std::uint8_t advance = 0;
        std::uint8_t ends = 0;
        std::uint8_t last = 0;
    };

    /// Builds the table from libjpeg's form of a DHT table; false when its codes do not form
    /// a Huffman code (more codes of a length than the length allows, or none at all).
    bool build(const JHUFF_TBL &table, bool ac);

    const Fast &fast(std::uint64_t bits) const { return m_fast[bits >> (64 - kFastBits)]; }
    const Run &run(std::uint64_t bits) const { return m_runs[bits >> (64 - kRunBits)]; }

    /// The symbol whose code starts \a bits, with its length in \a length; -1 for bits that
    /// start no code.
    int decode(std::uint64_t bits, int *length) const;

    bool has(int symbol) const { return m_size[symbol] != 0; }
    std::uint32_t code(int symbol) const { return m_code[symbol]; }
    int size(int symbol) const { return m_size[symbol]; }

private:
    void buildRuns();

    std::array<Fast, 1 << kFastBits> m_fast {};
    std::array<Run, 1 << kRunBits> m_runs {};
    std::array<std::int32_t, 17> m_largestCode {};
    std::array<std::int32_t, 17> m_valueOffset {};
    std::array<std::uint8_t, 256> m_values {};
    std::array<std::uint16_t, 256> m_code {};
    std::array<std::uint8_t, 256> m_size {};
};

} // namespace kalvora
