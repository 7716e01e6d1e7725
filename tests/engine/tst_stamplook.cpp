// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/worksurface.h"
#include "engine/render/overlaytext.h"
#include "options/stampoptions.h"
#include "stampmeasure.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTest>
#include <QTransform>

#include <QtMath>

using namespace kalvora;
using namespace StampMeasure;

Q_DECLARE_METATYPE(TextStyle)

namespace {

const QRgb kGrey = qRgb(128, 128, 128);
const QString kDate = QStringLiteral("2026-12-08 13:14");
const QString kGlyphs = QStringLiteral("Hg 2026");

QImage greySurface(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kGrey);
    image.setDotsPerMeterX(kSurfaceDotsPerMeter);
    image.setDotsPerMeterY(kSurfaceDotsPerMeter);
    return image;
}

// The default options' stamp (bold Arial, white) in \a pointSize with \a look.
TextStamp stampOf(
    const QString &text, const QString &position, const StampLook &look, double pointSize = 14)
{
    StampOptions options;
    options.font.pointSize = pointSize;
    options.position = stampPositionNamed(position);
    options.look = look;
    return textStampOf(options, text);
}

// Which pixels of \a image differ from the grey it was drawn on.
QList<QPoint> changedPixels(const QImage &image)
{
    QList<QPoint> changed;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (difference(image.pixel(x, y), kGrey) > 0)
                changed << QPoint(x, y);
    return changed;
}

QRect boundsOf(const QList<QPoint> &pixels)
{
    QRect box;
    for (const QPoint &p : pixels)
        box |= QRect(p, QSize(1, 1));
    return box;
}

} // namespace

/// The stamp's looks, measured on the pixels they change on a uniform grey picture.
class TestStampLook : public QObject
{
    Q_OBJECT

private slots:
    void sizeInPercentFollowsTheShorterSide_data();
    void sizeInPercentFollowsTheShorterSide();
    void stylesDrawAroundTheGlyphsOnly_data();
    void stylesDrawAroundTheGlyphsOnly();
    void boxCoversByItsOpacity_data();
    void boxCoversByItsOpacity();
    void marginInPercentKeepsTheStampFromEveryEdge_data();
    void marginInPercentKeepsTheStampFromEveryEdge();
};

void TestStampLook::sizeInPercentFollowsTheShorterSide_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("orientation");
    QTest::newRow("landscape 1600x1200") << 1600 << 1200 << 1;
    QTest::newRow("portrait 1200x1600") << 1200 << 1600 << 1;
    QTest::newRow("portrait 3000x4000 stored sideways") << 4000 << 3000 << 6;
}

void TestStampLook::sizeInPercentFollowsTheShorterSide()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, orientation);
    StampLook look;
    look.sizeMode = SizeMode::Percent;
    look.sizePercent = 4;
    const QImage blank = greySurface(width, height);
    QImage surface = blank;
    OverlayText(surface, stampOf(kDate, QStringLiteral("Center"), look), orientation);

    // One line is 4 % of the shorter side, so the digits' ink is that share of the font's own
    // ink per line height. The sideways photo's text runs down its stored pixels.
    const double expected = 0.04 * inkPerLineHeight(stampFont(StampOptions {}), kDate);
    const double measured
        = inkExtent(surface, blank, orientation == 6 ? Qt::Vertical : Qt::Horizontal)
        / double(std::min(width, height));
    QVERIFY2(qAbs(measured / expected - 1) < 0.03,
        qPrintable(QStringLiteral("%1 against %2").arg(measured).arg(expected)));
}

void TestStampLook::stylesDrawAroundTheGlyphsOnly_data()
{
    QTest::addColumn<TextStyle>("style");
    QTest::addColumn<int>("outlineWidth");
    // How far, in line heights, the style may reach past the plain glyphs before them (left
    // and up) and after them (right and down), and how far it reaches after them at least.
    QTest::addColumn<double>("before");
    QTest::addColumn<double>("after");
    QTest::addColumn<double>("leastAfter");
    QTest::newRow("outline") << TextStyle::Outline << 8 << 0.08 << 0.08 << 0.08;
    QTest::newRow("wide outline") << TextStyle::Outline << 20 << 0.2 << 0.2 << 0.2;
    QTest::newRow("shadow, down and right") << TextStyle::Shadow << 8 << 0.0 << 0.15 << 0.06;
    // The box pads the line's cell, which reaches above the capitals.
    QTest::newRow("box") << TextStyle::Box << 8 << 0.45 << 0.45 << 0.2;
}

void TestStampLook::stylesDrawAroundTheGlyphsOnly()
{
    QFETCH(TextStyle, style);
    QFETCH(int, outlineWidth);
    QFETCH(double, before);
    QFETCH(double, after);
    QFETCH(double, leastAfter);
    const QString centre = QStringLiteral("Center");
    QImage plain = greySurface(480, 200);
    OverlayText(plain, stampOf(kGlyphs, centre, {}, 30));
    StampLook look;
    look.style = style;
    look.outlineWidth = outlineWidth;
    QImage styled = greySurface(480, 200);
    OverlayText(styled, stampOf(kGlyphs, centre, look, 30));

    StampOptions options;
    options.font.pointSize = 30;
    const double line = QFontMetricsF(stampFont(options), &plain).height();
    const QList<QPoint> glyphs = changedPixels(plain);
    const QList<QPoint> drawn = changedPixels(styled);
    QVERIFY(glyphs.size() > 500);
    // The glyphs are drawn where they were, over the style: the pixels they cover wholly keep
    // the ink (within the rounding of a layer laid over the picture).
    int inked = 0;
    for (const QPoint &p : glyphs)
        if (plain.pixel(p) == qRgb(255, 255, 255)) {
            QVERIFY(difference(styled.pixel(p), qRgb(255, 255, 255)) <= 1);
            ++inked;
        }
    QVERIFY(inked > 200);
    QVERIFY(drawn.size() > glyphs.size() * 6 / 5);

    const QRect g = boundsOf(glyphs);
    const QRect d = boundsOf(drawn);
    const int most = qCeil(after * line) + 1;
    QVERIFY2(
        g.left() - d.left() <= qCeil(before * line) + 1, qPrintable(QString::number(d.left())));
    QVERIFY(g.top() - d.top() <= qCeil(before * line) + 1);
    QVERIFY2(d.right() - g.right() <= most && d.bottom() - g.bottom() <= most,
        qPrintable(QStringLiteral("%1 %2").arg(d.right()).arg(d.bottom())));
    QVERIFY(d.right() - g.right() >= qFloor(leastAfter * line) - 1);
    QVERIFY(d.bottom() - g.bottom() >= qFloor(leastAfter * line) - 1);

    // Every pixel the style changes lies within its reach of a glyph's pixel.
    const int reach = qCeil(std::max(before, after) * line) + 1;
    QImage near(styled.size(), QImage::Format_Grayscale8);
    near.fill(0);
    for (const QPoint &p : glyphs)
        for (int y = p.y() - reach; y <= p.y() + reach; ++y)
            if (y >= 0 && y < near.height())
                std::fill_n(near.scanLine(y) + std::max(0, p.x() - reach),
                    std::min(near.width(), p.x() + reach + 1) - std::max(0, p.x() - reach), 1);
    for (const QPoint &p : drawn)
        QVERIFY2(near.constScanLine(p.y())[p.x()],
            qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
}

void TestStampLook::boxCoversByItsOpacity_data()
{
    QTest::addColumn<int>("opacity");
    QTest::newRow("60 %") << 60;
    QTest::newRow("25 %") << 25;
}

void TestStampLook::boxCoversByItsOpacity()
{
    QFETCH(int, opacity);
    StampLook look;
    look.style = TextStyle::Box;
    look.boxOpacity = opacity;
    look.styleColor = colorValue(200, 40, 0);
    const TextStamp stamp = stampOf(kGlyphs, QStringLiteral("Center"), look, 30);
    QImage surface = greySurface(480, 200);
    OverlayText(surface, stamp);
    const QRect box = boundsOf(changedPixels(surface));

    // A filled box over one line and a fifth of a line above and below it.
    StampOptions options;
    options.font.pointSize = 30;
    const double line = QFontMetricsF(stampFont(options), &surface).height();
    QVERIFY2(qAbs(box.height() - 1.4 * line) <= 2, qPrintable(QString::number(box.height())));
    QCOMPARE(changedPixels(surface.copy(box)).size(), qsizetype(box.width()) * box.height());
    const double a = opacity / 100.0;
    const QRgb blend = qRgb(qRound(200 * a + 128 * (1 - a)), qRound(40 * a + 128 * (1 - a)),
        qRound(0 * a + 128 * (1 - a)));
    for (const QPoint &corner : {box.topLeft() + QPoint(1, 1), box.bottomRight() - QPoint(1, 1)})
        QVERIFY2(difference(surface.pixel(corner), blend) <= 1,
            qPrintable(QString::number(surface.pixel(corner), 16)));

    // A copy half the size, as a thumbnail, gets the box at half the size.
    QImage half = greySurface(240, 100);
    QVERIFY(overlayTextScaled(half, QTransform::fromScale(0.5, 0.5), surface.size(), stamp));
    const QRect halfBox = boundsOf(changedPixels(half));
    QVERIFY(qAbs(halfBox.height() - box.height() / 2.0) <= 1.5);
    QVERIFY(qAbs(halfBox.width() - box.width() / 2.0) <= 1.5);
    QVERIFY(difference(half.pixel(halfBox.topLeft() + QPoint(1, 1)), blend) <= 2);
}

void TestStampLook::marginInPercentKeepsTheStampFromEveryEdge_data()
{
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("text");
    // Every line of a left-hand block keeps the margin, the later ones too.
    QTest::newRow("upper left, two lines")
        << QStringLiteral("Upper-Left") << QStringLiteral("Hg\r\nlonger line");
    QTest::newRow("lower right") << QStringLiteral("Lower-Right") << kGlyphs;
}

void TestStampLook::marginInPercentKeepsTheStampFromEveryEdge()
{
    QFETCH(QString, position);
    QFETCH(QString, text);
    StampLook look;
    look.style = TextStyle::Box;
    look.boxOpacity = 100;
    look.marginMode = MarginMode::Percent;
    look.marginPercent = 5;
    QImage surface = greySurface(800, 600);
    OverlayText(surface, stampOf(text, position, look, 20));
    // 5 % of the shorter side, 600, from the box's edges.
    const QRect box = boundsOf(changedPixels(surface));
    QVERIFY(!box.isEmpty());
    if (position == QLatin1String("Upper-Left")) {
        QVERIFY2(qAbs(box.left() - 30) <= 1, qPrintable(QString::number(box.left())));
        QVERIFY(qAbs(box.top() - 30) <= 1);
    } else {
        QVERIFY2(qAbs(799 - box.right() - 30) <= 1, qPrintable(QString::number(box.right())));
        QVERIFY(qAbs(599 - box.bottom() - 30) <= 1);
    }
}

// Fonts need a GUI application; the offscreen platform serves.
QTEST_MAIN(TestStampLook)
#include "tst_stamplook.moc"
