// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// HEIC and AVIF photos stamped in their own format: upright at the corner a viewer shows, the
// whole photo upright, thumbnails stamped too, the coding, bit depth, alpha and colour profile
// kept; a damaged file, a depth map or another auxiliary picture refused with the file left as
// it was. The sources are written with libheif and the results judged by libheif's own decoding
// with the file's turns applied (heifphotos.h), as a viewer shows them.
#include "heifphotos.h"
#include "stampjobsupport.h"
#include "testimages.h"

#include <QColorSpace>
#include <QFile>

using namespace HeifPhotos;

Q_DECLARE_METATYPE(StampPosition)

namespace {

constexpr quint32 kRed = colorValue(255, 0, 0);

// A photo as it shows: a smooth gradient with no red in it.
QImage landscape(int width = 240, int height = 160)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(40 + x * 40 / width, 60 + y * 60 / height, 90));
    return picture;
}

bool isStampRed(QRgb pixel, int by)
{
    return qRed(pixel) > qGreen(pixel) + by && qRed(pixel) > qBlue(pixel) + by;
}

// The bounding box of the stamp's red pixels.
QRect redArea(const QImage &picture, int by)
{
    QRect area;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (isStampRed(picture.pixel(x, y), by))
                area |= QRect(x, y, 1, 1);
    return area;
}

// The quarter of a picture of \a size at the named corner, and the one across from it.
QRect quarter(const QSize &size, StampPosition corner, bool across = false)
{
    const bool right
        = (corner == StampPosition::UpperRight || corner == StampPosition::LowerRight) != across;
    const bool lower
        = (corner == StampPosition::LowerLeft || corner == StampPosition::LowerRight) != across;
    const QSize half = size / 2;
    return QRect(
        QPoint(right ? size.width() - half.width() : 0, lower ? size.height() - half.height() : 0),
        half);
}

// The largest difference of a colour channel, averaged over \a area.
double meanDifference(const QImage &a, const QImage &b, const QRect &area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                std::abs(qBlue(p) - qBlue(q))});
        }
    return sum / (qreal(area.width()) * area.height());
}

} // namespace

class TestHeifCodec : public QObject, StampJobFixture
{
    Q_OBJECT

private:
    StampOptions redStamp(StampPosition position) const
    {
        StampOptions options = customText(SaveOption::ChosenFolder);
        options.font.pointSize = 12;
        options.color = kRed;
        options.position = position;
        return options;
    }

private slots:
    void initTestCase() { startTools(); }
    void init() { emptyFolders(); }

    // A phone photo is stored turned and shown upright by the container's rotation and mirror
    // (irot, imir) or, where it has none, by its EXIF Orientation. The stamp lands at the
    // corner the viewer sees, reading across; the photo is written upright with no turn left
    // to apply twice, its thumbnail stamped the same way.
    void uprightAtEveryCorner_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("exifOrientation");
        QTest::addColumn<StampPosition>("corner");
        const QList<std::pair<QString, StampPosition>> corners {
            {QStringLiteral("upper left"), StampPosition::UpperLeft},
            {QStringLiteral("upper right"), StampPosition::UpperRight},
            {QStringLiteral("lower left"), StampPosition::LowerLeft},
            {QStringLiteral("lower right"), StampPosition::LowerRight}};
        for (const QString &ext : {QStringLiteral("heic"), QStringLiteral("avif")}) {
            // As phones write them: turned by the container, the EXIF saying the same.
            for (const auto &[where, corner] : corners)
                QTest::addRow("%s, irot 90, %s", qPrintable(ext), qPrintable(where))
                    << QStringLiteral("phone.") + ext << 6 << 6 << corner;
        }
        QTest::newRow("heic, irot and imir")
            << QStringLiteral("m.heic") << 5 << 0 << StampPosition::LowerRight;
        QTest::newRow("avif, irot 180")
            << QStringLiteral("h.avif") << 3 << 0 << StampPosition::UpperRight;
        QTest::newRow("heic, EXIF 8 alone")
            << QStringLiteral("e.heic") << 1 << 8 << StampPosition::UpperLeft;
        QTest::newRow("avif, EXIF 7 alone")
            << QStringLiteral("e.avif") << 1 << 7 << StampPosition::LowerLeft;
    }
    void uprightAtEveryCorner()
    {
        QFETCH(QString, name);
        QFETCH(int, turn);
        QFETCH(int, exifOrientation);
        QFETCH(StampPosition, corner);
        const QImage viewed = landscape();
        Photo photo;
        photo.coding
            = name.endsWith(QLatin1String("avif")) ? heif_compression_AV1 : heif_compression_HEVC;
        photo.viewed = viewed;
        photo.turn = turn;
        photo.exifOrientation = exifOrientation;
        photo.thumbnail = 120;
        const QString path = sourcePath(name);
        QVERIFY(writeFile(path, heifFile(photo)));

        const StampJobResult result = stamp(path, redStamp(corner));
        QVERIFY2(result.failures.isEmpty(), qPrintable(result.failures.value(0).description));
        QCOMPARE(result.outcome, StampFileOutcome::Stamped);
        const Shown seen = shown(TestImages::contents(m_output.filePath(name)));
        QVERIFY(seen.read);
        QCOMPARE(seen.picture.size(), viewed.size());
        const QRect red = redArea(seen.picture, 80);
        QVERIFY2(quarter(viewed.size(), corner).contains(red) && !red.isEmpty(),
            qPrintable(QStringLiteral("the stamp lies at %1,%2 %3x%4")
                           .arg(red.x())
                           .arg(red.y())
                           .arg(red.width())
                           .arg(red.height())));
        QVERIFY(red.width() > red.height() * 2);
        // The rest of the photo shows as it did: upright, not turned again.
        QVERIFY(meanDifference(seen.picture, viewed, quarter(viewed.size(), corner, true)) < 6);

        QCOMPARE(seen.thumbnails.size(), 1);
        const QImage thumbnail = seen.thumbnails.first();
        QCOMPARE(thumbnail.size(), viewed.size() / 2);
        const QRect small = redArea(thumbnail, 50);
        QVERIFY(!small.isEmpty() && quarter(thumbnail.size(), corner).contains(small));
        QVERIFY(meanDifference(thumbnail, viewed.scaled(thumbnail.size()),
                    quarter(thumbnail.size(), corner, true))
            < 6);
    }

    // The result is coded as the source: HEVC stays HEVC, AV1 stays AV1, in the source's bit
    // depth (AV1 of 10 bits in 12, all libheif 1.15 writes with libaom beyond 8), with its
    // alpha and its colour profile; the unstamped part keeps its colours, at the quality the
    // option names.
    void keptAsCoded_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("bitDepth");
        QTest::addColumn<bool>("alpha");
        QTest::addColumn<bool>("icc");
        QTest::addColumn<int>("writtenBits");
        QTest::newRow("heic, 10 bits, nclx")
            << QStringLiteral("deep.heic") << 10 << false << false << 10;
        QTest::newRow("avif, 10 bits, nclx")
            << QStringLiteral("deep.avif") << 10 << false << false << 12;
        QTest::newRow("heic, 8 bits, ICC, alpha")
            << QStringLiteral("icc.heic") << 8 << true << true << 8;
        QTest::newRow("avif, 8 bits, ICC, alpha")
            << QStringLiteral("icc.avif") << 8 << true << true << 8;
    }
    void keptAsCoded()
    {
        QFETCH(QString, name);
        QFETCH(int, bitDepth);
        QFETCH(bool, alpha);
        QFETCH(bool, icc);
        QFETCH(int, writtenBits);
        Photo photo;
        photo.coding
            = name.endsWith(QLatin1String("avif")) ? heif_compression_AV1 : heif_compression_HEVC;
        photo.viewed
            = landscape().convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (alpha)
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < photo.viewed.width(); ++x)
                    photo.viewed.setPixel(x, photo.viewed.height() - 1 - y, qRgba(0, 0, 0, 0));
        photo.bitDepth = bitDepth;
        if (bitDepth > 8 && photo.coding == heif_compression_AV1)
            photo.chroma = "422";
        if (icc)
            photo.icc = QColorSpace(QColorSpace::DisplayP3).iccProfile();
        else
            photo.nclxPrimaries = heif_color_primaries_ITU_R_BT_2020_2_and_2100_0;
        const QByteArray source = heifFile(photo);
        const Shown before = shown(source);
        QVERIFY(before.read);
        const QString path = sourcePath(name);
        QVERIFY(writeFile(path, source));

        const StampJobResult result = stamp(path, redStamp(StampPosition::UpperLeft));
        QVERIFY2(result.failures.isEmpty(), qPrintable(result.failures.value(0).description));
        const QByteArray written = TestImages::contents(m_output.filePath(name));
        QCOMPARE(written.mid(8, 4), source.mid(8, 4)); // the major brand: heic or avif
        const Shown after = shown(written);
        QCOMPARE(after.lumaBits, writtenBits);
        QCOMPARE(after.alpha, alpha);
        QCOMPARE(after.icc, before.icc);
        QCOMPARE(after.nclxPrimaries, before.nclxPrimaries);
        const QRect rest(0, 80, 240, 60);
        QVERIFY(meanDifference(after.picture, before.picture, rest) < 4);
        if (alpha)
            QCOMPARE(qAlpha(after.picture.pixel(100, 150)), 0);

        // The quality option reaches the encoder: a low one makes a smaller file.
        StampOptions low = redStamp(StampPosition::UpperLeft);
        low.jpegQuality = 20;
        QVERIFY(QFile::remove(m_output.filePath(name)));
        QCOMPARE(stamp(path, low).outcome, StampFileOutcome::Stamped);
        QVERIFY(TestImages::contents(m_output.filePath(name)).size() < written.size());
    }

    // What cannot be stamped and written back whole is refused, naming the file and the
    // reason, and the file stays as it was with nothing written.
    void refusedAndUntouched_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("heic cut short") << QStringLiteral("cut.heic") << QStringLiteral("cut")
                                        << QStringLiteral("is damaged: the file is cut short");
        QTest::newRow("avif cut short") << QStringLiteral("cut.avif") << QStringLiteral("cut")
                                        << QStringLiteral("is damaged: the file is cut short");
        QTest::newRow("heic depth map")
            << QStringLiteral("depth.heic") << QStringLiteral("urn:mpeg:hevc:2015:auxid:2")
            << QStringLiteral("depth map");
        QTest::newRow("avif depth map")
            << QStringLiteral("depth.avif")
            << QStringLiteral("urn:mpeg:mpegB:cicp:systems:auxiliary:depth")
            << QStringLiteral("depth map");
        QTest::newRow("heic gain map")
            << QStringLiteral("gain.heic") << QStringLiteral("urn:example:gainmap:test:1")
            << QStringLiteral("auxiliary picture \"urn:example:gainmap:test:1\"");
        QTest::newRow("heic image sequence")
            << QStringLiteral("seq.heic") << QStringLiteral("moov") << QStringLiteral("moov boxes");
    }
    void refusedAndUntouched()
    {
        QFETCH(QString, name);
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        Photo photo;
        photo.coding
            = name.endsWith(QLatin1String("avif")) ? heif_compression_AV1 : heif_compression_HEVC;
        photo.viewed = landscape().convertToFormat(QImage::Format_ARGB32);
        QByteArray bytes = heifFile(photo);
        if (damage == QLatin1String("cut"))
            bytes.chop(bytes.size() / 4);
        else if (damage == QLatin1String("moov"))
            bytes.append(QByteArray("\0\0\0\x10moovfree\0\0\0\0", 16));
        else
            bytes = withAuxiliaryType(bytes, damage.toLatin1());
        const QString path = sourcePath(name);
        QVERIFY(writeFile(path, bytes));

        for (const SaveOption save : {SaveOption::ChosenFolder, SaveOption::OriginalFolder}) {
            StampOptions options = redStamp(StampPosition::UpperLeft);
            options.saveOption = save;
            const StampJobResult result = stamp(path, options);
            QCOMPARE(result.outcome, StampFileOutcome::Failed);
            const QString said = result.failures.value(0).description;
            QVERIFY2(said.contains(name) && said.contains(reason), qPrintable(said));
            QCOMPARE(TestImages::contents(path), bytes);
            QCOMPARE(filesIn(m_output), QStringList());
            QCOMPARE(filesIn(m_sources), QStringList {name});
        }
    }
};

QTEST_MAIN(TestHeifCodec)
#include "tst_heifcodec.moc"
