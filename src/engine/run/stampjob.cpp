// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/run/stampjob.h"

#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"
#include "engine/codecs/heifcodec.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/metadata/metadatacopy.h"
#include "engine/output/imageoutput.h"
#include "engine/output/placement.h"
#include "engine/render/overlaytext.h"
#include "engine/render/sourcepicture.h"
#include "engine/render/stamptext.h"
#include "engine/run/stamprestore.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <system_error>
#include <utility>

#include <sys/stat.h>

namespace kalvora {

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

} // namespace

WrittenStamp::~WrittenStamp()
{
    if (!m_privatePath.isEmpty())
        QFile::remove(m_privatePath);
}

WrittenStamp::WrittenStamp(WrittenStamp &&other) noexcept
    : result(std::move(other.result))
    , m_privatePath(std::exchange(other.m_privatePath, QString()))
    , m_finalPath(std::move(other.m_finalPath))
    , m_tagsCarried(other.m_tagsCarried)
    , m_mark(std::move(other.m_mark))
    , m_sourceXmp(std::move(other.m_sourceXmp))
    , m_restore(std::move(other.m_restore))
{ }

WrittenStamp &WrittenStamp::operator=(WrittenStamp &&other) noexcept
{
    if (this != &other) {
        if (!m_privatePath.isEmpty())
            QFile::remove(m_privatePath);
        result = std::move(other.result);
        m_privatePath = std::exchange(other.m_privatePath, QString());
        m_finalPath = std::move(other.m_finalPath);
        m_tagsCarried = other.m_tagsCarried;
        m_mark = std::move(other.m_mark);
        m_sourceXmp = std::move(other.m_sourceXmp);
        m_restore = std::move(other.m_restore);
    }
    return *this;
}

bool needsExifTool(const PlannedStamp &plan)
{
    // A HEIF result carries its source's metadata items itself.
    return holdsTags(plan.extension) && outputKindOf(plan.extension) != OutputKind::Jpeg
        && !isHeifExtension(plan.extension);
}

std::optional<QString> skippedAsStamped(const StampOptions &options, const SourceFile &source)
{
    if (!options.skipStamped)
        return std::nullopt;
    const std::optional<StampMark> mark
        = readStampMark(source.exif.xmpPacket.value_or(QByteArray()));
    if (!mark)
        return std::nullopt;
    return StampFailures::tr("%1 was stamped before (on %2): skipped")
        .arg(QDir::toNativeSeparators(source.path),
            //: Fills %2 of "%1 was stamped before (on %2): skipped".
            mark->date.isEmpty() ? StampFailures::tr("an unknown date") : mark->date);
}

StampJob stampJobFor(const QString &source, const StampOptions &options, const QString &workFolder)
{
    StampJob job {options, kalvora::planStamp(source, options), workFolder, 0};
    kalvora::completePlan(job.plan, nullptr);
    return job;
}

StampJobResult runStampJob(const StampJob &job, const StampJobTools &tools)
{
    return finishStampJob(job, writeStampJob(job, tools.converter, tools.texts), tools.exifTool);
}

namespace {

// A source whose mode lets nobody write it is the user's protection: it is never replaced,
// whoever runs the program (root could write it, so the mode is tested, not a write).
void refuseReadOnlySource(const PlannedStamp &plan)
{
    if (!plan.replaceSource)
        return;
    const QFileInfo info(plan.source);
    constexpr auto kWritable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && !(info.permissions() & kWritable))
        throw RuntimeFailure(StampFailures::tr("%1 is read-only: it was left as it is.")
                                 .arg(QDir::toNativeSeparators(plan.source)));
}

// What vanished under a job at work (a folder removed or moved, a file deleted), as the system
// says it: ExifTool's "File not found" would name a private file, or a file that was there when
// the job began.
void requireJobFiles(
    const QString &sourcePath, const QString &privatePath, const QString &finalPath)
{
    struct stat info;
    if (::stat(QFile::encodeName(privatePath).constData(), &info) != 0) {
        // Where the folder is gone, the failure names it.
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        throw placementFailure(finalPath,
            QFileInfo(QFileInfo(finalPath).path()).isDir()
                ? StampFailures::tr("the stamped picture was removed on its way (%1)").arg(reason)
                : reason);
    }
    if (::stat(QFile::encodeName(sourcePath).constData(), &info) != 0)
        throw RuntimeFailure(StampFailures::tr("Cannot copy the metadata of %1: %2.")
                                 .arg(QDir::toNativeSeparators(sourcePath),
                                     QString::fromLocal8Bit(std::strerror(errno))),
            75);
}

// The folders below the chosen one that a result keeping a walk's folders goes to, made as
// needed; the chosen folder itself is never made again (see placementFailure).
void makeResultFolder(const PlannedStamp &plan)
{
    if (plan.madeBelow.isEmpty())
        return;
    const QString folder = QFileInfo(plan.destination).absolutePath();
    if (!QFileInfo(plan.madeBelow).isDir())
        //: A reason, shown in "Cannot put the stamped picture in place of %1: %2."
        throw placementFailure(plan.destination, StampFailures::tr("no such folder"));
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error)
        throw RuntimeFailure(
            StampFailures::tr("Cannot make the folder %1 for the stamped picture: %2.")
                .arg(QDir::toNativeSeparators(folder), QString::fromLocal8Bit(error.message())),
            75);
}

// The source's XMP packet, when it is known: one exiv2 did not find where the file shows one
// is not, and the mark must not take the place of XMP that ExifTool would copy.
std::optional<QByteArray> knownXmpOf(const SourceFile &source)
{
    const std::optional<QByteArray> &xmp = source.exif.xmpPacket;
    if (xmp && (!xmp->isEmpty() || !source.bytes.contains("xmpmeta")))
        return xmp;
    return std::nullopt;
}

QString unmarkedNote(const QString &finalPath)
{
    return StampFailures::tr(
        "%1: stamped, but its XMP could not take the mark of the stamp (it "
        "cannot be read or is full), so a later run cannot tell it was stamped")
        .arg(QDir::toNativeSeparators(finalPath));
}

// Where the stamped \a picture went (its private path beside the destination; empty when the
// write failed, which leaves nothing behind) and whether its tags were carried.
struct SavedPicture
{
    QString privatePath;
    bool tagsCarried = false;
};

SavedPicture saveStamped(const StampJob &job, SourcePicture &picture, ToolRunner &converter,
    Steps &steps, StampJobResult &result)
{
    const QString &ext = job.plan.extension;
    const QString &finalPath = job.plan.destination;
    const StageTimer timer(result.timings, &StampTimings::save);
    SavedPicture saved;
    bool unmarked = false;
    const bool done = steps.run(244, [&] {
        makeResultFolder(job.plan);
        saved.privatePath = job.plan.privatePath.isEmpty() ? intermediatePathFor(finalPath, ext)
                                                           : job.plan.privatePath;
        const SourcePicture::Written how
            = picture.write(saved.privatePath, ext, job.options.jpegQuality, converter);
        saved.tagsCarried = how.tagsCarried;
        unmarked = how.tagsCarried && picture.mark && !how.marked;
    });
    steps.name(saved.privatePath, finalPath);
    if (done && unmarked)
        result.notes << unmarkedNote(finalPath);
    if (!done && !saved.privatePath.isEmpty())
        QFile::remove(saved.privatePath);
    if (!done)
        saved.privatePath.clear();
    return saved;
}

} // namespace

WrittenStamp writeStampJob(const StampJob &job, ToolRunner &converter, const DateTexts &texts)
{
    WrittenStamp written;
    StampJobResult &result = written.result;
    Steps steps(result);
    const QString &sourcePath = job.sourcePath();
    const StampOptions &options = job.options;
    const QString &ext = job.plan.extension;
    const QString &finalPath = job.plan.destination;

    // The file is read once: the picture and its date text come from the same bytes.
    std::optional<kalvora::SourceFile> source;
    std::optional<SourcePicture> picture;
    {
        const StageTimer timer(result.timings, &StampTimings::load);
        std::optional<QString> skipped;
        if (!steps.run(188, [&] {
                // Whether it was stamped before is told by its metadata, before the picture is
                // decoded.
                if ((source = kalvora::readSourceFile(sourcePath))
                    && !(skipped = skippedAsStamped(options, *source))) {
                    refuseReadOnlySource(job.plan);
                    picture = loadSource(*source, ext, options.keepQuality);
                }
            }))
            return written;
        if (skipped) {
            result.outcome = StampFileOutcome::Skipped;
            result.notes << *skipped;
            return written;
        }
    }
    if (!picture) {
        result.outcome = StampFileOutcome::Missing;
        return written;
    }

    {
        const StageTimer timer(result.timings, &StampTimings::draw);
        // A date that cannot be read is reported, and the file stamped as its text says.
        ComposedStamp composed;
        if (!steps.run(230, [&] {
                composed = ComposeStampText(options, {*source, job.number}, texts);
            }))
            return written;
        for (const QString &failure : composed.failures)
            result.failures.append({190, failure});
        if (composed.skipped) {
            result.outcome = StampFileOutcome::Skipped;
            result.notes << composed.note;
            return written;
        }
        const std::optional<QString> &text = composed.text;
        // Every frame, page or size is stamped, upright as the picture is viewed.
        if (text && !steps.run(240, [&] {
                written.m_restore = stampRestorably(
                    *picture, textStampOf(options, *text), options, job.plan, &result.notes);
            }))
            return written;
        if (text)
            picture->mark = stampMarkOf(*text, QDateTime::currentDateTime());
        written.m_mark = picture->mark;
        if (picture->mark)
            written.m_sourceXmp = knownXmpOf(*source);
    }

    const SavedPicture saved = saveStamped(job, *picture, converter, steps, result);
    written.m_tagsCarried = saved.tagsCarried;
    if (!saved.privatePath.isEmpty()) {
        written.m_privatePath = saved.privatePath;
        written.m_finalPath = finalPath;
    }
    return written;
}

StampJobResult finishStampJob(const StampJob &job, WrittenStamp written, ExifToolSession &exifTool)
{
    StampJobResult &result = written.result;
    if (!written.waiting())
        return std::move(result);
    Steps steps(result);
    const QString &privatePath = written.m_privatePath;
    const QString &finalPath = written.m_finalPath;
    {
        // A JPEG of a JPEG was written with its source's metadata; the rest are tagged by
        // ExifTool.
        const StageTimer timer(result.timings, &StampTimings::metadata);
        const bool done = steps.run(282, [&] {
            requireJobFiles(job.sourcePath(), privatePath, finalPath);
            if (written.m_tagsCarried)
                return;
            // A result whose XMP block cannot take the mark gets its tags all the same.
            std::optional<ResultMark> mark;
            if (written.m_mark && holdsTags(extensionOf(finalPath))
                && !(mark = resultMarkFor(
                         *written.m_mark, written.m_sourceXmp, finalPath, job.workFolder)))
                result.notes << unmarkedNote(finalPath);
            try {
                for (const QString &note : CopyMetadata(job.sourcePath(), privatePath, exifTool,
                         job.workFolder, mark ? &*mark : nullptr))
                    result.notes << StampFailures::tr(
                        "%1: the tags were copied; ExifTool warned: %2")
                                        .arg(QDir::toNativeSeparators(finalPath), note);
            } catch (const RuntimeFailure &) {
                if (mark && !mark->xmpFile.isEmpty())
                    QFile::remove(mark->xmpFile);
                // A file that vanished while ExifTool copied is the reason, not ExifTool's text.
                requireJobFiles(job.sourcePath(), privatePath, finalPath);
                throw;
            }
            if (mark && !mark->xmpFile.isEmpty())
                QFile::remove(mark->xmpFile);
            // An undo puts back the source's XMP where the mark went into it.
            if (written.m_restore)
                written.m_restore->originalXmp
                    = mark ? written.m_sourceXmp : std::optional<QByteArray>();
        });
        steps.name(privatePath, finalPath);
        if (!done)
            return std::move(result);
        if (written.m_restore
            && !steps.run(286, [&] { attachRestoreData(privatePath, *written.m_restore); })) {
            steps.name(privatePath, finalPath);
            return std::move(result);
        }
    }
    {
        const StageTimer timer(result.timings, &StampTimings::replace);
        if (!steps.run(290, [&] { putInPlace(privatePath, finalPath); }))
            return std::move(result);
        written.m_privatePath.clear();
    }
    result.outcome = StampFileOutcome::Stamped;
    return std::move(result);
}

} // namespace kalvora
