// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/worksurface.h"
#include "engine/render/overlaytext.h"
#include "options/stampoptions.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvora;

namespace {

const QColor kBackground(48, 48, 48);
const QColor kInk = stampColor(colorValue(255, 255, 0));

QImage blankSurface(int width = 480, int height = 320)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBackground);
    image.setDotsPerMeterX(kSurfaceDotsPerMeter);
    image.setDotsPerMeterY(kSurfaceDotsPerMeter);
    return image;
}

// The bounding box of the pixels that differ from the background within rows [top, bottom).
QRect changedBox(const QImage &image, int top = 0, int bottom = -1)
{
    if (bottom < 0)
        bottom = image.height();
    QRect box;
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] & 0xFFFFFF) != (kBackground.rgb() & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

enum Column { Left, Right, Middle };
enum Row { Top, Bottom, Centre };

} // namespace

class TestOverlayText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The stamp's layout is measured on the metric-compatible face "Arial" resolves to.
        const QFont font = stampFont(StampOptions {});
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    }

    void landsWhereTheLayoutPutsIt_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("lines");
        const struct
        {
            const char *caption;
            Column column;
            Row row;
        } positions[] = {
            {"Upper-Left", Left, Top},
            {"Lower-Left", Left, Bottom},
            {"Center-Left", Left, Centre},
            {"Upper-Right", Right, Top},
            {"Lower-Right", Right, Bottom},
            {"Center-Right", Right, Centre},
            {"Center-Top", Middle, Top},
            {"Center-Bottom", Middle, Bottom},
            {"Center", Middle, Centre},
        };
        for (const auto &p : positions) {
            QTest::addRow("%s one line", p.caption)
                << QString::fromLatin1(p.caption) << int(p.column) << int(p.row)
                << QStringList {QStringLiteral("HEH 2021 EH")};
            // A short first line over a long one: every line must start at the block's x.
            QTest::addRow("%s two lines", p.caption)
                << QString::fromLatin1(p.caption) << int(p.column) << int(p.row)
                << QStringList {QStringLiteral("HEH"), QStringLiteral("HEH 1234 HEHEH")};
        }
    }

    void landsWhereTheLayoutPutsIt()
    {
        QFETCH(QString, caption);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QStringList, lines);

        QImage surface = blankSurface();
        const QFont font = stampFont(StampOptions {});
        OverlayText(surface, lines.join(QLatin1String("\r\n")), caption, font, kInk);

        // The layout in pixels: margins of 10, 70 and 30 twips, 15 twips to a pixel.
        const QFontMetricsF metrics(font, &surface);
        double tw = 0;
        for (const QString &line : lines)
            tw = std::max(tw, metrics.horizontalAdvance(line));
        const double lh = metrics.height();
        const double th = lh * lines.size();
        const double w = surface.width();
        const double h = surface.height();
        const double x = column == Left ? 10 / 15.0
            : column == Right           ? w - tw - 70 / 15.0
                                        : w / 2 - tw / 2;
        const double y = row == Top ? 10 / 15.0
            : row == Bottom         ? h - th - 30 / 15.0
                                    : h / 2 - th / 2;

        QList<int> lefts;
        for (int i = 0; i < lines.size(); ++i) {
            const double lineX = column == Left && i > 0 ? 0 : x;
            const double top = y + i * lh;
            const QRect box = changedBox(surface, int(top), int(top + lh));
            QVERIFY2(!box.isEmpty(), qPrintable(QStringLiteral("line %1 not drawn").arg(i)));
            // Glyph side bearings and rounding to the pixel grid leave a few pixels of play.
            const double right = lineX + metrics.horizontalAdvance(lines[i]);
            QVERIFY2(box.left() >= lineX - 1 && box.left() <= lineX + 3,
                qPrintable(QStringLiteral("line %1 left %2, expected %3")
                               .arg(i)
                               .arg(box.left())
                               .arg(lineX)));
            QVERIFY2(box.right() <= right + 1 && box.right() >= right - 4,
                qPrintable(QStringLiteral("line %1 right %2, expected %3")
                               .arg(i)
                               .arg(box.right())
                               .arg(right)));
            const double baseline = top + metrics.ascent();
            QVERIFY(box.top() >= top - 1);
            QVERIFY(box.top() <= baseline - metrics.capHeight() + 2);
            QVERIFY(qAbs(box.bottom() + 1 - baseline) <= 1.5);
            lefts << box.left();
        }
        // Every line starts with the same letter: a left-hand block's later lines start at the
        // edge, a pixel left of the first line's 10 twips; all other blocks share one x.
        if (lines.size() > 1)
            QCOMPARE(lefts[1], column == Left ? lefts[0] - 1 : lefts[0]);

        // Nothing outside the text block changed, and every changed pixel is the ink laid over
        // the background at some coverage: red and green rise together, blue never does.
        const QRect all = changedBox(surface);
        const double blockLeft = column == Left && lines.size() > 1 ? 0 : x;
        QVERIFY(all.left() >= blockLeft - 1);
        QVERIFY(all.right() <= x + tw + 1);
        QVERIFY(all.top() >= y - 1);
        QVERIFY(all.bottom() <= y + th + 1);
        bool fullInk = false;
        for (int py = all.top(); py <= all.bottom(); ++py)
            for (int px = all.left(); px <= all.right(); ++px) {
                const QColor c = surface.pixelColor(px, py);
                QVERIFY(qAbs(c.red() - c.green()) <= 2);
                QVERIFY(c.blue() <= kBackground.blue());
                fullInk = fullInk || c == kInk;
            }
        QVERIFY(fullInk);
    }

    void drawsNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty text") << QString() << QStringLiteral("Center");
        QTest::newRow("empty text upper left") << QString() << QStringLiteral("Upper-Left");
        QTest::newRow("no caption") << QStringLiteral("HEH") << QString();
        QTest::newRow("other letter case") << QStringLiteral("HEH") << QStringLiteral("center");
        QTest::newRow("unknown caption") << QStringLiteral("HEH") << QStringLiteral("Middle");
    }

    void drawsNothing()
    {
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QImage surface = blankSurface();
        const QImage before = surface;
        OverlayText(surface, text, caption, stampFont(StampOptions {}), kInk);
        QCOMPARE(surface, before);
    }

    void lineFeedAloneCutsLines()
    {
        QImage crlf = blankSurface();
        QImage lf = blankSurface();
        const QFont font = stampFont(StampOptions {});
        OverlayText(crlf, QStringLiteral("HEH\r\nHEH"), QStringLiteral("Center"), font, kInk);
        OverlayText(lf, QStringLiteral("HEH\nHEH"), QStringLiteral("Center"), font, kInk);
        QCOMPARE(lf, crlf);
        QVERIFY(changedBox(lf).height() > QFontMetricsF(font, &lf).height());
    }

    void textWiderThanThePictureIsClipped()
    {
        QImage surface = blankSurface(60, 40);
        const QFont font = stampFont(StampOptions {});
        OverlayText(
            surface, QStringLiteral("HEHEHEHEHEHE"), QStringLiteral("Upper-Right"), font, kInk);
        const QRect box = changedBox(surface);
        // The text starts left of the picture, so its visible part begins at the left edge
        // and still ends the right margin short of the right edge.
        QCOMPARE(box.left(), 0);
        QVERIFY(box.right() <= 60 - 70 / 15.0 + 1);
    }

    void underlineAndStrikethroughDraw_data()
    {
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("strikethru");
        QTest::newRow("underline") << true << false;
        QTest::newRow("strikethrough") << false << true;
    }

    void underlineAndStrikethroughDraw()
    {
        QFETCH(bool, underline);
        QFETCH(bool, strikethru);
        StampOptions options;
        QImage plain = blankSurface();
        OverlayText(
            plain, QStringLiteral("H H"), QStringLiteral("Center"), stampFont(options), kInk);
        options.font.underline = underline;
        options.font.strikeOut = strikethru;
        QImage styled = blankSurface();
        OverlayText(
            styled, QStringLiteral("H H"), QStringLiteral("Center"), stampFont(options), kInk);
        const QRect a = changedBox(plain);
        const QRect b = changedBox(styled);
        // The line joins the letters across the blank between them, at the middle column.
        const int middle = a.center().x();
        QVERIFY(changedBox(plain.copy(middle, 0, 1, plain.height())).isEmpty());
        QVERIFY(!changedBox(styled.copy(middle, 0, 1, styled.height())).isEmpty());
        if (underline)
            QVERIFY(b.bottom() > a.bottom());
        else
            QCOMPARE(b.bottom(), a.bottom());
    }

    void sizeFollowsPointsAt96DotsPerInch()
    {
        // A photo that names 300 dots per inch must not get a stamp a third the size.
        QTemporaryDir dir;
        QImage photo(200, 100, QImage::Format_RGB32);
        photo.fill(kBackground);
        photo.setDotsPerMeterX(11811);
        photo.setDotsPerMeterY(11811);
        const QString path = dir.filePath(QStringLiteral("dense.png"));
        QVERIFY(photo.save(path));

        QImage surface = loadWorkSurface(path);
        QCOMPARE(surface.format(), QImage::Format_RGB32);
        QCOMPARE(surface.dotsPerMeterX(), kSurfaceDotsPerMeter);
        StampOptions options;
        options.font.pointSize = 36;
        OverlayText(
            surface, QStringLiteral("H"), QStringLiteral("Upper-Left"), stampFont(options), kInk);
        // 36 points are 48 pixels at 96 dots per inch; a capital H is about 0.72 of that.
        QVERIFY(qAbs(changedBox(surface).height() - 0.716 * 48) <= 2);
    }
};

// Fonts need a GUI application; the offscreen platform serves.
QTEST_MAIN(TestOverlayText)
#include "tst_overlaytext.moc"
