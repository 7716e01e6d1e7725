// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/filehelpers.h"
#include "outputtestsupport.h"

#include <QSet>
#include <QStandardPaths>

using namespace kalvora;

class TestImageOutput : public OutputTestCase
{
    Q_OBJECT

private slots:
    void init() { m_folders.reset(); }

    void extensionAndStrip_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("stripped");
        QTest::newRow("plain") << "/p/a.jpg"
                               << "jpg"
                               << "/p/a";
        QTest::newRow("keeps case") << "/p/a.b.JPG"
                                    << "JPG"
                                    << "/p/a.b";
        QTest::newRow("dot first") << ".hidden"
                                   << "hidden"
                                   << ".hidden";
        QTest::newRow("no dot") << "noext"
                                << "noext"
                                << "noext";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }

    void extensionAndStrip()
    {
        QFETCH(QString, path);
        QFETCH(QString, ext);
        QFETCH(QString, stripped);
        QCOMPARE(extensionOf(path), ext);
        QCOMPARE(StripExtension(path), stripped);
    }

    void outputPathFor_data()
    {
        // "@" stands for the test's folder.
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("replace");
        QTest::newRow("original folder")
            << "@/pics/a.jpg" << false << QString() << "@/pics/a_Stamped.jpg" << true;
        QTest::newRow("extension keeps its case")
            << "@/pics/photo.GIF" << false << QString() << "@/pics/photo_Stamped.GIF" << true;
        QTest::newRow("chosen, same spelling") << "@/pics/a.jpg" << true << "@/pics"
                                               << "@/pics/a_Stamped.jpg" << true;
        QTest::newRow("chosen, trailing separator") << "@/pics/a.jpg" << true << "@/pics/"
                                                    << "@/pics/a_Stamped.jpg" << true;
        QTest::newRow("chosen, through ..") << "@/pics/a.jpg" << true << "@/out/../pics"
                                            << "@/out/../pics/a_Stamped.jpg" << true;
        QTest::newRow("chosen, symbolic link") << "@/pics/a.jpg" << true << "@/link"
                                               << "@/link/a_Stamped.jpg" << true;
        QTest::newRow("chosen, other folder") << "@/pics/a.jpg" << true << "@/out"
                                              << "@/out/a.jpg" << false;
        QTest::newRow("chosen, other folder with separator") << "@/pics/a.jpg" << true << "@/out/"
                                                             << "@/out/a.jpg" << false;
    }

    void outputPathFor()
    {
        QFETCH(QString, source);
        QFETCH(bool, chosen);
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QFETCH(bool, replace);
        const auto here = [this](QString text) { return text.replace('@', m_dir.path()); };
        const OutputTarget target = OutputPathFor(here(source),
            chosen ? SaveOption::ChosenFolder : SaveOption::OriginalFolder, here(folder));
        QCOMPARE(target.path, here(expected));
        QCOMPARE(target.replaceSource, replace);
    }

    void jpegQuality()
    {
        const QString low = m_out + "/low.jpg";
        const QString high = m_out + "/high.jpg";
        const QString below = m_out + "/below.jpg";
        SaveAsJPG(gradient(), low, 1);
        SaveAsJPG(gradient(), high, 100);
        SaveAsJPG(gradient(), below, 0);
        QCOMPARE(formatOf(low), QByteArray("jpeg"));
        QCOMPARE(formatOf(high), QByteArray("jpeg"));
        QVERIFY(contents(high).size() > 2 * contents(low).size());
        QCOMPARE(contents(below), contents(low));
    }

    void jpegFailures_data()
    {
        QTest::addColumn<bool>("emptyImage");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        // The first line as users have always seen it, then the file and the reason.
        QTest::newRow("empty picture") << true << "a.jpg"
                                       << "Cannot save the image. GDI+ Error:2\n%1: the picture "
                                          "is empty";
        QTest::newRow("missing folder") << false << "nowhere/a.jpg"
                                        << "Cannot save the image. GDI+ Error:7\n%1: No such "
                                           "file or directory";
    }

    void jpegFailures()
    {
        QFETCH(bool, emptyImage);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const QString path = m_out + '/' + name;
        int number = 0;
        QString description;
        try {
            SaveAsJPG(emptyImage ? QImage() : gradient(), path, 85);
        } catch (const RuntimeFailure &failure) {
            number = failure.number();
            description = failure.description();
        }
        QCOMPARE(description, expected.arg(path));
        QCOMPARE(number, kSaveFailureNumber);
        QVERIFY(!QFile::exists(path));
    }

    void writesEachFormat_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("jpg") << "jpg" << QByteArray("jpeg");
        QTest::newRow("JPEG") << "JPEG" << QByteArray("jpeg");
        QTest::newRow("png") << "png" << QByteArray("png");
        QTest::newRow("tif") << "tif" << QByteArray("tiff");
        QTest::newRow("tiff") << "tiff" << QByteArray("tiff");
        QTest::newRow("ico") << "ico" << QByteArray("ico");
        QTest::newRow("GIF") << "GIF" << QByteArray("gif");
        QTest::newRow("bmp") << "bmp" << QByteArray("bmp");
        QTest::newRow("wmf stays a bitmap") << "wmf" << QByteArray("bmp");
        QTest::newRow("webp") << "webp" << QByteArray("webp");
    }

    void writesEachFormat()
    {
        QFETCH(QString, ext);
        QFETCH(QByteArray, format);
        ToolRunner tools;
        const OutputTarget target {m_out + "/result." + ext, false};
        writeOutput(gradient(64, 48), target.path, ext, 90, tools);
        QCOMPARE(formatOf(target.path), format);
        const QImage written(target.path, format.constData());
        QCOMPARE(written.size(), QSize(64, 48));
        if (format == "gif") {
            QSet<QRgb> colours;
            for (int y = 0; y < written.height(); ++y)
                for (int x = 0; x < written.width(); ++x)
                    colours.insert(written.pixel(x, y));
            QVERIFY(colours.size() <= 256);
            QVERIFY(colours.size() > 16);
        }
    }

    void unsupportedFormatIsRefused()
    {
        ToolRunner tools;
        const OutputTarget target {m_out + "/result.heic", false};
        const QString failure
            = failureOf([&] { writeOutput(gradient(), target.path, "heic", 90, tools); });
        QVERIFY2(failure.contains(QLatin1String("heic")), qPrintable(failure));
        QVERIFY(!QFile::exists(target.path));
    }

    void failedConversionNeverReplacesTheSource_data()
    {
        // A converter that reports failure, and one that claims success but leaves the bitmap.
        QTest::addColumn<QString>("converter");
        QTest::newRow("non-zero exit") << QStringLiteral("false");
        QTest::newRow("bitmap left behind") << QStringLiteral("true");
    }

    void failedConversionNeverReplacesTheSource()
    {
        QFETCH(QString, converter);
        // A GIF source (here holding PNG data, which Qt reads) is loaded without the converter
        // and written through it.
        const QString source = m_pics + "/a.gif";
        QVERIFY(gradient().save(source, "png"));
        const QByteArray before = contents(source);
        ToolRunner tools;
        tools.setConverter(QStandardPaths::findExecutable(converter));
        const QString failure
            = failureOf([&] { stamp(source, SaveOption::OriginalFolder, QString(), tools); });
        QVERIFY2(failure.startsWith(QLatin1String("Cannot convert")), qPrintable(failure));
        QVERIFY2(failure.contains(source), qPrintable(failure));
        QCOMPARE(contents(source), before);
        QCOMPARE(QDir(m_pics).entryList(QDir::Files | QDir::Hidden), QStringList {"a.gif"});
    }

    void usersOwnFilesBesideTheSourceAreLeftAlone()
    {
        // Files named like results of earlier runs are the user's: never removed, never
        // taken for this run's result.
        const QString source = m_pics + "/a.jpg";
        const QString stamped = m_pics + "/a_Stamped.jpg";
        const QString backup = m_pics + "/a_Stamped.jpg_original";
        QVERIFY(gradient().save(source, "jpeg"));
        QVERIFY(gradient().mirrored().save(stamped, "jpeg"));
        QVERIFY(QFile::copy(stamped, backup));
        const QByteArray own = contents(stamped);
        const QImage before = loadWorkSurface(source);
        ToolRunner tools;
        stamp(source, SaveOption::OriginalFolder, QString(), tools);
        QCOMPARE(contents(stamped), own);
        QCOMPARE(contents(backup), own);
        QVERIFY(!changedArea(before, loadWorkSurface(source), 60).isEmpty());
        QCOMPARE(QDir(m_pics).entryList(QDir::Files | QDir::Hidden),
            QStringList({"a.jpg", "a_Stamped.jpg", "a_Stamped.jpg_original"}));
    }

    void putInPlaceKeepsNameAndPermissions()
    {
        const QString source = m_pics + "/a.jpg";
        const QString stamped = intermediatePathFor(source, "jpg");
        QVERIFY(QFileInfo(stamped).fileName().startsWith(QLatin1String(".kalvora-")));
        QCOMPARE(QFileInfo(stamped).absolutePath(), m_pics);
        QVERIFY(gradient().save(source, "jpeg"));
        QVERIFY(gradient().mirrored().save(stamped, "jpeg"));
        const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(source, permissions));
        const QByteArray result = contents(stamped);
        putInPlace(stamped, source);
        QCOMPARE(contents(source), result);
        QCOMPARE(QFile::permissions(source) & 0x7077, permissions);
        QCOMPARE(QDir(m_pics).entryList(QDir::Files | QDir::Hidden), QStringList {"a.jpg"});
    }

    void failedPutInPlaceLeavesTheDestination()
    {
        // A folder where the source was: the rename cannot replace it.
        const QString source = m_pics + "/a.jpg";
        QVERIFY(QDir().mkpath(source + "/inside"));
        const QString stamped = intermediatePathFor(source, "jpg");
        QVERIFY(gradient().save(stamped, "jpeg"));
        const QString failure = failureOf([&] { putInPlace(stamped, source); });
        QVERIFY2(failure.startsWith(QLatin1String("Cannot put the stamped picture in place of "))
                && failure.contains(QLatin1String("a.jpg")),
            qPrintable(failure));
        QVERIFY(IsFolder(source + "/inside"));
        QVERIFY(!QFile::exists(stamped));
    }
};

QTEST_MAIN(TestImageOutput)
#include "tst_imageoutput.moc"
