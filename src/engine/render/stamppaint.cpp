// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/stamppaint.h"

#include "engine/render/stamplayout.h"

#include <QImage>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kalvora {

namespace {

// Box filters in a row come close to a Gaussian blur at a fraction of its cost.
constexpr int kBlurPasses = 3;

// Draws the lines in \a color, moved by \a shift on the picture as viewed.
void drawLines(QPainter &painter, const StampLayout &layout, const QColor &color,
    const QPointF &shift = QPointF())
{
    painter.setFont(layout.font);
    painter.setPen(color);
    for (qsizetype i = 0; i < layout.lines.size(); ++i) {
        const QPointF origin = QPointF(layout.origins[i]) + shift;
        if (layout.fontScale == 1) {
            painter.drawText(origin, layout.lines[i]);
            continue;
        }
        painter.save();
        painter.translate(origin);
        painter.scale(layout.fontScale, layout.fontScale);
        painter.drawText(QPointF(), layout.lines[i]);
        painter.restore();
    }
}

// The outlines of the glyphs, where drawLines puts them.
QPainterPath glyphOutlines(const StampLayout &layout)
{
    QPainterPath outlines;
    for (qsizetype i = 0; i < layout.lines.size(); ++i) {
        QPainterPath line;
        line.addText(QPointF(), layout.font, layout.lines[i]);
        QTransform place;
        place.translate(layout.origins[i].x(), layout.origins[i].y());
        place.scale(layout.fontScale, layout.fontScale);
        outlines.addPath(place.map(line));
    }
    return outlines;
}

// One box filter of \a radius along \a count pixels \a step apart; what lies beyond the ends
// counts as transparent. Premultiplied channels are averaged alike, which keeps them valid.
void boxFilter(quint32 *pixels, int count, qsizetype step, int radius, std::vector<quint32> &copy)
{
    copy.resize(size_t(count));
    for (int i = 0; i < count; ++i)
        copy[size_t(i)] = pixels[i * step];
    const int width = 2 * radius + 1;
    int sums[4] = {};
    const auto add = [&](int at, int sign) {
        if (at < 0 || at >= count)
            return;
        for (int c = 0; c < 4; ++c)
            sums[c] += sign * int(copy[size_t(at)] >> (8 * c) & 0xFF);
    };
    for (int at = -radius; at < radius; ++at)
        add(at, 1);
    for (int i = 0; i < count; ++i) {
        add(i + radius, 1);
        quint32 pixel = 0;
        for (int c = 0; c < 4; ++c)
            pixel |= quint32((sums[c] + width / 2) / width) << (8 * c);
        pixels[i * step] = pixel;
        add(i - radius, -1);
    }
}

void blur(QImage &image, int radius)
{
    if (radius < 1)
        return;
    std::vector<quint32> copy;
    const qsizetype stride = image.bytesPerLine() / 4;
    auto *bits = reinterpret_cast<quint32 *>(image.bits());
    for (int pass = 0; pass < kBlurPasses; ++pass) {
        for (int y = 0; y < image.height(); ++y)
            boxFilter(bits + y * stride, image.width(), 1, radius, copy);
        for (int x = 0; x < image.width(); ++x)
            boxFilter(bits + x, image.height(), stride, radius, copy);
    }
}

// The soft copy of the glyphs in the style colour, offset down and right, on a layer the size
// of \a image.
QImage shadowOf(const QImage &image, const QTransform &viewedToImage, const StampLayout &layout,
    QPainter::RenderHints hints)
{
    QImage shadow(image.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.setDotsPerMeterX(image.dotsPerMeterX());
    shadow.setDotsPerMeterY(image.dotsPerMeterY());
    shadow.fill(Qt::transparent);
    {
        QPainter painter(&shadow);
        painter.setRenderHints(hints);
        painter.setTransform(viewedToImage);
        drawLines(
            painter, layout, layout.styleColor, QPointF(layout.shadowOffset, layout.shadowOffset));
    }
    // The softness in the layer's pixels, spread over the passes.
    const double scale = std::sqrt(std::abs(viewedToImage.determinant()));
    blur(shadow, std::max(1, int(std::lround(layout.shadowSoftness * scale / kBlurPasses))));
    return shadow;
}

} // namespace

void paintStamp(QImage &image, const QTransform &viewedToImage, const StampLayout &layout,
    QPainter::RenderHints hints)
{
    const QImage shadow = layout.style == TextStyle::Shadow
        ? shadowOf(image, viewedToImage, layout, hints)
        : QImage();
    QPainter painter(&image);
    painter.setRenderHints(hints | QPainter::Antialiasing);
    switch (layout.style) {
    case TextStyle::Plain:
        break;
    case TextStyle::Outline:
        painter.setTransform(viewedToImage);
        painter.strokePath(glyphOutlines(layout),
            QPen(layout.styleColor, 2 * layout.outlineWidth, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin));
        break;
    case TextStyle::Shadow:
        painter.drawImage(QPoint(), shadow);
        break;
    case TextStyle::Box:
        painter.setTransform(viewedToImage);
        painter.fillRect(layout.box, layout.styleColor);
        break;
    }
    painter.setRenderHint(QPainter::Antialiasing, hints.testFlag(QPainter::Antialiasing));
    painter.setTransform(viewedToImage);
    drawLines(painter, layout, layout.color);
}

} // namespace kalvora
