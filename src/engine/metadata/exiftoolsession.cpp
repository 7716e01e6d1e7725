// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/metadata/exiftoolsession.h"

#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <algorithm>
#include <chrono>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace kalvora {

namespace {

// How long a session that is told to end may take before it is killed.
constexpr int kStopWaitMs = 3000;

// How long ExifTool may take to start; starting is a fork and an exec, not Perl's loading.
constexpr int kStartWaitMs = 30000;

// How long a stuck ExifTool is given to end when asked, so it can remove its temporary copy,
// before it is killed.
constexpr int kStopAttemptMs = 500;

// How often a copy that waits for its answer looks whether it was interrupted.
constexpr int kPollMs = 100;

constexpr auto kInterrupted
    = QT_TRANSLATE_NOOP("TagFailures", "the run was stopped before ExifTool answered");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void fail(const QString &source, const QString &output, const QString &reason)
{
    throw RuntimeFailure(TagFailures::tr("Cannot copy the metadata of %1 into %2: %3.")
                             .arg(shown(source), shown(output), reason),
        5);
}

// ExifTool ends a warning with " - " and the file it read, which is a private or linked name
// here; the note names the file itself.
QString withoutFileName(const QString &warning)
{
    const qsizetype dash = warning.lastIndexOf(QLatin1String(" - "));
    return dash > 0 ? warning.left(dash) : warning;
}

// A link in \a folder named \a name that leads to \a target, replacing an earlier one.
QString linkTo(const QString &target, const QString &folder, const QString &name)
{
    const QString link = QDir(folder).filePath(name);
    QFile::remove(link);
    if (!QFile::link(target, link))
        return {};
    return link;
}

// What ExifTool answered for one file, judged: the problem that fails the copy (empty when the
// copy is sound) and the warnings to pass on as notes. A warning about the source's own data (a
// stale IPTCDigest, an IPTC field longer than the standard allows, maker notes it cannot
// rebuild) comes with a copy that was made, so it is a note; an error, or no file updated,
// fails the copy.
struct Verdict
{
    QString problem;
    QStringList notes;
};

Verdict judge(const QStringList &lines)
{
    static const QRegularExpression updatedLine(QStringLiteral("^\\s*(\\d+) image files updated$"));
    static const QRegularExpression unchangedLine(
        QStringLiteral("^\\s*(\\d+) image files unchanged$"));
    int updated = 0;
    int unchanged = 0;
    bool nothingToCopy = false;
    QStringList problems;
    QStringList warnings;
    for (const QString &line : lines) {
        if (const auto match = updatedLine.match(line); match.hasMatch()) {
            updated = match.captured(1).toInt();
        } else if (const auto same = unchangedLine.match(line); same.hasMatch()) {
            unchanged = same.captured(1).toInt();
        } else if (line.startsWith(QLatin1String("Warning: No writable tags set from"))) {
            nothingToCopy = true;
        } else if (line.startsWith(QLatin1String("Warning: [minor]"))) {
            continue;
        } else if (line.startsWith(QLatin1String("Warning: "))) {
            warnings << withoutFileName(line.mid(9).trimmed());
        } else if (!line.trimmed().isEmpty()) {
            problems << line.trimmed();
        }
    }
    if (!problems.isEmpty())
        return {(warnings + problems).join(QLatin1Char(' ')), {}};
    if (updated >= 1 || (nothingToCopy && unchanged >= 1)) {
        warnings.removeDuplicates();
        return {{}, warnings};
    }
    return {warnings.isEmpty() ? TagFailures::tr("ExifTool updated no file")
                               : warnings.join(QLatin1Char(' ')),
        {}};
}

} // namespace

bool copiesXmpBlock(const QString &outputPath)
{
    const QString ext = QFileInfo(outputPath).suffix().toLower();
    return ext == QLatin1String("png") || ext == QLatin1String("webp")
        || ext == QLatin1String("tif") || ext == QLatin1String("tiff");
}

QStringList copyMetadataArguments(
    const QString &sourcePath, const QString &outputPath, const ResultMark &mark)
{
    const QString output = QFileInfo(outputPath).absoluteFilePath();
    const QString ext = QFileInfo(outputPath).suffix().toLower();
    // -n copies numbers as stored, not as printed (an f-number of 1.7411 stays 1.7411). EXIF,
    // XMP, IPTC and the ICC profile go as whole blocks: a block keeps XMP of namespaces ExifTool
    // does not know, tags of one name in two namespaces, IPTC with its character set and maker
    // notes as they were.
    QStringList arguments {QStringLiteral("-n"), QStringLiteral("-TagsFromFile"),
        QFileInfo(sourcePath).absoluteFilePath()};
    if (ext == QLatin1String("png") || ext == QLatin1String("webp")) {
        // PNG's own text chunks (an author, a title) and its gamma are the photo's too; gamma
        // is not among what -PNG:all copies, so it is named.
        arguments << QStringLiteral("-EXIF") << QStringLiteral("-XMP") << QStringLiteral("-IPTC")
                  << QStringLiteral("-ICC_Profile") << QStringLiteral("-PNG:all")
                  << QStringLiteral("-PNG:Gamma");
    } else if (ext == QLatin1String("tif") || ext == QLatin1String("tiff")) {
        // TIFF keeps EXIF in IFD0 beside the picture's own fields, so it has no EXIF block to
        // copy: every tag goes, the unsafe ones (colour primaries, white point) included, and
        // the picture's layout fields stay the encoder's, which ExifTool never copies. The
        // digest of the IPTC block, which -all:all leaves out, is named.
        arguments << QStringLiteral("-all:all") << QStringLiteral("-unsafe")
                  << QStringLiteral("-XMP") << QStringLiteral("-IPTC")
                  << QStringLiteral("-ICC_Profile") << QStringLiteral("-Photoshop:IPTCDigest");
    } else {
        arguments << QStringLiteral("-EXIF:All") << QStringLiteral("-GPS:All")
                  << QStringLiteral("-IPTC:All") << QStringLiteral("-XMP:All");
    }
    // ExifTool writes an XMP block whole, whatever XMP tags are set beside it: the mark goes
    // into the block; elsewhere its tags, set after the copied ones, take their place.
    if (!mark.xmpFile.isEmpty() && copiesXmpBlock(outputPath))
        arguments.replace(arguments.indexOf(QStringLiteral("-XMP")),
            QStringLiteral("-XMP<=") + QFileInfo(mark.xmpFile).absoluteFilePath());
    else if (mark.tags)
        arguments
            = QStringList {QStringLiteral("-ec")} + arguments + stampMarkAssignments(*mark.tags);
    if (mark.withoutXmp) {
        arguments.removeAll(QStringLiteral("-XMP"));
        arguments << QStringLiteral("--XMP:all");
    }
    arguments << output;
    return arguments;
}

bool exifToolMisreadsPath(const QString &path)
{
    return path.contains(QLatin1Char('%')) || path.contains(QLatin1Char('\n'))
        || path.contains(QLatin1Char('\r'));
}

ExifToolSession::ExifToolSession(QString program, int answerLimitSeconds, QString configFolder)
    : m_program(std::move(program))
    , m_answerLimitSeconds(std::max(1, answerLimitSeconds))
    , m_configFolder(configFolder.isEmpty() ? QDir::tempPath() : std::move(configFolder))
{ }

bool ExifToolSession::writeConfig(QString *error)
{
    if (m_config)
        return true;
    auto config = std::make_unique<QTemporaryFile>(
        QDir(m_configFolder).filePath(QStringLiteral("kalvora-exiftool-XXXXXX.config")));
    const QByteArray text = stampMarkExifToolConfig();
    if (!config->open() || config->write(text) != text.size() || !config->flush()) {
        if (error)
            *error = TagFailures::tr("ExifTool's configuration cannot be written in %1: %2")
                         .arg(QDir::toNativeSeparators(m_configFolder), config->errorString());
        return false;
    }
    config->close();
    m_config = std::move(config);
    return true;
}

void ExifToolSession::setAnswerLimitSeconds(int seconds)
{
    m_answerLimitSeconds = std::max(1, seconds);
}

ExifToolSession::~ExifToolSession()
{
    stop();
}

qint64 ExifToolSession::processId() const
{
    return m_process && m_process->state() == QProcess::Running ? m_process->processId() : 0;
}

bool ExifToolSession::start(QString *error)
{
    if (m_process && m_process->state() == QProcess::Running)
        return true;
    if (!writeConfig(error))
        return false;
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(m_program);
    // Arguments arrive one per line on the standard input; answers and messages share one
    // channel, so a file's warnings are read together with its end marker. The configuration
    // is read only as the first argument of the process.
    m_process->setArguments(
        {QStringLiteral("-config"), m_config->fileName(), QStringLiteral("-stay_open"),
            QStringLiteral("True"), QStringLiteral("-@"), QStringLiteral("-")});
    m_process->setProcessChannelMode(QProcess::MergedChannels);
#ifdef Q_OS_LINUX
    // A kept-open ExifTool goes on waiting for commands past the end of its input, so it would
    // outlive a program that was killed or crashed: it is ended when the thread that started
    // it (and which stops it in the normal course) is gone.
    const pid_t parent = ::getpid();
    m_process->setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(127);
    });
#endif
    m_process->start();
    if (m_process->waitForStarted(kStartWaitMs))
        return true;
    if (error)
        *error = TagFailures::tr("ExifTool (%1) could not be started: %2")
                     .arg(m_program, m_process->errorString());
    m_process.reset();
    return false;
}

void ExifToolSession::stop()
{
    if (!m_process)
        return;
    if (m_process->state() == QProcess::Running) {
        m_process->write("-stay_open\nFalse\n");
        m_process->closeWriteChannel();
        // An interrupted run does not wait for an ExifTool that may be stuck; between copies
        // there is nothing it could leave half-done.
        if (m_interrupted || !m_process->waitForFinished(kStopWaitMs)) {
            m_process->kill();
            m_process->waitForFinished(kStopWaitMs);
        }
    }
    m_process.reset();
}

QStringList ExifToolSession::copyTags(const QString &sourcePath, const QString &outputPath,
    const QString &linkFolder, const ResultMark &mark)
{
    QString source = QFileInfo(sourcePath).absoluteFilePath();
    QString output = QFileInfo(outputPath).absoluteFilePath();
    // The tags are read through a plain name where the real one holds a file-name code or a
    // line break; the output is reached through a link to its folder.
    if (exifToolMisreadsPath(source)) {
        source = linkTo(source, linkFolder,
            QStringLiteral("source.") + QFileInfo(sourcePath).suffix().remove(QLatin1Char('%')));
        if (source.isEmpty() || exifToolMisreadsPath(source))
            fail(sourcePath, outputPath, TagFailures::tr("its name cannot be passed to ExifTool"));
    }
    if (output.contains(QLatin1Char('\n')) || output.contains(QLatin1Char('\r'))) {
        const QFileInfo info(output);
        const QString folder = linkTo(info.absolutePath(), linkFolder, QStringLiteral("output"));
        output = folder + QLatin1Char('/') + info.fileName();
        if (folder.isEmpty() || output.contains(QLatin1Char('\n')))
            fail(sourcePath, outputPath, TagFailures::tr("its name cannot be passed to ExifTool"));
    }

    if (exifToolMisreadsPath(mark.xmpFile))
        fail(sourcePath, outputPath,
            TagFailures::tr("the name of the temporary file %1 cannot be passed to ExifTool")
                .arg(shown(mark.xmpFile)));
    if (m_interrupted)
        fail(sourcePath, outputPath, QCoreApplication::translate("TagFailures", kInterrupted));
    QString error;
    if (!start(&error))
        fail(sourcePath, outputPath, error);
    const QByteArray marker = "{ready" + QByteArray::number(++m_command) + "}";
    // Composite tags are values ExifTool works out from others for showing; no group copied
    // here holds them, and building them for every source took a fifth of each copy's time.
    QByteArray command = "-overwrite_original\n-e\n";
    for (const QString &argument : copyMetadataArguments(source, output, mark))
        command += QFile::encodeName(argument) + '\n';
    command += "-execute" + QByteArray::number(m_command) + '\n';
    m_process->write(command);

    QByteArray answer = readAnswer(marker, sourcePath, outputPath);
    answer.truncate(answer.indexOf(marker));
    const Verdict verdict = judge(QString::fromLocal8Bit(answer).split(QLatin1Char('\n')));
    if (!verdict.problem.isEmpty())
        fail(sourcePath, outputPath, verdict.problem);
    return verdict.notes;
}

QByteArray ExifToolSession::readAnswer(
    const QByteArray &marker, const QString &sourcePath, const QString &outputPath)
{
    const QDeadlineTimer deadline {std::chrono::seconds(m_answerLimitSeconds)};
    QByteArray answer;
    while (!answer.contains(marker)) {
        if (m_interrupted || deadline.hasExpired()) {
            abandon(outputPath);
            fail(sourcePath, outputPath,
                m_interrupted
                    ? QCoreApplication::translate("TagFailures", kInterrupted)
                    : TagFailures::tr("ExifTool did not answer in %1 s").arg(m_answerLimitSeconds));
        }
        // Waited for in short slices, so an interruption is seen at once.
        const int slice = int(std::clamp<qint64>(deadline.remainingTime(), 0, kPollMs));
        if (m_process->waitForReadyRead(slice)) {
            answer += m_process->readAll();
            continue;
        }
        if (m_process->state() == QProcess::Running)
            continue;
        // No more answers: the process has ended (a crash, a kill).
        answer += m_process->readAll();
        if (answer.contains(marker))
            break;
        const bool crashed = m_process->exitStatus() == QProcess::CrashExit;
        const int code = m_process->exitCode();
        m_process.reset();
        fail(sourcePath, outputPath,
            crashed ? TagFailures::tr("ExifTool crashed")
                    : TagFailures::tr("ExifTool stopped unexpectedly (exit code %1)").arg(code));
    }
    return answer;
}

void ExifToolSession::abandon(const QString &outputPath)
{
#ifdef Q_OS_LINUX
    // Asked with SIGINT, ExifTool removes the temporary copy it was writing; a stopped or
    // wedged one cannot answer that and is killed.
    // (No process id means it has already gone: kill() would signal this whole program.)
    if (const qint64 pid = m_process->processId(); pid > 0)
        ::kill(pid_t(pid), SIGINT);
    if (!m_process->waitForFinished(kStopAttemptMs)) {
        m_process->kill();
        m_process->waitForFinished(kStopWaitMs);
    }
#else
    m_process->kill();
    m_process->waitForFinished(kStopWaitMs);
#endif
    m_process.reset();
    // The copy a killed ExifTool was writing is of this result alone, which is about to go.
    QFile::remove(QFileInfo(outputPath).absoluteFilePath() + QStringLiteral("_exiftool_tmp"));
}

} // namespace kalvora
