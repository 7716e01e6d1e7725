// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/sourcefile.h"

#include "engine/codecs/failuretexts.h"
#include "engine/codecs/worksurface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace kalvora {

std::optional<SourceFile> readSourceFile(const QString &path)
{
    // Only a file that is not there is skipped as missing; one that cannot be reached (a
    // folder on its way that may not be searched) is reported with the system's reason.
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        throw RuntimeFailure(
            PictureFailures::tr("Cannot load the picture %1: %2")
                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno))),
            481);
    }
    SourceFile source;
    source.path = path;
    // The times before the read: reading the file would make its access time this moment.
    const QFileInfo times(path);
    source.modified = times.lastModified();
    source.created = times.birthTime().isValid() ? times.birthTime() : source.modified;
    source.accessed = times.lastRead();
    try {
        source.bytes = readPictureFile(path);
    } catch (const RuntimeFailure &) {
        // Gone between the look and the read: as missing as if it had never been there.
        if (!QFileInfo::exists(path))
            return std::nullopt;
        throw;
    }
    try {
        source.exif = readExifFields(source.bytes, path);
    } catch (const RuntimeFailure &failure) {
        source.exifFailure = failure;
    }
    return source;
}

} // namespace kalvora
