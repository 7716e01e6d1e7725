// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture loaded and stamped as a stamp run does it, named by what its content is: PNG,
// TIFF, GIF, ICO and WebP whole, every frame, page or size through the engine's codecs, and
// written back; anything else (BMP, JPEG, ...) as a work surface through the image readers. The
// first bytes choose the stamp (see FuzzSupport::takeStampChoice), the rest is the file.
//
// A whole picture that is answered as written must load again with the same frames at the same
// sizes, and a PNG with the very pixels that were stamped: anything else would replace the
// user's file with one that lost a frame or its colours.

#include "fuzzsupport.h"

#include "base/runtimefailure.h"
#include "engine/codecs/picturecodec.h"
#include "engine/render/sourcefile.h"
#include "engine/render/sourcepicture.h"

using namespace kalvora;

namespace {

QString extensionOf(const std::optional<PictureFormat> &format)
{
    if (!format)
        return QStringLiteral("bmp");
    switch (*format) {
    case PictureFormat::Png:
        return QStringLiteral("png");
    case PictureFormat::Tiff:
        return QStringLiteral("tif");
    case PictureFormat::Gif:
        return QStringLiteral("gif");
    case PictureFormat::Ico:
        return QStringLiteral("ico");
    case PictureFormat::Webp:
        return QStringLiteral("webp");
    case PictureFormat::Heif:
        return QStringLiteral("heic");
    }
    return {};
}

void checkWrittenBack(const Picture &stamped, const QByteArray &written, const QString &path)
{
    Picture again;
    try {
        again = decodePicture(written, path);
    } catch (const RuntimeFailure &failure) {
        std::fprintf(stderr, "%s\n", qPrintable(failure.description()));
        FuzzSupport::fail("a written picture does not load again");
    }
    if (again.format != stamped.format || again.frames.size() != stamped.frames.size())
        FuzzSupport::fail("a written picture lost its format or frames");
    for (qsizetype i = 0; i < stamped.frames.size(); ++i) {
        const QImage &before = stamped.frames.at(i).image;
        const QImage &after = again.frames.at(i).image;
        if (after.size() != before.size())
            FuzzSupport::fail("a written frame changed its size");
        if (stamped.format == PictureFormat::Png
            && after.convertToFormat(QImage::Format_RGBA64)
                != before.convertToFormat(QImage::Format_RGBA64))
            FuzzSupport::fail("a written PNG changed its pixels");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < FuzzSupport::kStampChoiceBytes)
        return 0;
    const FuzzSupport::StampChoice choice = FuzzSupport::takeStampChoice(data, size);
    SourceFile source;
    source.bytes = FuzzSupport::bytesOf(data, size);
    const QString ext = extensionOf(pictureFormatOf(source.bytes));
    source.path = QStringLiteral("/fuzz/picture.") + ext;
    source.exif.orientation = choice.orientation;

    std::optional<Picture> stamped;
    QByteArray written;
    try {
        SourcePicture picture = loadSource(source, ext);
        picture.stamp({choice.text, choice.position, choice.font, choice.color}, source.path);
        if (!picture.whole)
            return 0;
        stamped = picture.whole;
        written = encodePicture(*picture.whole);
    } catch (const RuntimeFailure &) {
        return 0; // reported, nothing written
    }
    checkWrittenBack(*stamped, written, source.path);
    return 0;
}
