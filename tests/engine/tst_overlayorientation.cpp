// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/worksurface.h"
#include "engine/render/overlaytext.h"
#include "options/stampoptions.h"
#include "testimages.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvora;

namespace {

const QColor kBackground(40, 40, 40);
const QColor kInk(255, 255, 0);
const QString kText = QStringLiteral("HEH 2021\r\nKalvora");

// A landscape surface as stored; the sideways orientations view it as a portrait.
constexpr int kStoredWidth = 240;
constexpr int kStoredHeight = 160;

QImage blankSurface(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBackground);
    image.setDotsPerMeterX(kSurfaceDotsPerMeter);
    image.setDotsPerMeterY(kSurfaceDotsPerMeter);
    return image;
}

enum Corner { TopLeft, TopRight, BottomLeft, BottomRight };

} // namespace

class TestOverlayOrientation : public QObject
{
    Q_OBJECT

private slots:
    void stampSitsInTheStoredCorner_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("storedCorner");
        // Worked out from the tag's meaning, where the stored first row and column are seen:
        // 3 shows the first row at the bottom, read right to left; 6 shows it down the right
        // side (first column on top); 8 shows it up the left side (first column at the bottom).
        const struct
        {
            int orientation;
            const char *caption;
            Corner corner;
        } rows[] = {
            {1, "Upper-Left", TopLeft},
            {1, "Lower-Right", BottomRight},
            {3, "Upper-Left", BottomRight},
            {3, "Upper-Right", BottomLeft},
            {3, "Lower-Left", TopRight},
            {6, "Upper-Left", BottomLeft},
            {6, "Upper-Right", TopLeft},
            {6, "Lower-Right", TopRight},
            {6, "Lower-Left", BottomRight},
            {8, "Upper-Left", TopRight},
            {8, "Upper-Right", BottomRight},
            {8, "Lower-Right", BottomLeft},
            {8, "Lower-Left", TopLeft},
        };
        for (const auto &row : rows)
            QTest::addRow("%d %s", row.orientation, row.caption)
                << row.orientation << QString::fromLatin1(row.caption) << int(row.corner);
    }

    void stampSitsInTheStoredCorner()
    {
        QFETCH(int, orientation);
        QFETCH(QString, caption);
        QFETCH(int, storedCorner);
        QImage surface = blankSurface(kStoredWidth, kStoredHeight);
        const QImage before = surface;
        OverlayText(surface, QStringLiteral("HEH 2021"), caption, stampFont(StampOptions {}), kInk,
            orientation);
        const QRect box = TestImages::changedArea(before, surface);
        QVERIFY(!box.isEmpty());

        // Against the two edges of its corner, within the margins and a glyph's bearing.
        const bool left = storedCorner == TopLeft || storedCorner == BottomLeft;
        const bool top = storedCorner == TopLeft || storedCorner == TopRight;
        const int toSide = left ? box.left() : kStoredWidth - 1 - box.right();
        const int toEnd = top ? box.top() : kStoredHeight - 1 - box.bottom();
        QVERIFY2(toSide <= 7 && toEnd <= 7,
            qPrintable(QStringLiteral("stamp at (%1, %2) %3 x %4")
                           .arg(box.x())
                           .arg(box.y())
                           .arg(box.width())
                           .arg(box.height())));
        // A line of text is wider than tall; turned a quarter, its stored box stands upright.
        const bool sideways = orientation >= 5;
        QCOMPARE(box.height() > box.width(), sideways);
    }

    void viewedStampMatchesAnUprightOne_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QString>("caption");
        for (int orientation = 1; orientation <= 8; ++orientation)
            for (const char *caption : {"Upper-Left", "Lower-Right", "Center-Top"})
                QTest::addRow("%d %s", orientation, caption)
                    << orientation << QString::fromLatin1(caption);
    }

    void viewedStampMatchesAnUprightOne()
    {
        // The stored result is tagged by ExifTool and turned upright by Qt's TIFF reader: two
        // readings of the tag that owe nothing to the code under test.
        QFETCH(int, orientation);
        QFETCH(QString, caption);
        const QFont font = stampFont(StampOptions {});
        QImage stored = blankSurface(kStoredWidth, kStoredHeight);
        OverlayText(stored, kText, caption, font, kInk, orientation);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("stored.tif"));
        QVERIFY(stored.save(path, "tiff"));
        QCOMPARE(TestImages::exifTool({QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                     QStringLiteral("-IFD0:Orientation#=%1").arg(orientation), path}),
            0);
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QImage viewed = reader.read();
        QVERIFY2(!viewed.isNull(), qPrintable(reader.errorString()));

        QImage upright = blankSurface(viewed.width(), viewed.height());
        QCOMPARE(
            upright.size(), orientation >= 5 ? QSize(kStoredHeight, kStoredWidth) : stored.size());
        OverlayText(upright, kText, caption, font, kInk);

        QVERIFY(
            !TestImages::changedArea(blankSurface(1, 1).scaled(upright.size()), upright).isEmpty());
        // The same glyphs in the same place, read the right way round: on a turned picture the
        // stamp looks exactly as on an upright one.
        QCOMPARE(TestImages::changedArea(upright, viewed, 2), QRect());
    }

    void invalidOrientationDrawsAsStored()
    {
        const QFont font = stampFont(StampOptions {});
        QImage plain = blankSurface(kStoredWidth, kStoredHeight);
        OverlayText(plain, kText, QStringLiteral("Lower-Right"), font, kInk);
        for (const int orientation : {0, 9, -6}) {
            QImage odd = blankSurface(kStoredWidth, kStoredHeight);
            OverlayText(odd, kText, QStringLiteral("Lower-Right"), font, kInk, orientation);
            QCOMPARE(odd, plain);
        }
    }
};

// Fonts need a GUI application; the offscreen platform serves.
QTEST_MAIN(TestOverlayOrientation)
#include "tst_overlayorientation.moc"
