// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stampjob.h"

#include "filehelpers.h"
#include "imageoutput.h"
#include "overlaytext.h"
#include "runtimefailure.h"
#include "sourcepicture.h"
#include "stamptext.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>

#include <exception>
#include <functional>

namespace {

// Adds the time from its creation to its end to one stage of the timings.
class StageTimer
{
public:
    StageTimer(StampTimings &timings, qint64 StampTimings::*stage)
        : m_target(timings.*stage)
    {
        m_timer.start();
    }
    ~StageTimer() { m_target += m_timer.nsecsElapsed(); }
    StageTimer(const StageTimer &) = delete;
    StageTimer &operator=(const StageTimer &) = delete;

private:
    qint64 &m_target;
    QElapsedTimer m_timer;
};

// Runs the numbered steps of one job and notes each failure, as a trapped procedure would
// report it, for the driver to report in list order.
class Steps
{
public:
    explicit Steps(StampJobResult &result)
        : m_result(result)
    { }

    bool run(int number, const std::function<void()> &step)
    {
        try {
            step();
            return true;
        } catch (const RuntimeFailure &failure) {
            m_result.failures.append({number, failure.description()});
        } catch (const std::exception &failure) {
            m_result.failures.append({number, QString::fromLocal8Bit(failure.what())});
        }
        return false;
    }

    /// Failures name the result the user knows, not the private file it is written as.
    void name(const QString &privatePath, const QString &knownPath)
    {
        if (privatePath.isEmpty())
            return;
        for (StampFailure &failure : m_result.failures)
            failure.description.replace(
                QDir::toNativeSeparators(privatePath), QDir::toNativeSeparators(knownPath));
    }

private:
    StampJobResult &m_result;
};

// Removes the job's intermediate result unless it has been put in place.
class IntermediateFile
{
public:
    ~IntermediateFile()
    {
        if (!path.isEmpty())
            QFile::remove(path);
    }
    QString path;
};

} // namespace

StampJobResult RunStampJob(const StampJob &job, const StampJobTools &tools)
{
    StampJobResult result;
    Steps steps(result);
    const QString &sourcePath = job.sourcePath;
    const StampOptions &options = job.options;

    QString ext;
    QString finalPath;
    if (!steps.run(144, [&] {
            // The extension is the file name's: a folder named "x.png" says nothing about
            // the files in it.
            ext = ExtensionOf(FileNameOfPath(sourcePath));
            const OutputTarget target
                = OutputPathFor(sourcePath, options.saveOption, options.outputFolder);
            // A result that belongs in the source's own folder takes the source's place.
            finalPath = target.replaceSource ? sourcePath
                : job.resultPath.isEmpty()   ? target.path
                                             : job.resultPath;
        }))
        return result;

    std::optional<SourcePicture> picture;
    {
        const StageTimer timer(result.timings, &StampTimings::load);
        if (!steps.run(188, [&] { picture = LoadSource(sourcePath, ext); }))
            return result;
    }
    if (!picture) {
        result.outcome = StampFileOutcome::Missing;
        return result;
    }

    {
        const StageTimer timer(result.timings, &StampTimings::draw);
        // A date taken that cannot be read is reported and stamped as "no date taken".
        QString dateText;
        if (options.source == StampSource::FileDate)
            steps.run(190,
                [&] { dateText = FileDateText(options.fileDateKind, sourcePath, tools.texts); });
        std::optional<QString> text;
        if (!steps.run(230, [&] { text = ComposeStampText(options, dateText); }))
            return result;
        // Every frame, page or size is stamped, upright as the picture is viewed.
        if (text && !steps.run(240, [&] {
                picture->stamp(
                    {*text, options.position, StampFont(options), StampColor(options.color)},
                    sourcePath);
            }))
            return result;
    }

    IntermediateFile written;
    {
        const StageTimer timer(result.timings, &StampTimings::save);
        const bool done = steps.run(244, [&] {
            written.path = IntermediatePathFor(finalPath, ext);
            picture->write(written.path, ext, options.jpegQuality, tools.converter);
        });
        steps.name(written.path, finalPath);
        if (!done)
            return result;
    }
    picture.reset(); // the pixels are written: free them before the tags are copied
    {
        const StageTimer timer(result.timings, &StampTimings::metadata);
        const bool done = steps.run(
            282, [&] { CopyMetadata(sourcePath, written.path, tools.exifTool, job.workFolder); });
        steps.name(written.path, finalPath);
        if (!done)
            return result;
    }
    {
        const StageTimer timer(result.timings, &StampTimings::replace);
        if (!steps.run(290, [&] { PutInPlace(written.path, finalPath); }))
            return result;
        written.path.clear();
    }
    result.outcome = StampFileOutcome::Stamped;
    return result;
}
