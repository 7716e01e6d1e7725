// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kalvora {

class ToolRunner;

/// The converter's format words for an output extension (compared in lower case): "gif" with
/// dithering to 256 colours, "png", "tiff" for "tif" and "tiff", "ico", "webp"; empty for any
/// other.
QStringList outputFormatWords(const QString &ext);

/// The name Qt's image reader gives the format \a ext names after conversion ("tif" reads as
/// "tiff"); empty for an extension that is not converted.
QByteArray convertedFormatOf(const QString &ext);

/// Converts the bitmap just written at \a outputPath, in place, into the format \a ext names.
/// Throws RuntimeFailure when the converter cannot be found or run, ends with a failure, or
/// leaves a file that does not read as the named format; the file is then removed, so bitmap
/// data never stands under another format's name.
void ConvertOutput(const QString &outputPath, const QString &ext, ToolRunner &tools);

} // namespace kalvora
