// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "folderwalk/folderwalk.h"

#include "base/eventpump.h"
#include "base/filehelpers.h"
#include "base/runtimefailure.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

#include <exception>
#include <functional>

namespace {

// Runs one numbered step of the walk; a failure is noted in \a problems and the walk goes on.
void runStep(int number, QList<WalkProblem> *problems, const std::function<void()> &step)
{
    QString description;
    try {
        step();
        return;
    } catch (const RuntimeFailure &failure) {
        description = failure.description();
    } catch (const std::exception &failure) {
        description = QString::fromLocal8Bit(failure.what());
    }
    if (problems)
        problems->append({number, description});
}

QString withTrailingSeparator(const QString &folder)
{
    return folder.endsWith(kSeparator) ? folder : folder + kSeparator;
}

QString withoutTrailingSeparator(const QString &folder)
{
    QString result = folder;
    while (result.size() > 1 && result.endsWith(kSeparator))
        result.chop(1);
    return result;
}

bool isHiddenName(const QString &name)
{
    return name.startsWith(QLatin1Char('.'));
}

// A folder whose entries this process may list. It is tested up front because an enumeration
// that is refused looks just like an empty folder. On Unix the folder is opened for real: the
// permission bits and access() answer for the real user, not for what this process may do.
bool isListableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return false;
#ifdef Q_OS_UNIX
    DIR *opened = ::opendir(QFile::encodeName(folder).constData());
    if (!opened)
        return false;
    ::closedir(opened);
    return true;
#else
    return info.isReadable() && info.isExecutable();
#endif
}

// The file name pattern of the extension question, as the Windows file search reads it: "*"
// and "?" are wildcards, every other character stands for itself, letter case does not count,
// and "*.*" matches every name, those without a dot included.
std::function<bool(const QString &)> nameMatcher(const QString &pattern)
{
    if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
        return [](const QString &) { return true; };
    QString expression;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*'))
            expression += QLatin1String(".*");
        else if (c == QLatin1Char('?'))
            expression += QLatin1Char('.');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    const QRegularExpression re(QRegularExpression::anchoredPattern(expression),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return [re](const QString &name) { return re.match(name).hasMatch(); };
}

// Calls \a accept with the name of each regular file of \a folder (ending with a separator)
// that matches \a pattern, in the file system's order. Links to files count as files; pipes,
// sockets and devices do not, since reading one would block or make no sense as a picture.
// With a \a pacer, window events run during a long listing, matching names or not.
// The entries of \a folder whose names are not valid UTF-8 and that \a matches accepts as
// they read (with replacement characters). Qt reads such a name with replacement characters,
// which name no file, so it never lists them: they are counted from the system's own listing.
template <typename Matcher> int countUndecodableNames(const QString &folder, const Matcher &matches)
{
#ifdef Q_OS_UNIX
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return 0;
    int count = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString name = decoder.decode(raw);
        if (decoder.hasError() && matches(name) && entry->d_type != DT_DIR)
            ++count;
    }
    ::closedir(dir);
    return count;
#else
    Q_UNUSED(folder);
    Q_UNUSED(matches);
    return 0;
#endif
}

void forEachFile(const QString &folder, const QString &pattern,
    const std::function<void(const QString &)> &accept, EventPacer *pacer = nullptr,
    int *undecodable = nullptr)
{
    const auto matches = nameMatcher(pattern);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (pacer)
            pacer->pumpWhenDue();
        const QString name = it.fileName();
        if (matches(name) && it.fileInfo().isFile())
            accept(name);
    }
    if (undecodable)
        *undecodable += countUndecodableNames(folder, matches);
}

} // namespace

EventPacer::EventPacer(EventPump &events, int intervalMs)
    : m_events(events)
    , m_intervalMs(intervalMs)
{
    m_timer.start();
}

void EventPacer::pump()
{
    m_events.processEvents();
    m_timer.restart();
}

void EventPacer::pumpWhenDue()
{
    if (m_timer.elapsed() >= m_intervalMs)
        pump();
}

bool HasUnsupportedChars(const QString &name)
{
    for (const QChar c : name) {
        const char16_t code = c.unicode();
        if (code < 32 || (code >= 127 && code <= 159) || code == u'?' || code > 255)
            return true;
    }
    return false;
}

void GetSubDirectories2016(
    QStringList &folders, bool recurse, EventPump &events, QList<WalkProblem> *problems)
{
    EventPacer pacer(events);

    // Canonical paths of every folder taken into the walk: a folder reached a second time,
    // through a link or a repeated entry, is not walked again, so no link can make the walk loop.
    QSet<QString> reached;
    const auto firstVisit = [&reached](const QString &folder) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || reached.contains(canonical))
            return false;
        reached.insert(canonical);
        return true;
    };

    QStringList result;
    QStringList level = folders;
    bool topLevel = true;
    while (!level.isEmpty()) {
        QStringList below;
        for (const QString &folder : std::as_const(level)) {
            // A given entry that is no folder stays in the list (it lists no files); one found
            // below that has vanished since is dropped.
            if (!IsFolder(folder)) {
                if (topLevel)
                    result << folder;
                continue;
            }
            pacer.pump();
            if ((topLevel && !firstVisit(folder)) || !isListableFolder(folder))
                continue;
            result << folder;
            runStep(100, problems, [&] {
                const QString parent = withTrailingSeparator(folder);
                QDirIterator it(parent, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
                while (it.hasNext()) {
                    it.next();
                    pacer.pumpWhenDue();
                    // Hidden folders hold what programs keep for themselves (trash, thumbnail
                    // caches, version control), never the user's pictures.
                    const QString name = it.fileName();
                    if (isHiddenName(name))
                        continue;
                    const QString child = parent + name + kSeparator;
                    if (firstVisit(child))
                        below << child;
                }
            });
        }
        if (!recurse) {
            runStep(102, problems, [&] {
                for (const QString &folder : std::as_const(below))
                    if (IsFolder(folder))
                        result << folder;
            });
            break;
        }
        level = below;
        topLevel = false;
    }
    folders = result;
}

QStringList ListFilesInFolder(const QString &folder, const QString &pattern)
{
    QStringList names;
    forEachFile(
        withTrailingSeparator(folder), pattern, [&names](const QString &name) { names << name; });
    return names;
}

QString undecodableNamesNote(int count)
{
    return count == 1 ? QCoreApplication::translate("FolderWalk",
               "1 file was left out: its name is not valid UTF-8, so "
               "this program cannot open it.")
                      : QCoreApplication::translate("FolderWalk",
                          "%1 files were left out: their names are not valid "
                          "UTF-8, so this program cannot open them.")
                            .arg(count);
}

FolderWalk scanFolder(const QString &folder, const QString &extension, EventPump &events)
{
    FolderWalk walk;
    // An empty answer would otherwise read as the root folder.
    if (folder.isEmpty())
        return walk;
    QStringList folders {withTrailingSeparator(withoutTrailingSeparator(folder))};
    GetSubDirectories2016(folders, true, events, &walk.problems);

    const QString pattern = QStringLiteral("*.") + extension;
    EventPacer pacer(events);
    for (const QString &entry : std::as_const(folders)) {
        const QString parent = withTrailingSeparator(entry);
        forEachFile(
            parent, pattern,
            [&](const QString &name) {
                // "~" marks the temporary copies that editors keep beside a file; hidden files are
                // the system's own (such as the "._" companions that macOS leaves on cards).
                if (name.startsWith(QLatin1Char('~')) || isHiddenName(name))
                    return;
                walk.files << NormalizePath(parent + name);
            },
            &pacer, &walk.undecodable);
    }
    return walk;
}
