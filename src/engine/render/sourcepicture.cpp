// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/sourcepicture.h"

#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/metadata/exifreader.h"
#include "engine/output/imageoutput.h"
#include "engine/render/overlaytext.h"
#include "engine/render/worksurface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <functional>
#include <sys/stat.h>

namespace {

// Enough of the file's start for PictureFormatOf to tell the four formats apart.
constexpr qint64 kSignatureBytes = 16;

std::optional<PictureFormat> contentFormatOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return PictureFormatOf(file.read(kSignatureBytes));
}

} // namespace

QImage SourcePicture::firstFrame() const
{
    if (whole && !whole->frames.isEmpty())
        return whole->frames.first().image;
    return surface;
}

void SourcePicture::stamp(const TextStamp &stamp, const QString &sourcePath)
{
    const auto draw = [&](QImage &image) {
        OverlayText(image, stamp.text, stamp.position, stamp.font, stamp.color, orientation);
    };
    if (whole) {
        StampPicture(
            *whole, [&](QImage &image, int, int) { draw(image); }, sourcePath);
        return;
    }
    if (blocks) {
        blocks->setStamp(stamp.text, stamp.position, stamp.font, stamp.color, orientation);
        if (!blocks->stampTooLarge())
            return;
        // A stamp over most of the picture is drawn on its pixels, which is then as quick.
        surface = WorkSurfaceOf(blocks->fileData(), sourcePath);
        blocks.reset();
    }
    draw(surface);
}

void SourcePicture::write(
    const QString &path, const QString &ext, int quality, ToolRunner &converter) const
{
    if (whole) {
        WriteNewFile(EncodePicture(*whole), path);
        return;
    }
    std::function<QByteArray()> encodeBlocks;
    if (blocks)
        encodeBlocks = [&] { return blocks->encode(quality); };
    WriteOutput(surface, path, ext, quality, converter, encodeBlocks);
}

namespace {

// The whole format a file name promises, by the extension of its name.
std::optional<PictureFormat> namedFormatOf(const QString &sourcePath)
{
    const QString ext = ExtensionOf(FileNameOfPath(sourcePath)).toLower();
    if (ext == QLatin1String("png"))
        return PictureFormat::Png;
    if (ext == QLatin1String("tif") || ext == QLatin1String("tiff"))
        return PictureFormat::Tiff;
    if (ext == QLatin1String("gif"))
        return PictureFormat::Gif;
    if (ext == QLatin1String("ico"))
        return PictureFormat::Ico;
    return std::nullopt;
}

} // namespace

bool LoadsWhole(const QString &sourcePath)
{
    return namedFormatOf(sourcePath).has_value();
}

std::optional<SourcePicture> LoadSource(const QString &sourcePath, const QString &resultExt)
{
    // Only a file that is not there is skipped as missing; one that cannot be reached (a
    // folder on its way that may not be searched) is reported with the system's reason.
    struct stat info;
    if (::stat(QFile::encodeName(sourcePath).constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        throw RuntimeFailure(QStringLiteral("Cannot load the picture %1: %2")
                                 .arg(QDir::toNativeSeparators(sourcePath),
                                     QString::fromLocal8Bit(std::strerror(errno))),
            481);
    }
    SourcePicture source;
    // A file named as one of the whole formats whose content is another (a JPEG saved as
    // ".png") is read for what it is and written through the converter in the format its name
    // promises, so a file never gets data of another format than its name says.
    const std::optional<PictureFormat> named = namedFormatOf(sourcePath);
    if (named && contentFormatOf(sourcePath) == named) {
        try {
            source.whole = LoadPicture(sourcePath);
        } catch (const PictureFailure &failure) {
            if (failure.reason() == PictureFailure::Reason::Missing)
                return std::nullopt;
            throw;
        }
    } else {
        try {
            const QByteArray data = ReadPictureFile(sourcePath);
            if (OutputKindOf(resultExt) == OutputKind::Jpeg)
                source.blocks = JpegBlockStamper::open(data, sourcePath);
            if (!source.blocks)
                source.surface = WorkSurfaceOf(data, sourcePath);
        } catch (const RuntimeFailure &) {
            // Gone between the look and the read: as missing as if it had never been there.
            if (!QFileInfo::exists(sourcePath))
                return std::nullopt;
            throw;
        }
    }
    source.orientation = PictureOrientation(sourcePath);
    return source;
}
