// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later

// kalvora-fuzz-seeds FOLDER: writes the first corpus of every fuzz target into FOLDER/TARGET/,
// small files made the way the tests make theirs (straight through libjpeg, libtiff, giflib,
// Qt's writers and ExifTool), so no picture is kept in the repository. The targets that stamp
// take the choice of stamp first (FuzzSupport::takeStampChoice), then the file.

#include "fuzzsupport.h"
#include "jpegblocksupport.h"
#include "picturefiles.h"
#include "testimages.h"

#include "engine/render/ownqualitystamp.h"
#include "imagelist/samplefiles.h"
#include "options/settingskeys.h"
#include "options/settingsstore.h"

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

QString g_folder;
int g_written = 0;
bool g_ok = true;

void check(bool ok, const QString &what)
{
    if (!ok) {
        std::fprintf(stderr, "kalvora-fuzz-seeds: cannot make %s\n", qPrintable(what));
        g_ok = false;
    }
}

QString seedPath(const char *target, const QString &name)
{
    QDir().mkpath(g_folder + QLatin1Char('/') + QLatin1String(target));
    return g_folder + QLatin1Char('/') + QLatin1String(target) + QLatin1Char('/') + name;
}

void writeSeed(const char *target, const QString &name, const QByteArray &bytes)
{
    QFile file(seedPath(target, name));
    check(!bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
        name);
    ++g_written;
}

// The four bytes that choose a stamp: position, size in points, text and styles, quality
// (and with it the orientation).
QByteArray stampChoice(quint8 position, quint8 points, quint8 text, quint8 quality)
{
    const char bytes[] = {char(position), char(points), char(text), char(quality)};
    return QByteArray(bytes, sizeof bytes);
}

void makeJpegSeeds()
{
    const QImage small = photo(64, 48);
    Layout full;
    full.lumaH = 1;
    full.lumaV = 1;
    Layout half = full;
    half.lumaH = 2;
    Layout progressive;
    progressive.progressive = true;
    Layout arithmetic;
    arithmetic.arithmetic = true;
    Layout grey;
    grey.space = JCS_GRAYSCALE;
    Layout cmyk;
    cmyk.space = JCS_CMYK;
    // Lower-right, 8 points, "8", quality 85: a stamp small enough for the blocks.
    const QByteArray blocks = stampChoice(3, 8, 1, 84);
    writeSeed("fuzz_jpeg_block", "420.jpg", blocks + plainJpeg(photo(160, 120), 75));
    writeSeed("fuzz_jpeg_block", "444.jpg", stampChoice(8, 6, 1, 149) + plainJpeg(small, 90, full));
    writeSeed("fuzz_jpeg_block", "422.jpg", stampChoice(4, 7, 2, 40) + plainJpeg(small, 60, half));
    writeSeed("fuzz_jpeg_block", "progressive.jpg", blocks + plainJpeg(small, 80, progressive));
    writeSeed("fuzz_jpeg_block", "arithmetic.jpg", blocks + plainJpeg(small, 80, arithmetic));
    writeSeed("fuzz_jpeg_block", "grey.jpg", blocks + plainJpeg(small, 80, grey));
    writeSeed("fuzz_jpeg_block", "cmyk.jpg", blocks + plainJpeg(small, 80, cmyk));
    // Most of the picture under a large stamp: decoded whole. And a profile to carry.
    writeSeed(
        "fuzz_jpeg_block", "large-stamp.jpg", stampChoice(8, 48, 3, 250) + plainJpeg(small, 50));
    // Kept in their own quality: with and without restart markers, and one stamped so already,
    // whose restore data the reader meets.
    Layout restarts;
    restarts.restartMcus = 2;
    const QByteArray kept = plainJpeg(photo(160, 120), 85);
    writeSeed("fuzz_own_quality", "420.jpg", blocks + kept);
    writeSeed(
        "fuzz_own_quality", "444.jpg", stampChoice(8, 6, 1, 149) + plainJpeg(small, 90, full));
    writeSeed("fuzz_own_quality", "restarts.jpg",
        stampChoice(5, 8, 1, 84) + plainJpeg(small, 85, restarts));
    const auto stamper = kalvora::OwnQualityStamper::open(kept, QStringLiteral("seed.jpg"));
    stamper->setStamp({QStringLiteral("8"), QStringLiteral("Lower-Right"), QFont(), Qt::white, {}});
    writeSeed("fuzz_own_quality", "stamped.jpg", stampChoice(1, 8, 1, 84) + stamper->write({}));
    QImage profiled = small;
    profiled.setColorSpace(QColorSpace::DisplayP3);
    writeSeed("fuzz_jpeg_block", "profile.jpg",
        stampChoice(0, 10, 4, 120) + PictureFiles::encoded(profiled, "jpeg"));
}

void makeWholePictureSeeds()
{
    using namespace PictureFiles;
    const QByteArray choice = stampChoice(3, 9, 2, 0);
    writeSeed("fuzz_codecs", "rgb.png", choice + encoded(TestImages::gradient(24, 16), "png"));
    writeSeed("fuzz_codecs", "alpha.png",
        choice + encoded(pattern(20, 14, QImage::Format_ARGB32), "png"));
    writeSeed("fuzz_codecs", "deep.png",
        stampChoice(0, 6, 1, 0) + encoded(pattern(16, 12, QImage::Format_RGBA64), "png"));
    writeSeed("fuzz_codecs", "grey16.png",
        choice + encoded(pattern(16, 12, QImage::Format_Grayscale16), "png"));
    writeSeed("fuzz_codecs", "indexed.png",
        choice
            + encoded(
                manyColourFrame(20, 12, 40, 3).convertToFormat(QImage::Format_Indexed8), "png"));

    const QString tiff = seedPath("fuzz_codecs", "pages.tif");
    check(writeTiff(tiff,
              {pattern(16, 12, QImage::Format_RGB32), pattern(12, 10, QImage::Format_RGBA64, 1)}),
        tiff);
    const QString cmyk = seedPath("fuzz_codecs", "cmyk.tif");
    check(writeTiff(cmyk, {pattern(12, 8, QImage::Format_RGB32)}, COMPRESSION_NONE,
              PHOTOMETRIC_SEPARATED),
        cmyk);
    const QString deflate = seedPath("fuzz_codecs", "alpha.tif");
    check(writeTiff(deflate, {pattern(12, 8, QImage::Format_ARGB32)}, COMPRESSION_ADOBE_DEFLATE),
        deflate);
    const QString gif = seedPath("fuzz_codecs", "animated.gif");
    check(writeGif(gif,
              {flatFrame(24, 16, 0xff2040a0, 0xffffff00, 2),
                  flatFrame(24, 16, 0x00000000, 0xff00ff00, 9)},
              {10, 25}, 0),
        gif);
    for (const QString &path : {tiff, cmyk, deflate, gif}) {
        const QByteArray content = TestImages::contents(path);
        QFile::remove(path);
        writeSeed("fuzz_codecs", QFileInfo(path).fileName(), choice + content);
    }

    const QByteArray icon = iconFile(
        {pattern(16, 16, QImage::Format_ARGB32), pattern(32, 32, QImage::Format_ARGB32, 2)},
        {false, true});
    writeSeed("fuzz_codecs", "sizes.ico", choice + icon);
    QByteArray cursor = icon;
    cursor[2] = 2;
    writeSeed("fuzz_codecs", "pointer.cur", choice + cursor);
}

void makeSurfaceSeeds()
{
    using namespace PictureFiles;
    const QByteArray choice = stampChoice(8, 7, 1, 1);
    writeSeed("fuzz_codecs", "rgb.bmp", choice + encoded(TestImages::gradient(20, 12), "bmp"));
    writeSeed(
        "fuzz_codecs", "alpha.bmp", choice + encoded(pattern(12, 8, QImage::Format_ARGB32), "bmp"));
    writeSeed("fuzz_codecs", "lossy.webp", choice + encoded(TestImages::gradient(20, 12), "webp"));
    writeSeed("fuzz_codecs", "photo.jpg", choice + plainJpeg(photo(24, 16), 70));
}

void makeDateTakenSeed(
    const QString &name, const QImage &image, const char *format, const QStringList &tags)
{
    const QString path = seedPath("fuzz_date_taken", name);
    QFile file(path);
    const QByteArray bytes = PictureFiles::encoded(image, format);
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), name);
    file.close();
    if (!tags.isEmpty())
        check(TestImages::exifTool(
                  QStringList {QStringLiteral("-q"), QStringLiteral("-overwrite_original")} + tags
                  + QStringList {path})
                == 0,
            name + QStringLiteral(" (ExifTool)"));
    ++g_written;
}

void makeDateTakenSeeds()
{
    const QImage image = TestImages::gradient(16, 12);
    const QString original = QStringLiteral("-DateTimeOriginal=2021:08:31 13:23:45");
    const QStringList camera {QStringLiteral("-ExifByteOrder=MM"),
        QStringLiteral("-XResolution=72"), QStringLiteral("-ModifyDate=2021:08:31 13:23:45"),
        QStringLiteral("-Orientation#=6"), original};
    makeDateTakenSeed(QStringLiteral("camera.jpg"), image, "jpeg", camera);
    makeDateTakenSeed(QStringLiteral("little-endian.jpg"), image, "jpeg",
        {QStringLiteral("-ExifByteOrder=II"), QStringLiteral("-CreateDate=2022:01:02 03:04:05")});
    makeDateTakenSeed(QStringLiteral("zeros.jpg"), image, "jpeg",
        {QStringLiteral("-DateTimeOriginal#=0000:00:00 00:00:00"),
            QStringLiteral("-ModifyDate=2023:11:12 20:21:22")});
    makeDateTakenSeed(QStringLiteral("none.jpg"), image, "jpeg", {});
    makeDateTakenSeed(QStringLiteral("camera.tif"), image, "tiff", {original});
    makeDateTakenSeed(QStringLiteral("camera.png"), image, "png", camera);
    makeDateTakenSeed(QStringLiteral("camera.webp"), image, "webp", camera);
}

void makeSettingsSeeds()
{
    // Every key as the programs write them, through the settings store itself.
    {
        SettingsStore store(seedPath("fuzz_settings", "written.ini"));
        for (const SettingKey &key : allSettingKeys())
            store.write(key, key.defaultValue());
        store.write(Keys::kCustomText, QStringLiteral("Ski trip, \"2021\"\n@home; a=b"));
        store.write(Keys::kOutputFolder, QString::fromUtf8("/home/me/Bilder/Stempel \xC3\xBC/"));
        ++g_written;
    }
    // What people and other programs leave in a hand-edited file.
    writeSeed("fuzz_settings", "edited.ini",
        "\xEF\xBB\xBF; comment\r\n[General]\r\nOption1=1\r\n\r\n[Kalvora]\r\n"
        "option1 = true\r\nOPTION2=0\r\nCombo4=1.5\r\nPosition=lower-right\r\n"
        "Text5=\"a, b\", c\\x41\\101 \\t\r\nText4=@String(x\\0y)\r\nSlider1=  85 \r\n"
        "Output%20Folder=/tmp/\\\"q\\\"\r\nFontSize=1e1\r\nFont%20Color=-0\r\n"
        "Snapshot=@ByteArray(False)\r\n#end\r\n[Other]\r\nText5=other");
}

void makeSnapshotSeeds()
{
    writeSeed("fuzz_snapshot", "samples",
        EncodeSnapshot(QStringLiteral("/usr/share/kalvora/Samples/Alpine Lake.jpg|"
                                      "/usr/share/kalvora/Samples/Harbour.png"))
            .toUtf8());
    writeSeed("fuzz_snapshot", "utf8",
        EncodeSnapshot(
            QString::fromLatin1("/home/me/Proben/\xC3\xBC\xC3\x9F.jpg|/x/\xE6\x97\xA5.png"))
            .toUtf8());
    writeSeed("fuzz_snapshot", "absent", "False");
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kalvora-fuzz-seeds FOLDER\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    makeJpegSeeds();
    makeWholePictureSeeds();
    makeSurfaceSeeds();
    makeDateTakenSeeds();
    makeSettingsSeeds();
    makeSnapshotSeeds();
    std::printf("kalvora-fuzz-seeds: %d seeds in %s\n", g_written, argv[1]);
    return g_ok ? 0 : 1;
}
