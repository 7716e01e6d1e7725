// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/output/converter.h"
#include "outputtestsupport.h"

#include <QtEndian>

using namespace kalvora;

namespace {

// A PNG file of the given size without its pixels: enough for a reader to learn the size.
QByteArray pngHeader(quint32 width, quint32 height)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 2; // colour type: RGB
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", {})
        + pngChunk("IEND", {});
}

} // namespace

class TestWorkSurface : public QObject
{
    Q_OBJECT

    OutputFolders m_folders;

private slots:
    void init() { m_folders.reset(); }

    void loadsAnyPictureAsRgbAt96Dpi_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("jpeg") << "a.jpg" << QByteArray("jpeg");
        QTest::newRow("png") << "a.png" << QByteArray("png");
        QTest::newRow("gif, a palette") << "a.gif" << QByteArray("gif");
        QTest::newRow("tiff") << "a.tiff" << QByteArray("tiff");
        QTest::newRow("misnamed png") << "a.jpg" << QByteArray("png");
    }

    void loadsAnyPictureAsRgbAt96Dpi()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        const QString path = m_folders.pics + '/' + name;
        QImage picture = gradient(64, 48);
        picture.setDotsPerMeterX(11811);
        if (format == "gif") {
            // Qt writes no GIF; the converter does.
            ToolRunner tools;
            SaveBitmap(picture, path);
            ConvertOutput(path, "gif", tools);
        } else {
            QVERIFY(picture.save(path, format.constData()));
        }
        const QImage surface = loadWorkSurface(path);
        QCOMPARE(surface.size(), QSize(64, 48));
        QCOMPARE(surface.format(), QImage::Format_RGB32);
        QCOMPARE(surface.dotsPerMeterX(), kSurfaceDotsPerMeter);
        QCOMPARE(surface.dotsPerMeterY(), kSurfaceDotsPerMeter);
    }

    void unreadablePicturesAreNamed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.jpg" << QByteArray() << "does not exist";
        QTest::newRow("damaged") << "damaged.jpg" << QByteArray("not a picture at all")
                                 << "Cannot load the picture";
        QTest::newRow("too large")
            << "huge.png" << pngHeader(20000, 15000) << "too large to be stamped";
    }

    void unreadablePicturesAreNamed()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = m_folders.pics + '/' + name;
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const QString failure = failureOf([&] { loadWorkSurface(path); });
        QVERIFY2(failure.contains(reason), qPrintable(failure));
        QVERIFY2(failure.contains(name), qPrintable(failure));
    }
};

QTEST_MAIN(TestWorkSurface)
#include "tst_worksurface.moc"
