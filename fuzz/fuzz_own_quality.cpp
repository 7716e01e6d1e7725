// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later

// A JPEG stamped keeping its own quality, as --keep-quality does: its scan walked, the rows under
// the stamp coded again in its own tables, the restore data written. The first bytes choose the
// stamp (see FuzzSupport::takeStampChoice), the rest is the file. Every result that is answered
// as written must decode strictly at the size of its source, and undoing it must give back the
// source byte for byte: a result that does not would lose the photo it replaced. The restore
// data reader meets whatever restore data the input carries, stamped or damaged.

#include "fuzzsupport.h"

#include "base/runtimefailure.h"
#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/codecs/jpeg/jpegrestore.h"
#include "engine/render/ownqualitystamp.h"

using namespace kalvora;

namespace {

const QString kPath = QStringLiteral("/fuzz/photo.jpg");

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
    const QByteArray source = FuzzSupport::bytesOf(data, size);
    if (!looksLikeJpeg(source))
        return 0;
    // Whatever restore data the input carries is read, and a rebuild it answers is whole.
    const JpegRestore carried = restoreJpeg(source);
    if (carried.finding == RestoreFinding::Restored && carried.original.isEmpty())
        FuzzSupport::fail("a restore answered an empty original");

    QSize loadedSize;
    QByteArray result;
    try {
        const std::unique_ptr<OwnQualityStamper> stamper = OwnQualityStamper::open(source, kPath);
        loadedSize = stamper->size();
        stamper->setStamp(
            {choice.text, choice.position, choice.font, choice.color, {}}, choice.orientation);
        result = stamper->write({}, {});
    } catch (const RuntimeFailure &) {
        return 0; // reported, nothing written
    }
    try {
        if (decodeJpeg(result, kPath).size() != loadedSize)
            FuzzSupport::fail("the stamped JPEG has another size than its source");
    } catch (const RuntimeFailure &failure) {
        std::fprintf(stderr, "%s\n", qPrintable(failure.description()));
        FuzzSupport::fail("the stamped JPEG does not decode");
    }
    const JpegRestore undone = restoreJpeg(result);
    if (undone.finding != RestoreFinding::Restored || undone.original != source)
        FuzzSupport::fail("undoing the stamp does not give back the source");
    return 0;
}
