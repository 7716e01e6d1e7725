// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/datetexts.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/render/overlaytext.h"
#include "engine/render/worksurface.h"
#include "engine/run/stampjob.h"
#include "engine/run/toolrunner.h"
#include "stampfailures.h"
#include "testimages.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>

using namespace kalvora;

using namespace TestImages;

namespace {

QImage darkGray(int width = 320, int height = 240)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(60, 60, 60));
    return picture;
}

// A dark photo with fine detail, so its JPEG is mostly scan data.
QImage detailed()
{
    QImage picture(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 7 + y * 3) % 90, (x * y) % 80, (x ^ y) % 70));
    return picture;
}

// The stamp is white on a dark picture: where pictures differ clearly, it was drawn.
QRect stampArea(const QString &before, const QString &after)
{
    return changedArea(QImage(before), QImage(after), 60);
}

} // namespace

class TestStampJob : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void jpegIntoChosenFolder();
    void replacesTheSourceInItsOwnFolder();
    void pngSourceKeepsItsFormat();
    void optionsSnapshotIsHonoured_data();
    void optionsSnapshotIsHonoured();
    void missingFileIsSkippedSilently();
    void damagedJpegIsNeverWritten_data();
    void damagedJpegIsNeverWritten();
    void unusualNamesKeepTheirTags_data();
    void unusualNamesKeepTheirTags();
    void exifToolCrashIsReported();
    void noDateTakenStampsTheSentence();
    void writtenResultLeftUnfinishedLeavesNothing_data();
    void writtenResultLeftUnfinishedLeavesNothing();

private:
    QString sourcePath(const QString &name) const { return m_sources.filePath(name); }
    StampJobResult stamp(const QString &path, const StampOptions &options);
    StampOptions customText(SaveOption save) const;
    QStringList filesIn(const QTemporaryDir &dir) const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    ToolRunner m_converter;
    std::unique_ptr<ExifToolSession> m_exifTool;
    const DateTexts m_texts {QLocale(QStringLiteral("en_US"))};
    QTemporaryDir m_work;
    QTemporaryDir m_sources;
    QTemporaryDir m_output;
};

void TestStampJob::initTestCase()
{
    configureImageReading();
    m_exifTool = std::make_unique<ExifToolSession>(m_converter.exifTool());
}

void TestStampJob::init()
{
    for (QTemporaryDir *dir : {&m_sources, &m_output}) {
        QDir folder(dir->path());
        for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
            QVERIFY(folder.remove(name));
    }
}

StampOptions TestStampJob::customText(SaveOption save) const
{
    StampOptions options;
    options.source = StampSource::CustomText;
    options.customText = QStringLiteral("HELLO");
    options.font.pointSize = 28;
    options.saveOption = save;
    options.outputFolder = m_output.path() + QLatin1Char('/');
    return options;
}

StampJobResult TestStampJob::stamp(const QString &path, const StampOptions &options)
{
    return runStampJob(
        stampJobFor(path, options, m_work.path()), {m_converter, *m_exifTool, m_texts});
}

void TestStampJob::jpegIntoChosenFolder()
{
    const QString source = sourcePath(QStringLiteral("IMG_1.JPG"));
    QVERIFY(writeTaggedJpeg(source, darkGray()));
    const QByteArray original = contents(source);

    const StampJobResult result = stamp(source, customText(SaveOption::ChosenFolder));
    QVERIFY2(result.failures.isEmpty(), qPrintable(describe(result.failures)));
    QCOMPARE(result.outcome, StampFileOutcome::Stamped);

    const QString output = m_output.filePath(QStringLiteral("IMG_1.JPG"));
    QCOMPARE(formatOf(output), QByteArray("jpeg"));
    const QRect area = stampArea(source, output);
    QVERIFY2(!area.isEmpty() && area.right() < 160 && area.bottom() < 80,
        qPrintable(QStringLiteral("stamp at %1,%2 %3x%4")
                       .arg(area.x())
                       .arg(area.y())
                       .arg(area.width())
                       .arg(area.height())));
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), output), QStringLiteral("Peak"));
    QCOMPARE(exifTag(QStringLiteral("IPTC:Keywords"), output), QStringLiteral("alpine"));
    QCOMPARE(
        exifTag(QStringLiteral("DateTimeOriginal"), output), QStringLiteral("2021:08:31 13:23:45"));
    QVERIFY(!exifTag(QStringLiteral("GPSLatitude"), output).isEmpty());
    // Written at 96 dots per inch whatever the source said.
    QCOMPARE(qRound(QImage(output).dotsPerMeterX() * 0.0254), 96);
    QCOMPARE(contents(source), original);
    QCOMPARE(filesIn(m_output), QStringList {"IMG_1.JPG"});
    QCOMPARE(filesIn(m_sources), QStringList {"IMG_1.JPG"});
}

void TestStampJob::replacesTheSourceInItsOwnFolder()
{
    const QString source = sourcePath(QStringLiteral("a.jpg"));
    QVERIFY(writeTaggedJpeg(source, darkGray()));
    const QString before = m_output.filePath(QStringLiteral("before.jpg"));
    QVERIFY(QFile::copy(source, before));

    const StampJobResult result = stamp(source, customText(SaveOption::OriginalFolder));
    QVERIFY2(result.failures.isEmpty(), qPrintable(describe(result.failures)));
    QCOMPARE(result.outcome, StampFileOutcome::Stamped);

    QCOMPARE(filesIn(m_sources), QStringList {"a.jpg"});
    QVERIFY(!stampArea(before, source).isEmpty());
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), source), QStringLiteral("Peak"));
}

void TestStampJob::pngSourceKeepsItsFormat()
{
    const QString source = sourcePath(QStringLiteral("chart.png"));
    QVERIFY(darkGray().save(source, "png"));

    const StampJobResult result = stamp(source, customText(SaveOption::ChosenFolder));
    QVERIFY2(result.failures.isEmpty(), qPrintable(describe(result.failures)));

    const QString output = m_output.filePath(QStringLiteral("chart.png"));
    QCOMPARE(formatOf(output), QByteArray("png"));
    QVERIFY(!stampArea(source, output).isEmpty());
    // The converted copy lived in the job's own folder and is gone.
    QCOMPARE(QDir(m_work.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestStampJob::optionsSnapshotIsHonoured_data()
{
    QTest::addColumn<QString>("position");
    QTest::addColumn<QRect>("region");
    QTest::addColumn<int>("quality");
    QTest::newRow("upper left, quality 95") << "Upper-Left" << QRect(0, 0, 160, 80) << 95;
    QTest::newRow("lower right, quality 30") << "Lower-Right" << QRect(160, 160, 160, 80) << 30;
    QTest::newRow("center top, quality 70") << "Center-Top" << QRect(60, 0, 200, 80) << 70;
}

void TestStampJob::optionsSnapshotIsHonoured()
{
    QFETCH(QString, position);
    QFETCH(QRect, region);
    QFETCH(int, quality);
    const QString source = sourcePath(QStringLiteral("p.bmp"));
    QVERIFY(darkGray().save(source, "bmp"));
    const QString jpeg = sourcePath(QStringLiteral("p.jpg"));
    QVERIFY(detailed().save(jpeg, "jpeg", 100));
    StampOptions options = customText(SaveOption::ChosenFolder);
    options.position = stampPositionNamed(position);
    options.jpegQuality = quality;
    options.color = colorValue(255, 0, 0);
    options.font.italic = true;

    QCOMPARE(stamp(source, options).outcome, StampFileOutcome::Stamped);
    QCOMPARE(stamp(jpeg, options).outcome, StampFileOutcome::Stamped);

    // The picture the options describe, drawn here from the same snapshot.
    QImage expected = loadWorkSurface(source);
    OverlayText(expected, QStringLiteral("HELLO"), position, stampFont(options), Qt::red);
    const QImage written = QImage(m_output.filePath(QStringLiteral("p.bmp")));
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32), expected);
    const QRect area = stampArea(source, m_output.filePath(QStringLiteral("p.bmp")));
    QVERIFY2(region.contains(area), qPrintable(position));
    QCOMPARE(
        QImage(m_output.filePath(QStringLiteral("p.bmp"))).pixel(area.center().x(), area.bottom())
            & 0xFFFFFF,
        expected.pixel(area.center().x(), area.bottom()) & 0xFFFFFF);

    // The JPEG is encoded at the snapshot's quality: the same picture encoded here at that
    // quality by Qt's writer has nearly the same size. A JPEG source's blocks are carried over
    // into the new tables rather than encoded again from pixels, which keeps some chroma detail
    // that a pixel round trip smooths away, hence the margin of an eighth.
    QImage surface = loadWorkSurface(jpeg);
    OverlayText(surface, QStringLiteral("HELLO"), position, stampFont(options), Qt::red);
    QByteArray reference;
    QBuffer buffer(&reference);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(surface.save(&buffer, "jpeg", quality));
    const qint64 size = QFileInfo(m_output.filePath(QStringLiteral("p.jpg"))).size();
    QVERIFY2(qAbs(size - reference.size()) < reference.size() / 8,
        qPrintable(QStringLiteral("%1 against %2").arg(size).arg(reference.size())));
}

void TestStampJob::missingFileIsSkippedSilently()
{
    for (const char *name : {"gone.jpg", "gone.png", "gone.tif"}) {
        const StampJobResult result
            = stamp(sourcePath(QLatin1String(name)), customText(SaveOption::ChosenFolder));
        QCOMPARE(result.outcome, StampFileOutcome::Missing);
        QVERIFY2(result.failures.isEmpty(), qPrintable(describe(result.failures)));
    }
    QVERIFY(filesIn(m_output).isEmpty());
}

void TestStampJob::damagedJpegIsNeverWritten_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("inPlace");
    for (const bool inPlace : {false, true}) {
        const char *where = inPlace ? ", in place" : ", into a folder";
        for (const char *damage :
            {"not a picture", "cut at 30%", "cut at 90%", "huffman table", "scan data"})
            QTest::newRow(qPrintable(QLatin1String(damage) + QLatin1String(where)))
                << QString::fromLatin1(damage) << inPlace;
    }
}

void TestStampJob::damagedJpegIsNeverWritten()
{
    QFETCH(QString, damage);
    QFETCH(bool, inPlace);
    const QString source = sourcePath(QStringLiteral("broken.jpg"));
    QVERIFY(writeTaggedJpeg(source, detailed()));
    QByteArray bytes = contents(source);
    const qsizetype scan = bytes.indexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype table = bytes.indexOf(QByteArray("\xFF\xC4", 2));
    QVERIFY(scan > 0 && table > 0);
    if (damage == QLatin1String("not a picture")) {
        bytes = QByteArray("\xFF\xD8\xFF\xE0 this is not a picture", 26);
    } else if (damage.startsWith(QLatin1String("cut at"))) {
        bytes.truncate(bytes.size() * damage.mid(7, 2).toInt() / 100);
    } else if (damage == QLatin1String("huffman table")) {
        bytes[table + 5 + 3] = char(0x7F); // a code length count no table can hold
    } else {
        // Garbage in the middle of the entropy-coded data, free of markers.
        for (qsizetype i = 0; i < 64; ++i)
            bytes[scan + (bytes.size() - scan) / 2 + i] = char((i * 37) % 0xF0);
    }
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    const StampJobResult result = stamp(
        source, customText(inPlace ? SaveOption::OriginalFolder : SaveOption::ChosenFolder));

    QCOMPARE(result.outcome, StampFileOutcome::Failed);
    QCOMPARE(result.failures.size(), 1);
    QCOMPARE(result.failures.first().step, 188);
    QVERIFY2(result.failures.first().description.contains(source),
        qPrintable(result.failures.first().description));
    QCOMPARE(contents(source), bytes);
    QCOMPARE(filesIn(m_sources), QStringList {"broken.jpg"});
    QVERIFY(filesIn(m_output).isEmpty());
}

void TestStampJob::unusualNamesKeepTheirTags_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inPlace");
    const QStringList names {"100%f.jpg", "%d%f.jpg", "50%e.jpg", "-x.jpg", "it's \"q\".jpg",
        "line\nbreak.jpg", "cost $5 @home.jpg", "tab\there %c.jpg"};
    for (const bool inPlace : {false, true})
        for (const QString &name : names)
            QTest::newRow(
                qPrintable(QString(name).replace('\n', "\\n") + (inPlace ? " in place" : "")))
                << name << inPlace;
}

void TestStampJob::unusualNamesKeepTheirTags()
{
    QFETCH(QString, name);
    QFETCH(bool, inPlace);
    const QString source = sourcePath(name);
    QVERIFY(writeTaggedJpeg(sourcePath(QStringLiteral("plain.jpg")), darkGray()));
    QVERIFY(QFile::rename(sourcePath(QStringLiteral("plain.jpg")), source));

    const StampJobResult result = stamp(
        source, customText(inPlace ? SaveOption::OriginalFolder : SaveOption::ChosenFolder));

    QVERIFY2(result.failures.isEmpty(), qPrintable(describe(result.failures)));
    const QString output = inPlace ? source : m_output.filePath(name);
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), output), QStringLiteral("Peak"));
    QCOMPARE(
        exifTag(QStringLiteral("DateTimeOriginal"), output), QStringLiteral("2021:08:31 13:23:45"));
    QCOMPARE(filesIn(inPlace ? m_sources : m_output), QStringList {name});
}

void TestStampJob::exifToolCrashIsReported()
{
    const QString first = sourcePath(QStringLiteral("first.jpg"));
    const QString second = sourcePath(QStringLiteral("second.jpg"));
    QVERIFY(writeTaggedJpeg(first, darkGray()));
    QVERIFY(QFile::copy(first, second));
    const QByteArray original = contents(first);
    // The kept-open ExifTool dies as a crash would end it.
    ExifToolSession exifTool(m_converter.exifTool());
    QVERIFY(exifTool.start());
    QVERIFY(exifTool.processId() > 0);
    QCOMPARE(::kill(pid_t(exifTool.processId()), SIGSEGV), 0);

    const StampOptions options = customText(SaveOption::OriginalFolder);
    const StampJobResult crashed
        = runStampJob(stampJobFor(first, options, m_work.path()), {m_converter, exifTool, m_texts});
    QCOMPARE(crashed.outcome, StampFileOutcome::Failed);
    QCOMPARE(crashed.failures.size(), 1);
    QCOMPARE(crashed.failures.first().step, 282);
    QVERIFY2(crashed.failures.first().description.contains(QLatin1String("ExifTool crashed"))
            && crashed.failures.first().description.contains(first),
        qPrintable(crashed.failures.first().description));
    QCOMPARE(contents(first), original);
    QCOMPARE(filesIn(m_sources), QStringList({"first.jpg", "second.jpg"}));

    // The next file gets a new ExifTool.
    const StampJobResult next = runStampJob(
        stampJobFor(second, options, m_work.path()), {m_converter, exifTool, m_texts});
    QVERIFY2(next.failures.isEmpty(), qPrintable(describe(next.failures)));
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), second), QStringLiteral("Peak"));
}

void TestStampJob::noDateTakenStampsTheSentence()
{
    const QString source = sourcePath(QStringLiteral("scan.jpg"));
    QVERIFY(darkGray().save(source, "jpeg"));
    StampOptions options = customText(SaveOption::ChosenFolder);
    options.source = StampSource::FileDate;
    options.fileDateKind = FileDateKind::DateTaken;
    options.format = StampFormat::Datestamp;
    options.font.pointSize = 10;

    QCOMPARE(stamp(source, options).outcome, StampFileOutcome::Stamped);

    // The sentence runs far wider than a date would.
    const QRect area = stampArea(source, m_output.filePath(QStringLiteral("scan.jpg")));
    QVERIFY2(area.width() > 200, qPrintable(QString::number(area.width())));
}

QTEST_MAIN(TestStampJob)
#include "tst_stampjob.moc"

void TestStampJob::writtenResultLeftUnfinishedLeavesNothing_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("into the chosen folder") << false;
    QTest::newRow("in place of the source") << true;
}

// A run that ends between the two parts of a job (its pool closing while a result waits for
// its tags) must leave neither the private file nor a result without tags, and the source as
// it was.
void TestStampJob::writtenResultLeftUnfinishedLeavesNothing()
{
    QFETCH(bool, inPlace);
    const QString source = sourcePath(QStringLiteral("IMG_2.jpg"));
    QVERIFY(writeTaggedJpeg(source, darkGray()));
    const QByteArray original = contents(source);
    const StampJob job = stampJobFor(source,
        customText(inPlace ? SaveOption::OriginalFolder : SaveOption::ChosenFolder), m_work.path());
    const QTemporaryDir &resultFolder = inPlace ? m_sources : m_output;
    {
        WrittenStamp written = writeStampJob(job, m_converter, m_texts);
        QVERIFY2(written.result.failures.isEmpty(), qPrintable(describe(written.result.failures)));
        QVERIFY(written.waiting());
        const QStringList files = filesIn(resultFolder);
        const auto isPrivate
            = [](const QString &name) { return name.startsWith(QLatin1String(".kalvora-")); };
        QCOMPARE(std::count_if(files.begin(), files.end(), isPrivate), qsizetype(1));
        WrittenStamp moved = std::move(written);
        QVERIFY(!written.waiting());
        QVERIFY(moved.waiting());
    }
    QCOMPARE(filesIn(m_output), QStringList());
    QCOMPARE(filesIn(m_sources), QStringList {QStringLiteral("IMG_2.jpg")});
    QCOMPARE(contents(source), original);

    // Finished, the same job puts a tagged result in place.
    const StampJobResult result
        = finishStampJob(job, writeStampJob(job, m_converter, m_texts), *m_exifTool);
    QVERIFY2(result.failures.isEmpty(), qPrintable(describe(result.failures)));
    QCOMPARE(result.outcome, StampFileOutcome::Stamped);
    const QString output = inPlace ? source : m_output.filePath(QStringLiteral("IMG_2.jpg"));
    QVERIFY(contents(output) != original);
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), output), QStringLiteral("Peak"));
    QCOMPARE(exifTag(QStringLiteral("IPTC:Keywords"), output), QStringLiteral("alpine"));
}
