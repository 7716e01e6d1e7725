// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convertsupport.h"

#include <QFile>
#include <QTemporaryDir>

/// A cut-short bitmap is damaged: the converter refuses it and writes nothing, where a lenient
/// reader would have filled the missing rows with black.
class TestConvertDamage : public QObject
{
    Q_OBJECT

private slots:
    void cutShortBitmap_data();
    void cutShortBitmap();
};

void TestConvertDamage::cutShortBitmap_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("missing"); // bytes cut from the end; 0 keeps the file whole
    QTest::addColumn<int>("exitCode");

    QTest::newRow("whole 24-bit") << 24 << 0 << 0;
    QTest::newRow("24-bit, last row missing") << 24 << 1920 << 1;
    QTest::newRow("24-bit, only 300 bytes") << 24 << -300 << 1;
    QTest::newRow("8-bit, one byte missing") << 8 << 1 << 1;
}

void TestConvertDamage::cutShortBitmap()
{
    QFETCH(int, depth);
    QFETCH(int, missing);
    QFETCH(int, exitCode);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("p.bmp"));
    QImage picture = gradientPicture(640, 480);
    if (depth == 8)
        picture = picture.convertToFormat(QImage::Format_Indexed8);
    QVERIFY(picture.save(path, "BMP"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(missing < 0 ? -missing : file.size() - missing));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    const RunResult result
        = runConverter({QStringLiteral("-out"), QStringLiteral("png"), path}, folder.path());

    QCOMPARE(result.exitCode, exitCode);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() == before, exitCode != 0);
    if (exitCode != 0)
        QVERIFY2(result.errorOutput.contains("cut short"), result.errorOutput.constData());
}

QTEST_GUILESS_MAIN(TestConvertDamage)
#include "tst_convertdamage.moc"
