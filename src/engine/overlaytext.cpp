// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "overlaytext.h"

#include "stampfont.h"
#include "stampoptions.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

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
    const QFont &font, const QColor &color)
{
    if (text.isEmpty() || surface.isNull())
        return;
    const auto placement = placementOf(positionCaption);
    if (!placement)
        return;

    QString joined = text;
    joined.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QStringList lines = joined.split(QLatin1Char('\n'));

    QPainter painter(&surface);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(color);
    // Measured on the surface itself, so sizes in points follow its 96 dots per inch.
    const QFontMetricsF metrics(painter.font(), &surface);
    double textWidth = 0;
    for (const QString &line : lines)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const double lineHeight = metrics.height();
    const double textHeight = lineHeight * lines.size();
    const double width = surface.width();
    const double height = surface.height();

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

    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Left-hand positions print the text as one block, whose later lines start at the
        // surface's left edge; the others align every line on the widest line's x.
        const double lineX = placement->horizontal == Horizontal::Left && i > 0 ? 0.0 : x;
        const double top = y + i * lineHeight;
        painter.drawText(QPointF(qRound(lineX), qRound(top + metrics.ascent())), lines[i]);
    }
}
