// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Measures of a stamp taken on its pixels against an unstamped copy, and what they should be
// found from the font alone, drawn here with QPainter rather than through the stamp's code.

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace StampMeasure {

/// How far a pixel of \a a differs from \a b: the largest difference of its three channels.
inline int difference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
        std::abs(qBlue(a) - qBlue(b))});
}

/// How many rows (\a across horizontal) or columns (vertical) of \a stamped change strongly
/// against \a plain: by at least half the largest change of any pixel. Antialiased edges thus
/// count as far as they are half covered, and the faint ringing of a JPEG does not count.
inline int inkExtent(const QImage &stamped, const QImage &plain, Qt::Orientation across)
{
    const QImage a = stamped.convertToFormat(QImage::Format_RGB32);
    const QImage b = plain.convertToFormat(QImage::Format_RGB32);
    std::vector<int> largest(size_t(across == Qt::Horizontal ? a.height() : a.width()), 0);
    for (int y = 0; y < a.height(); ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            int &line = largest[size_t(across == Qt::Horizontal ? y : x)];
            line = std::max(line, difference(rowA[x], rowB[x]));
        }
    }
    const int top = *std::max_element(largest.cbegin(), largest.cend());
    if (top == 0)
        return 0;
    return int(
        std::count_if(largest.cbegin(), largest.cend(), [&](int v) { return 2 * v >= top; }));
}

/// The bounding box of the pixels of \a stamped that change strongly against \a plain: by at
/// least half the largest change of any pixel.
inline QRect strongBounds(const QImage &stamped, const QImage &plain)
{
    const QImage a = stamped.convertToFormat(QImage::Format_RGB32);
    const QImage b = plain.convertToFormat(QImage::Format_RGB32);
    int top = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            top = std::max(top, difference(a.pixel(x, y), b.pixel(x, y)));
    QRect bounds;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (top > 0 && 2 * difference(a.pixel(x, y), b.pixel(x, y)) >= top)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

/// The height of the ink of \a text in \a font as a share of one line of the font (ascent
/// plus descent), measured on the text drawn large.
inline double inkPerLineHeight(QFont font, const QString &text)
{
    constexpr int kPixels = 400;
    font.setPixelSize(kPixels);
    const QFontMetricsF metrics(font);
    QImage plain(int(metrics.horizontalAdvance(text)) + kPixels, 2 * kPixels, QImage::Format_RGB32);
    plain.fill(Qt::black);
    QImage drawn = plain;
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QPointF(kPixels / 2.0, kPixels * 1.5), text);
    }
    return inkExtent(drawn, plain, Qt::Horizontal) / metrics.height();
}

} // namespace StampMeasure
