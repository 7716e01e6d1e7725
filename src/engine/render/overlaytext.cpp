// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/overlaytext.h"

#include "engine/codecs/worksurface.h"
#include "engine/render/stampfont.h"
#include "engine/render/stamplayout.h"
#include "engine/render/stamppaint.h"
#include "options/stampoptions.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace kalvora {

namespace {

// How much finer than a smaller copy its stamp is drawn before it is averaged down, at most.
constexpr int kLargestOversampling = 8;
// The most pixels that finer layer has (64 MB), for a stamp over most of a large preview.
constexpr qint64 kLargestLayer = 16 << 20;

} // namespace

QTransform viewedToStored(int orientation, const QSize &storedSize)
{
    const double w = storedSize.width();
    const double h = storedSize.height();
    // EXIF names where the stored first row and first column appear when viewed; each case
    // maps a viewed point (x, y) back onto the stored pixels. 5 to 8 swap the sides.
    switch (orientation) {
    case 2: // mirrored left to right
        return QTransform(-1, 0, 0, 1, w, 0);
    case 3: // turned half round
        return QTransform(-1, 0, 0, -1, w, h);
    case 4: // mirrored top to bottom
        return QTransform(1, 0, 0, -1, 0, h);
    case 5: // mirrored along the diagonal from the top-left corner
        return QTransform(0, 1, 1, 0, 0, 0);
    case 6: // viewed turned a quarter clockwise
        return QTransform(0, -1, 1, 0, 0, h);
    case 7: // mirrored along the other diagonal
        return QTransform(0, -1, -1, 0, w, h);
    case 8: // viewed turned a quarter anticlockwise
        return QTransform(0, 1, -1, 0, w, 0);
    default:
        return {};
    }
}

QFont stampFont(const StampOptions &options)
{
    QFont font = fontOfChoice(options.font);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return font;
}

QColor stampColor(quint32 value)
{
    return colorOfValue(value);
}

TextStamp textStampOf(const StampOptions &options, const QString &text)
{
    return {text, caption(options.position), stampFont(options), stampColor(options.color),
        options.look};
}

namespace {

void drawLayout(QImage &target, const QPoint &targetOrigin, const StampLayout &layout)
{
    const QTransform shift = QTransform::fromTranslate(-targetOrigin.x(), -targetOrigin.y());
    if (layout.style == TextStyle::Plain && layout.toStored.isIdentity()) {
        paintStamp(target, shift, layout, QPainter::TextAntialiasing);
        return;
    }

    // The stamp is drawn upright on a transparent layer around the text, which is then laid
    // onto the stored pixels, turned by whole quarters where the picture is. The glyphs are thus
    // rasterised exactly as on an upright picture (text drawn through a turned painter loses its
    // hinting and looks different from one orientation to the next), and a style's pixels do
    // not depend on which part of the picture is being stamped.
    const QRect block = viewedBlock(layout);
    if (block.isEmpty())
        return;
    QImage layer(block.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDotsPerMeterX(target.dotsPerMeterX());
    layer.setDotsPerMeterY(target.dotsPerMeterY());
    layer.fill(Qt::transparent);
    paintStamp(layer, QTransform::fromTranslate(-block.x(), -block.y()), layout,
        QPainter::TextAntialiasing);

    QPainter painter(&target);
    painter.setTransform(layout.toStored * shift);
    painter.drawImage(block.topLeft(), layer);
}

} // namespace

void OverlayText(QImage &surface, const TextStamp &stamp, int orientation)
{
    if (surface.isNull())
        return;
    if (const auto layout = layOutStamp(surface.size(), surface, stamp, orientation))
        drawLayout(surface, QPoint(), *layout);
}

void OverlayText(QImage &surface, const QString &text, const QString &positionCaption,
    const QFont &font, const QColor &color, int orientation)
{
    OverlayText(surface, TextStamp {text, positionCaption, font, color, {}}, orientation);
}

QRect overlayTextBounds(const QSize &surfaceSize, const QPaintDevice &resolution,
    const TextStamp &stamp, int orientation)
{
    const auto layout = layOutStamp(surfaceSize, resolution, stamp, orientation);
    if (!layout)
        return {};
    return layout->toStored.mapRect(viewedBlock(*layout)) & QRect(QPoint(0, 0), surfaceSize);
}

void overlayTextOnPart(QImage &part, const QPoint &partOrigin, const QSize &surfaceSize,
    const TextStamp &stamp, int orientation)
{
    if (part.isNull())
        return;
    if (const auto layout = layOutStamp(surfaceSize, part, stamp, orientation))
        drawLayout(part, partOrigin, *layout);
}

bool overlayTextScaled(QImage &target, const QTransform &surfaceToTarget, const QSize &surfaceSize,
    const TextStamp &stamp, int orientation)
{
    QImage resolution(1, 1, QImage::Format_RGB32);
    resolution.setDotsPerMeterX(kSurfaceDotsPerMeter);
    resolution.setDotsPerMeterY(kSurfaceDotsPerMeter);
    const auto layout = layOutStamp(surfaceSize, resolution, stamp, orientation);
    if (!layout || target.isNull())
        return false;
    const QTransform viewedToTarget = layout->toStored * surfaceToTarget;
    const QRect area
        = viewedToTarget.mapRect(QRectF(viewedBlock(*layout))).toAlignedRect() & target.rect();
    if (area.isEmpty())
        return false;

    const double scale = std::max(std::abs(surfaceToTarget.m11()), std::abs(surfaceToTarget.m22()));
    int fine = std::clamp(int(std::ceil(1 / scale)), 1, kLargestOversampling);
    while (fine > 1 && qint64(area.width()) * area.height() * fine * fine > kLargestLayer)
        --fine;
    QImage layer(area.size() * fine, QImage::Format_ARGB32_Premultiplied);
    if (layer.isNull())
        return false;
    layer.setDotsPerMeterX(kSurfaceDotsPerMeter);
    layer.setDotsPerMeterY(kSurfaceDotsPerMeter);
    layer.fill(Qt::transparent);
    paintStamp(layer,
        viewedToTarget * QTransform::fromTranslate(-area.x(), -area.y())
            * QTransform::fromScale(fine, fine),
        *layout, QPainter::Antialiasing | QPainter::TextAntialiasing);
    QPainter painter(&target);
    painter.drawImage(area.topLeft(),
        fine == 1 ? layer
                  : layer.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return true;
}

} // namespace kalvora
