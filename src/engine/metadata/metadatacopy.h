// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace kalvora {

class ExifToolSession;
struct ResultMark;

/// Whether a result of the format \a ext can hold tags: bitmaps and icons cannot.
bool holdsTags(const QString &ext);

/// Copies the tags of \a sourcePath into \a outputPath through the kept-open \a exifTool, in
/// place, with no backup file (see copyMetadataArguments for what each format gets). Formats
/// that hold no tags are left alone. Throws RuntimeFailure when ExifTool fails or copies nothing
/// from a source that has tags, so a result without its tags never takes a source's place.
/// Answers the warnings ExifTool gave about a copy it made (the source's own data), as notes.
/// \a mark, when given, is written in the same command (see copyMetadataArguments).
QStringList CopyMetadata(const QString &sourcePath, const QString &outputPath,
    ExifToolSession &exifTool, const QString &linkFolder, const ResultMark *mark = nullptr);

} // namespace kalvora
