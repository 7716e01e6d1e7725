// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Paints the example pictures that ship in the "Samples" folder, and photo-like pictures of any
// size for screenshots and measurements. Everything is drawn here from a fixed seed, so every
// build makes the same pictures and none is taken from elsewhere.
//
//   kalvora-make-samples FOLDER               the sample pictures, into FOLDER
//   kalvora-make-samples --photo W H FILE     one landscape of W x H pixels (format by extension)

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

struct Palette
{
    QColor skyTop, skyHorizon, sun, farHills, nearHills, water, trees;
};

const Palette kMorning {QColor(58, 110, 190), QColor(236, 214, 170), QColor(255, 246, 214),
    QColor(120, 138, 170), QColor(64, 96, 84), QColor(70, 110, 150), QColor(24, 52, 36)};
const Palette kEvening {QColor(40, 30, 90), QColor(250, 150, 80), QColor(255, 220, 150),
    QColor(120, 70, 110), QColor(60, 40, 70), QColor(90, 60, 100), QColor(25, 15, 30)};
const Palette kAutumn {QColor(110, 160, 215), QColor(225, 232, 236), QColor(255, 255, 240),
    QColor(150, 120, 90), QColor(170, 90, 30), QColor(80, 100, 110), QColor(120, 40, 20)};

// A ridge line across the picture by midpoint displacement: the outline of a range of hills.
QList<double> ridge(int points, double roughness, std::mt19937 &random)
{
    QList<double> heights(points, 0.0);
    std::uniform_real_distribution<double> offset(-1.0, 1.0);
    double spread = 1.0;
    for (int step = points - 1; step > 1; step /= 2) {
        for (int i = step / 2; i < points; i += step) {
            const int left = i - step / 2;
            const int right = qMin(points - 1, i + step / 2);
            heights[i] = (heights[left] + heights[right]) / 2 + offset(random) * spread;
        }
        spread *= roughness;
    }
    return heights;
}

QPainterPath hills(const QSizeF &size, double baseline, double amplitude, std::mt19937 &random)
{
    const QList<double> heights = ridge(257, 0.55, random);
    QPainterPath path(QPointF(0, size.height()));
    for (qsizetype i = 0; i < heights.size(); ++i)
        path.lineTo(size.width() * double(i) / double(heights.size() - 1),
            baseline - amplitude * (0.5 + 0.5 * heights[i]));
    path.lineTo(size.width(), size.height());
    path.closeSubpath();
    return path;
}

void drawTree(QPainter &painter, QPointF foot, double height, const QColor &color)
{
    QPainterPath crown;
    const double width = height * 0.36;
    for (int tier = 0; tier < 4; ++tier) {
        const double top = foot.y() - height * (1.0 - tier * 0.2);
        const double bottom = foot.y() - height * (0.45 - tier * 0.12);
        crown.addPolygon(QPolygonF(
            {QPointF(foot.x(), top), QPointF(foot.x() - width * (0.5 + tier * 0.15), bottom),
                QPointF(foot.x() + width * (0.5 + tier * 0.15), bottom)}));
    }
    painter.fillPath(crown, color);
    painter.fillRect(
        QRectF(foot.x() - width * 0.06, foot.y() - height * 0.12, width * 0.12, height * 0.12),
        color.darker(150));
}

// Film grain: a little noise on every pixel, so the pictures compress and scale like photos.
void addGrain(QImage &image, std::mt19937 &random)
{
    std::normal_distribution<double> grain(0.0, 3.0);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(std::lround(grain(random)));
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + n, 255), qBound(0, qGreen(p) + n, 255),
                qBound(0, qBlue(p) + n, 255));
        }
    }
}

// A landscape: sky with the sun, two ranges of hills, a lake mirroring them, a row of trees.
QImage landscape(int width, int height, const Palette &palette, unsigned seed)
{
    std::mt19937 random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    const QSizeF size(width, height);
    const double horizon = height * 0.62;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, horizon);
        sky.setColorAt(0, palette.skyTop);
        sky.setColorAt(1, palette.skyHorizon);
        painter.fillRect(QRectF(0, 0, width, horizon), sky);

        const QPointF sunAt(width * 0.68, horizon * 0.55);
        QRadialGradient glow(sunAt, height * 0.35);
        glow.setColorAt(0, palette.sun);
        QColor fade = palette.sun;
        fade.setAlpha(0);
        glow.setColorAt(1, fade);
        painter.fillRect(QRectF(0, 0, width, horizon), glow);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.sun);
        painter.drawEllipse(sunAt, height * 0.04, height * 0.04);

        painter.fillPath(
            hills(size, horizon - height * 0.05, height * 0.3, random), palette.farHills);
        painter.fillPath(
            hills(size, horizon + height * 0.01, height * 0.16, random), palette.nearHills);

        // The lake mirrors everything above the horizon, darker and a little blurred by ripples.
        const QImage above = image.copy(0, int(horizon * 2 - height), width, height - int(horizon))
                                 .mirrored(false, true);
        painter.setOpacity(0.55);
        painter.drawImage(QPointF(0, horizon), above);
        painter.setOpacity(0.45);
        painter.fillRect(QRectF(0, horizon, width, height - horizon), palette.water);
        painter.setOpacity(1.0);
        std::uniform_real_distribution<double> ripple(0.0, 1.0);
        painter.setPen(QPen(palette.skyHorizon.lighter(110), qMax(1.0, height / 600.0)));
        for (int i = 0; i < 60; ++i) {
            const double y = horizon + (height - horizon) * std::pow(ripple(random), 1.6);
            const double x = width * ripple(random);
            painter.drawLine(QPointF(x, y), QPointF(x + width * 0.05 * ripple(random), y));
        }

        std::uniform_real_distribution<double> place(0.0, 1.0);
        for (int i = 0; i < 14; ++i) {
            const double x = width * (i < 7 ? 0.02 + 0.03 * i : 0.78 + 0.03 * (i - 7));
            drawTree(painter, QPointF(x + width * 0.01 * place(random), horizon + height * 0.02),
                height * (0.16 + 0.1 * place(random)), palette.trees);
        }
    }
    addGrain(image, random);
    return image;
}

bool save(const QImage &image, const QString &path)
{
    const bool saved = path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)
        ? image.save(path, "jpeg", 92)
        : image.save(path);
    if (!saved)
        std::fprintf(stderr, "kalvora-make-samples: cannot write %s\n", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (args.size() == 4 && args[0] == QLatin1String("--photo")) {
        const int width = args[1].toInt();
        const int height = args[2].toInt();
        if (width < 16 || height < 16)
            return 2;
        return save(landscape(width, height, kMorning, 2021), args[3]) ? 0 : 1;
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: kalvora-make-samples FOLDER | --photo WIDTH HEIGHT FILE\n");
        return 2;
    }
    const QDir folder(args[0]);
    if (!QDir().mkpath(folder.path()))
        return 1;
    const bool saved = save(landscape(1600, 1200, kMorning, 831),
                           folder.filePath(QStringLiteral("Lakeside Morning.jpg")))
        && save(landscape(1024, 768, kEvening, 1723),
            folder.filePath(QStringLiteral("Lake at Dusk.png")))
        && save(landscape(900, 1200, kAutumn, 4242),
            folder.filePath(QStringLiteral("Autumn Hills.jpg")));
    return saved ? 0 : 1;
}
