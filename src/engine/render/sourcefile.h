// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/runtimefailure.h"
#include "engine/metadata/exifreader.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace kalvora {

/// A listed file read once for stamping: its content, the EXIF fields in it and its own times,
/// taken together so that loading the picture (loadSource) and composing its date text never
/// open or parse the file a second time.
struct SourceFile
{
    QString path;
    QByteArray bytes;
    ExifFields exif;
    /// Why the EXIF could not be read (the file is empty); reported where the date taken is
    /// asked for, since a picture that needs no date taken is not at fault.
    std::optional<RuntimeFailure> exifFailure;
    /// The file's times as the file system kept them before the file was read (the read itself
    /// may set the access time to now). Where it keeps no creation time, created is the
    /// last-modified time.
    QDateTime created;
    QDateTime modified;
    QDateTime accessed;

    /// The orientation to draw the stamp with (see pictureOrientation).
    int orientation() const { return orientationOf(exif); }
};

/// Reads the listed file \a path once. Answers nothing when the file is not there (it vanished
/// after it was listed: skipped without a word). Throws RuntimeFailure naming the file and the
/// system's reason when it cannot be read.
std::optional<SourceFile> readSourceFile(const QString &path);

} // namespace kalvora
