// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegbitwriter.h"

#include "engine/codecs/jpeg/jpeghuffman.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace kalvora {

namespace {

// True when one of the four bytes of \a word is 0xFF.
bool holdsFF(std::uint32_t word)
{
    const std::uint32_t inverted = ~word;
    return ((inverted - 0x01010101u) & ~inverted & 0x80808080u) != 0;
}

} // namespace

ScanBitWriter::ScanBitWriter(QByteArray &out)
    : m_out(out)
    , m_size(out.size())
{ }

ScanBitWriter::~ScanBitWriter()
{
    m_out.truncate(m_size);
}

void ScanBitWriter::reserve(qsizetype bytes)
{
    if (m_size + bytes > m_out.size())
        m_out.resize(
            std::max({m_size + bytes, m_out.capacity(), m_out.size() + m_out.size() / 4 + 4096}));
}

void ScanBitWriter::byte(std::uint8_t value)
{
    reserve(2);
    char *at = m_out.data() + m_size;
    at[0] = char(value);
    at[1] = 0;
    m_size += value == 0xFF ? 2 : 1;
}

void ScanBitWriter::put(std::uint32_t bits, int count)
{
    m_pending = (m_pending << count) | bits;
    m_pendingCount += count;
    m_written += count;
    if (m_pendingCount >= 32) {
        m_pendingCount -= 32;
        const auto word = std::uint32_t(m_pending >> m_pendingCount);
        if (!holdsFF(word)) {
            reserve(4);
            const std::uint32_t big = qToBigEndian(word);
            std::memcpy(m_out.data() + m_size, &big, 4);
            m_size += 4;
        } else {
            for (int shift = 24; shift >= 0; shift -= 8)
                byte(std::uint8_t(word >> shift));
        }
    }
    while (m_pendingCount >= 8) {
        m_pendingCount -= 8;
        byte(std::uint8_t(m_pending >> m_pendingCount));
    }
}

void ScanBitWriter::stuffedBytes(const std::uint8_t *bytes, qsizetype count)
{
    reserve(count + count / 64 + 16);
    const std::uint8_t *end = bytes + count;
    while (bytes < end) {
        const auto *ff
            = static_cast<const std::uint8_t *>(std::memchr(bytes, 0xFF, std::size_t(end - bytes)));
        const std::uint8_t *stop = ff ? ff + 1 : end;
        reserve(stop - bytes + 1);
        std::memcpy(m_out.data() + m_size, bytes, std::size_t(stop - bytes));
        m_size += stop - bytes;
        if (ff)
            m_out[m_size++] = 0;
        bytes = stop;
    }
}

void ScanBitWriter::copy(const std::uint8_t *data, qint64 first, qint64 count)
{
    if (m_pendingCount == 0 && (first & 7) == 0 && count >= 8) {
        // Both sides on byte boundaries: whole bytes, stuffed as they go.
        const qint64 bytes = count >> 3;
        stuffedBytes(data + (first >> 3), qsizetype(bytes));
        m_written += bytes * 8;
        first += bytes * 8;
        count -= bytes * 8;
    }
    for (; count >= 32; first += 32, count -= 32)
        put(std::uint32_t(peekBits(data, first) >> 32), 32);
    if (count > 0)
        put(std::uint32_t(peekBits(data, first) >> (64 - count)), int(count));
}

void ScanBitWriter::padToByte()
{
    if (m_pendingCount % 8)
        put((1u << (8 - m_pendingCount % 8)) - 1, 8 - m_pendingCount % 8);
}

} // namespace kalvora
