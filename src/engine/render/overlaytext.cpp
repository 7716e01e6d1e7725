// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/overlaytext.h"

#include "engine/codecs/worksurface.h"
#include "engine/render/stampfont.h"
#include "options/stampoptions.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace kalvora {

namespace {

// How much finer than a smaller copy its stamp is drawn before it is averaged down, at most.
constexpr int kLargestOversampling = 8;
// The most pixels that finer layer has (64 MB), for a stamp over most of a large preview.
constexpr qint64 kLargestLayer = 16 << 20;

// Twips to pixels at 96 dots per inch.
constexpr double kTwipsPerPixel = 15.0;
constexpr double kLeftMargin = 10 / kTwipsPerPixel;
constexpr double kTopMargin = 10 / kTwipsPerPixel;
constexpr double kRightMargin = 70 / kTwipsPerPixel;
constexpr double kBottomMargin = 30 / kTwipsPerPixel;

enum class Horizontal { Left, Right, Center };
enum class Vertical { Top, Bottom, Center };

struct Placement
{
    Horizontal horizontal;
    Vertical vertical;
};

std::optional<Placement> placementOf(const QString &caption)
{
    static constexpr Placement kPlacements[] = {
        {Horizontal::Left, Vertical::Top}, // Upper-Left
        {Horizontal::Right, Vertical::Top}, // Upper-Right
        {Horizontal::Left, Vertical::Bottom}, // Lower-Left
        {Horizontal::Right, Vertical::Bottom}, // Lower-Right
        {Horizontal::Center, Vertical::Top}, // Center-Top
        {Horizontal::Left, Vertical::Center}, // Center-Left
        {Horizontal::Right, Vertical::Center}, // Center-Right
        {Horizontal::Center, Vertical::Bottom}, // Center-Bottom
        {Horizontal::Center, Vertical::Center}, // Center
    };
    const qsizetype index = stampPositionCaptions().indexOf(caption);
    if (index < 0 || index >= qsizetype(std::size(kPlacements)))
        return std::nullopt;
    return kPlacements[index];
}

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

namespace {

// Where each line of a stamp goes on a stored surface of a given size, computed once for the
// drawing and for the bounds of what it may change.
struct StampLayout
{
    QStringList lines;
    QList<QPoint> origins; // baseline starts, on the picture as viewed
    QList<double> advances;
    double ascent = 0;
    double lineHeight = 0;
    QTransform toStored;
    QSize viewed;
};

std::optional<StampLayout> layOut(const QSize &surfaceSize, const QPaintDevice &measure,
    const QString &text, const QString &positionCaption, const QFont &font, int orientation)
{
    if (text.isEmpty() || surfaceSize.isEmpty())
        return std::nullopt;
    const auto placement = placementOf(positionCaption);
    if (!placement)
        return std::nullopt;

    StampLayout layout;
    QString joined = text;
    joined.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    layout.lines = joined.split(QLatin1Char('\n'));

    // Measured on the surface's own resolution, so sizes in points follow its 96 dots per inch.
    const QFontMetricsF metrics(font, &measure);
    double textWidth = 0;
    for (const QString &line : std::as_const(layout.lines)) {
        layout.advances << metrics.horizontalAdvance(line);
        textWidth = std::max(textWidth, layout.advances.last());
    }
    layout.ascent = metrics.ascent();
    layout.lineHeight = metrics.height();
    const double textHeight = layout.lineHeight * layout.lines.size();
    // The layout is that of the picture as viewed: sideways pictures swap their sides.
    layout.toStored = viewedToStored(orientation, surfaceSize);
    layout.viewed = layout.toStored.mapRect(QRect(QPoint(0, 0), surfaceSize)).size();
    const double width = layout.viewed.width();
    const double height = layout.viewed.height();

    double x = 0;
    switch (placement->horizontal) {
    case Horizontal::Left:
        x = kLeftMargin;
        break;
    case Horizontal::Right:
        x = width - textWidth - kRightMargin;
        break;
    case Horizontal::Center:
        x = width / 2 - textWidth / 2;
        break;
    }
    double y = 0;
    switch (placement->vertical) {
    case Vertical::Top:
        y = kTopMargin;
        break;
    case Vertical::Bottom:
        y = height - textHeight - kBottomMargin;
        break;
    case Vertical::Center:
        y = height / 2 - textHeight / 2;
        break;
    }

    for (qsizetype i = 0; i < layout.lines.size(); ++i) {
        // Left-hand positions print the text as one block, whose later lines start at the
        // surface's left edge; the others align every line on the widest line's x.
        const double lineX = placement->horizontal == Horizontal::Left && i > 0 ? 0.0 : x;
        const double top = y + i * layout.lineHeight;
        layout.origins << QPoint(qRound(lineX), qRound(top + layout.ascent));
    }
    return layout;
}

// The rectangle around the lines on the picture as viewed, with a margin of a line's height
// all round that holds whatever reaches past the advance (italic overhang, antialiasing,
// underline), cut to the picture.
QRect viewedBlock(const StampLayout &layout)
{
    const int pad = qCeil(layout.lineHeight);
    QRect block;
    for (qsizetype i = 0; i < layout.lines.size(); ++i)
        block |= QRect(layout.origins[i].x() - pad,
            qFloor(layout.origins[i].y() - layout.ascent) - pad,
            qCeil(layout.advances[i]) + 2 * pad, qCeil(layout.lineHeight) + 2 * pad);
    return block & QRect(QPoint(0, 0), layout.viewed);
}

void drawLayout(QImage &target, const QPoint &targetOrigin, const StampLayout &layout,
    const QFont &font, const QColor &color)
{
    const auto drawLines = [&](QPaintDevice *device, const QPoint &offset) {
        QPainter painter(device);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(color);
        for (qsizetype i = 0; i < layout.lines.size(); ++i)
            painter.drawText(layout.origins[i] - offset, layout.lines[i]);
    };
    if (layout.toStored.isIdentity()) {
        drawLines(&target, targetOrigin);
        return;
    }

    // A turned picture gets the stamp drawn upright on a transparent layer around the text,
    // which is then laid onto the stored pixels turned by whole quarters. The glyphs are thus
    // rasterised exactly as on an upright picture: text drawn through a turned painter loses
    // its hinting and looks different from one orientation to the next.
    const QRect block = viewedBlock(layout);
    if (block.isEmpty())
        return;
    QImage layer(block.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDotsPerMeterX(target.dotsPerMeterX());
    layer.setDotsPerMeterY(target.dotsPerMeterY());
    layer.fill(Qt::transparent);
    drawLines(&layer, block.topLeft());

    QPainter painter(&target);
    painter.setTransform(
        layout.toStored * QTransform::fromTranslate(-targetOrigin.x(), -targetOrigin.y()));
    painter.drawImage(block.topLeft(), layer);
}

} // namespace

void OverlayText(QImage &surface, const QString &text, const QString &positionCaption,
    const QFont &font, const QColor &color, int orientation)
{
    if (surface.isNull())
        return;
    if (const auto layout
        = layOut(surface.size(), surface, text, positionCaption, font, orientation))
        drawLayout(surface, QPoint(), *layout, font, color);
}

QRect overlayTextBounds(const QSize &surfaceSize, const QPaintDevice &resolution,
    const QString &text, const QString &positionCaption, const QFont &font, int orientation)
{
    const auto layout = layOut(surfaceSize, resolution, text, positionCaption, font, orientation);
    if (!layout)
        return {};
    return layout->toStored.mapRect(viewedBlock(*layout)) & QRect(QPoint(0, 0), surfaceSize);
}

void overlayTextOnPart(QImage &part, const QPoint &partOrigin, const QSize &surfaceSize,
    const QString &text, const QString &positionCaption, const QFont &font, const QColor &color,
    int orientation)
{
    if (part.isNull())
        return;
    if (const auto layout = layOut(surfaceSize, part, text, positionCaption, font, orientation))
        drawLayout(part, partOrigin, *layout, font, color);
}

bool overlayTextScaled(QImage &target, const QTransform &surfaceToTarget, const QSize &surfaceSize,
    const QString &text, const QString &positionCaption, const QFont &font, const QColor &color,
    int orientation)
{
    QImage resolution(1, 1, QImage::Format_RGB32);
    resolution.setDotsPerMeterX(kSurfaceDotsPerMeter);
    resolution.setDotsPerMeterY(kSurfaceDotsPerMeter);
    const auto layout = layOut(surfaceSize, resolution, text, positionCaption, font, orientation);
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
    {
        QPainter painter(&layer);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.setTransform(viewedToTarget * QTransform::fromTranslate(-area.x(), -area.y())
            * QTransform::fromScale(fine, fine));
        painter.setFont(font);
        painter.setPen(color);
        for (qsizetype i = 0; i < layout->lines.size(); ++i)
            painter.drawText(layout->origins[i], layout->lines[i]);
    }
    QPainter painter(&target);
    painter.drawImage(area.topLeft(),
        fine == 1 ? layer
                  : layer.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return true;
}

} // namespace kalvora
