// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputtestsupport.h"

using namespace kalvora;

class TestMetadataCopy : public OutputTestCase
{
    Q_OBJECT

private slots:
    void init() { m_folders.reset(); }

    void metadataRoundTrip_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::newRow("jpg") << "jpg";
        QTest::newRow("png") << "png";
        QTest::newRow("tif") << "tif";
    }

    void metadataRoundTrip()
    {
        QFETCH(QString, ext);
        const QString tagged = m_pics + "/tagged.jpg";
        makeTaggedJpeg(tagged);
        // The stamped picture reaches the output as a file of the named type, as a source of
        // that type would.
        const QString source = m_pics + "/photo." + ext;
        if (ext != QLatin1String("jpg")) {
            QVERIFY(gradient().save(source, ext == "tif" ? "tiff" : "png"));
            QProcess copy;
            copy.start(QStringLiteral("exiftool"),
                {"-overwrite_original", "-TagsFromFile", tagged, "-All:All", source});
            QVERIFY(copy.waitForFinished(30000));
        } else {
            QVERIFY(QFile::rename(tagged, source));
        }
        ToolRunner tools;
        const OutputTarget target = stamp(source, SaveOption::ChosenFolder, m_out, tools);
        QCOMPARE(target.path, m_out + "/photo." + ext);
        QCOMPARE(exifTag("DateTimeOriginal", target.path), QStringLiteral("2021:08:31 13:23:45"));
        QVERIFY(exifTag("GPSLatitude", target.path).startsWith(QLatin1String("48 deg 30' 0.00\"")));
        QCOMPARE(exifTag("Keywords", target.path), QStringLiteral("alpine"));
        QCOMPARE(exifTag("Title", target.path), QStringLiteral("Peak"));
        QCOMPARE(QDir(m_out).entryList(QDir::Files), QStringList {"photo." + ext});
    }

    void stampedInPlace_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("folder");
        QTest::newRow("folder of the original") << false << QString();
        QTest::newRow("chosen folder is the source's, through a link") << true << "link";
        QTest::newRow("chosen folder with a trailing separator") << true << "pics/";
    }

    void stampedInPlace()
    {
        QFETCH(bool, chosen);
        QFETCH(QString, folder);
        const QString source = m_pics + "/a.jpg";
        makeTaggedJpeg(source);
        const QImage before = loadWorkSurface(source);
        ToolRunner tools;
        stamp(source, chosen ? SaveOption::ChosenFolder : SaveOption::OriginalFolder,
            folder.isEmpty() ? QString() : m_dir.filePath(folder), tools);

        QCOMPARE(QDir(m_pics).entryList(QDir::Files), QStringList {"a.jpg"});
        QCOMPARE(exifTag("DateTimeOriginal", source), QStringLiteral("2021:08:31 13:23:45"));
        QCOMPARE(exifTag("Keywords", source), QStringLiteral("alpine"));
        // The middle, where the stamp is, has turned yellow; a corner has not changed.
        const QImage after = loadWorkSurface(source);
        QCOMPARE(after.size(), before.size());
        QVERIFY(qAbs(qRed(after.pixel(2, 2)) - qRed(before.pixel(2, 2))) < 24);
        int yellow = 0;
        for (int x = 0; x < after.width(); ++x) {
            const QRgb p = after.pixel(x, after.height() / 2 + 3);
            yellow += qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 90;
        }
        QVERIFY(yellow > 3);
    }

    void metadataCopy_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("fails");
        QTest::newRow("damaged PNG is reported") << "broken.png" << true;
        QTest::newRow("bitmap holds no tags") << "plain.bmp" << false;
    }

    void metadataCopy()
    {
        QFETCH(QString, output);
        QFETCH(bool, fails);
        const QString source = m_pics + "/a.jpg";
        makeTaggedJpeg(source);
        const QString path = m_out + '/' + output;
        if (output.endsWith(QLatin1String(".bmp")))
            SaveBitmap(gradient(), path);
        else
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        ToolRunner tools;
        ExifToolSession exifTool(tools.exifTool());
        const QString failure
            = failureOf([&] { CopyMetadata(source, path, exifTool, m_dir.path()); });
        QCOMPARE(failure.startsWith(QLatin1String("Cannot copy the metadata")), fails);
        QVERIFY(!QFile::exists(path + "_original"));
    }

    void metadataArgumentsAreAbsolute()
    {
        QVERIFY(QDir::setCurrent(m_pics));
        const QStringList arguments = copyMetadataArguments("-a.jpg", m_out + "/b.png");
        const qsizetype from = arguments.indexOf("-TagsFromFile");
        QVERIFY(from >= 0 && from + 1 < arguments.size());
        QCOMPARE(arguments.at(from + 1), m_pics + "/-a.jpg");
        QCOMPARE(arguments.last(), m_out + "/b.png");
    }
};

QTEST_MAIN(TestMetadataCopy)
#include "tst_metadatacopy.moc"
