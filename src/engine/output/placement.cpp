// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/output/placement.h"

#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/output/converter.h"
#include "engine/output/stalefolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>
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

void putInPlace(const QString &intermediatePath, const QString &finalPath)
{
    // The result takes the place of the file it replaces with that file's permissions; a new
    // file keeps the ones it was created with (the user's default).
    // A file that is replaced is only replaced by a result that is on the disk: flushed first,
    // so not even a power failure can leave an empty file in its place.
    const QFileInfo existing(finalPath);
    if (existing.exists() && !existing.isDir()) {
        QFile::setPermissions(intermediatePath, existing.permissions());
        QFile result(intermediatePath);
        if (result.open(QIODevice::ReadWrite))
            ::fsync(result.handle());
    }
    std::error_code error;
    std::filesystem::rename(
        std::filesystem::path(QFile::encodeName(intermediatePath).toStdString()),
        std::filesystem::path(QFile::encodeName(finalPath).toStdString()), error);
    if (!error)
        return;
    QFile::remove(intermediatePath);
    throw RuntimeFailure(QStringLiteral("Cannot put the stamped picture in place of %1: %2.")
                             .arg(shown(finalPath), QString::fromLocal8Bit(error.message())),
        75);
}

} // namespace kalvora
