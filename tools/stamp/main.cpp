// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// kalvora-stamp: the stamping engine on the command line, for scripts and for measuring. It
// stamps every file named (and every file of every folder named) on all cores, prints each
// failure as one line naming the file, never asks a question and never opens a window. With
// --dry-run it only tells what it would do; with --undo it puts back the originals of files
// stamped with the photo's own quality.
#include "base/datetexts.h"
#include "base/eventpump.h"
#include "base/filehelpers.h"
#include "base/programtranslations.h"
#include "base/runtimefailure.h"
#include "desktop/desktopsignals.h"
#include "dryrun.h"
#include "engine/codecs/worksurface.h"
#include "engine/output/stalefolders.h"
#include "engine/output/toolrunner.h"
#include "engine/render/overlaytext.h"
#include "engine/run/orderedrun.h"
#include "engine/run/stamppool.h"
#include "engine/run/tempfolder.h"
#include "folderwalk/folderwalk.h"
#include "stampcommand.h"
#include "undofiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace kalvora;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// No window waits for events, so the run waits for each result in long steps.
constexpr int kWaitMs = 200;

void print(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

// A run started from a file manager has no terminal: with --notify (\a notify), what stops it
// before the first file is a notification too.
void tellStop(const QString &problem, bool notify)
{
    print(QStringLiteral("kalvora-stamp: %1").arg(problem));
    if (notify)
        DesktopSignals().notify(
            QCoreApplication::translate("KalvoraStamp", "Kalvora could not stamp"), problem);
}

int usageError(const QString &problem, bool notify)
{
    tellStop(problem, notify);
    std::fputs(stampUsage().toLocal8Bit().constData(), stderr);
    return kExitUsage;
}

QString oneLine(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), ' ');
}

// Shows "[done/total] name" on one line of the terminal, rewritten as files are reported.
class ProgressLine
{
public:
    explicit ProgressLine(int total)
        : m_total(total)
        , m_shown(::isatty(STDERR_FILENO) == 1)
    { }
    void show(int done, const QString &name)
    {
        if (!m_shown)
            return;
        std::fprintf(stderr, "\r\033[K[%d/%d] %s", done, m_total, name.toLocal8Bit().constData());
        std::fflush(stderr);
        m_dirty = true;
    }
    void clear()
    {
        if (m_shown && m_dirty)
            std::fputs("\r\033[K", stderr);
        m_dirty = false;
    }

private:
    int m_total;
    bool m_shown;
    bool m_dirty = false;
};

// Tells a run's results on the terminal: one line on the standard error for each file that
// failed, naming it and the reasons, one for each note, and the progress line when that is a
// terminal.
class TerminalSink final : public kalvora::RunSink
{
public:
    TerminalSink(const StampOptions &options, int total, DesktopSignals *desktop)
        : m_options(options)
        , m_progress(total)
        , m_total(total)
        , m_desktop(desktop)
    {
        m_sinceNotice.start();
    }

    int failedFiles() const { return m_failed; }

    StampOptions currentOptions() override { return m_options; }
    bool isListed(const kalvora::RunEntry &) override { return true; }
    void fileStarted(int, int, const kalvora::RunEntry &) override { }
    void fileFinished(
        int index, int, const kalvora::RunEntry &entry, const StampJobResult &result) override
    {
        QStringList failures;
        if (result.outcome == StampFileOutcome::Missing)
            failures << QCoreApplication::translate("KalvoraStamp", "the file does not exist");
        for (const StampFailure &failure : result.failures)
            failures << oneLine(failure.description);
        m_progress.clear();
        // A note (ExifTool's warning about the source's own tags, which were copied) is no
        // failure: printed once, it leaves the exit status alone.
        for (const QString &note : result.notes)
            print(QStringLiteral("note: %1").arg(oneLine(note)));
        if (!failures.isEmpty()) {
            ++m_failed;
            print(QStringLiteral("%1: %2").arg(
                QDir::toNativeSeparators(entry.path), failures.join(QLatin1String("; "))));
        } else if (result.outcome == StampFileOutcome::Stamped) {
            ++m_stamped;
        }
        m_progress.show(index, QFileInfo(entry.path).fileName());
        // A notification changed for every file would flicker: twice a second at most.
        if (m_desktop && m_sinceNotice.elapsed() >= kNoticeEveryMs) {
            m_desktop->notify(QCoreApplication::translate("KalvoraStamp", "Stamping with Kalvora"),
                QCoreApplication::translate("KalvoraStamp", "%1 of %2: %3")
                    .arg(index)
                    .arg(m_total)
                    .arg(QFileInfo(entry.path).fileName()),
                int(index * 100 / qMax(1, m_total)));
            m_sinceNotice.restart();
        }
    }
    void finished()
    {
        m_progress.clear();
        if (m_desktop)
            m_desktop->notify(QCoreApplication::translate("KalvoraStamp", "Stamping done"),
                QCoreApplication::translate("KalvoraStamp", "%1 stamped, %2 failed.")
                    .arg(m_stamped)
                    .arg(m_failed));
    }

private:
    static constexpr int kNoticeEveryMs = 500;
    StampOptions m_options;
    ProgressLine m_progress;
    int m_total;
    DesktopSignals *m_desktop;
    QElapsedTimer m_sinceNotice;
    int m_failed = 0;
    int m_stamped = 0;
};

// Why a file named on the command line cannot be stamped before it is handed out, or nothing.
// A file that cannot be reached says why: it may be there behind a locked folder.
QString problemOf(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) == 0)
        return {};
    if (path.contains(QChar::ReplacementCharacter))
        return QCoreApplication::translate(
            "KalvoraStamp", "the name is not valid UTF-8, so it cannot be opened");
    return errno == ENOENT || errno == ENOTDIR
        ? QCoreApplication::translate("KalvoraStamp", "the file does not exist")
        : QString::fromLocal8Bit(std::strerror(errno));
}

// The files to stamp, in the order given, each folder walked in place; what a walk could not
// do is printed, naming the folder given.
QList<kalvora::RunEntry> listInputs(const StampCommand &command)
{
    QList<kalvora::RunEntry> entries;
    NullEventPump events;
    for (const QString &input : std::as_const(command.inputs)) {
        const QString path = QFileInfo(input).absoluteFilePath();
        if (!IsFolder(path)) {
            entries.append({path, quint64(entries.size() + 1), problemOf(path), {}});
            continue;
        }
        const FolderWalk walk = scanFolder(path, command.extension, events);
        for (const QString &file : walk.files)
            entries.append({file, quint64(entries.size() + 1), {}, path});
        QStringList problems;
        for (const WalkProblem &problem : walk.problems)
            problems << problem.description.section(QLatin1String("\r\n"), 0, 0);
        if (walk.undecodable > 0)
            problems << undecodableNamesNote(walk.undecodable);
        for (const QString &text : std::as_const(problems))
            print(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(input), oneLine(text)));
    }
    return entries;
}

// Prints what a run would do with \a entries: one line on the standard output for each file
// to stamp, notes and failures on the standard error. Answers the exit status.
int printDryRun(const QList<kalvora::RunEntry> &entries, const StampOptions &options)
{
    int failed = 0;
    for (const DryRunLine &line : dryRun(entries, options, DateTexts())) {
        if (!line.failure.isEmpty()) {
            ++failed;
            print(QStringLiteral("%1: %2").arg(line.source, oneLine(line.failure)));
        } else if (!line.note.isEmpty()) {
            print(QStringLiteral("note: %1").arg(oneLine(line.note)));
        } else {
            std::printf("%s\n", dryRunText(line).toLocal8Bit().constData());
        }
    }
    std::fflush(stdout);
    return failed > 0 ? kExitFailure : 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Text is drawn with Qt's fonts, which need a GUI application; the offscreen platform
    // gives one that never opens a window or needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The arguments as given: Qt takes its own options out of those it hands on ("--style",
    // "-reverse", "-session"), which would make "--style box" a stamp without its style.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("kalvora-stamp"));
    QGuiApplication::setApplicationVersion(QStringLiteral(KALVORA_VERSION));
    const ProgramTranslations translations(QLocale::system(), programTranslationsFolder());
    configureImageReading();

    StampCommand command;
    const QString problem = parseStampCommand(arguments, &command);
    if (!problem.isEmpty())
        return usageError(problem, arguments.contains(QStringLiteral("--notify")));
    if (command.help) {
        std::fputs(stampUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (command.version) {
        std::printf("kalvora-stamp %s\n", KALVORA_VERSION);
        return 0;
    }
    if (command.undo)
        return undoFiles(listInputs(command));
    const StampOptions &options = command.options;
    if (options.saveOption == SaveOption::ChosenFolder && !IsFolder(options.outputFolder))
        return usageError(
            QCoreApplication::translate("KalvoraStamp", "the output folder %1 does not exist")
                .arg(QDir::toNativeSeparators(options.outputFolder)),
            command.notify);
    // Nothing is written, not even the private temporary folder, and no tool is needed.
    if (command.dryRun)
        return printDryRun(listInputs(command), options);

    ToolRunner tools;
    QString exifTool;
    try {
        exifTool = tools.exifTool();
    } catch (const RuntimeFailure &missing) {
        tellStop(missing.description(), command.notify);
        return kExitUsage;
    }
    QString converter;
    try {
        converter = tools.converter();
    } catch (const RuntimeFailure &) {
        // Only PNG, TIF and converted outputs need it; their jobs report its absence.
    }
    // Private temporary folders that crashed or killed runs left behind.
    removeStaleTempFolders();
    TempFolder temp;
    if (!temp.isValid()) {
        tellStop(temp.error(), command.notify);
        return kExitFailure;
    }

    const QList<kalvora::RunEntry> entries = listInputs(command);
    StampPool pool({exifTool, converter, DateTexts()}, temp.path(),
        command.jobs > 0 ? command.jobs : defaultWorkerCount());
    std::optional<DesktopSignals> desktop;
    if (command.notify)
        desktop.emplace();
    TerminalSink sink(options, int(entries.size()), desktop ? &*desktop : nullptr);
    NullEventPump events;
    kalvora::OrderedRun run(pool, sink, events);
    run.setLookAhead(defaultLookAhead(pool.workerCount()));
    run.setWaitMs(kWaitMs);
    // The first look-up of a font reads fontconfig's configuration and caches, which the
    // first photos' drawing would wait for; done meanwhile, while they are read.
    const std::jthread fontLookUp([font = stampFont(options)] { QFontMetricsF(font).height(); });
    run.run(entries);
    sink.finished();
    return sink.failedFiles() > 0 ? kExitFailure : 0;
}
