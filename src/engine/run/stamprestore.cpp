// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/run/stamprestore.h"

#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"
#include "engine/codecs/picturecodec.h"
#include "engine/codecs/restorechunk.h"
#include "engine/codecs/worksurface.h"
#include "engine/metadata/exifreader.h"
#include "engine/output/placement.h"
#include "engine/render/overlaytext.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace kalvora {

namespace {

// Pictures whose every pixel comes back from the file as it was written.
bool restorable(const Picture &picture)
{
    if (picture.format == PictureFormat::Webp)
        return std::all_of(picture.frames.cbegin(), picture.frames.cend(),
            [](const PictureFrame &frame) { return frame.lossless; });
    return picture.format == PictureFormat::Png || picture.format == PictureFormat::Tiff;
}

QString cannotBeUndone(const QString &resultPath)
{
    return StampFailures::tr(
        "%1: stamped as usual, but the stamp cannot be undone: only JPEG, PNG, "
        "TIFF and lossless WebP results keep what an undo needs")
        .arg(QDir::toNativeSeparators(resultPath));
}

} // namespace

std::optional<RestoreData> stampRestorably(SourcePicture &picture, const TextStamp &stamp,
    const StampOptions &options, const PlannedStamp &plan, QStringList *notes)
{
    if (!options.keepQuality || !picture.whole || !restorable(*picture.whole)) {
        picture.stamp(stamp, plan.source);
        if (options.keepQuality
            && (picture.whole || outputKindOf(plan.extension) != OutputKind::Jpeg))
            notes->append(cannotBeUndone(plan.destination));
        return std::nullopt;
    }
    QList<PictureFrame> &frames = picture.whole->frames;
    // Only the part the stamp may change is kept aside, measured as the stamp is drawn: at 96
    // dots per inch.
    QImage resolution(1, 1, QImage::Format_RGB32);
    resolution.setDotsPerMeterX(kSurfaceDotsPerMeter);
    resolution.setDotsPerMeterY(kSurfaceDotsPerMeter);
    QList<QRect> bounds;
    QList<QImage> before;
    for (const PictureFrame &frame : std::as_const(frames)) {
        bounds << overlayTextBounds(frame.image.size(), resolution, stamp, picture.orientation);
        before << frame.image.copy(bounds.constLast());
    }
    RestoreData data;
    data.originalDigest = pixelDigest(frames);
    picture.stamp(stamp, plan.source);

    QList<FramePatch> originals;
    for (qsizetype i = 0; i < frames.size(); ++i) {
        const QRect changed = changedRect(before[i], frames[i].image, bounds[i]);
        const QRect within = changed.translated(-bounds[i].topLeft());
        data.regions << RestoreRegion {changed, packRegion(before[i], within)};
        originals << FramePatch {
            changed.topLeft(), changed.isEmpty() ? QImage() : before[i].copy(within)};
    }
    data.stampedDigest = pixelDigest(frames);
    // The promise of an undo is checked now, while the source is still there: the pixels kept
    // aside, put back, give the original whole.
    if (pixelDigest(frames, originals) != data.originalDigest) {
        notes->append(cannotBeUndone(plan.destination));
        return std::nullopt;
    }
    return data;
}

void attachRestoreData(const QString &path, RestoreData data)
{
    const QByteArray file = readPictureFile(path);
    const std::optional<PictureFormat> format = pictureFormatOf(file);
    data.resultXmpDigest = xmpDigest(readExifFields(file, path).xmpPacket);
    QString error = StampFailures::tr("its format keeps no restore data");
    const QByteArray carried = format && carriesRestoreChunk(*format)
        ? withRestoreChunk(file, *format, serializeRestoreData(data), &error)
        : QByteArray();
    QFile out(path);
    if (!carried.isEmpty() && out.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && out.write(carried) == carried.size() && out.flush())
        return;
    throw RuntimeFailure(
        StampFailures::tr("Cannot add the restore data to %1: %2.")
            .arg(QDir::toNativeSeparators(path), carried.isEmpty() ? error : out.errorString()),
        75);
}

} // namespace kalvora
