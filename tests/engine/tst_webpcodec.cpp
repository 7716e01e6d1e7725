// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// WebP pictures stamped in their own format: lossy stays lossy, lossless stays lossless (with
// the colours under transparency), an animation keeps its frames, durations and loop count,
// and the colour profile, EXIF and XMP chunks come back byte for byte. The inputs are written
// with libwebp's own encoder and muxer; the results are judged by their chunks, read by hand,
// and by libwebp's animation decoder.
#include "base/runtimefailure.h"
#include "engine/codecs/worksurface.h"
#include "engine/output/toolrunner.h"
#include "engine/render/sourcepicture.h"
#include "picturefiles.h"
#include "testimages.h"
#include "webpfiles.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <webp/demux.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

using namespace kalvora;

using namespace PictureFiles;
using namespace WebpFiles;
using namespace TestImages;

namespace {

// The stamp is drawn at the upper left, inside this area; every pixel outside is untouched.
const QRect kStampArea(0, 0, 48, 32);

// A WebP file as its chunks say, read by hand: each frame's image chunk ("VP8 " lossy, "VP8L"
// lossless), the frames' durations, the loop count (-1 for a still) and the metadata chunks.
struct Layout
{
    QByteArrayList images;
    QList<int> durations;
    int loops = -1;
    Chunks metadata;
};

// Reads the chunks of \a bytes from \a at; an animation frame's own follow its 16-byte header
// (place, size, a 24-bit duration at 12, flags).
void readChunks(const QByteArray &bytes, qsizetype at, Layout *layout)
{
    while (at + 8 <= bytes.size()) {
        const QByteArray type = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const QByteArray data = bytes.mid(at + 8, size);
        if (type == "VP8 " || type == "VP8L")
            layout->images << type;
        else if (type == "ANIM")
            layout->loops = qFromLittleEndian<quint16>(data.constData() + 4);
        else if (type == "ICCP" || type == "EXIF" || type == "XMP ")
            layout->metadata.insert(type, data);
        else if (type == "ANMF") {
            layout->durations << int(qFromLittleEndian<quint32>(data.constData() + 12) & 0xffffff);
            readChunks(data, 16, layout);
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
}

Layout layoutOf(const QByteArray &file)
{
    Layout layout;
    if (file.startsWith("RIFF") && file.mid(8, 4) == "WEBP")
        readChunks(file, 12, &layout);
    return layout;
}

// Every frame of a WebP file as libwebp's animation decoder shows it, in straight RGBA.
QList<QImage> decodedFrames(const QByteArray &bytes)
{
    const WebPData data = dataOf(bytes);
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder *decoder = WebPAnimDecoderNew(&data, &options);
    WebPAnimInfo info {};
    QList<QImage> frames;
    uint8_t *pixels = nullptr;
    int timestamp = 0;
    while (decoder && WebPAnimDecoderGetInfo(decoder, &info)
        && WebPAnimDecoderHasMoreFrames(decoder)
        && WebPAnimDecoderGetNext(decoder, &pixels, &timestamp))
        frames << QImage(pixels, int(info.canvas_width), int(info.canvas_height),
            int(info.canvas_width) * 4, QImage::Format_RGBA8888)
                      .copy();
    WebPAnimDecoderDelete(decoder);
    return frames;
}

// A smooth gradient, as lossy coding is made for, with a block in another place in each frame.
QImage smoothFrame(int seed)
{
    QImage image(96, 64, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                y >= 40 && y < 56 && x / 10 == 6 + seed ? qRgb(20, 200, 90)
                                                        : qRgb(40 + x * 2, 30 + y * 3, 128));
    return image;
}

QByteArray writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(bytes) == bytes.size()
        ? bytes
        : QByteArray();
}

} // namespace

class TestWebpCodec : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stampedInItsOwnFormat_data();
    void stampedInItsOwnFormat();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void commandLineStampsInPlace();

private:
    QTemporaryDir m_dir;
    Chunks m_metadata;
};

// Real metadata: an sRGB profile, and the EXIF block and XMP packet ExifTool writes.
void TestWebpCodec::initTestCase()
{
    configureImageReading();
    const QString tagged = m_dir.filePath(QStringLiteral("tagged.jpg"));
    QVERIFY(writeTaggedJpeg(tagged));
    m_metadata.insert("ICCP", QColorSpace(QColorSpace::SRgb).iccProfile());
    for (const char *group : {"EXIF", "XMP"}) {
        QProcess tool;
        tool.start(QStringLiteral("exiftool"),
            {QStringLiteral("-b"), QLatin1Char('-') + QLatin1String(group), tagged});
        QVERIFY(tool.waitForFinished(60000));
        m_metadata.insert(QByteArray(group).leftJustified(4, ' '), tool.readAllStandardOutput());
    }
    for (const QByteArray &chunk : std::as_const(m_metadata))
        QVERIFY(chunk.size() > 16);
}

void TestWebpCodec::stampedInItsOwnFormat_data()
{
    QTest::addColumn<QList<QImage>>("frames");
    QTest::addColumn<bool>("lossless");
    QTest::addColumn<QList<int>>("durations");
    QTest::addColumn<int>("loops");
    QList<QImage> distinct;
    for (int seed = 0; seed < 3; ++seed)
        distinct << pattern(96, 64, QImage::Format_RGB32, seed);
    QTest::newRow("lossy still") << QList<QImage> {smoothFrame(0)} << false << QList<int>() << -1;
    QTest::newRow("lossless still") << distinct.mid(0, 1) << true << QList<int>() << -1;
    // Every level of alpha, and every third pixel clear with a colour of its own under it.
    QImage translucent = smoothFrame(0).convertToFormat(QImage::Format_ARGB32);
    QImage clear = distinct[0].convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x) {
            translucent.setPixel(
                x, y, (translucent.pixel(x, y) & 0xffffff) | uint(255 - y * 3) << 24);
            clear.setPixel(
                x, y, (clear.pixel(x, y) & 0xffffff) | uint((x + y) % 3 ? x + y * 2 : 0) << 24);
        }
    QTest::newRow("lossy with alpha") << QList<QImage> {translucent} << false << QList<int>() << -1;
    QTest::newRow("lossless with alpha") << QList<QImage> {clear} << true << QList<int>() << -1;
    QTest::newRow("lossless animation") << distinct << true << QList<int> {70, 120, 250} << 3;
    QTest::newRow("lossy animation")
        << QList<QImage> {smoothFrame(0), smoothFrame(1), smoothFrame(2)} << false
        << QList<int> {40, 80, 160} << 0;
    // Alike once stamped: libwebp's animation encoder would fold the first two into one.
    QTest::newRow("animation showing a frame twice")
        << QList<QImage> {distinct[0], distinct[0], distinct[1]} << true
        << QList<int> {100, 100, 300} << 1;
}

// The stamp path without a tag copy: load, stamp, write.
void TestWebpCodec::stampedInItsOwnFormat()
{
    QFETCH(QList<QImage>, frames);
    QFETCH(bool, lossless);
    QFETCH(QList<int>, durations);
    QFETCH(int, loops);
    const QString path = m_dir.filePath(QStringLiteral("p.webp"));
    const QString result = m_dir.filePath(QStringLiteral("result.webp"));
    QFile::remove(result);
    const QByteArray before
        = writeFile(path, webpFile(frames, lossless, durations, loops, m_metadata));
    const Layout source = layoutOf(before);
    QCOMPARE(source.images, QByteArrayList(frames.size(), lossless ? "VP8L" : "VP8 "));
    QCOMPARE(source.metadata, m_metadata);
    try {
        ToolRunner tools;
        std::optional<SourcePicture> picture = loadSource(path, QStringLiteral("webp"));
        QVERIFY(picture);
        picture->stamp({QStringLiteral("XX"), QStringLiteral("Upper-Left"),
                           QFont(QStringLiteral("Liberation Sans"), 12), QColor(Qt::red), {}},
            path);
        picture->write(result, QStringLiteral("webp"), 85, tools);
    } catch (const RuntimeFailure &failure) {
        QFAIL(qPrintable(failure.description()));
    }

    const QByteArray after = contents(result);
    const Layout stamped = layoutOf(after);
    QCOMPARE(stamped.images, source.images);
    QCOMPARE(stamped.durations, durations);
    QCOMPARE(stamped.loops, loops);
    QCOMPARE(stamped.metadata, m_metadata);
    const QList<QImage> was = decodedFrames(before);
    const QList<QImage> is = decodedFrames(after);
    QCOMPARE(is.size(), frames.size());
    for (qsizetype i = 0; i < is.size(); ++i) {
        // Lossless: every pixel away from the stamp as it was; lossy: close on average (about 2
        // even at the highest quality, from the colour conversion). The difference of a pixel
        // is that of its most changed channel, alpha included.
        qint64 total = 0, count = 0, marked = 0;
        for (int y = 0; y < is[i].height(); ++y)
            for (int x = 0; x < is[i].width(); ++x) {
                int change = 0;
                for (int c = 0; c < 4; ++c)
                    change = std::max(change,
                        std::abs(was[i].constScanLine(y)[x * 4 + c]
                            - is[i].constScanLine(y)[x * 4 + c]));
                if (kStampArea.contains(x, y)) {
                    marked += change > 100;
                    continue;
                }
                QVERIFY2(!lossless || change == 0,
                    qPrintable(QStringLiteral("frame %1 at %2,%3").arg(i).arg(x).arg(y)));
                total += change;
                ++count;
            }
        QVERIFY2(total <= 4 * count, qPrintable(QString::number(double(total) / count)));
        QVERIFY2(marked >= 10, qPrintable(QStringLiteral("frame %1: no stamp").arg(i)));
    }
}

void TestWebpCodec::damagedFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = webpFile({pattern(96, 64, QImage::Format_RGB32)}, true, {}, -1, {});
    QByteArray cut = whole.left(whole.size() / 2);
    QTest::newRow("cut short") << cut;
    // The RIFF header made to agree with the cut: the image chunk runs past the end.
    qToLittleEndian<quint32>(quint32(cut.size() - 8), cut.data() + 4);
    QTest::newRow("image chunk past the end") << cut;
}

void TestWebpCodec::damagedFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("damaged.webp"));
    QVERIFY(!writeFile(path, bytes).isEmpty());
    QString failure;
    try {
        loadSource(path, QStringLiteral("webp"));
    } catch (const RuntimeFailure &refused) {
        failure = refused.description();
    }
    QVERIFY2(failure.startsWith(QStringLiteral("The picture %1 is damaged: ").arg(path)),
        qPrintable(failure));
}

// kalvora-stamp stamps a lossy WebP in place as a lossy WebP, its colour profile untouched and
// the tags ExifTool copies readable.
void TestWebpCodec::commandLineStampsInPlace()
{
    QTemporaryDir sources;
    const QString path = sources.filePath(QStringLiteral("holiday.webp"));
    const QByteArray before
        = writeFile(path, webpFile({smoothFrame(0)}, false, {}, -1, m_metadata));
    QProcess stamp;
    stamp.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kalvora-stamp"),
        {QStringLiteral("--text"), QStringLiteral("Stamp"), QStringLiteral("--in-place"), path});
    QVERIFY(stamp.waitForFinished(120000));
    QVERIFY2(stamp.exitCode() == 0, stamp.readAllStandardError().constData());

    const QByteArray after = contents(path);
    QCOMPARE(layoutOf(after).images, QByteArrayList {"VP8 "});
    QCOMPARE(layoutOf(after).metadata.value("ICCP"), m_metadata.value("ICCP"));
    QCOMPARE(
        exifTag(QStringLiteral("DateTimeOriginal"), path), QStringLiteral("2021:08:31 13:23:45"));
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), path), QStringLiteral("Peak"));
    QVERIFY(
        !changedArea(decodedFrames(before).value(0), decodedFrames(after).value(0), 100).isEmpty());
    QCOMPARE(QDir(sources.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList {QStringLiteral("holiday.webp")});
}

QTEST_MAIN(TestWebpCodec)
#include "tst_webpcodec.moc"
