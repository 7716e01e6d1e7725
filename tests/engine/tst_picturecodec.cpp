// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/picturecodec.h"
#include "engine/render/overlaytext.h"
#include "options/stampoptions.h"
#include "picturefiles.h"
#include "testimages.h"

#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvora;

using namespace PictureFiles;

namespace {

const QRect kStamp(6, 5, 14, 7);
const QColor kInk(255, 255, 0);

// The stand-in stamp: an opaque block, whose every pixel is known.
void stampBlock(QImage &image, int, int)
{
    QPainter painter(&image);
    painter.fillRect(kStamp, kInk);
}

// The first pixel where \a after is not \a before with the block stamped in (exact, at 16
// bits a channel), or an empty text.
QString stampedDifference(const QImage &before, const QImage &after)
{
    if (before.size() != after.size())
        return QStringLiteral("size %1 x %2 became %3 x %4")
            .arg(before.width())
            .arg(before.height())
            .arg(after.width())
            .arg(after.height());
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QRgba64 expected
                = kStamp.contains(x, y) ? kInk.rgba64() : before.pixelColor(x, y).rgba64();
            const QRgba64 found = after.pixelColor(x, y).rgba64();
            if (found != expected)
                return QStringLiteral("pixel (%1, %2) is %3, not %4")
                    .arg(x)
                    .arg(y)
                    .arg(quint64(found), 16, 16, QLatin1Char('0'))
                    .arg(quint64(expected), 16, 16, QLatin1Char('0'));
        }
    return {};
}

} // namespace

class TestPictureCodec : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void writeBytes(const QString &file, const QByteArray &bytes)
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(bytes), bytes.size());
    }

    // Stamps \a source into a fresh target and compares every frame with the source's.
    void verifyEveryFrameStamped(const QString &source, int frameCount)
    {
        const QString target = source + QStringLiteral(".out");
        QList<int> seen;
        stampPictureFile(source, target, [&](QImage &image, int index, int count) {
            QCOMPARE(count, frameCount);
            seen << index;
            stampBlock(image, index, count);
        });
        QCOMPARE(seen.size(), frameCount);
        QCOMPARE(TestImages::formatOf(target), TestImages::formatOf(source));
        const QList<QImage> before = framesOf(source);
        const QList<QImage> after = framesOf(target);
        QCOMPARE(after.size(), frameCount);
        for (int i = 0; i < frameCount; ++i) {
            QCOMPARE(after[i].depth() == 64, before[i].depth() == 64);
            const QString difference = stampedDifference(before[i], after[i]);
            QVERIFY2(difference.isEmpty(),
                qPrintable(QStringLiteral("frame %1: %2").arg(i).arg(difference)));
        }
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void keepsDepthAndTransparency_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("pixelFormat");
        QTest::addColumn<int>("compression");
        QTest::newRow("png 16-bit") << QByteArray("png") << int(QImage::Format_RGBX64) << 0;
        QTest::newRow("png 16-bit transparent")
            << QByteArray("png") << int(QImage::Format_RGBA64) << 0;
        QTest::newRow("png transparent") << QByteArray("png") << int(QImage::Format_ARGB32) << 0;
        QTest::newRow("png") << QByteArray("png") << int(QImage::Format_RGB32) << 0;
        QTest::newRow("tiff 16-bit transparent")
            << QByteArray("tiff") << int(QImage::Format_RGBA64) << int(COMPRESSION_LZW);
        QTest::newRow("tiff 16-bit uncompressed")
            << QByteArray("tiff") << int(QImage::Format_RGBX64) << int(COMPRESSION_NONE);
        QTest::newRow("tiff transparent deflate")
            << QByteArray("tiff") << int(QImage::Format_ARGB32) << int(COMPRESSION_ADOBE_DEFLATE);
    }

    void keepsDepthAndTransparency()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, pixelFormat);
        QFETCH(int, compression);
        const QImage picture = pattern(40, 30, QImage::Format(pixelFormat));
        const QString source = path(QStringLiteral("deep.") + QString::fromLatin1(format));
        if (format == "png")
            QVERIFY(picture.save(source, "png"));
        else
            QVERIFY(writeTiff(source, {picture}, uint16_t(compression)));
        verifyEveryFrameStamped(source, 1);
        // Pixels that 8 bits cannot hold, and colours under full transparency, came through.
        const QString target = source + QStringLiteral(".out");
        const QImage written = format == "tiff" && picture.format() == QImage::Format_ARGB32
            ? readStraightRgbaTiff(target)
            : framesOf(target).first();
        QCOMPARE(stampedDifference(picture, written), QString());
    }

    void stampsBothPagesOfATiff()
    {
        const QString source = path(QStringLiteral("pages.tif"));
        QVERIFY(writeTiff(source,
            {pattern(40, 30, QImage::Format_RGB32, 1), pattern(32, 24, QImage::Format_RGBA64, 2)}));
        verifyEveryFrameStamped(source, 2);
        // Each page keeps its number, kind and resolution.
        QString tags;
        TestImages::exifTool({QStringLiteral("-a"), QStringLiteral("-s3"),
                                 QStringLiteral("-PageNumber"), QStringLiteral("-SubfileType"),
                                 QStringLiteral("-XResolution"), source + QStringLiteral(".out")},
            &tags);
        QStringList found = tags.split(QLatin1Char('\n'));
        found.sort();
        const QString page = QStringLiteral("Single page of multi-page image");
        QCOMPARE(found,
            QStringList({QStringLiteral("0 2"), QStringLiteral("1 2"), QStringLiteral("300"),
                QStringLiteral("300"), page, page}));
    }

    void stampsEveryGifFrame_data()
    {
        QTest::addColumn<int>("loops");
        QTest::newRow("looping for ever") << 0;
        QTest::newRow("looping three times") << 3;
    }

    void stampsEveryGifFrame()
    {
        QFETCH(int, loops);
        const QString source = path(QStringLiteral("animated.gif"));
        // The middle frame is see-through around its block.
        QVERIFY(writeGif(source,
            {flatFrame(48, 32, qRgb(200, 0, 0), qRgb(0, 0, 255), 2),
                flatFrame(48, 32, qRgba(0, 0, 0, 0), qRgb(0, 160, 0), 16),
                flatFrame(48, 32, qRgb(30, 30, 30), qRgb(255, 255, 255), 30)},
            {10, 20, 35}, loops));
        verifyEveryFrameStamped(source, 3);

        const QString target = source + QStringLiteral(".out");
        QList<int> sourceDelays;
        QList<int> targetDelays;
        framesOf(source, &sourceDelays);
        framesOf(target, &targetDelays);
        QCOMPARE(targetDelays, QList<int>({100, 200, 350}));
        QCOMPARE(targetDelays, sourceDelays);
        QCOMPARE(TestImages::exifTag(QStringLiteral("AnimationIterations"), target),
            loops == 0 ? QStringLiteral("Infinite") : QString::number(loops));
        QCOMPARE(TestImages::exifTag(QStringLiteral("FrameCount"), target), QStringLiteral("3"));
    }

    void gifKeepsUnstampedPixelsWhenThePaletteIsFull()
    {
        // 250 colours a frame: the stamp's shades do not all fit, yet every pixel away from
        // the text keeps its colour.
        const QString source = path(QStringLiteral("full.gif"));
        QVERIFY(writeGif(source, {manyColourFrame(90, 40, 250, 0), manyColourFrame(90, 40, 250, 9)},
            {10, 10}, 0));
        const QString target = path(QStringLiteral("full-out.gif"));
        stampPictureFile(source, target, [](QImage &image, int, int) {
            OverlayText(image, QStringLiteral("HEH"), QStringLiteral("Upper-Left"),
                stampFont(StampOptions {}), kInk);
        });
        const QList<QImage> before = framesOf(source);
        const QList<QImage> after = framesOf(target);
        QCOMPARE(after.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const QRect changed = TestImages::changedArea(before[i], after[i]);
            QVERIFY(!changed.isEmpty());
            QVERIFY2(QRect(0, 0, 40, 25).contains(changed),
                qPrintable(QStringLiteral("frame %1 changed at %2,%3 %4x%5")
                               .arg(i)
                               .arg(changed.x())
                               .arg(changed.y())
                               .arg(changed.width())
                               .arg(changed.height())));
            // The glyphs' full strokes are in the ink colour.
            bool ink = false;
            for (int y = changed.top(); y <= changed.bottom(); ++y)
                for (int x = changed.left(); x <= changed.right(); ++x)
                    ink = ink || after[i].pixel(x, y) == kInk.rgb();
            QVERIFY(ink);
        }
    }

    void stampsEveryIconSize()
    {
        const QString source = path(QStringLiteral("sizes.ico"));
        const QList<bool> asPng {false, true, false};
        writeBytes(source,
            iconFile({pattern(48, 48, QImage::Format_ARGB32, 1),
                         pattern(32, 32, QImage::Format_ARGB32, 2),
                         pattern(16, 16, QImage::Format_ARGB32, 3)},
                asPng));
        verifyEveryFrameStamped(source, 3);
        // Each size is stored the way it came: a PNG stays a PNG, a bitmap a bitmap.
        const QByteArray out = TestImages::contents(source + QStringLiteral(".out"));
        for (int i = 0; i < 3; ++i) {
            const quint32 offset = qFromLittleEndian<quint32>(out.constData() + 6 + 16 * i + 12);
            QCOMPARE(out.mid(offset, 4) == "\x89PNG", asPng[i]);
        }
    }

    void stampsTextOnDeepTransparentPixels()
    {
        const QImage picture = pattern(160, 60, QImage::Format_RGBA64);
        const QString source = path(QStringLiteral("text.png"));
        QVERIFY(picture.save(source, "png"));
        StampOptions options;
        stampPictureFile(
            source, path(QStringLiteral("text-out.png")), [&](QImage &image, int, int) {
                OverlayText(image, QStringLiteral("HEH"), QStringLiteral("Upper-Left"),
                    stampFont(options), kInk);
            });
        const QImage after = framesOf(path(QStringLiteral("text-out.png"))).first();
        QCOMPARE(after.format(), QImage::Format_RGBA64);
        QRect changed;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (after.pixelColor(x, y).rgba64() != picture.pixelColor(x, y).rgba64())
                    changed |= QRect(x, y, 1, 1);
        // The text sits in the upper-left corner, and nothing else moved.
        QVERIFY(!changed.isEmpty());
        QVERIFY2(changed.left() <= 3 && changed.top() <= 6 && changed.right() < 60
                && changed.bottom() < 30,
            qPrintable(QStringLiteral("%1,%2 %3x%4")
                           .arg(changed.x())
                           .arg(changed.y())
                           .arg(changed.width())
                           .arg(changed.height())));
    }

    void refusesDamagedPictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("reason");
        const int damaged = int(PictureFailure::Reason::Damaged);
        const int notWritable = int(PictureFailure::Reason::NotWritable);

        const QByteArray png = encoded(pattern(120, 90, QImage::Format_RGB32), "png");
        QTest::newRow("png cut at 30%") << png.left(png.size() * 3 / 10) << damaged;
        QTest::newRow("png cut at 90%") << png.left(png.size() * 9 / 10) << damaged;
        QByteArray flipped = png;
        flipped[png.indexOf("IDAT") + 40] = char(flipped[png.indexOf("IDAT") + 40] ^ 0x55);
        QTest::newRow("png with a damaged byte in its pixels") << flipped << damaged;

        const QString tiffPath = path(QStringLiteral("damaged.tif"));
        writeTiff(tiffPath,
            {pattern(60, 40, QImage::Format_RGB32), pattern(60, 40, QImage::Format_RGB32, 1)});
        const QByteArray tiff = TestImages::contents(tiffPath);
        QTest::newRow("tiff cut at 30%") << tiff.left(tiff.size() * 3 / 10) << damaged;
        QTest::newRow("tiff cut in its second page") << tiff.left(tiff.size() * 8 / 10) << damaged;
        // Rewritten by ExifTool, the directory comes first, so a cut leaves the last strip short.
        writeTiff(tiffPath, {pattern(60, 40, QImage::Format_RGB32)}, COMPRESSION_NONE);
        TestImages::exifTool({QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
            QStringLiteral("-Artist=Kalvora"), tiffPath});
        const QByteArray rewritten = TestImages::contents(tiffPath);
        QTest::newRow("tiff cut in its last strip") << rewritten.chopped(100) << damaged;
        QTest::newRow("tiff in CMYK") << QByteArray() << notWritable;

        const QString gifPath = path(QStringLiteral("damaged.gif"));
        writeGif(gifPath, {flatFrame(40, 30, qRgb(1, 2, 3), qRgb(9, 9, 9), 0)}, {10}, 0);
        const QByteArray gif = TestImages::contents(gifPath);
        QTest::newRow("gif cut at 60%") << gif.left(gif.size() * 6 / 10) << damaged;
        QTest::newRow("gif without its trailer") << gif.chopped(1) << damaged;

        const QByteArray ico = iconFile({pattern(32, 32, QImage::Format_ARGB32)}, {false});
        QTest::newRow("ico cut short") << ico.chopped(10) << damaged;
        QByteArray cursor = ico;
        cursor[2] = 2;
        QTest::newRow("cursor") << cursor << notWritable;
        QTest::newRow("animated png")
            << withChunk(png, "acTL", QByteArray("\0\0\0\2\0\0\0\0", 8)) << notWritable;
        QTest::newRow("jpeg") << encoded(pattern(20, 20, QImage::Format_RGB32), "jpeg")
                              << notWritable;
    }

    void refusesDamagedPictures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, reason);
        const QString source = path(QStringLiteral("damaged source"));
        QFile::remove(source);
        if (bytes.isEmpty()) {
            const QImage inks = pattern(20, 20, QImage::Format_ARGB32);
            QVERIFY(writeTiff(source, {inks}, COMPRESSION_LZW, PHOTOMETRIC_SEPARATED));
        } else {
            writeBytes(source, bytes);
        }
        const QString target = path(QStringLiteral("never written"));
        QFile::remove(target);
        bool stamped = false;
        try {
            stampPictureFile(source, target, [&](QImage &, int, int) { stamped = true; });
            QFAIL("a picture that cannot be stamped whole was written");
        } catch (const PictureFailure &failure) {
            QCOMPARE(int(failure.reason()), reason);
            QVERIFY2(failure.description().contains(source), qPrintable(failure.description()));
        }
        QVERIFY(!stamped);
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_MAIN(TestPictureCodec)
#include "tst_picturecodec.moc"
