// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtEndian>

namespace kalvora {

/// Reads the numbers of a TIFF-like structure (an EXIF block, a multi-picture index) in its
/// own byte order; a caller checks with holds() that a number lies inside the block first.
class TiffNumbers
{
public:
    TiffNumbers(const QByteArray &block, bool bigEndian)
        : m_data(reinterpret_cast<const uchar *>(block.constData()))
        , m_size(block.size())
        , m_bigEndian(bigEndian)
    { }

    bool holds(qint64 pos, qint64 count) const
    {
        return pos >= 0 && count >= 0 && pos <= qint64(m_size) - count;
    }
    quint16 u16(qsizetype pos) const
    {
        return m_bigEndian ? qFromBigEndian<quint16>(m_data + pos)
                           : qFromLittleEndian<quint16>(m_data + pos);
    }
    quint32 u32(qsizetype pos) const
    {
        return m_bigEndian ? qFromBigEndian<quint32>(m_data + pos)
                           : qFromLittleEndian<quint32>(m_data + pos);
    }

private:
    const uchar *m_data;
    qsizetype m_size;
    bool m_bigEndian;
};

/// Writes \a value at \a pos of \a block in the block's byte order.
inline void putU32(QByteArray &block, qsizetype pos, quint32 value, bool bigEndian)
{
    auto *to = reinterpret_cast<uchar *>(block.data()) + pos;
    if (bigEndian)
        qToBigEndian(value, to);
    else
        qToLittleEndian(value, to);
}

} // namespace kalvora
