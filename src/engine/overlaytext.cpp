// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "overlaytext.h"

#include "stampfont.h"
#include "stampoptions.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <QtMath>

#include <algorithm>

namespace {

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
    const qsizetype index = StampPositionCaptions().indexOf(caption);
    if (index < 0 || index >= qsizetype(std::size(kPlacements)))
        return std::nullopt;
    return kPlacements[index];
}

} // namespace

QTransform ViewedToStored(int orientation, const QSize &storedSize)
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

QFont StampFont(const StampOptions &options)
{
    QFont font = FontOfChoice(options.font());
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return font;
}

QColor StampColor(quint32 value)
{
    return ColorOfValue(value);
}

void OverlayText(QImage &surface, const QString &text, const QString &positionCaption,
    const QFont &font, const QColor &color, int orientation)
{
    if (text.isEmpty() || surface.isNull())
        return;
    const auto placement = placementOf(positionCaption);
    if (!placement)
        return;

    QString joined = text;
    joined.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QStringList lines = joined.split(QLatin1Char('\n'));

    // Measured on the surface itself, so sizes in points follow its 96 dots per inch.
    const QFontMetricsF metrics(font, &surface);
    double textWidth = 0;
    for (const QString &line : lines)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const double lineHeight = metrics.height();
    const double textHeight = lineHeight * lines.size();
    // The layout is that of the picture as viewed: sideways pictures swap their sides.
    const QTransform toStored = ViewedToStored(orientation, surface.size());
    const QSize viewed = toStored.mapRect(QRect(QPoint(0, 0), surface.size())).size();
    const double width = viewed.width();
    const double height = viewed.height();

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

    QList<QPoint> origins;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Left-hand positions print the text as one block, whose later lines start at the
        // surface's left edge; the others align every line on the widest line's x.
        const double lineX = placement->horizontal == Horizontal::Left && i > 0 ? 0.0 : x;
        const double top = y + i * lineHeight;
        origins << QPoint(qRound(lineX), qRound(top + metrics.ascent()));
    }

    const auto drawLines = [&](QPaintDevice *device, const QPoint &offset) {
        QPainter painter(device);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(color);
        for (qsizetype i = 0; i < lines.size(); ++i)
            painter.drawText(origins[i] - offset, lines[i]);
    };
    if (toStored.isIdentity()) {
        drawLines(&surface, QPoint());
        return;
    }

    // A turned picture gets the stamp drawn upright on a transparent layer around the text,
    // which is then laid onto the stored pixels turned by whole quarters. The glyphs are thus
    // rasterised exactly as on an upright picture: text drawn through a turned painter loses
    // its hinting and looks different from one orientation to the next.
    const int pad = qCeil(lineHeight);
    QRect block;
    for (qsizetype i = 0; i < lines.size(); ++i)
        block |= QRect(origins[i].x() - pad, qFloor(origins[i].y() - metrics.ascent()) - pad,
            qCeil(metrics.horizontalAdvance(lines[i])) + 2 * pad, qCeil(lineHeight) + 2 * pad);
    block &= QRect(QPoint(0, 0), viewed);
    if (block.isEmpty())
        return;
    QImage layer(block.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDotsPerMeterX(surface.dotsPerMeterX());
    layer.setDotsPerMeterY(surface.dotsPerMeterY());
    layer.fill(Qt::transparent);
    drawLines(&layer, block.topLeft());

    QPainter painter(&surface);
    painter.setTransform(toStored);
    painter.drawImage(block.topLeft(), layer);
}
