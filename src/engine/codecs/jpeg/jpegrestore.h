// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace kalvora {

/// What reading a JPEG's restore data found.
enum class RestoreFinding {
    Restored, ///< the original file, checked against its checksum
    NotStamped, ///< the file carries no restore data
    Mismatch, ///< the restore data does not rebuild the original (the result was edited)
    Damaged, ///< the restore data or the file cannot be read
};

/// The original file rebuilt from a stamped JPEG.
struct JpegRestore
{
    RestoreFinding finding = RestoreFinding::NotStamped;
    QByteArray original; ///< set only when Restored
    QString reason; ///< why not, in a sentence that follows the file's name
};

/// True when the JPEG file content \a fileData carries the restore data of a stamp that kept
/// the photo's own quality.
bool hasJpegRestoreData(const QByteArray &fileData);

/// Rebuilds the original file content of the stamped JPEG \a fileData from its restore data,
/// byte for byte, and checks it against the original's checksum.
JpegRestore restoreJpeg(const QByteArray &fileData);

} // namespace kalvora
