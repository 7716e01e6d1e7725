// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventpump.h"
#include "filehelpers.h"
#include "imageoutput.h"
#include "overlaytext.h"
#include "runtimefailure.h"
#include "toolrunner.h"
#include "worksurface.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A picture with far more than 256 colours, so palettes and JPEG quality show.
QImage gradient(int width = 160, int height = 120)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * y) % 256));
    return image;
}

QByteArray formatOf(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.canRead() ? reader.format() : QByteArray();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString exifTag(const QString &tag, const QString &path)
{
    QProcess tool;
    tool.start(QStringLiteral("exiftool"), {"-s", "-s", "-s", "-" + tag, path});
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// A JPEG carrying a date taken, a GPS position, an IPTC keyword and an XMP title.
void makeTaggedJpeg(const QString &path)
{
    QVERIFY(gradient().save(path, "jpeg"));
    QProcess tool;
    tool.start(QStringLiteral("exiftool"),
        {"-overwrite_original", "-DateTimeOriginal=2021:08:31 12:34:56", "-GPSLatitude=48.5",
            "-GPSLatitudeRef=N", "-IPTC:Keywords=alpine", "-XMP:Title=Peak", path});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
}

QString failureOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeFailure &failure) {
        return failure.description();
    }
    return {};
}

} // namespace

class TestImageOutput : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_pics;
    QString m_out;
    NullEventPump m_events;

    // One file through the engine as a stamp run takes it: load, stamp, write, copy the tags,
    // and replace the source when the result belongs in its place.
    OutputTarget stamp(const QString &source, SaveOption option, const QString &folder,
        ToolRunner &tools, int quality = 85)
    {
        QImage surface = LoadWorkSurface(source);
        OverlayText(surface, QStringLiteral("2021-08-31"), QStringLiteral("Center"),
            StampFont(StampOptions {}), Qt::yellow);
        const OutputTarget target = OutputPathFor(source, option, folder);
        WriteOutput(surface, target, ExtensionOf(source), quality, tools);
        CopyMetadata(source, target.path, tools);
        if (target.replaceSource)
            ReplaceSource(target.path, source, m_events);
        return target;
    }

private slots:
    void init()
    {
        m_pics = m_dir.filePath(QStringLiteral("pics"));
        m_out = m_dir.filePath(QStringLiteral("out"));
        QDir(m_pics).removeRecursively();
        QDir(m_out).removeRecursively();
        QVERIFY(QDir().mkpath(m_pics));
        QVERIFY(QDir().mkpath(m_out));
        QFile::remove(m_dir.filePath(QStringLiteral("link")));
        QVERIFY(QFile::link(m_pics, m_dir.filePath(QStringLiteral("link"))));
    }

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
        QCOMPARE(ExtensionOf(path), ext);
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
        QTest::newRow("empty picture") << true << "a.jpg"
                                       << "Cannot save the image. GDI+ Error:2";
        QTest::newRow("missing folder") << false << "nowhere/a.jpg"
                                        << "Cannot save the image. GDI+ Error:7";
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
        QCOMPARE(description, expected);
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
    }

    void writesEachFormat()
    {
        QFETCH(QString, ext);
        QFETCH(QByteArray, format);
        ToolRunner tools(m_events);
        const OutputTarget target {m_out + "/result." + ext, false};
        WriteOutput(gradient(64, 48), target, ext, 90, tools);
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
        ToolRunner tools(m_events);
        const OutputTarget target {m_out + "/result.webp", false};
        const QString failure
            = failureOf([&] { WriteOutput(gradient(), target, "webp", 90, tools); });
        QVERIFY2(failure.contains(QLatin1String("webp")), qPrintable(failure));
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
        const QString source = m_pics + "/a.png";
        QVERIFY(gradient().save(source, "png"));
        const QByteArray before = contents(source);
        ToolRunner tools(m_events);
        tools.setConverter(QStandardPaths::findExecutable(converter));
        const QString failure
            = failureOf([&] { stamp(source, SaveOption::OriginalFolder, QString(), tools); });
        QVERIFY2(failure.startsWith(QLatin1String("Cannot convert")), qPrintable(failure));
        QCOMPARE(contents(source), before);
        QVERIFY(!QFile::exists(m_pics + "/a_Stamped.png"));
    }

    void staleResultNeverReplacesTheSource()
    {
        const QString source = m_pics + "/a.jpg";
        const QString stale = m_pics + "/a_Stamped.jpg";
        QVERIFY(gradient().save(source, "jpeg"));
        QVERIFY(QImage(gradient().mirrored()).save(stale, "jpeg"));
        const QByteArray before = contents(source);
        ToolRunner tools(m_events);
        const OutputTarget target = OutputPathFor(source, SaveOption::OriginalFolder, QString());
        QCOMPARE(target.path, stale);
        // This run's save fails, so the replacement that follows must find nothing to use.
        QVERIFY(!failureOf([&] { WriteOutput(QImage(), target, "jpg", 85, tools); }).isEmpty());
        QVERIFY(!QFile::exists(stale));
        QVERIFY(!failureOf([&] { ReplaceSource(stale, source, m_events); }).isEmpty());
        QCOMPARE(contents(source), before);
    }

    void replacementKeepsNameAndPermissions()
    {
        const QString source = m_pics + "/a.jpg";
        const QString stamped = m_pics + "/a_Stamped.jpg";
        QVERIFY(gradient().save(source, "jpeg"));
        QVERIFY(gradient().mirrored().save(stamped, "jpeg"));
        const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(source, permissions));
        const QByteArray result = contents(stamped);
        ReplaceSource(stamped, source, m_events);
        QCOMPARE(contents(source), result);
        QCOMPARE(QFile::permissions(source) & 0x7077, permissions);
        QVERIFY(!QFile::exists(stamped));
        QCOMPARE(QDir(m_pics).entryList(QDir::Files), QStringList {"a.jpg"});
    }

    void failedReplacementKeepsTheResult()
    {
        // A folder where the source was: the copy cannot be made.
        const QString source = m_pics + "/a.jpg";
        const QString stamped = m_pics + "/a_Stamped.jpg";
        QVERIFY(QDir().mkpath(source));
        QVERIFY(gradient().save(stamped, "jpeg"));
        const QString failure = failureOf([&] { ReplaceSource(stamped, source, m_events); });
        QVERIFY2(failure.startsWith(QLatin1String("Cannot copy")), qPrintable(failure));
        QCOMPARE(formatOf(stamped), QByteArray("jpeg"));
        QVERIFY(IsFolder(source));
    }

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
        ToolRunner tools(m_events);
        const OutputTarget target = stamp(source, SaveOption::ChosenFolder, m_out, tools);
        QCOMPARE(target.path, m_out + "/photo." + ext);
        QCOMPARE(exifTag("DateTimeOriginal", target.path), QStringLiteral("2021:08:31 12:34:56"));
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
        const QImage before = LoadWorkSurface(source);
        ToolRunner tools(m_events);
        stamp(source, chosen ? SaveOption::ChosenFolder : SaveOption::OriginalFolder,
            folder.isEmpty() ? QString() : m_dir.filePath(folder), tools);

        QCOMPARE(QDir(m_pics).entryList(QDir::Files), QStringList {"a.jpg"});
        QCOMPARE(exifTag("DateTimeOriginal", source), QStringLiteral("2021:08:31 12:34:56"));
        QCOMPARE(exifTag("Keywords", source), QStringLiteral("alpine"));
        // The middle, where the stamp is, has turned yellow; a corner has not changed.
        const QImage after = LoadWorkSurface(source);
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
        ToolRunner tools(m_events);
        const QString failure = failureOf([&] { CopyMetadata(source, path, tools); });
        QCOMPARE(failure.startsWith(QLatin1String("Cannot copy the metadata")), fails);
        QVERIFY(!QFile::exists(path + "_original"));
    }

    void metadataArgumentsAreAbsolute()
    {
        QVERIFY(QDir::setCurrent(m_pics));
        QCOMPARE(CopyMetadataArguments("-a.jpg", m_out + "/b.png"),
            (QStringList {"-TagsFromFile", m_pics + "/-a.jpg", "-EXIF:All", "-GPS:All", "-IPTC:All",
                "-XMP:All", m_out + "/b.png"}));
    }
};

QTEST_MAIN(TestImageOutput)
#include "tst_imageoutput.moc"
