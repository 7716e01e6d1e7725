// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/thumbnailstamp.h"

#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"
#include "engine/codecs/jpeg/jpegblockstages.h"
#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/codecs/jpeg/jpegsegments.h"
#include "engine/render/overlaytext.h"

#include <QDir>
#include <QImage>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace kalvora {

namespace {

constexpr int kQualityStep = 10;
constexpr int kLowestQuality = 10;
// Where a copy that does not fit in its own tables starts.
constexpr int kFirstQuality = 90;

// Places the stored picture on a smaller copy: scaled to fill it when their shapes agree to a
// pixel, otherwise fitted and centred, as a camera fits a wide photo into a 4:3 thumbnail.
QTransform pictureToCopy(const QSize &picture, const QSize &copy)
{
    const double across = double(copy.width()) / picture.width();
    const double down = double(copy.height()) / picture.height();
    if (std::abs(picture.height() * across - copy.height()) <= 1.0)
        return QTransform::fromScale(across, down);
    const double scale = std::min(across, down);
    return QTransform(scale, 0, 0, scale, (copy.width() - picture.width() * scale) / 2,
        (copy.height() - picture.height() * scale) / 2);
}

QByteArray stampCopy(const QByteArray &copy, qsizetype largest, const TextStamp &stamp,
    int orientation, const QSize &pictureSize, int quality, const QString &sourcePath)
{
    // A copy is never larger than the picture; one that says so is left rather than decoded.
    const auto layout = readJpegLayout(copy);
    if (!layout
        || qint64(layout->width) * layout->height
            > qint64(pictureSize.width()) * pictureSize.height())
        return copy;
    QImage pixels;
    try {
        pixels = decodeJpeg(copy, sourcePath);
    } catch (const RuntimeFailure &) {
        return copy;
    }
    if (!stampSmallerCopy(pixels, pictureSize, stamp, orientation))
        return copy;
    for (int q = quality == kOwnQuality ? kOwnQuality : std::clamp(quality, kLowestQuality, 100);;
         q = q == kOwnQuality ? kFirstQuality : std::max(kLowestQuality, q - kQualityStep)) {
        QString error;
        const QByteArray encoded = q == kOwnQuality
            ? jpegblocks::encodeInTablesOf(pixels, copy, &error)
            : encodeJpeg(pixels, q, &error);
        if (encoded.isEmpty())
            throw RuntimeFailure(StampFailures::tr("Cannot stamp the thumbnail of %1: %2")
                                     .arg(QDir::toNativeSeparators(sourcePath), error));
        // The copy's own segments stay; copies inside it are left as they are.
        const auto stamped = carryJpegMetadata(copy, encoded, {});
        if (!stamped)
            return copy;
        if (stamped->size() <= largest)
            return *stamped;
        if (q == kLowestQuality)
            throw RuntimeFailure(
                StampFailures::tr("Cannot stamp the thumbnail of %1: stamped, it no longer fits in "
                                  "the file's EXIF block (64 KB)")
                    .arg(QDir::toNativeSeparators(sourcePath)));
    }
}

} // namespace

bool stampSmallerCopy(
    QImage &copy, const QSize &pictureSize, const TextStamp &stamp, int orientation)
{
    return !copy.isNull() && !pictureSize.isEmpty()
        && overlayTextScaled(
            copy, pictureToCopy(pictureSize, copy.size()), pictureSize, stamp, orientation);
}

PreviewStamper thumbnailStamper(const TextStamp &stamp, int orientation, const QSize &pictureSize,
    int quality, const QString &sourcePath)
{
    return [=](const QByteArray &copy, qsizetype largest) {
        return stampCopy(copy, largest, stamp, orientation, pictureSize, quality, sourcePath);
    };
}

} // namespace kalvora
