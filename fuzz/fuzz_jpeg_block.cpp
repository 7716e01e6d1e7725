// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later

// A JPEG loaded for a JPEG result, stamped and encoded as a stamp run does it: in its blocks
// when it is a colour JPEG the block stamper takes, otherwise (or when the stamp covers most of
// it) decoded whole. The first bytes choose the stamp (see FuzzSupport::takeStampChoice), the
// rest is the file. Every result that is answered as written must decode strictly again, at the
// size of the source: a result that does not would replace a photo with a broken file.

#include "fuzzsupport.h"

#include "base/runtimefailure.h"
#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/render/sourcefile.h"
#include "engine/render/sourcepicture.h"

using namespace kalvora;

namespace {

const QString kPath = QStringLiteral("/fuzz/photo.jpg");

// The result a run would write, or the empty array where it reports a failure.
QByteArray stampedResult(SourcePicture &picture, const FuzzSupport::StampChoice &choice)
{
    picture.stamp({choice.text, choice.position, choice.font, choice.color}, kPath);
    if (picture.blocks)
        return picture.blocks->encode(choice.quality);
    QString error;
    return encodeJpeg(picture.surface, choice.quality, &error);
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
    source.path = kPath;
    source.bytes = FuzzSupport::bytesOf(data, size);
    // Other content named ".jpg" is loaded through the image readers, which fuzz_codecs covers.
    if (!looksLikeJpeg(source.bytes))
        return 0;
    source.exif.orientation = choice.orientation;

    QSize loadedSize;
    QByteArray result;
    try {
        SourcePicture picture = loadSource(source, QStringLiteral("jpg"));
        loadedSize = picture.blocks ? picture.blocks->size() : picture.surface.size();
        result = stampedResult(picture, choice);
    } catch (const RuntimeFailure &) {
        return 0; // reported, nothing written
    }
    if (result.isEmpty())
        return 0;
    try {
        if (decodeJpeg(result, kPath).size() != loadedSize)
            FuzzSupport::fail("the stamped JPEG has another size than its source");
    } catch (const RuntimeFailure &failure) {
        std::fprintf(stderr, "%s\n", qPrintable(failure.description()));
        FuzzSupport::fail("the stamped JPEG does not decode");
    }
    return 0;
}
