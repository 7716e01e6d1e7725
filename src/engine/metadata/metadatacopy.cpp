// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/metadata/metadatacopy.h"

#include "engine/metadata/exiftoolsession.h"
#include "engine/output/imageoutput.h"
#include "engine/output/placement.h"

namespace kalvora {

bool holdsTags(const QString &ext)
{
    return outputKindOf(ext) != OutputKind::Bitmap && ext.compare(u"ico", Qt::CaseInsensitive) != 0;
}

QStringList CopyMetadata(const QString &sourcePath, const QString &outputPath,
    ExifToolSession &exifTool, const QString &linkFolder, const ResultMark *mark)
{
    // ExifTool cannot write bitmaps and icons, and they have no place for the tags.
    if (!holdsTags(extensionOf(outputPath)))
        return {};
    return exifTool.copyTags(sourcePath, outputPath, linkFolder, mark ? *mark : ResultMark());
}

} // namespace kalvora
