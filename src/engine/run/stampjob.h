// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/restoredata.h"
#include "engine/metadata/stampmark.h"
#include "engine/output/plannedstamp.h"
#include "options/stampoptions.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class DateTexts;

namespace kalvora {

class ExifToolSession;
class ToolRunner;
struct SourceFile;

/// Where one file's time went, in nanoseconds, for measuring runs.
struct StampTimings
{
    qint64 convert = 0; ///< a source rendered by the converter to load (none today)
    qint64 load = 0;
    qint64 draw = 0; ///< the date read, the text composed and drawn
    qint64 save = 0; ///< written in the source's format, converted where needed
    qint64 metadata = 0;
    qint64 replace = 0; ///< the finished result renamed into its place
};

/// How far one file got.
enum class StampFileOutcome {
    Stamped, ///< written with its tags and put in its place (the chosen folder or the source's);
             ///< a step that did not stop it may still have failed (an unreadable date taken)
    Missing, ///< the file (or its converted copy) was not there: skipped without a word
    Failed, ///< a step failed; the failures say which and why, and the source is untouched
    Skipped, ///< left as it is on purpose (a photo stamped before, when such photos are
             ///< skipped); the notes say why
};

/// One failed step of a file: its number (the step label the error report shows after "at
/// line ") and what went wrong, naming the file.
struct StampFailure
{
    int step = 0;
    QString description;

    friend bool operator==(const StampFailure &, const StampFailure &) = default;
};

/// Whether the result \a plan names is tagged by ExifTool: a result of a format that holds
/// tags, other than JPEG and HEIF (which carry their source's metadata themselves). A JPEG result
/// is tagged by ExifTool only when its source turns out not to be a JPEG (see
/// SourcePicture::write), which its content alone tells.
bool needsExifTool(const PlannedStamp &plan);

/// One file to stamp, with everything it depends on fixed when it was handed out: the options
/// as the controls read then (font and colour included), the plan of where its result goes, and
/// a private folder for its intermediate files, which nothing else uses.
struct StampJob
{
    StampOptions options;
    kalvora::PlannedStamp plan;
    QString workFolder;
    /// The file's number in its run, from 1 in list order (0 outside a run), for the stamp's
    /// {n}.
    int number = 0;

    const QString &sourcePath() const { return plan.source; }
};

/// The note of a source that carries the mark of an earlier stamp (naming it and the stamp's
/// date), when \a options skip such sources; none when it is to be stamped. Its XMP is read
/// with its EXIF, so its picture need not be decoded.
std::optional<QString> skippedAsStamped(const StampOptions &options, const SourceFile &source);

/// A job for \a source alone, planned and completed as the options say, with \a workFolder
/// as its private folder: for callers that stamp one file outside a run.
StampJob stampJobFor(const QString &source, const StampOptions &options, const QString &workFolder);

struct StampJobResult
{
    StampFileOutcome outcome = StampFileOutcome::Failed;
    QList<StampFailure> failures;
    StampTimings timings;
    /// What a stamped file's user should know that is no failure, naming the file: ExifTool's
    /// warnings about the source's own tags, which were copied all the same.
    QStringList notes;
};

/// The tools a job runs, owned by the threads that run it: a converter runner with no window
/// part, an ExifTool session, and the locale's date texts.
struct StampJobTools
{
    ToolRunner &converter;
    ExifToolSession &exifTool;
    const DateTexts &texts;
};

/// A job's result written under its private name, waiting for its tags and its place.
/// Destroyed unfinished, it removes the private file, so nothing of the job is left behind.
class WrittenStamp
{
public:
    WrittenStamp() = default;
    ~WrittenStamp();
    WrittenStamp(WrittenStamp &&other) noexcept;
    WrittenStamp &operator=(WrittenStamp &&other) noexcept;
    WrittenStamp(const WrittenStamp &) = delete;
    WrittenStamp &operator=(const WrittenStamp &) = delete;

    /// The job's result so far; its outcome is Failed or Missing when the job ended early.
    StampJobResult result;
    /// Whether the result was written and waits for FinishStampJob.
    bool waiting() const { return !m_privatePath.isEmpty(); }

private:
    friend WrittenStamp writeStampJob(const StampJob &, ToolRunner &, const DateTexts &);
    friend StampJobResult finishStampJob(const StampJob &, WrittenStamp, ExifToolSession &);

    QString m_privatePath;
    QString m_finalPath;
    bool m_tagsCarried = false; // written with its source's metadata: no tag copy
    std::optional<StampMark> m_mark; // for ExifTool to write with the tags
    std::optional<QByteArray> m_sourceXmp; // the source's XMP packet, when it is known
    std::optional<RestoreData> m_restore; // what an undo needs, put in after the tags
};

/// Stamps one file, value in and value out: loads the picture as LoadSource does (PNG, TIFF, GIF
/// and ICO whole, in their own pixels), composes the stamp text and draws it upright on every
/// frame as the picture is viewed, writes the result under a
/// private name beside where it belongs, copies the source's tags into it with the mark of the
/// stamp (see StampMark; a format without tags gets none) and renames it into place (over the
/// source when the result belongs in the source's own folder, into the folders the plan makes
/// below the chosen one when it keeps a walk's folders). When the options skip stamped photos,
/// a source whose XMP carries the mark is Skipped with a note, before its picture is decoded. It
/// shows no dialog, reads no control and touches no progress bar, so it runs on any thread.
///
/// A failed step is noted and the job goes on with its next step, as a trapped procedure would;
/// a failure that leaves nothing sound to go on with (no picture, no result, no tags) ends the
/// job, and then no file of this job is left behind and the source is untouched.
StampJobResult runStampJob(const StampJob &job, const StampJobTools &tools);

/// The first part of RunStampJob: the picture loaded, stamped and written under its private
/// name, with the converter \a converter and the date texts \a texts. The picture's memory is
/// freed when it answers.
WrittenStamp writeStampJob(const StampJob &job, ToolRunner &converter, const DateTexts &texts);

/// The rest of RunStampJob for \a written, a result of WriteStampJob for the same \a job: the
/// tags copied by \a exifTool and the result renamed into its place. A result that was not
/// written is answered as it is.
StampJobResult finishStampJob(const StampJob &job, WrittenStamp written, ExifToolSession &exifTool);

} // namespace kalvora
