// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/restoredata.h"
#include "engine/output/plannedstamp.h"
#include "engine/render/sourcepicture.h"
#include "options/stampoptions.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kalvora {

/// Draws \a stamp on \a picture as SourcePicture::stamp does. When \a options keep the photo's
/// own quality, a picture held whole as a PNG, a TIFF or a WebP whose every frame is lossless is
/// answered with its restore data: for each frame the original pixels under the stamp, and the
/// digests of the picture before and after, checked here to give the original back exactly.
/// Any other result but a JPEG (whose own path keeps what its undo needs) is stamped as usual
/// with a note in \a notes, naming the result \a plan names, that it cannot be undone. Throws
/// as SourcePicture::stamp does.
std::optional<RestoreData> stampRestorably(SourcePicture &picture, const TextStamp &stamp,
    const StampOptions &options, const PlannedStamp &plan, QStringList *notes);

/// Puts \a data into the result written at \a path, which holds its tags by now: the digest of
/// its XMP packet as it stands, then the data in the result's own chunk or tag (see
/// withRestoreChunk). Throws RuntimeFailure naming \a path and the reason when it cannot.
void attachRestoreData(const QString &path, RestoreData data);

} // namespace kalvora
