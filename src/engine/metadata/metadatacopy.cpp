// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/metadata/metadatacopy.h"

#include "base/filehelpers.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/output/imageoutput.h"
#include "engine/output/placement.h"

#include <QDir>
#include <QFile>

namespace kalvora {

bool holdsTags(const QString &ext)
{
    return outputKindOf(ext) != OutputKind::Bitmap && ext.compare(u"ico", Qt::CaseInsensitive) != 0;
}

std::optional<ResultMark> resultMarkFor(const StampMark &mark,
    const std::optional<QByteArray> &sourceXmp, const QString &outputPath,
    const QString &workFolder)
{
    if (!copiesXmpBlock(outputPath))
        return ResultMark {{}, mark};
    const std::optional<QByteArray> packet
        = sourceXmp ? markedXmpPacket(*sourceXmp, mark) : std::nullopt;
    if (!packet)
        return std::nullopt;
    QDir().mkpath(workFolder);
    ResultMark marked {QDir(workFolder).filePath(QStringLiteral("mark.xmp")), {}};
    QFile::remove(marked.xmpFile);
    WriteBytesToFile(*packet, marked.xmpFile);
    return marked;
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
