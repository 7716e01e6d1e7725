// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/metadata/exiftoolsession.h"
#include "engine/metadata/stampmark.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace kalvora {

/// Whether a result of the format \a ext can hold tags: bitmaps and icons cannot.
bool holdsTags(const QString &ext);

/// How ExifTool gives the result \a outputPath (of a format that holds tags) the mark \a mark as
/// it copies its tags: in the XMP block it writes, \a sourceXmp (the source's packet) with the
/// mark in it, from a file written in \a workFolder; or, for formats whose XMP is not copied as
/// a block, as tags. None when the block cannot take the mark (see markedXmpPacket) or the
/// source's XMP is not known (\a sourceXmp is none), so ExifTool copies the source's own.
/// Throws RuntimeFailure when the file cannot be written.
std::optional<ResultMark> resultMarkFor(const StampMark &mark,
    const std::optional<QByteArray> &sourceXmp, const QString &outputPath,
    const QString &workFolder);

/// Copies the tags of \a sourcePath into \a outputPath through the kept-open \a exifTool, in
/// place, with no backup file (see copyMetadataArguments for what each format gets). Formats
/// that hold no tags are left alone. Throws RuntimeFailure when ExifTool fails or copies nothing
/// from a source that has tags, so a result without its tags never takes a source's place.
/// Answers the warnings ExifTool gave about a copy it made (the source's own data), as notes.
/// \a mark, when given, is written in the same command (see copyMetadataArguments).
QStringList CopyMetadata(const QString &sourcePath, const QString &outputPath,
    ExifToolSession &exifTool, const QString &linkFolder, const ResultMark *mark = nullptr);

} // namespace kalvora
