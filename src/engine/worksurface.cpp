// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksurface.h"

#include "runtimefailure.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

void ConfigureImageReading()
{
    QImageReader::setAllocationLimit(kImageAllocationLimitMb);
}

QImage LoadWorkSurface(const QString &path)
{
    ConfigureImageReading();
    const QString shown = QDir::toNativeSeparators(path);
    QImageReader reader(path);
    reader.setAutoTransform(false);
    // The content decides the format: a renamed file is read for what it is.
    reader.setDecideFormatFromContent(true);

    const QSize size = reader.size();
    if (size.isValid()
        && qint64(size.width()) * size.height() * 4 > qint64(kImageAllocationLimitMb) << 20)
        throw RuntimeFailure(QStringLiteral("The picture %1 is too large to be stamped "
                                            "(%2 x %3 pixels).")
                                 .arg(shown)
                                 .arg(size.width())
                                 .arg(size.height()),
            7);

    QImage image = reader.read();
    if (image.isNull()) {
        const QString reason = QFileInfo::exists(path) ? reader.errorString()
                                                       : QStringLiteral("the file does not exist");
        throw RuntimeFailure(
            QStringLiteral("Cannot load the picture %1: %2").arg(shown, reason), 481);
    }
    if (image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
    image.setDotsPerMeterX(kSurfaceDotsPerMeter);
    image.setDotsPerMeterY(kSurfaceDotsPerMeter);
    return image;
}
