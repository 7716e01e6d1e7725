// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later

// The date taken of a file read once, as a stamp run reads it: the EXIF fields through exiv2,
// wherever the format keeps them, then the first valid date of DateTimeOriginal, CreateDate and
// ModifyDate in the desktop's words. The input is the file.
//
// A date text that is answered must compose into a stamp in every format, and "date and time"
// must give the text back as it is: a date text that the composer cuts elsewhere than between
// the date and the time would stamp a garbled date.

#include "fuzzsupport.h"

#include "base/datetexts.h"
#include "base/runtimefailure.h"
#include "engine/render/filedates.h"
#include "engine/render/sourcefile.h"
#include "engine/render/stamptext.h"

#include <QLocale>

using namespace kalvora;

namespace {

void checkComposes(const QString &dateText)
{
    StampOptions options;
    options.source = StampSource::FileDate;
    options.fileDateKind = FileDateKind::DateTaken;
    for (const StampFormat format : {StampFormat::TimestampAndDatestamp,
             StampFormat::DatestampAndTimestamp, StampFormat::Timestamp, StampFormat::Datestamp}) {
        options.format = format;
        std::optional<QString> stamp;
        try {
            stamp = ComposeStampText(options, dateText);
        } catch (const RuntimeFailure &failure) {
            std::fprintf(stderr, "%s\n", qPrintable(failure.description()));
            FuzzSupport::fail("a date taken does not compose into a stamp");
        }
        if (!stamp || stamp->isEmpty())
            FuzzSupport::fail("a date taken composes into no stamp");
        if (format == StampFormat::DatestampAndTimestamp && !dateText.isEmpty()
            && *stamp != dateText)
            FuzzSupport::fail("a date taken is cut elsewhere than between its date and time");
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
    SourceFile source;
    source.path = QStringLiteral("/fuzz/photo.jpg");
    source.bytes = FuzzSupport::bytesOf(data, size);
    try {
        source.exif = readExifFields(source.bytes, source.path);
    } catch (const RuntimeFailure &failure) {
        source.exifFailure = failure; // an empty file
    }
    const int orientation = source.orientation();
    if (orientation < 1 || orientation > 8)
        FuzzSupport::fail("an orientation outside 1 to 8");
    static const DateTexts cTexts(QLocale::c());
    static const DateTexts usTexts(QLocale(QLocale::English, QLocale::UnitedStates));
    static const DateTexts germanTexts(QLocale(QLocale::German, QLocale::Germany));
    for (const DateTexts *texts : {&cTexts, &usTexts, &germanTexts}) {
        try {
            checkComposes(dateTakenText(source, *texts));
        } catch (const RuntimeFailure &) {
            if (!source.exifFailure)
                FuzzSupport::fail("a date taken failed without a failure of its read");
        }
    }
    return 0;
}
