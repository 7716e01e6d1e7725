// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Stamp jobs on turned photos and on pictures of several frames, pages or sizes: every frame
// stamped in its own pixels and written in its own format, or refused with the source intact.
#include "base/datetexts.h"
#include "engine/codecs/worksurface.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/output/toolrunner.h"
#include "engine/run/stampjob.h"
#include "picturefiles.h"
#include "stampfailures.h"
#include "testimages.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

using namespace kalvora;

using namespace PictureFiles;
using namespace TestImages;

namespace {

QImage dark(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(width, height, format);
    picture.fill(QColor(50, 50, 60));
    return picture;
}

} // namespace

class TestWholePictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { configureImageReading(); }
    void init();
    void stampIsUprightOnTurnedPhotos_data();
    void stampIsUprightOnTurnedPhotos();
    void transparentDeepPngKeepsItsPixels();
    void everyFrameIsStamped_data();
    void everyFrameIsStamped();
    void refusedPicturesStayUntouched_data();
    void refusedPicturesStayUntouched();
    void cutShortPicturesStayUntouched_data();
    void cutShortPicturesStayUntouched();
    void vanishedPngIsSkippedSilently();

private:
    StampJobResult stamp(const QString &path, SaveOption save, const QString &position);

    ToolRunner m_converter;
    const DateTexts m_texts {QLocale(QStringLiteral("en_US"))};
    QTemporaryDir m_work;
    QTemporaryDir m_sources;
    QTemporaryDir m_output;
};

void TestWholePictures::init()
{
    for (QTemporaryDir *dir : {&m_sources, &m_output}) {
        QDir folder(dir->path());
        for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
            QVERIFY(folder.remove(name));
    }
}

StampJobResult TestWholePictures::stamp(
    const QString &path, SaveOption save, const QString &position)
{
    StampOptions options;
    options.source = StampSource::CustomText;
    options.customText = QStringLiteral("HELLO WORLD");
    options.font.pointSize = 20;
    options.position = stampPositionNamed(position);
    options.saveOption = save;
    options.outputFolder = m_output.path() + QLatin1Char('/');
    ExifToolSession exifTool(m_converter.exifTool());
    return runStampJob(stampJobFor(path, options, m_work.path()), {m_converter, exifTool, m_texts});
}

void TestWholePictures::stampIsUprightOnTurnedPhotos_data()
{
    // How a viewer turns the stored pixels for each orientation, as Qt's own transform does.
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("degrees");
    QTest::newRow("6: turned a quarter clockwise") << 6 << 90;
    QTest::newRow("8: turned a quarter anticlockwise") << 8 << 270;
    QTest::newRow("3: upside down") << 3 << 180;
    QTest::newRow("1: as stored") << 1 << 0;
}

void TestWholePictures::stampIsUprightOnTurnedPhotos()
{
    QFETCH(int, orientation);
    QFETCH(int, degrees);
    const QString source = m_sources.filePath(QStringLiteral("phone.jpg"));
    QVERIFY(writeTaggedJpeg(source, dark(480, 320)));
    QCOMPARE(exifTool({QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                 QStringLiteral("-n"), QStringLiteral("-Orientation=%1").arg(orientation), source}),
        0);

    const StampJobResult result = stamp(source, SaveOption::ChosenFolder, "Lower-Right");
    QVERIFY2(result.failures.isEmpty(), qPrintable(describe(result.failures)));
    const QString output = m_output.filePath(QStringLiteral("phone.jpg"));
    QCOMPARE(exifTag(QStringLiteral("Orientation#"), output), QString::number(orientation));

    // The stored pixels keep their size; as viewed, the stamp is a line of text (wider than
    // tall) in the lower right quarter.
    const QImage stored = QImage(output);
    QCOMPARE(stored.size(), QSize(480, 320));
    const QTransform turn = QTransform().rotate(degrees);
    const QImage viewed = stored.transformed(turn);
    const QImage viewedSource = QImage(source).transformed(turn);
    const QRect area = changedArea(viewedSource, viewed, 60);
    QVERIFY(!area.isEmpty());
    QVERIFY2(area.right() > viewed.width() * 3 / 4 && area.bottom() > viewed.height() * 3 / 4
            && area.left() > 0 && area.width() > 2 * area.height(),
        qPrintable(QStringLiteral("stamp at %1,%2 %3x%4 of %5x%6")
                       .arg(area.x())
                       .arg(area.y())
                       .arg(area.width())
                       .arg(area.height())
                       .arg(viewed.width())
                       .arg(viewed.height())));
}

void TestWholePictures::transparentDeepPngKeepsItsPixels()
{
    // 16 bits a channel, the left half fully transparent with a colour under it.
    QImage picture(200, 120, QImage::Format_RGBA64);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y,
                QColor::fromRgba64(
                    quint16(x * 300 + 7), quint16(y * 500 + 3), 1000, x < 100 ? 0 : 65535));
    const QString source = m_sources.filePath(QStringLiteral("deep.png"));
    QVERIFY(picture.save(source, "png"));
    const QImage before = QImage(source);
    QCOMPARE(before.depth(), 64);

    const StampJobResult result = stamp(source, SaveOption::OriginalFolder, "Upper-Left");
    QVERIFY2(result.failures.isEmpty(), qPrintable(describe(result.failures)));
    QCOMPARE(formatOf(source), QByteArray("png"));
    QCOMPARE(QDir(m_sources.path()).entryList(QDir::Files | QDir::Hidden), {"deep.png"});

    const QImage after = QImage(source);
    QCOMPARE(after.depth(), 64);
    QVERIFY(after.hasAlphaChannel());
    // Upper left: the stamp lies within the top rows; every pixel below is exactly as stored,
    // transparency and 16-bit values included.
    int changed = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            const QRgba64 a = before.pixelColor(x, y).rgba64();
            const QRgba64 b = after.pixelColor(x, y).rgba64();
            if (a == b)
                continue;
            ++changed;
            QVERIFY2(y < 40, qPrintable(QStringLiteral("pixel %1,%2 changed").arg(x).arg(y)));
        }
    QVERIFY(changed > 0);
}

void TestWholePictures::everyFrameIsStamped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("frames");
    QTest::newRow("animated GIF") << "anim.gif" << 3;
    QTest::newRow("two-page TIFF") << "pages.tif" << 2;
    QTest::newRow("icon of two sizes") << "app.ico" << 2;
}

void TestWholePictures::everyFrameIsStamped()
{
    QFETCH(QString, name);
    QFETCH(int, frames);
    const QString source = m_sources.filePath(name);
    QList<QImage> originals;
    const bool icon = name.endsWith(QLatin1String("ico"));
    for (int i = 0; i < frames; ++i) {
        // An icon's sizes are squares of their own sizes.
        const int width = icon ? 64 - 16 * i : 160;
        const int height = icon ? width : 96;
        originals << flatFrame(width, height, qRgb(20, 30, 40), qRgb(90, 20, 20), i * 10);
    }
    if (name.endsWith(QLatin1String("gif"))) {
        QVERIFY(writeGif(source, originals, {10, 20, 30}, 0));
    } else if (name.endsWith(QLatin1String("tif"))) {
        QVERIFY(writeTiff(source, originals));
    } else {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(iconFile(originals, {false, true}));
    }
    const QList<QImage> before = framesOf(source);
    QCOMPARE(before.size(), frames);

    const StampJobResult result = stamp(source, SaveOption::ChosenFolder, "Upper-Left");
    QVERIFY2(result.failures.isEmpty(), qPrintable(describe(result.failures)));
    const QList<QImage> after = framesOf(m_output.filePath(name));
    QCOMPARE(after.size(), frames);
    for (int i = 0; i < frames; ++i) {
        QCOMPARE(after[i].size(), before[i].size());
        QVERIFY2(!changedArea(before[i], after[i], 60).isEmpty(),
            qPrintable(QStringLiteral("frame %1 has no stamp").arg(i + 1)));
    }
}

void TestWholePictures::refusedPicturesStayUntouched_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray png = encoded(dark(300, 200), "png");
    QTest::newRow("PNG cut at 60%") << "cut.png" << png.left(png.size() * 6 / 10) << "damaged";
    QByteArray garbled = png;
    garbled[garbled.size() / 2] = char(garbled[garbled.size() / 2] ^ 0x5a);
    QTest::newRow("PNG with a corrupt byte") << "bad.png" << garbled << "damaged";
    QTemporaryDir scratch;
    const QString cmyk = scratch.filePath(QStringLiteral("cmyk.tif"));
    writeTiff(cmyk, {dark(64, 48)}, COMPRESSION_NONE, PHOTOMETRIC_SEPARATED);
    QTest::newRow("CMYK TIFF") << "cmyk.tif" << contents(cmyk) << "cmyk.tif";
    const QByteArray tiff = [&] {
        const QString path = scratch.filePath(QStringLiteral("whole.tif"));
        writeTiff(path, {pattern(300, 200, QImage::Format_RGB32)}, COMPRESSION_NONE);
        return contents(path);
    }();
    QTest::newRow("TIFF cut at 50%") << "cut.tif" << tiff.left(tiff.size() / 2) << "cut.tif";
}

void TestWholePictures::refusedPicturesStayUntouched()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString source = m_sources.filePath(name);
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    const StampJobResult result = stamp(source, SaveOption::OriginalFolder, "Upper-Left");
    QCOMPARE(result.outcome, StampFileOutcome::Failed);
    QVERIFY(!result.failures.isEmpty());
    QVERIFY2(result.failures.first().description.contains(name)
            && result.failures.first().description.contains(reason),
        qPrintable(describe(result.failures)));
    QCOMPARE(contents(source), bytes);
    QCOMPARE(QDir(m_sources.path()).entryList(QDir::Files | QDir::Hidden), QStringList {name});
}

void TestWholePictures::cutShortPicturesStayUntouched_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("whole");
    // Each format under its own name, then under a bitmap's name, which Qt's readers load.
    QTemporaryDir scratch;
    for (const char *kind : {"png", "tif", "gif", "ico", "bmp", "webp"}) {
        const QByteArray bytes = wholeFile(QLatin1String(kind), scratch.path());
        for (const QString &name : {QStringLiteral("p.") + QLatin1String(kind),
                 QLatin1String(kind) + QStringLiteral(".bmp")}) {
            if (name == QLatin1String("bmp.bmp"))
                continue; // a bitmap has one name
            QTest::addRow("%s whole", qPrintable(name)) << name << bytes << true;
            QTest::addRow("%s cut at 50%%", qPrintable(name))
                << name << bytes.left(bytes.size() / 2) << false;
            QTest::addRow("%s cut at 90%%", qPrintable(name))
                << name << bytes.left(bytes.size() * 9 / 10) << false;
            QTest::addRow("%s without its last byte", qPrintable(name))
                << name << bytes.chopped(1) << false;
        }
    }
}

// A cut-short picture stamped in place is refused as damaged and never replaced, whichever
// reader loads it; a whole one is stamped.
void TestWholePictures::cutShortPicturesStayUntouched()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, whole);
    const QString source = m_sources.filePath(name);
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    const StampJobResult result = stamp(source, SaveOption::OriginalFolder, "Upper-Left");

    QCOMPARE(result.outcome, whole ? StampFileOutcome::Stamped : StampFileOutcome::Failed);
    QCOMPARE(contents(source) == bytes, !whole);
    if (!whole)
        QVERIFY2(result.failures.size() == 1
                && result.failures.first().description.startsWith(
                    QStringLiteral("The picture %1 is damaged: ").arg(source)),
            qPrintable(describe(result.failures)));
    QCOMPARE(QDir(m_sources.path()).entryList(QDir::Files | QDir::Hidden), QStringList {name});
}

void TestWholePictures::vanishedPngIsSkippedSilently()
{
    const StampJobResult result = stamp(
        m_sources.filePath(QStringLiteral("gone.png")), SaveOption::OriginalFolder, "Upper-Left");
    QCOMPARE(result.outcome, StampFileOutcome::Missing);
    QVERIFY2(result.failures.isEmpty(), qPrintable(describe(result.failures)));
}

QTEST_MAIN(TestWholePictures)
#include "tst_wholepictures.moc"
