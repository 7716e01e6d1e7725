// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Runs the built kalvora-convert on pictures made here and checks the files it leaves.
#include "convertsupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

double meanAbsoluteDifference(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * left.width() * left.height());
}

// Every file of a folder tree with its bytes and permissions, to prove a failed run left
// everything as it was and no temporary file behind.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    const auto entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &info : entries) {
        if (info.isDir()) {
            files.insert(info.fileName() + QStringLiteral("/"), {});
            continue;
        }
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly))
            files.insert(info.fileName(),
                QByteArray::number(int(info.permissions())) + ':' + file.readAll());
    }
    return files;
}

// A bitmap file header that claims 30000 x 30000 pixels (3.6 GB decoded) but holds no data.
QByteArray hugeBitmapHeader()
{
    QByteArray bytes(54, '\0');
    auto put32
        = [&bytes](int offset, quint32 value) { qToLittleEndian(value, bytes.data() + offset); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54 + 64);
    put32(10, 54);
    put32(14, 40);
    put32(18, 30000);
    put32(22, 30000);
    qToLittleEndian(quint16(1), bytes.data() + 26);
    qToLittleEndian(quint16(24), bytes.data() + 28);
    return bytes + QByteArray(64, '\x7f');
}

} // namespace

class TestConvert : public QObject
{
    Q_OBJECT

private slots:
    void outputFormWritesTheNamedFormat_data();
    void outputFormWritesTheNamedFormat();
    void inputFormWritesAFaithfulJpeg_data();
    void inputFormWritesAFaithfulJpeg();
    void inputFormLaysTransparencyOntoWhite();
    void failureLeavesEveryFileAsItWas_data();
    void failureLeavesEveryFileAsItWas();
    void replacedFileKeepsItsPermissions_data();
    void replacedFileKeepsItsPermissions();
    void readsPhotosAboveQtsDefaultLimit();
};

void TestConvert::outputFormWritesTheNamedFormat_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QSize>("sourceSize");
    QTest::addColumn<QByteArray>("expectedFormat");
    QTest::addColumn<QSize>("expectedSize");
    // Largest mean difference per channel allowed: 0 for lossless formats.
    QTest::addColumn<double>("tolerance");

    const QSize photo(320, 200);
    const QStringList gif {"gif", "-dither", "-colors", "256"};
    QTest::newRow("png") << "a.png" << QStringList {"png"} << photo << QByteArray("png") << photo
                         << 0.0;
    QTest::newRow("tiff as tif") << "a.tif" << QStringList {"tiff"} << photo << QByteArray("tiff")
                                 << photo << 0.0;
    QTest::newRow("bmp") << "a.bmp" << QStringList {"bmp"} << photo << QByteArray("bmp") << photo
                         << 0.0;
    QTest::newRow("ico within 256") << "a.ico" << QStringList {"ico"} << QSize(200, 100)
                                    << QByteArray("ico") << QSize(200, 100) << 0.0;
    QTest::newRow("ico, wide, scaled") << "b.ico" << QStringList {"ico"} << QSize(600, 300)
                                       << QByteArray("ico") << QSize(256, 128) << 3.0;
    QTest::newRow("ico, tall, scaled") << "c.ico" << QStringList {"ico"} << QSize(300, 600)
                                       << QByteArray("ico") << QSize(128, 256) << 3.0;
    QTest::newRow("jpeg") << "a.jpg" << QStringList {"jpeg"} << photo << QByteArray("jpeg") << photo
                          << 2.0;
    QTest::newRow("webp") << "a.webp" << QStringList {"webp"} << photo << QByteArray("webp")
                          << photo << 3.0;
    QTest::newRow("gif, upper-case extension")
        << "photo.GIF" << gif << photo << QByteArray("gif") << photo << 6.0;
    QTest::newRow("format word in capitals")
        << "d.png" << QStringList {"PNG"} << photo << QByteArray("png") << photo << 0.0;
    QTest::newRow("no word: tif extension")
        << "scan.tif" << QStringList {} << photo << QByteArray("tiff") << photo << 0.0;
    QTest::newRow("no word: TIFF extension")
        << "scan.TIFF" << QStringList {} << photo << QByteArray("tiff") << photo << 0.0;
    QTest::newRow("no word: webp extension")
        << "x.webp" << QStringList {} << photo << QByteArray("webp") << photo << 3.0;
    QTest::newRow("word wins over extension")
        << "e.jpg" << QStringList {"png"} << photo << QByteArray("png") << photo << 0.0;
    QTest::newRow("-- before a name starting with -")
        << "-a.png" << QStringList {"png", "--"} << photo << QByteArray("png") << photo << 0.0;
    QTest::newRow("gif options after --")
        << "-b.gif" << QStringList {"gif", "-dither", "-colors", "256", "--"} << photo
        << QByteArray("gif") << photo << 6.0;
}

void TestConvert::outputFormWritesTheNamedFormat()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, options);
    QFETCH(QSize, sourceSize);
    QFETCH(QByteArray, expectedFormat);
    QFETCH(QSize, expectedSize);
    QFETCH(double, tolerance);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QImage source = gradientPicture(sourceSize.width(), sourceSize.height());
    writeBitmap(dir.filePath(fileName), source);

    const RunResult run = runConverter(QStringList {"-out"} << options << fileName, dir.path());
    QVERIFY2(run.exitCode == 0, run.errorOutput.constData());

    const ReadBack result = readByContent(dir.filePath(fileName));
    QCOMPARE(result.format, expectedFormat);
    QCOMPARE(result.image.size(), expectedSize);
    const QImage expected = expectedSize == sourceSize
        ? source
        : source.scaled(expectedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = meanAbsoluteDifference(result.image, expected);
    QVERIFY2(difference <= tolerance, qPrintable(QString::number(difference)));
    // Written in place: no temporary file and no second file remain.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {fileName});
}

void TestConvert::inputFormWritesAFaithfulJpeg_data()
{
    QTest::addColumn<QString>("sourceName");
    QTest::addColumn<QByteArray>("sourceFormat");

    QTest::newRow("png") << "photo.png" << QByteArray("png");
    QTest::newRow("tif") << "photo.tif" << QByteArray("tiff");
    QTest::newRow("TIF in capitals") << "PHOTO.TIF" << QByteArray("tiff");
    QTest::newRow("png content under a tif name") << "odd.tif" << QByteArray("png");
    QTest::newRow("name starting with -") << "-photo.png" << QByteArray("png");
}

void TestConvert::inputFormWritesAFaithfulJpeg()
{
    QFETCH(QString, sourceName);
    QFETCH(QByteArray, sourceFormat);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QImage source = gradientPicture(300, 200);
    {
        QImageWriter writer(dir.filePath(sourceName), sourceFormat);
        QVERIFY(writer.write(source));
    }
    const QMap<QString, QByteArray> before = snapshot(dir.path());

    const RunResult run = runConverter(
        {"-out", "jpeg", "-o", dir.filePath("StampTmp.jpg"), "--", sourceName}, dir.path());
    QVERIFY2(run.exitCode == 0, run.errorOutput.constData());

    const ReadBack result = readByContent(dir.filePath("StampTmp.jpg"));
    QCOMPARE(result.format, QByteArray("jpeg"));
    QCOMPARE(result.image.size(), source.size());
    // High quality: on a smooth picture the JPEG stays within about one level per channel.
    const double difference = meanAbsoluteDifference(result.image, source);
    QVERIFY2(difference < 1.5, qPrintable(QString::number(difference)));
    // The source is left alone, and only the target was added.
    QMap<QString, QByteArray> after = snapshot(dir.path());
    after.remove("StampTmp.jpg");
    QCOMPARE(after, before);
}

void TestConvert::inputFormLaysTransparencyOntoWhite()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage source(64, 32, QImage::Format_ARGB32);
    source.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y) {
        for (int x = 32; x < 64; ++x)
            source.setPixel(x, y, qRgba(200, 30, 40, 255));
    }
    QVERIFY(source.save(dir.filePath("logo.png"), "png"));

    const RunResult run
        = runConverter({"-out", "jpeg", "-o", "t.jpg", dir.filePath("logo.png")}, dir.path());
    QVERIFY2(run.exitCode == 0, run.errorOutput.constData());

    const QImage result = readByContent(dir.filePath("t.jpg")).image;
    const QRgb clear = result.pixel(8, 16);
    const QRgb opaque = result.pixel(56, 16);
    QVERIFY2(qRed(clear) > 245 && qGreen(clear) > 245 && qBlue(clear) > 245,
        qPrintable(QString::number(clear, 16)));
    QVERIFY2(std::abs(qRed(opaque) - 200) < 8 && std::abs(qGreen(opaque) - 30) < 8,
        qPrintable(QString::number(opaque, 16)));
}

void TestConvert::failureLeavesEveryFileAsItWas_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");

    // Cannot read or write: exit 1.
    QTest::newRow("garbage in place") << QStringList {"-out", "png", "garbage.png"} << 1;
    // The source does not exist: exit 3, which the stamping program reads as "vanished".
    QTest::newRow("missing file") << QStringList {"-out", "png", "missing.png"} << 3;
    QTest::newRow("folder as file") << QStringList {"-out", "png", "sub"} << 1;
    QTest::newRow("input form, garbage source keeps target")
        << QStringList {"-out", "jpeg", "-o", "t.jpg", "garbage.png"} << 1;
    QTest::newRow("input form, missing source keeps target")
        << QStringList {"-out", "jpeg", "-o", "t.jpg", "missing.png"} << 3;
    QTest::newRow("input form, missing source in a missing folder")
        << QStringList {"-out", "jpeg", "-o", "t.jpg", "gone/missing.png"} << 3;
    QTest::newRow("target in a missing folder")
        << QStringList {"-out", "jpeg", "-o", "nowhere/t.jpg", "src.png"} << 1;
    QTest::newRow("target is a folder")
        << QStringList {"-out", "jpeg", "-o", "sub", "src.png"} << 1;
    QTest::newRow("no word, wmf extension") << QStringList {"-out", "x.wmf"} << 1;
    QTest::newRow("no word, unknown extension") << QStringList {"-out", "x.xyz"} << 1;
    QTest::newRow("no word, no extension") << QStringList {"-out", "noext"} << 1;
    QTest::newRow("declared size above the limit") << QStringList {"-out", "png", "huge.png"} << 1;
    QTest::newRow("too wide for a GIF")
        << QStringList {"-out", "gif", "-dither", "-colors", "256", "wide.gif"} << 1;
    // A malformed command: exit 2 with the usage.
    QTest::newRow("no arguments") << QStringList {} << 2;
    QTest::newRow("no -out") << QStringList {"png", "x.png"} << 2;
    QTest::newRow("-out alone") << QStringList {"-out"} << 2;
    QTest::newRow("unknown format") << QStringList {"-out", "pdf", "x.png"} << 2;
    QTest::newRow("unknown option") << QStringList {"-out", "png", "-resize", "x.png"} << 2;
    QTest::newRow("name like an option, no --") << QStringList {"-out", "png", "-a.png"} << 2;
    QTest::newRow("two files") << QStringList {"-out", "png", "x.png", "src.png"} << 2;
    QTest::newRow("-o without target") << QStringList {"-out", "jpeg", "-o"} << 2;
    QTest::newRow("-o twice") << QStringList {"-out", "jpeg", "-o", "t.jpg", "-o", "u.jpg",
        "src.png"} << 2;
    QTest::newRow("colours above 256")
        << QStringList {"-out", "gif", "-colors", "300", "x.gif"} << 2;
    QTest::newRow("colours not a number")
        << QStringList {"-out", "gif", "-colors", "many", "x.gif"} << 2;
    QTest::newRow("-colors without number") << QStringList {"-out", "gif", "x.gif", "-colors"} << 2;
    QTest::newRow("-dither on png") << QStringList {"-out", "png", "-dither", "x.png"} << 2;
    QTest::newRow("-colors on a png by extension")
        << QStringList {"-out", "-colors", "16", "x.png"} << 2;
    QTest::newRow("empty file name") << QStringList {"-out", "png", ""} << 2;
}

void TestConvert::failureLeavesEveryFileAsItWas()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QImage picture = gradientPicture(40, 30);
    // Bitmaps under the names the program would give them before converting.
    for (const char *name : {"x.png", "x.gif", "-a.png", "x.wmf", "x.xyz", "noext"})
        writeBitmap(dir.filePath(QString::fromLatin1(name)), picture);
    writeBitmap(dir.filePath("wide.gif"), gradientPicture(70000, 1));
    QVERIFY(picture.save(dir.filePath("src.png"), "png"));
    QVERIFY(picture.save(dir.filePath("t.jpg"), "jpeg"));
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    for (const auto &[name, bytes] : {std::pair {"garbage.png", QByteArray("not a picture")},
             std::pair {"huge.png", hugeBitmapHeader()}}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QMap<QString, QByteArray> before = snapshot(dir.path());

    const RunResult run = runConverter(arguments, dir.path());

    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.errorOutput.startsWith("kalvora-convert: "), run.errorOutput.constData());
    QCOMPARE(run.errorOutput.contains("usage:"), exitCode == 2);
    QCOMPARE(snapshot(dir.path()), before);
    QVERIFY(snapshot(dir.filePath("sub")).isEmpty());
}

void TestConvert::replacedFileKeepsItsPermissions_data()
{
    QTest::addColumn<int>("permissions");

    QTest::newRow("owner only") << int(QFile::ReadOwner | QFile::WriteOwner);
    QTest::newRow("group readable") << int(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    QTest::newRow("everyone readable")
        << int(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

void TestConvert::replacedFileKeepsItsPermissions()
{
    QFETCH(int, permissions);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("a.png");
    writeBitmap(path, gradientPicture(50, 40));
    const auto wanted = QFile::Permissions(permissions);
    QVERIFY(QFile::setPermissions(path, wanted));
    // Qt adds the matching user bits to the owner bits it reports.
    const QFile::Permissions reported = QFileInfo(path).permissions();

    QCOMPARE(runConverter({"-out", "png", path}, dir.path()).exitCode, 0);

    QCOMPARE(readByContent(path).format, QByteArray("png"));
    QCOMPARE(QFileInfo(path).permissions(), reported);
}

void TestConvert::readsPhotosAboveQtsDefaultLimit()
{
    // A picture just above the limit Qt applies unless a program raises it.
    const qint64 defaultLimit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    QVERIFY(defaultLimit > 0);
    const int side = int(std::ceil(std::sqrt(double(defaultLimit) / 4 * 1.05)));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage source(side, side, QImage::Format_RGB32);
    source.fill(qRgb(30, 90, 160));
    for (int y = 0; y < 64; ++y) {
        for (int x = side - 64; x < side; ++x)
            source.setPixel(x, y, qRgb(250, 250, 0));
    }
    QVERIFY(source.save(dir.filePath("big.png"), "png", 0));
    source = QImage();

    const RunResult run = runConverter({"-out", "jpeg", "-o", "big.jpg", "big.png"}, dir.path());
    QVERIFY2(run.exitCode == 0, run.errorOutput.constData());

    QImageReader reader(dir.filePath("big.jpg"));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), QSize(side, side));
    // Check the marked corner only: decoding the whole result would exceed the limit here too.
    reader.setClipRect(QRect(side - 48, 16, 32, 32));
    const QImage corner = reader.read();
    QVERIFY2(!corner.isNull(), qPrintable(reader.errorString()));
    QVERIFY(qRed(corner.pixel(16, 16)) > 230 && qBlue(corner.pixel(16, 16)) < 30);
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
