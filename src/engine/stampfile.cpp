// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stampfile.h"

#include "converter.h"
#include "filehelpers.h"
#include "imageoutput.h"
#include "overlaytext.h"
#include "stamptext.h"
#include "tempfolder.h"
#include "toolrunner.h"
#include "trappedprocedure.h"
#include "worksurface.h"

#include <QImage>

namespace {

// PNG and TIF sources are read through a JPEG the converter renders first.
bool needsInputConversion(const QString &ext)
{
    const QString lower = ext.toLower();
    return lower == QLatin1String("png") || lower == QLatin1String("tif");
}

} // namespace

StampFileOutcome StampFile(const QString &sourcePath, const StampFileOptions &file,
    StampContext &context, TrappedProcedure &procedure)
{
    const StampOptions &options = file.options;
    QString ext;
    OutputTarget target;
    if (!procedure.run(144, [&] {
            ext = ExtensionOf(sourcePath);
            target = OutputPathFor(sourcePath, options.saveOption, options.outputFolder);
        }))
        return StampFileOutcome::Failed;

    QString loadPath = sourcePath;
    if (needsInputConversion(ext)) {
        const QString jpeg = context.temp.stampTmpJpg();
        procedure.run(170, [&] { RemoveFile(jpeg, context.events); });
        procedure.run(176, [&] { ConvertInput(sourcePath, jpeg, context.tools); });
        loadPath = jpeg;
    }
    if (!FileExists(loadPath))
        return StampFileOutcome::Missing;

    QImage surface;
    if (!procedure.run(188, [&] { surface = LoadWorkSurface(loadPath); }))
        return StampFileOutcome::Failed;

    // The dates always come from the listed file, never from its converted copy. A date taken
    // that cannot be read is reported and stamped as "no date taken".
    QString dateText;
    if (options.source == StampSource::FileDate)
        procedure.run(
            190, [&] { dateText = FileDateText(options.fileDateKind, sourcePath, context.texts); });
    std::optional<QString> text;
    if (!procedure.run(230, [&] { text = ComposeStampText(options, dateText); }))
        return StampFileOutcome::Failed;
    if (text)
        procedure.run(240,
            [&] { OverlayText(surface, *text, file.currentPosition(), file.font, file.color); });

    if (!procedure.run(
            244, [&] { WriteOutput(surface, target, ext, file.currentQuality(), context.tools); }))
        return StampFileOutcome::Failed;
    if (!procedure.run(282, [&] { CopyMetadata(sourcePath, target.path, context.tools); }))
        return StampFileOutcome::Failed;
    if (target.replaceSource
        && !procedure.run(290, [&] { ReplaceSource(target.path, sourcePath, context.events); }))
        return StampFileOutcome::Failed;
    return StampFileOutcome::Stamped;
}
