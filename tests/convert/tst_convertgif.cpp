// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Runs the built kalvora-convert to write GIFs and checks their colours and how dithering keeps
// the picture.
#include "convertsupport.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

// How far the local average colour strays: dithering keeps each 8x8 block's mean close to the
// source even with few colours, plain nearest-colour mapping leaves bands.
double meanBlockError(const QImage &source, const QImage &result)
{
    const QImage a = source.convertToFormat(QImage::Format_RGB32);
    const QImage b = result.convertToFormat(QImage::Format_RGB32);
    constexpr int kBlock = 8;
    double error = 0;
    int blocks = 0;
    for (int by = 0; by + kBlock <= a.height(); by += kBlock) {
        for (int bx = 0; bx + kBlock <= a.width(); bx += kBlock) {
            double channels[3] = {0, 0, 0};
            for (int y = by; y < by + kBlock; ++y) {
                for (int x = bx; x < bx + kBlock; ++x) {
                    const QRgb p = a.pixel(x, y);
                    const QRgb q = b.pixel(x, y);
                    channels[0] += qRed(p) - qRed(q);
                    channels[1] += qGreen(p) - qGreen(q);
                    channels[2] += qBlue(p) - qBlue(q);
                }
            }
            for (double channel : channels)
                error += std::abs(channel) / (kBlock * kBlock);
            ++blocks;
        }
    }
    return error / (3.0 * blocks);
}

int distinctColours(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(rgb.pixel(x, y));
    }
    return int(colours.size());
}

} // namespace

class TestConvertGif : public QObject
{
    Q_OBJECT

private slots:
    void gifHasAtMostTheAskedColours_data();
    void gifHasAtMostTheAskedColours();
    void ditheringKeepsLocalAverages();
};

void TestConvertGif::gifHasAtMostTheAskedColours_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("colours");

    QTest::newRow("256, dithered") << QStringList {"-dither", "-colors", "256"} << 256;
    QTest::newRow("256 without dithering") << QStringList {"-colors", "256"} << 256;
    QTest::newRow("16, dithered") << QStringList {"-colors", "16", "-dither"} << 16;
    QTest::newRow("default is 256") << QStringList {} << 256;
}

void TestConvertGif::gifHasAtMostTheAskedColours()
{
    QFETCH(QStringList, options);
    QFETCH(int, colours);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("sky.gif");
    const QImage source = gradientPicture(256, 256);
    QVERIFY(distinctColours(source) > 10000);
    writeBitmap(path, source);

    const RunResult run = runConverter(QStringList {"-out", "gif"} << options << path, dir.path());
    QVERIFY2(run.exitCode == 0, run.errorOutput.constData());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"));
    QVERIFY(bytes.endsWith(';'));
    const ReadBack result = readByContent(path);
    QCOMPARE(result.format, QByteArray("gif"));
    QCOMPARE(result.image.size(), source.size());
    QVERIFY(result.image.colorCount() <= 256);
    const int used = distinctColours(result.image);
    QVERIFY2(used <= colours && used > colours / 2, qPrintable(QString::number(used)));
    // The picture is kept: each small area keeps its colour (dithering trades exact pixels for
    // right averages, so whole-pixel differences would say little).
    const double difference = meanBlockError(source, result.image);
    QVERIFY2(difference < (colours == 256 ? 2.5 : 8.0), qPrintable(QString::number(difference)));
}

void TestConvertGif::ditheringKeepsLocalAverages()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QImage source = gradientPicture(256, 256);
    const QString plain = dir.filePath("plain.gif");
    const QString dithered = dir.filePath("dithered.gif");
    writeBitmap(plain, source);
    writeBitmap(dithered, source);

    QCOMPARE(runConverter({"-out", "gif", "-colors", "8", plain}, dir.path()).exitCode, 0);
    QCOMPARE(
        runConverter({"-out", "gif", "-dither", "-colors", "8", dithered}, dir.path()).exitCode, 0);

    const double plainError = meanBlockError(source, readByContent(plain).image);
    const double ditheredError = meanBlockError(source, readByContent(dithered).image);
    QVERIFY2(ditheredError < plainError * 0.7,
        qPrintable(QStringLiteral("%1 vs %2").arg(ditheredError).arg(plainError)));
}

QTEST_GUILESS_MAIN(TestConvertGif)
#include "tst_convertgif.moc"
