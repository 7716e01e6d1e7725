// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/picture.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kalvora {

/// Where a PNG, TIFF or WebP result keeps its restore data (see RestoreData), in a place of this
/// program's own that readers pass over: a private ancillary PNG chunk, marked unsafe to copy so
/// an editor that changes the pixels drops it ("kvRS", before the end chunk); a private tag of
/// the first TIFF directory (kRestoreTiffTag, of type UNDEFINED); a RIFF chunk of a WebP
/// ("KVRS", the file turned into the extended format where needed).
inline constexpr char kRestorePngChunk[] = "kvRS";
inline constexpr char kRestoreWebpChunk[] = "KVRS";
inline constexpr quint16 kRestoreTiffTag = 0xffaa;

/// Whether results of \a format can carry restore data.
bool carriesRestoreChunk(PictureFormat format);

/// The restore data the file content \a file of \a format carries; none when it carries none or
/// its structure cannot be walked (every length and offset is checked against the file).
std::optional<QByteArray> restoreChunkOf(const QByteArray &file, PictureFormat format);

/// \a file with \a payload as its restore data, in place of any it carried, every other byte's
/// meaning kept: the PNG's chunks and the WebP's as they were, the TIFF's first directory
/// written again at the end with the tag added (its values stay where they were). Answers an
/// empty array with the reason in \a error when the file's structure cannot take it.
QByteArray withRestoreChunk(
    const QByteArray &file, PictureFormat format, const QByteArray &payload, QString *error);

} // namespace kalvora
