// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// kalvora-stamp: the stamping engine on the command line, for scripts and for measuring. It
// stamps every file named (and every file of every folder named) on all cores, prints each
// failure as one line naming the file, never asks a question and never opens a window.
#include "base/datetexts.h"
#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/render/worksurface.h"
#include "engine/run/stalefolders.h"
#include "engine/run/stamppool.h"
#include "engine/run/tempfolder.h"
#include "engine/run/toolrunner.h"
#include "folderexpansion.h"
#include "stampcommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

void print(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

int usageError(const QString &problem)
{
    print(QStringLiteral("kalvora-stamp: %1").arg(problem));
    std::fputs(StampUsage().toLocal8Bit().constData(), stderr);
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

struct Listed
{
    QString path;
    QString problem; // why it cannot be stamped before it is handed out
};

} // namespace

int main(int argc, char **argv)
{
    // Text is drawn with Qt's fonts, which need a GUI application; the offscreen platform
    // gives one that never opens a window or needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("kalvora-stamp"));
    QGuiApplication::setApplicationVersion(QStringLiteral(KALVORA_VERSION));
    ConfigureImageReading();

    StampCommand command;
    const QString problem = ParseStampCommand(app.arguments().mid(1), &command);
    if (!problem.isEmpty())
        return usageError(problem);
    if (command.help) {
        std::fputs(StampUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (command.version) {
        std::printf("kalvora-stamp %s\n", KALVORA_VERSION);
        return 0;
    }
    const StampOptions &options = command.options;
    if (options.saveOption == SaveOption::ChosenFolder && !IsFolder(options.outputFolder))
        return usageError(QStringLiteral("the output folder %1 does not exist")
                              .arg(QDir::toNativeSeparators(options.outputFolder)));

    ToolRunner tools;
    QString exifTool;
    try {
        exifTool = tools.exifTool();
    } catch (const RuntimeFailure &missing) {
        print(QStringLiteral("kalvora-stamp: %1").arg(missing.description()));
        return kExitUsage;
    }
    QString converter;
    try {
        converter = tools.converter();
    } catch (const RuntimeFailure &) {
        // Only PNG, TIF and converted outputs need it; their jobs report its absence.
    }
    // Private temporary folders that crashed or killed runs left behind.
    RemoveStaleTempFolders();
    TempFolder temp;
    if (!temp.isValid()) {
        print(QStringLiteral("kalvora-stamp: cannot create a temporary folder: %1")
                  .arg(temp.error()));
        return kExitFailure;
    }

    // The files to stamp, in the order given, each folder walked in place.
    std::vector<Listed> listed;
    for (const QString &input : std::as_const(command.inputs)) {
        const QString path = QFileInfo(input).absoluteFilePath();
        if (IsFolder(path)) {
            QStringList problems;
            for (const QString &file : FilesInFolder(path, command.extension, &problems))
                listed.push_back({file, {}});
            for (const QString &text : std::as_const(problems))
                print(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(input), oneLine(text)));
        } else if (struct stat info; ::stat(QFile::encodeName(path).constData(), &info) != 0) {
            // A file that cannot be reached says why: it may be there behind a locked folder.
            listed.push_back({path,
                path.contains(QChar::ReplacementCharacter)
                    ? QStringLiteral("the name is not valid UTF-8, so it cannot be opened")
                    : errno == ENOENT || errno == ENOTDIR
                    ? QStringLiteral("the file does not exist")
                    : QString::fromLocal8Bit(std::strerror(errno))});
        } else {
            listed.push_back({path, {}});
        }
    }

    StampPool pool({exifTool, converter, DateTexts()}, temp.path(),
        command.jobs > 0 ? command.jobs : DefaultWorkerCount());
    const size_t bound = size_t(pool.workerCount() + DefaultLookAhead(pool.workerCount()));
    ProgressLine progress(int(listed.size()));
    std::deque<std::pair<size_t, int>> handed; // (index in listed, ticket); -1 for no job
    size_t next = 0;
    int failed = 0;
    for (;;) {
        while (handed.size() < bound && next < listed.size()) {
            const Listed &entry = listed[next];
            if (!entry.problem.isEmpty()) {
                handed.emplace_back(next++, -1);
                continue;
            }
            const StampJob job {entry.path, options, {}, {}};
            if (pool.claims(JobClaims(job)))
                break;
            handed.emplace_back(next++, pool.submit(job));
        }
        if (handed.empty())
            break;
        const auto [index, ticket] = handed.front();
        const Listed &entry = listed[index];
        QStringList failures;
        if (ticket < 0) {
            failures << entry.problem;
        } else {
            const std::optional<StampJobResult> result = pool.take(ticket, 200);
            if (!result)
                continue;
            if (result->outcome == StampFileOutcome::Missing)
                failures << QStringLiteral("the file does not exist");
            for (const StampFailure &failure : result->failures)
                failures << oneLine(failure.description);
        }
        handed.pop_front();
        progress.clear();
        if (!failures.isEmpty()) {
            ++failed;
            print(QStringLiteral("%1: %2").arg(
                QDir::toNativeSeparators(entry.path), failures.join(QLatin1String("; "))));
        }
        progress.show(int(index) + 1, QFileInfo(entry.path).fileName());
    }
    progress.clear();
    while (!pool.finish(1000)) { }
    return failed > 0 ? kExitFailure : 0;
}
