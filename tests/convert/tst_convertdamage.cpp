// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convertsupport.h"
#include "picturefiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace PictureFiles;

/// A picture file cut short is damaged: the converter refuses it and writes nothing, where a
/// lenient reader would have filled in the missing rows, or shown the frames, pages or sizes
/// before the cut as if they were all.
class TestConvertDamage : public QObject
{
    Q_OBJECT

private slots:
    void cutShortPictures_data();
    void cutShortPictures();
};

void TestConvertDamage::cutShortPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("exitCode");

    const QImage picture = gradientPicture(640, 480);
    const QByteArray bitmap = encoded(picture, "bmp");
    QTest::newRow("whole 24-bit") << "p.bmp" << bitmap << 0;
    QTest::newRow("24-bit, last row missing") << "p.bmp" << bitmap.chopped(1920) << 1;
    QTest::newRow("24-bit, only 300 bytes") << "p.bmp" << bitmap.left(300) << 1;
    QByteArray huge = bitmap.left(62);
    for (const int at : {18, 22})
        huge.replace(at, 4, QByteArray("\xFF\xFF\xFF\x7F", 4));
    huge.replace(28, 2, QByteArray("\xFF\xFF", 2)); // 65535 bits a pixel
    QTest::newRow("header claiming 2^31 x 2^31 pixels") << "p.bmp" << huge << 1;
    QTest::newRow("8-bit, one byte missing")
        << "p.bmp" << encoded(picture.convertToFormat(QImage::Format_Indexed8), "bmp").chopped(1)
        << 1;

    const QTemporaryDir scratch;
    for (const char *kind : {"png", "tif", "gif", "ico", "webp"}) {
        const QByteArray whole = wholeFile(QLatin1String(kind), scratch.path());
        const QString name = QStringLiteral("p.") + QLatin1String(kind);
        QTest::addRow("whole %s", kind) << name << whole << 0;
        QTest::addRow("%s cut at 50%%", kind) << name << whole.left(whole.size() / 2) << 1;
        QTest::addRow("%s cut at 90%%", kind) << name << whole.left(whole.size() * 9 / 10) << 1;
        QTest::addRow("%s without its last byte", kind) << name << whole.chopped(1) << 1;
    }
    // What follows a PNG's end chunk is no part of it.
    QTest::newRow("png with bytes after its end")
        << "p.png" << wholeFile(QStringLiteral("png"), scratch.path()) + "trailing" << 0;
}

void TestConvertDamage::cutShortPictures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, exitCode);

    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    const RunResult result = runConverter(
        {QStringLiteral("-out"), name.endsWith(QLatin1String(".bmp")) ? "png" : "bmp", path},
        folder.path());

    QCOMPARE(result.exitCode, exitCode);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() == bytes, exitCode != 0);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList {name});
    if (exitCode != 0)
        QVERIFY2(result.errorOutput.contains(name.toLocal8Bit()), result.errorOutput.constData());
}

QTEST_GUILESS_MAIN(TestConvertDamage)
#include "tst_convertdamage.moc"
