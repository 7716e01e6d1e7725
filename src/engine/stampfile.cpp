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

#include <QElapsedTimer>
#include <QImage>

namespace {

// PNG and TIF sources are read through a JPEG the converter renders first.
bool needsInputConversion(const QString &ext)
{
    const QString lower = ext.toLower();
    return lower == QLatin1String("png") || lower == QLatin1String("tif");
}

// Adds the time from its creation to its end to one stage of the timings, when they are kept.
class StageTimer
{
public:
    StageTimer(StampTimings *timings, qint64 StampTimings::*stage)
        : m_target(timings ? &(timings->*stage) : nullptr)
    {
        if (m_target)
            m_timer.start();
    }
    ~StageTimer()
    {
        if (m_target)
            *m_target += m_timer.nsecsElapsed();
    }
    StageTimer(const StageTimer &) = delete;
    StageTimer &operator=(const StageTimer &) = delete;

private:
    qint64 *m_target;
    QElapsedTimer m_timer;
};

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
        const StageTimer timer(context.timings, &StampTimings::convert);
        const QString jpeg = context.temp.stampTmpJpg();
        procedure.run(170, [&] { RemoveFile(jpeg, context.events); });
        procedure.run(176, [&] { ConvertInput(sourcePath, jpeg, context.tools); });
        loadPath = jpeg;
    }
    if (!FileExists(loadPath))
        return StampFileOutcome::Missing;

    QImage surface;
    {
        const StageTimer timer(context.timings, &StampTimings::load);
        if (!procedure.run(188, [&] { surface = LoadWorkSurface(loadPath); }))
            return StampFileOutcome::Failed;
    }

    {
        const StageTimer timer(context.timings, &StampTimings::draw);
        // The dates always come from the listed file, never from its converted copy. A date
        // taken that cannot be read is reported and stamped as "no date taken".
        QString dateText;
        if (options.source == StampSource::FileDate)
            procedure.run(190,
                [&] { dateText = FileDateText(options.fileDateKind, sourcePath, context.texts); });
        std::optional<QString> text;
        if (!procedure.run(230, [&] { text = ComposeStampText(options, dateText); }))
            return StampFileOutcome::Failed;
        if (text)
            procedure.run(240, [&] {
                OverlayText(surface, *text, file.currentPosition(), file.font, file.color);
            });
    }

    {
        const StageTimer timer(context.timings, &StampTimings::save);
        if (!procedure.run(244,
                [&] { WriteOutput(surface, target, ext, file.currentQuality(), context.tools); }))
            return StampFileOutcome::Failed;
    }
    {
        const StageTimer timer(context.timings, &StampTimings::metadata);
        if (!procedure.run(282, [&] { CopyMetadata(sourcePath, target.path, context.tools); }))
            return StampFileOutcome::Failed;
    }
    if (target.replaceSource) {
        const StageTimer timer(context.timings, &StampTimings::replace);
        if (!procedure.run(290, [&] { ReplaceSource(target.path, sourcePath, context.events); }))
            return StampFileOutcome::Failed;
    }
    return StampFileOutcome::Stamped;
}
