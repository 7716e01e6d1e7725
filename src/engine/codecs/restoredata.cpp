// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/restoredata.h"

#include "engine/codecs/worksurface.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace kalvora {

namespace {

const QByteArray kSignature("KalvoraRestore");
constexpr quint8 kVersion = 1;
constexpr qsizetype kDigestSize = 32;
// More regions than this are no picture this program writes (a TIFF of ten thousand pages).
constexpr quint32 kMostRegions = 10000;

int bytesPerPixel(QImage::Format format)
{
    return QImage::toPixelFormat(format).bitsPerPixel() / 8;
}

// The bytes a region of \a rect takes in \a format unpacked; -1 when that is no sound size.
qint64 unpackedSize(const QRect &rect, QImage::Format format)
{
    const qint64 perPixel = bytesPerPixel(format);
    if (rect.width() <= 0 || rect.height() <= 0 || perPixel <= 0)
        return -1;
    const qint64 size = qint64(rect.width()) * rect.height() * perPixel;
    return size <= qint64(kImageAllocationLimitMb) << 20 ? size : -1;
}

void addNumber(QCryptographicHash &hash, qint64 value)
{
    const quint64 little = qToLittleEndian(quint64(value));
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(&little), sizeof little));
}

void addRow(QCryptographicHash &hash, const uchar *row, qsizetype bytes)
{
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(row), bytes));
}

} // namespace

QByteArray serializeRestoreData(const RestoreData &data)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out.writeRawData(kSignature.constData(), int(kSignature.size()));
    out << kVersion << quint32(data.regions.size());
    for (const RestoreRegion &region : data.regions)
        out << qint32(region.rect.x()) << qint32(region.rect.y()) << qint32(region.rect.width())
            << qint32(region.rect.height()) << region.pixels;
    out << data.originalDigest << data.stampedDigest << data.originalXmp.has_value()
        << data.originalXmp.value_or(QByteArray()) << data.resultXmpDigest;
    return bytes;
}

std::optional<RestoreData> parseRestoreData(const QByteArray &bytes)
{
    if (!bytes.startsWith(kSignature))
        return std::nullopt;
    QDataStream in(bytes.sliced(kSignature.size()));
    in.setVersion(QDataStream::Qt_6_0);
    quint8 version = 0;
    quint32 count = 0;
    in >> version >> count;
    if (version != kVersion || count > kMostRegions)
        return std::nullopt;
    RestoreData data;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        qint32 x = 0, y = 0, width = 0, height = 0;
        RestoreRegion region;
        in >> x >> y >> width >> height >> region.pixels;
        if (x < 0 || y < 0 || width < 0 || height < 0)
            return std::nullopt;
        region.rect = QRect(x, y, width, height);
        data.regions.append(region);
    }
    bool hasXmp = false;
    QByteArray xmp;
    in >> data.originalDigest >> data.stampedDigest >> hasXmp >> xmp >> data.resultXmpDigest;
    if (in.status() != QDataStream::Ok || !in.atEnd() || data.originalDigest.size() != kDigestSize
        || data.stampedDigest.size() != kDigestSize || data.resultXmpDigest.size() != kDigestSize)
        return std::nullopt;
    if (hasXmp)
        data.originalXmp = xmp;
    return data;
}

QByteArray pixelDigest(const QList<PictureFrame> &frames, const QList<FramePatch> &patches)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    addNumber(hash, frames.size());
    for (qsizetype i = 0; i < frames.size(); ++i) {
        const QImage &image = frames[i].image;
        const qsizetype perPixel = bytesPerPixel(image.format());
        addNumber(hash, image.width());
        addNumber(hash, image.height());
        addNumber(hash, image.format());
        const FramePatch *patch
            = i < patches.size() && !patches[i].pixels.isNull() ? &patches[i] : nullptr;
        if (patch
            && (patch->pixels.format() != image.format()
                || !image.rect().contains(QRect(patch->origin, patch->pixels.size())))) {
            // A patch that does not fit its frame makes a digest no picture has.
            addNumber(hash, -1);
            patch = nullptr;
        }
        const QRect over = patch ? QRect(patch->origin, patch->pixels.size()) : QRect();
        const qsizetype rowBytes = image.width() * perPixel;
        for (int y = 0; y < image.height(); ++y) {
            const uchar *row = image.constScanLine(y);
            if (!patch || y < over.top() || y > over.bottom()) {
                addRow(hash, row, rowBytes);
                continue;
            }
            // The row with the patch's pixels in place of those it covers.
            const qsizetype left = over.left() * perPixel;
            const qsizetype width = over.width() * perPixel;
            addRow(hash, row, left);
            addRow(hash, patch->pixels.constScanLine(y - over.top()), width);
            addRow(hash, row + left + width, rowBytes - left - width);
        }
    }
    return hash.result();
}

QByteArray xmpDigest(const std::optional<QByteArray> &packet)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(packet ? QByteArrayView("xmp:") : QByteArrayView("unread"));
    if (packet)
        hash.addData(*packet);
    return hash.result();
}

QByteArray packRegion(const QImage &image, const QRect &rect)
{
    if (rect.isEmpty())
        return {};
    const qsizetype perPixel = bytesPerPixel(image.format());
    const qsizetype rowBytes = rect.width() * perPixel;
    QByteArray raw(rowBytes * rect.height(), Qt::Uninitialized);
    for (int y = 0; y < rect.height(); ++y) {
        const uchar *in = image.constScanLine(rect.top() + y) + rect.left() * perPixel;
        auto *out = reinterpret_cast<uchar *>(raw.data() + y * rowBytes);
        // Neighbouring pixels of a photo differ little: their differences compress far better.
        for (qsizetype i = 0; i < rowBytes; ++i)
            out[i] = i < perPixel ? in[i] : uchar(in[i] - in[i - perPixel]);
    }
    return qCompress(raw, 9);
}

QImage unpackRegion(const RestoreRegion &region, QImage::Format format)
{
    const qint64 size = unpackedSize(region.rect, format);
    // qCompress leads with the unpacked size: a region that claims another is refused before
    // anything is allocated for it.
    if (size < 0 || region.pixels.size() < 4
        || qFromBigEndian<quint32>(region.pixels.constData()) != quint64(size))
        return {};
    const QByteArray raw = qUncompress(region.pixels);
    if (raw.size() != size)
        return {};
    QImage image(region.rect.size(), format);
    if (image.isNull())
        return {};
    const qsizetype perPixel = bytesPerPixel(format);
    const qsizetype rowBytes = region.rect.width() * perPixel;
    for (int y = 0; y < image.height(); ++y) {
        const auto *in = reinterpret_cast<const uchar *>(raw.constData() + y * rowBytes);
        uchar *out = image.scanLine(y);
        for (qsizetype i = 0; i < rowBytes; ++i)
            out[i] = i < perPixel ? in[i] : uchar(in[i] + out[i - perPixel]);
    }
    return image;
}

bool applyPatch(QImage &image, const FramePatch &patch)
{
    const QRect over(patch.origin, patch.pixels.size());
    if (patch.pixels.isNull() || patch.pixels.format() != image.format()
        || !image.rect().contains(over))
        return false;
    const qsizetype perPixel = bytesPerPixel(image.format());
    for (int y = 0; y < over.height(); ++y)
        std::memcpy(image.scanLine(over.top() + y) + over.left() * perPixel,
            patch.pixels.constScanLine(y), size_t(over.width() * perPixel));
    return true;
}

QRect changedRect(const QImage &before, const QImage &after, const QRect &bounds)
{
    const qsizetype perPixel = bytesPerPixel(after.format());
    int left = bounds.right() + 1;
    int right = bounds.left() - 1;
    int top = bounds.bottom() + 1;
    int bottom = bounds.top() - 1;
    for (int y = 0; y < bounds.height(); ++y) {
        const uchar *was = before.constScanLine(y);
        const uchar *is = after.constScanLine(bounds.top() + y) + bounds.left() * perPixel;
        for (int x = 0; x < bounds.width(); ++x) {
            if (std::memcmp(was + x * perPixel, is + x * perPixel, size_t(perPixel)) == 0)
                continue;
            left = qMin(left, bounds.left() + x);
            right = qMax(right, bounds.left() + x);
            top = qMin(top, bounds.top() + y);
            bottom = qMax(bottom, bounds.top() + y);
        }
    }
    return right < left ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace kalvora
