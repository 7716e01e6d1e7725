// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/output/placement.h"

#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"
#include "engine/output/converter.h"
#include "engine/output/stalefolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <system_error>
#include <unistd.h>

namespace kalvora {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Two spellings name the same folder when they read the same or resolve to the same canonical
// path (which only an existing folder has).
bool sameFolder(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString extensionOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('.')) + 1);
}

QString StripExtension(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= 1 ? path.left(dot) : path;
}

OutputKind outputKindOf(const QString &ext)
{
    const QString lower = ext.toLower();
    if (lower == QLatin1String("jpg") || lower == QLatin1String("jpeg"))
        return OutputKind::Jpeg;
    if (lower == QLatin1String("bmp") || lower == QLatin1String("dib")
        || lower == QLatin1String("wmf") || lower == QLatin1String("emf"))
        return OutputKind::Bitmap;
    if (!outputFormatWords(lower).isEmpty())
        return OutputKind::Converted;
    return OutputKind::Unsupported;
}

OutputTarget OutputPathFor(
    const QString &sourcePath, SaveOption saveOption, const QString &outputFolder)
{
    const QString name = FileNameOfPath(sourcePath);
    const QString folder
        = saveOption == SaveOption::ChosenFolder ? outputFolder : FolderOf(sourcePath);
    OutputTarget target {NormalizePath(folder + kSeparator + name), false};
    if (sameFolder(FolderOf(target.path), FolderOf(sourcePath))) {
        // The name's own extension: a dot in a folder's name plays no part.
        target.replaceSource = true;
        target.path = FolderOf(target.path) + StripExtension(name) + QStringLiteral("_Stamped.")
            + extensionOf(name);
    }
    return target;
}

QString intermediatePathFor(const QString &finalPath, const QString &ext)
{
    static constexpr char kLetters[]
        = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const QDir folder = QFileInfo(finalPath).absoluteDir();
    for (;;) {
        // Named after this process, so a later run can tell a dead run's leftovers from the
        // files of a run still at work (see removeStaleResults).
        QString name = QStringLiteral(".kalvora-%1-").arg(privateOwnerTag());
        for (int i = 0; i < 10; ++i)
            name += QLatin1Char(kLetters[QRandomGenerator::system()->bounded(62)]);
        const QString path = folder.filePath(name + QLatin1Char('.') + ext);
        if (!QFileInfo::exists(path))
            return path;
    }
}

namespace {

// The user's own attributes of the file a result replaces ("user.*": a file manager's tags and
// comments) go with the result; attributes of other namespaces belong to the system.
void copyUserAttributes(const QByteArray &from, const QByteArray &to)
{
    const ssize_t size = ::listxattr(from.constData(), nullptr, 0);
    if (size <= 0)
        return;
    QByteArray names(size, '\0');
    const ssize_t got = ::listxattr(from.constData(), names.data(), size_t(names.size()));
    for (const QByteArray &name : names.left(qMax<ssize_t>(got, 0)).split('\0')) {
        if (!name.startsWith("user."))
            continue;
        const ssize_t length = ::getxattr(from.constData(), name.constData(), nullptr, 0);
        if (length < 0)
            continue;
        QByteArray value(length, '\0');
        if (::getxattr(from.constData(), name.constData(), value.data(), size_t(value.size()))
            == length)
            ::setxattr(to.constData(), name.constData(), value.constData(), size_t(length), 0);
    }
}

// The result is on the disk before it takes a source's place, so not even a power failure can
// leave an empty file there; a flush that fails is a failed file.
void flushToDisk(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0 || ::fsync(descriptor) != 0) {
        const int error = errno;
        if (descriptor >= 0)
            ::close(descriptor);
        throw RuntimeFailure(
            OutputFailures::tr("Cannot write the stamped picture %1 to the disk: %2.")
                .arg(shown(path), QString::fromLocal8Bit(std::strerror(error))),
            75);
    }
    ::close(descriptor);
}

// The result takes what makes the replaced file the user's: its owner and group where the
// program may set them, its user attributes and its mode (set last: a change of owner clears
// the set-user-ID bits).
void takeOverFile(const QString &intermediatePath, const QString &finalPath)
{
    const QByteArray from = QFile::encodeName(finalPath);
    const QByteArray to = QFile::encodeName(intermediatePath);
    struct stat status
    { };
    if (::stat(from.constData(), &status) != 0)
        return;
    // Where the owner cannot be given (a user stamping another's photo in a shared folder), the
    // group may still be; where neither can, the result stays the program user's.
    const bool owned = ::chown(to.constData(), status.st_uid, status.st_gid) == 0
        || ::chown(to.constData(), uid_t(-1), status.st_gid) == 0;
    Q_UNUSED(owned)
    copyUserAttributes(from, to);
    ::chmod(to.constData(), status.st_mode & 07777);
}

} // namespace

void putInPlace(const QString &intermediatePath, const QString &finalPath)
{
    // A new file keeps the mode it was created with (the user's default); a file that is
    // replaced is replaced by a result on the disk that carries what made the file the user's.
    const QFileInfo existing(finalPath);
    if (existing.exists() && !existing.isDir()) {
        try {
            takeOverFile(intermediatePath, finalPath);
            flushToDisk(intermediatePath);
        } catch (const RuntimeFailure &) {
            QFile::remove(intermediatePath);
            throw;
        }
    }
    std::error_code error;
    std::filesystem::rename(
        std::filesystem::path(QFile::encodeName(intermediatePath).toStdString()),
        std::filesystem::path(QFile::encodeName(finalPath).toStdString()), error);
    if (!error)
        return;
    QFile::remove(intermediatePath);
    throw placementFailure(finalPath, QString::fromLocal8Bit(error.message()));
}

RuntimeFailure placementFailure(const QString &finalPath, const QString &reason)
{
    const QString folder = QFileInfo(finalPath).path();
    const QString why = QFileInfo(folder).isDir()
        ? reason
        //: %2 is the system's reason.
        : OutputFailures::tr("the folder %1 is gone (%2)").arg(shown(folder), reason);
    return RuntimeFailure(OutputFailures::tr("Cannot put the stamped picture in place of %1: %2.")
                              .arg(shown(finalPath), why),
        75);
}

} // namespace kalvora
