// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/sourcepicture.h"

#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/codecs/worksurface.h"
#include "engine/metadata/heifmark.h"
#include "engine/metadata/jpegmetadata.h"
#include "engine/output/imageoutput.h"
#include "engine/output/placement.h"
#include "engine/render/overlaytext.h"
#include "engine/render/thumbnailstamp.h"

#include <functional>

namespace kalvora {

namespace {

// A HEIF picture's thumbnails get its stamp in proportion, as a JPEG's EXIF thumbnail does.
void stampHeifThumbnails(Picture &picture, const TextStamp &stamp)
{
    if (picture.format != PictureFormat::Heif)
        return;
    for (qsizetype i = 0; i < picture.heif.images.size(); ++i)
        for (HeifThumbnail &thumbnail : picture.heif.images[i].thumbnails)
            stampSmallerCopy(thumbnail.image, picture.frames.at(i).image.size(), stamp, 1);
}

} // namespace

QImage SourcePicture::firstFrame() const
{
    if (whole && !whole->frames.isEmpty())
        return whole->shownFrame().image;
    return surface;
}

void SourcePicture::stamp(const TextStamp &stamp, const QString &sourcePath)
{
    const auto draw = [&](QImage &image) { OverlayText(image, stamp, orientation); };
    if (whole) {
        stampPicture(
            *whole, [&](QImage &image, int, int) { draw(image); }, sourcePath);
        stampHeifThumbnails(*whole, stamp);
        return;
    }
    drawn = stamp;
    if (ownQuality) {
        ownQuality->setStamp(stamp, orientation);
        return;
    }
    if (blocks) {
        blocks->setStamp(stamp, orientation);
        if (!blocks->stampTooLarge())
            return;
        // A stamp over most of the picture is drawn on its pixels, which is then as quick.
        surface = workSurfaceOf(blocks->fileData(), sourcePath);
        blocks.reset();
    }
    draw(surface);
}

SourcePicture::Written SourcePicture::write(
    const QString &path, const QString &ext, int quality, ToolRunner &converter) const
{
    if (whole && whole->format == PictureFormat::Heif) {
        // A HEIF picture carries its metadata items itself, the mark in its XMP.
        const std::optional<Picture> marked = mark ? withHeifMark(*whole, *mark) : std::nullopt;
        writeNewFile(encodePicture(marked ? *marked : *whole, heifQualityFor(quality)), path);
        return {true, marked.has_value()};
    }
    if (whole) {
        writeNewFile(encodePicture(*whole), path);
        return {};
    }
    if (ownQuality)
        return writeOwnQuality(path);
    if (jpegSource.isEmpty() || outputKindOf(ext) != OutputKind::Jpeg
        || (!blocks && surface.isNull())) {
        std::function<QByteArray()> encodeBlocks;
        if (blocks)
            encodeBlocks = [&] { return blocks->encode(quality); };
        writeOutput(surface, path, ext, quality, converter, encodeBlocks);
        return {};
    }
    // The result is made whole in memory, metadata and all, before its file is written.
    const QByteArray encoded = blocks ? blocks->encode(quality) : encodeJpeg(surface, quality);
    std::optional<QByteArray> carried;
    bool marked = false;
    const XmpEditor editXmp = markingXmp(&marked);
    if (!encoded.isEmpty()) {
        const QSize size = blocks ? blocks->size() : surface.size();
        carried = carryJpegMetadata(jpegSource, encoded,
            drawn ? thumbnailStamper(*drawn, orientation, size, quality, jpegSourcePath)
                  : PreviewStamper(),
            editXmp);
    }
    writeOutput(
        surface, path, ext, quality, converter, [&] { return carried ? *carried : encoded; });
    return {carried.has_value(), carried.has_value() && marked};
}

XmpEditor SourcePicture::markingXmp(bool *marked) const
{
    if (!mark)
        return {};
    return [this, marked](const QByteArray &packet) {
        auto edited = markedXmpPacket(packet, *mark, kLargestJpegXmpPacket);
        *marked = edited.has_value();
        return edited;
    };
}

SourcePicture::Written SourcePicture::writeOwnQuality(const QString &path) const
{
    bool marked = false;
    const XmpEditor editXmp = markingXmp(&marked);
    // The thumbnails keep their own tables too.
    writeNewFile(ownQuality->write(drawn ? thumbnailStamper(*drawn, orientation, ownQuality->size(),
                                       kOwnQuality, jpegSourcePath)
                                         : PreviewStamper(),
                     editXmp),
        path);
    return {true, marked};
}

namespace {

// The whole format a file name promises, by the extension of its name.
std::optional<PictureFormat> namedFormatOf(const QString &sourcePath)
{
    const QString ext = extensionOf(FileNameOfPath(sourcePath)).toLower();
    if (ext == QLatin1String("png"))
        return PictureFormat::Png;
    if (ext == QLatin1String("tif") || ext == QLatin1String("tiff"))
        return PictureFormat::Tiff;
    if (ext == QLatin1String("gif"))
        return PictureFormat::Gif;
    if (ext == QLatin1String("ico"))
        return PictureFormat::Ico;
    if (ext == QLatin1String("webp"))
        return PictureFormat::Webp;
    if (isHeifExtension(ext))
        return PictureFormat::Heif;
    return std::nullopt;
}

} // namespace

bool loadsWhole(const QString &sourcePath)
{
    return namedFormatOf(sourcePath).has_value();
}

std::optional<SourcePicture> loadSource(const QString &sourcePath, const QString &resultExt)
{
    const std::optional<kalvora::SourceFile> source = kalvora::readSourceFile(sourcePath);
    if (!source)
        return std::nullopt;
    return loadSource(*source, resultExt);
}

SourcePicture loadSource(
    const kalvora::SourceFile &source, const QString &resultExt, bool keepQuality)
{
    SourcePicture picture;
    // A file named as one of the whole formats whose content is another (a JPEG saved as
    // ".png") is read for what it is and written through the converter in the format its name
    // promises, so a file never gets data of another format than its name says.
    const std::optional<PictureFormat> named = namedFormatOf(source.path);
    if (named && pictureFormatOf(source.bytes) == named) {
        picture.whole = kalvora::decodePicture(source.bytes, source.path);
    } else {
        if (outputKindOf(resultExt) == OutputKind::Jpeg && looksLikeJpeg(source.bytes)) {
            picture.jpegSource = source.bytes;
            picture.jpegSourcePath = source.path;
        }
        if (keepQuality && !picture.jpegSource.isEmpty())
            picture.ownQuality = OwnQualityStamper::open(source.bytes, source.path);
        else if (outputKindOf(resultExt) == OutputKind::Jpeg)
            picture.blocks = JpegBlockStamper::open(source.bytes, source.path);
        if (!picture.blocks && !picture.ownQuality)
            picture.surface = workSurfaceOf(source.bytes, source.path);
    }
    // Pictures held upright as viewed take the stamp without a turn.
    picture.orientation = picture.whole && picture.whole->upright ? 1 : source.orientation();
    return picture;
}

} // namespace kalvora
