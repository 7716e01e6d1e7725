// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stampjob.h"

#include "converter.h"
#include "filehelpers.h"
#include "imageoutput.h"
#include "jpegblockstamp.h"
#include "overlaytext.h"
#include "runtimefailure.h"
#include "stamptext.h"
#include "worksurface.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>

#include <exception>
#include <functional>

namespace {

// PNG and TIF sources are read through a JPEG the converter renders first.
bool needsInputConversion(const QString &ext)
{
    const QString lower = ext.toLower();
    return lower == QLatin1String("png") || lower == QLatin1String("tif");
}

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

// Where a converted source's JPEG is rendered.
QString convertedPathIn(const QString &workFolder)
{
    return QDir(workFolder).filePath(QStringLiteral("source.jpg"));
}

} // namespace

QImage LoadSourcePicture(
    const QString &sourcePath, const QString &workFolder, ToolRunner &converter)
{
    if (!needsInputConversion(ExtensionOf(sourcePath)))
        return FileExists(sourcePath) ? LoadWorkSurface(sourcePath) : QImage();
    if (!IsOpenableFile(sourcePath))
        return QImage();
    const QString converted = convertedPathIn(workFolder);
    ConvertInput(sourcePath, converted, converter);
    const QImage picture = LoadWorkSurface(converted);
    QFile::remove(converted);
    return picture;
}

StampJobResult RunStampJob(const StampJob &job, const StampJobTools &tools)
{
    StampJobResult result;
    Steps steps(result);
    const QString &sourcePath = job.sourcePath;
    const StampOptions &options = job.options;

    QString ext;
    QString finalPath;
    if (!steps.run(144, [&] {
            ext = ExtensionOf(sourcePath);
            const OutputTarget target
                = OutputPathFor(sourcePath, options.saveOption, options.outputFolder);
            // A result that belongs in the source's own folder takes the source's place.
            finalPath = target.replaceSource ? sourcePath : target.path;
        }))
        return result;

    QString loadPath = sourcePath;
    if (needsInputConversion(ext)) {
        const StageTimer timer(result.timings, &StampTimings::convert);
        if (!IsOpenableFile(sourcePath)) {
            result.outcome = StampFileOutcome::Missing;
            return result;
        }
        loadPath = convertedPathIn(job.workFolder);
        steps.run(176, [&] { ConvertInput(sourcePath, loadPath, tools.converter); });
    }
    if (!FileExists(loadPath)) {
        result.outcome
            = result.failures.isEmpty() ? StampFileOutcome::Missing : StampFileOutcome::Failed;
        return result;
    }

    QImage surface;
    std::unique_ptr<JpegBlockStamper> blocks; // a JPEG result of a JPEG, stamped in its blocks
    {
        const StageTimer timer(result.timings, &StampTimings::load);
        if (!steps.run(188, [&] {
                if (loadPath == sourcePath && OutputKindOf(ext) == OutputKind::Jpeg)
                    blocks = OpenJpegBlocks(loadPath);
                if (!blocks)
                    surface = LoadWorkSurface(loadPath);
            }))
            return result;
    }
    if (loadPath != sourcePath)
        QFile::remove(loadPath);

    {
        const StageTimer timer(result.timings, &StampTimings::draw);
        // The dates always come from the listed file, never from its converted copy. A date
        // taken that cannot be read is reported and stamped as "no date taken".
        QString dateText;
        if (options.source == StampSource::FileDate)
            steps.run(190,
                [&] { dateText = FileDateText(options.fileDateKind, sourcePath, tools.texts); });
        std::optional<QString> text;
        if (!steps.run(230, [&] { text = ComposeStampText(options, dateText); }))
            return result;
        if (text)
            steps.run(240, [&] {
                if (blocks) {
                    blocks->setStamp(
                        *text, options.position, StampFont(options), StampColor(options.color));
                    if (!blocks->stampTooLarge())
                        return;
                    blocks.reset();
                    surface = LoadWorkSurface(loadPath);
                }
                OverlayText(surface, *text, options.position, StampFont(options),
                    StampColor(options.color));
            });
    }

    IntermediateFile written;
    {
        const StageTimer timer(result.timings, &StampTimings::save);
        const bool done = steps.run(244, [&] {
            written.path = IntermediatePathFor(finalPath, ext);
            std::function<QByteArray()> encode;
            if (blocks)
                encode = [&] { return blocks->encode(options.jpegQuality); };
            WriteOutput(surface, written.path, ext, options.jpegQuality, tools.converter, encode);
        });
        steps.name(written.path, finalPath);
        if (!done)
            return result;
    }
    surface = QImage(); // the pixels are written: free them before the tags are copied
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
