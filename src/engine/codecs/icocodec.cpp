// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/icocodec.h"
#include "engine/codecs/failuretexts.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

namespace kalvora {

namespace {

constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;
// The directory stores each side in one byte, 0 meaning 256.
constexpr int kMaxSide = 256;
constexpr quint16 kIconType = 1;
const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

void appendLe16(QByteArray *bytes, quint16 value)
{
    char data[2];
    qToLittleEndian(value, data);
    bytes->append(data, 2);
}

void appendLe32(QByteArray *bytes, quint32 value)
{
    char data[4];
    qToLittleEndian(value, data);
    bytes->append(data, 4);
}

// A size as a 32-bit bitmap: the header, the colour rows bottom-up as blue, green, red,
// alpha, then the mask rows (a set bit for a transparent pixel) that older readers use.
QByteArray bitmapEntry(const QImage &frame)
{
    const QImage image = frame.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int maskStride = ((width + 31) / 32) * 4;
    QByteArray bytes;
    appendLe32(&bytes, kBitmapHeaderSize);
    appendLe32(&bytes, quint32(width));
    appendLe32(&bytes, quint32(height * 2)); // colour rows and mask rows
    appendLe16(&bytes, 1); // planes
    appendLe16(&bytes, 32); // bits a pixel
    appendLe32(&bytes, 0); // no compression
    appendLe32(&bytes, quint32((width * 4 + maskStride) * height));
    for (int i = 0; i < 4; ++i)
        appendLe32(&bytes, 0); // density and palette: unused
    for (int y = height - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const char bgra[] = {char(qBlue(row[x])), char(qGreen(row[x])), char(qRed(row[x])),
                char(qAlpha(row[x]))};
            bytes.append(bgra, 4);
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < width; ++x)
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        bytes += mask;
    }
    return bytes;
}

QByteArray pngEntry(const QImage &frame, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(frame.convertToFormat(QImage::Format_ARGB32))) {
        *error = PictureFailures::tr("cannot encode a size as PNG: %1").arg(writer.errorString());
        return {};
    }
    return bytes;
}

} // namespace

QList<PictureFrame> checkIco(const QByteArray &bytes, const QString &shown)
{
    const auto damaged = [&](const QString &why) { return PictureFailure::damaged(shown, why); };
    if (bytes.size() < kHeaderSize)
        throw damaged(PictureFailures::tr("the icon directory is cut short"));
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const quint16 type = qFromLittleEndian<quint16>(data + 2);
    const quint16 count = qFromLittleEndian<quint16>(data + 4);
    if (type != kIconType)
        throw PictureFailure(PictureFailure::Reason::NotWritable,
            PictureFailures::tr(
                "The picture %1 cannot be written back whole: it is a cursor, not an "
                "icon.")
                .arg(shown),
            5);
    if (count == 0)
        throw damaged(PictureFailures::tr("the icon holds no image"));
    if (bytes.size() < kHeaderSize + count * kEntrySize)
        throw damaged(PictureFailures::tr("the icon directory is cut short"));

    QList<PictureFrame> frames;
    for (int i = 0; i < count; ++i) {
        const uchar *entry = data + kHeaderSize + i * kEntrySize;
        const quint32 size = qFromLittleEndian<quint32>(entry + 8);
        const quint32 offset = qFromLittleEndian<quint32>(entry + 12);
        if (quint64(offset) + size > quint64(bytes.size()))
            throw damaged(PictureFailures::tr("size %1 of the icon is cut short").arg(i + 1));
        PictureFrame frame;
        frame.pngEncoded = bytes.mid(offset, kPngSignature.size()) == kPngSignature;
        frames << frame;
    }
    return frames;
}

QByteArray encodeIco(const QList<PictureFrame> &frames, QString *error)
{
    QList<QByteArray> entries;
    for (const PictureFrame &frame : frames) {
        if (frame.image.width() > kMaxSide || frame.image.height() > kMaxSide) {
            *error = PictureFailures::tr("an icon cannot hold a size of %1 x %2 pixels")
                         .arg(frame.image.width())
                         .arg(frame.image.height());
            return {};
        }
        entries << (frame.pngEncoded ? pngEntry(frame.image, error) : bitmapEntry(frame.image));
        if (entries.last().isEmpty())
            return {};
    }

    QByteArray bytes;
    appendLe16(&bytes, 0);
    appendLe16(&bytes, kIconType);
    appendLe16(&bytes, quint16(entries.size()));
    quint32 offset = quint32(kHeaderSize + kEntrySize * entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QImage &image = frames[i].image;
        bytes.append(char(image.width() == kMaxSide ? 0 : image.width()));
        bytes.append(char(image.height() == kMaxSide ? 0 : image.height()));
        bytes.append(char(0)); // no palette
        bytes.append(char(0));
        appendLe16(&bytes, 1); // planes
        appendLe16(&bytes, 32); // bits a pixel
        appendLe32(&bytes, quint32(entries[i].size()));
        appendLe32(&bytes, offset);
        offset += quint32(entries[i].size());
    }
    for (const QByteArray &entry : entries)
        bytes += entry;
    return bytes;
}

} // namespace kalvora
