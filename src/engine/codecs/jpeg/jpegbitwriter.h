// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>

namespace kalvora {

/// Writes entropy-coded data: bits in, bytes out, a zero byte stuffed after every 0xFF.
class ScanBitWriter
{
public:
    explicit ScanBitWriter(QByteArray &out);
    ~ScanBitWriter();
    ScanBitWriter(const ScanBitWriter &) = delete;
    ScanBitWriter &operator=(const ScanBitWriter &) = delete;

    /// Writes the low \a count bits of \a bits (count at most 32, the bits above zero).
    void put(std::uint32_t bits, int count);
    /// Writes \a count bits of unstuffed data from bit \a first of \a data, which must have 8
    /// readable bytes past the last one.
    void copy(const std::uint8_t *data, qint64 first, qint64 count);
    /// Fills the last byte with ones and writes it out.
    void padToByte();
    /// The bits written so far.
    qint64 written() const { return m_written; }

private:
    void reserve(qsizetype bytes);
    void byte(std::uint8_t value);
    void stuffedBytes(const std::uint8_t *bytes, qsizetype count);

    QByteArray &m_out;
    qsizetype m_size = 0;
    std::uint64_t m_pending = 0;
    int m_pendingCount = 0;
    qint64 m_written = 0;
};

} // namespace kalvora
