// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/stamplayout.h"

#include "engine/render/overlaytext.h"
#include "engine/render/stampfont.h"
#include "options/stampoptions.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <QtMath>

#include <algorithm>

namespace kalvora {

namespace {

// Twips to pixels at 96 dots per inch: the stamp layout's own margins.
constexpr double kTwipsPerPixel = 15.0;
const QMarginsF kLayoutMargins(
    10 / kTwipsPerPixel, 10 / kTwipsPerPixel, 70 / kTwipsPerPixel, 30 / kTwipsPerPixel);

// The styles' measures, in parts of the line height.
constexpr double kShadowOffset = 0.06;
constexpr double kShadowSoftness = 0.05;
constexpr double kBoxPadding = 0.2;

// The size at which a font's proportions are measured: large enough that the metrics' rounding
// to 1/64 pixel is lost.
constexpr int kReferencePixelSize = 512;

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

// Sets the font in which one line (ascent plus descent) is \a lineHeight pixels high. Qt loads
// a font only at a whole number of pixels, so the glyphs are drawn from the next whole size up
// scaled down to the exact one, unhinted: the stamp then keeps its proportion to the picture at
// every size rather than jumping from one whole size to the next.
void setLineHeight(StampLayout &layout, QFont font, double lineHeight, const QPaintDevice &measure)
{
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(kReferencePixelSize);
    const double referenceHeight = QFontMetricsF(font, &measure).height();
    if (referenceHeight <= 0) {
        layout.font = QFont(font, &measure);
        return;
    }
    const double pixelSize = kReferencePixelSize * lineHeight / referenceHeight;
    const int whole = std::max(1, qCeil(pixelSize));
    font.setPixelSize(whole);
    layout.font = QFont(font, &measure);
    layout.fontScale = pixelSize / whole;
}

// The style's colour and measures, and how far it reaches past the lines' cells.
void setStyle(StampLayout &layout, const TextStamp &stamp)
{
    const StampLook &look = stamp.look;
    const double height = layout.lineHeight;
    layout.style = look.style;
    layout.styleColor = colorOfValue(styleColorFor(look, valueOfColor(stamp.color)));
    switch (look.style) {
    case TextStyle::Plain:
        break;
    case TextStyle::Outline: {
        layout.outlineWidth = std::clamp(look.outlineWidth, 1, 25) / 100.0 * height;
        const double w = layout.outlineWidth;
        layout.reach = QMarginsF(w, w, w, w);
        break;
    }
    case TextStyle::Shadow: {
        layout.shadowOffset = kShadowOffset * height;
        layout.shadowSoftness = kShadowSoftness * height;
        const double before = std::max(0.0, layout.shadowSoftness - layout.shadowOffset);
        const double after = layout.shadowOffset + layout.shadowSoftness;
        layout.reach = QMarginsF(before, before, after, after);
        break;
    }
    case TextStyle::Box: {
        layout.styleColor.setAlphaF(float(std::clamp(look.boxOpacity, 0, 100) / 100.0));
        const double pad = kBoxPadding * height;
        layout.reach = QMarginsF(pad, pad, pad, pad);
        break;
    }
    }
}

// Places the lines within \a margins, the style's reach kept inside them too.
void place(StampLayout &layout, const Placement &placement, const QMarginsF &margins,
    bool laterLinesAtMargin)
{
    const double textWidth = *std::max_element(layout.advances.cbegin(), layout.advances.cend());
    const double textHeight = layout.lineHeight * layout.lines.size();
    const QMarginsF &reach = layout.reach;
    const double width = layout.viewed.width();
    const double height = layout.viewed.height();

    double x = 0;
    switch (placement.horizontal) {
    case Horizontal::Left:
        x = margins.left() + reach.left();
        break;
    case Horizontal::Right:
        x = width - textWidth - margins.right() - reach.right();
        break;
    case Horizontal::Center:
        x = width / 2 - textWidth / 2;
        break;
    }
    double y = 0;
    switch (placement.vertical) {
    case Vertical::Top:
        y = margins.top() + reach.top();
        break;
    case Vertical::Bottom:
        y = height - textHeight - margins.bottom() - reach.bottom();
        break;
    case Vertical::Center:
        y = height / 2 - textHeight / 2;
        break;
    }

    // Left-hand positions print the text as one block, whose later lines start at the
    // surface's left edge (at the margin when the margin is a share of the picture); the others
    // align every line on the widest line's x.
    const double laterX = (laterLinesAtMargin ? margins.left() : 0.0) + reach.left();
    for (qsizetype i = 0; i < layout.lines.size(); ++i) {
        const double lineX = placement.horizontal == Horizontal::Left && i > 0 ? laterX : x;
        const double top = y + i * layout.lineHeight;
        layout.origins << QPoint(qRound(lineX), qRound(top + layout.ascent));
    }
}

// The box behind the lines' cells, padded, on whole pixels so its edges are sharp.
QRect boxAround(const StampLayout &layout)
{
    QRectF cells;
    for (qsizetype i = 0; i < layout.lines.size(); ++i)
        cells |= QRectF(layout.origins[i].x(), layout.origins[i].y() - layout.ascent,
            layout.advances[i], layout.lineHeight);
    cells = cells.marginsAdded(layout.reach);
    return QRect(QPoint(qRound(cells.left()), qRound(cells.top())),
        QPoint(qRound(cells.right()) - 1, qRound(cells.bottom()) - 1));
}

} // namespace

std::optional<StampLayout> layOutStamp(
    const QSize &surfaceSize, const QPaintDevice &measure, const TextStamp &stamp, int orientation)
{
    if (stamp.text.isEmpty() || surfaceSize.isEmpty())
        return std::nullopt;
    const auto placement = placementOf(stamp.position);
    if (!placement)
        return std::nullopt;

    StampLayout layout;
    QString joined = stamp.text;
    joined.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    layout.lines = joined.split(QLatin1Char('\n'));
    // The layout is that of the picture as viewed: sideways pictures swap their sides.
    layout.toStored = viewedToStored(orientation, surfaceSize);
    layout.viewed = layout.toStored.mapRect(QRect(QPoint(0, 0), surfaceSize)).size();
    const double shorter = std::min(layout.viewed.width(), layout.viewed.height());

    const StampLook &look = stamp.look;
    if (look.sizeMode == SizeMode::Percent)
        setLineHeight(layout, stamp.font,
            std::clamp(look.sizePercent, StampLook::kLeastSizePercent, StampLook::kMostSizePercent)
                / 100 * shorter,
            measure);
    else
        layout.font = QFont(stamp.font, &measure);

    // Measured on the surface's own resolution, so sizes in points follow its 96 dots per inch.
    const QFontMetricsF metrics(layout.font, &measure);
    for (const QString &line : std::as_const(layout.lines))
        layout.advances << metrics.horizontalAdvance(line) * layout.fontScale;
    layout.ascent = metrics.ascent() * layout.fontScale;
    layout.lineHeight = metrics.height() * layout.fontScale;
    layout.color = stamp.color;
    setStyle(layout, stamp);

    const bool percentMargin = look.marginMode == MarginMode::Percent;
    const double margin = std::clamp(look.marginPercent, 0.0, 25.0) / 100 * shorter;
    place(layout, *placement,
        percentMargin ? QMarginsF(margin, margin, margin, margin) : kLayoutMargins, percentMargin);
    if (layout.style == TextStyle::Box)
        layout.box = boxAround(layout);
    return layout;
}

QRect viewedBlock(const StampLayout &layout)
{
    const int pad = qCeil(layout.lineHeight);
    const QMargins reach(qCeil(layout.reach.left()), qCeil(layout.reach.top()),
        qCeil(layout.reach.right()), qCeil(layout.reach.bottom()));
    QRect block = layout.box;
    for (qsizetype i = 0; i < layout.lines.size(); ++i)
        block |= QRect(layout.origins[i].x() - pad,
            qFloor(layout.origins[i].y() - layout.ascent) - pad,
            qCeil(layout.advances[i]) + 2 * pad, qCeil(layout.lineHeight) + 2 * pad)
                     .marginsAdded(reach);
    return block & QRect(QPoint(0, 0), layout.viewed);
}

} // namespace kalvora
