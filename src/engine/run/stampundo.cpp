// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/run/stampundo.h"

#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"
#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/codecs/jpeg/jpegrestore.h"
#include "engine/codecs/picturecodec.h"
#include "engine/codecs/restorechunk.h"
#include "engine/codecs/restoredata.h"
#include "engine/codecs/worksurface.h"
#include "engine/metadata/exifreader.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/metadata/stampmark.h"
#include "engine/output/imageoutput.h"
#include "engine/output/placement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

namespace kalvora {

namespace {

//: An undo's answer after a file's name and a colon: the file is as it was before the stamp.
constexpr auto kRestored = QT_TRANSLATE_NOOP("UndoReasons", "restored");
constexpr auto kNoRestoreData = QT_TRANSLATE_NOOP(
    "UndoReasons", "carries no restore data (it was not stamped with the photo's own quality)");
constexpr auto kNoRestoreDataLeft = QT_TRANSLATE_NOOP("UndoReasons",
    "carries the mark of a stamp but no restore data (it was stamped without keeping the "
    "photo's own quality, or saved again since); left as it is");
constexpr auto kEdited
    = QT_TRANSLATE_NOOP("UndoReasons", "was changed after the stamp; left as it is");
constexpr auto kDamagedData
    = QT_TRANSLATE_NOOP("UndoReasons", "its restore data is damaged; left as it is");
constexpr auto kReadOnly = QT_TRANSLATE_NOOP("UndoReasons", "is read-only: left as it is");

UndoResult answer(UndoFinding finding, const QString &path, const QString &what)
{
    return {finding, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), what)};
}

UndoResult answer(UndoFinding finding, const QString &path, const char *what)
{
    return answer(finding, path, UndoReasons::tr(what));
}

// The answer for a file without restore data: one that carries the mark of a stamp says what
// may have become of its data.
UndoResult notStamped(const QString &path, const std::optional<QByteArray> &xmp)
{
    return readStampMark(xmp.value_or(QByteArray()))
        ? answer(UndoFinding::NotStamped, path, kNoRestoreDataLeft)
        : answer(UndoFinding::NotStamped, path, kNoRestoreData);
}

// A file whose mode lets nobody write it is the user's protection, as for a stamp.
bool readOnly(const QString &path)
{
    constexpr auto kWritable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !(QFileInfo(path).permissions() & kWritable);
}

// Writes \a bytes beside \a target under a private name, lets \a finish complete that file
// (its tags) and renames it over \a target, keeping what made the file the user's. Nothing of
// the private file is left when a step fails.
void putBack(const QString &target, const QByteArray &bytes, const QString &ext,
    const std::function<void(const QString &)> &finish = {})
{
    const QString privatePath = intermediatePathFor(target, ext);
    writeNewFile(bytes, privatePath);
    try {
        if (finish)
            finish(privatePath);
    } catch (...) {
        QFile::remove(privatePath);
        throw;
    }
    putInPlace(privatePath, target);
}

UndoResult undoJpeg(const QString &path, const QString &target, const QByteArray &bytes)
{
    const JpegRestore restore = restoreJpeg(bytes);
    switch (restore.finding) {
    case RestoreFinding::NotStamped:
        return notStamped(path, readExifFields(bytes, target).xmpPacket);
    case RestoreFinding::Mismatch:
        return answer(UndoFinding::Edited, path, kEdited);
    case RestoreFinding::Damaged:
        return answer(UndoFinding::Failed, path, restore.reason);
    case RestoreFinding::Restored:
        break;
    }
    putBack(target, restore.original, QStringLiteral("jpg"));
    return answer(UndoFinding::Restored, path, kRestored);
}

QString extensionFor(PictureFormat format)
{
    return format == PictureFormat::Png ? QStringLiteral("png")
        : format == PictureFormat::Tiff ? QStringLiteral("tif")
                                        : QStringLiteral("webp");
}

// The original's pixels put into \a picture; false when the data do not fit it.
bool putOriginalPixels(Picture &picture, const RestoreData &data)
{
    for (qsizetype i = 0; i < picture.frames.size(); ++i) {
        const RestoreRegion &region = data.regions[i];
        QImage &image = picture.frames[i].image;
        if (region.rect.isEmpty())
            continue;
        // A rectangle outside the picture is refused before anything is unpacked for it.
        if (!image.rect().contains(region.rect)
            || !applyPatch(image, {region.rect.topLeft(), unpackRegion(region, image.format())}))
            return false;
    }
    return pixelDigest(picture.frames) == data.originalDigest;
}

UndoResult undoWhole(const QString &path, const QString &target, const QByteArray &bytes,
    PictureFormat format, ExifToolSession &exifTool, const QString &workFolder)
{
    const std::optional<QByteArray> chunk = restoreChunkOf(bytes, format);
    const std::optional<QByteArray> xmp = readExifFields(bytes, target).xmpPacket;
    if (!chunk)
        return notStamped(path, xmp);
    const std::optional<RestoreData> data = parseRestoreData(*chunk);
    if (!data)
        return answer(UndoFinding::Failed, path, kDamagedData);
    Picture picture = decodePicture(bytes, target);
    // Pixels or XMP written since the stamp would be lost: the file is left to its user.
    if (picture.frames.size() != data->regions.size()
        || pixelDigest(picture.frames) != data->stampedDigest
        || xmpDigest(xmp) != data->resultXmpDigest)
        return answer(UndoFinding::Edited, path, kEdited);
    if (!putOriginalPixels(picture, *data))
        return answer(UndoFinding::Failed, path, kDamagedData);
    if (readOnly(target))
        return answer(UndoFinding::Failed, path, kReadOnly);

    // The tags come from the stamped file, which has the original's but for the mark in its
    // XMP: the original's packet takes that one's place.
    ResultMark tags;
    if (data->originalXmp && data->originalXmp->isEmpty()) {
        tags.withoutXmp = true;
    } else if (data->originalXmp) {
        QDir().mkpath(workFolder);
        tags.xmpFile = QDir(workFolder).filePath(QStringLiteral("original.xmp"));
        QFile::remove(tags.xmpFile);
        WriteBytesToFile(*data->originalXmp, tags.xmpFile);
    }
    if (format == PictureFormat::Webp && data->originalXmp)
        picture.webp.xmp = *data->originalXmp;
    try {
        putBack(target, encodePicture(picture), extensionFor(format),
            [&](const QString &file) { exifTool.copyTags(target, file, workFolder, tags); });
    } catch (...) {
        if (!tags.xmpFile.isEmpty())
            QFile::remove(tags.xmpFile);
        throw;
    }
    if (!tags.xmpFile.isEmpty())
        QFile::remove(tags.xmpFile);
    return answer(UndoFinding::Restored, path, kRestored);
}

} // namespace

UndoResult undoStamp(const QString &path, ExifToolSession &exifTool, const QString &workFolder)
{
    const QFileInfo info(path);
    if (!info.exists())
        return answer(UndoFinding::Failed, path, UndoReasons::tr("the file does not exist"));
    if (info.isDir())
        return answer(UndoFinding::Failed, path, UndoReasons::tr("is a folder"));
    // The file a link leads to is restored in its own folder, so the link stays a link.
    const QString target = info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath();
    try {
        const QByteArray bytes = readPictureFile(target);
        if (looksLikeJpeg(bytes)) {
            if (readOnly(target) && hasJpegRestoreData(bytes))
                return answer(UndoFinding::Failed, path, kReadOnly);
            return undoJpeg(path, target, bytes);
        }
        const std::optional<PictureFormat> format = pictureFormatOf(bytes);
        if (!format || !carriesRestoreChunk(*format))
            return notStamped(path, readExifFields(bytes, target).xmpPacket);
        return undoWhole(path, target, bytes, *format, exifTool, workFolder);
    } catch (const RuntimeFailure &failure) {
        return {UndoFinding::Failed,
            UndoReasons::tr("%1: the stamp could not be undone: %2")
                .arg(QDir::toNativeSeparators(path), failure.description())};
    }
}

} // namespace kalvora
