// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cursorfile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace {

// The header of an icon or cursor file: reserved word, type (1 icon, 2 cursor), image count,
// then one 16-byte entry per image. A cursor's entry keeps the hot spot where an icon's keeps
// its planes and bit count.
constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;
constexpr quint16 kCursorType = 2;

} // namespace

std::optional<QCursor> LoadCursorFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(16 << 20);
    if (bytes.size() < kHeaderSize + kEntrySize)
        return std::nullopt;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const bool cursor = qFromLittleEndian<quint16>(data + 2) == kCursorType;
    const int hotX = cursor ? qFromLittleEndian<quint16>(data + kHeaderSize + 4) : -1;
    const int hotY = cursor ? qFromLittleEndian<quint16>(data + kHeaderSize + 6) : -1;
    // Qt reads the pictures of both kinds alike once the file calls itself an icon.
    if (cursor)
        bytes[2] = 1;

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}
