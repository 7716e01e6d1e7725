// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datetexts.h"
#include "errorreport.h"
#include "eventpump.h"
#include "overlaytext.h"
#include "recordingdialogs.h"
#include "stampfile.h"
#include "tempfolder.h"
#include "testimages.h"
#include "toolrunner.h"
#include "trappedprocedure.h"
#include "worksurface.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace TestImages;

class TestStampFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void jpegIntoChosenFolder();
    void replacesTheSourceInItsOwnFolder();
    void pngSourceKeepsItsFormat();
    void damagedPictureIsReportedAndSkipped();
    void missingFileIsSkippedSilently();
    void noDateTakenStampsTheSentence();

private:
    QString sourcePath(const QString &name) const { return m_sources.filePath(name); }
    StampFileOutcome stamp(const QString &path, const StampOptions &options);
    StampOptions customText(SaveOption save) const;

    NullEventPump m_events;
    ToolRunner m_tools {m_events};
    TempFolder m_temp;
    const DateTexts m_texts {QLocale(QStringLiteral("en_US"))};
    RecordingDialogs m_dialogs;
    QTemporaryDir m_sources;
    QTemporaryDir m_output;
};

void TestStampFile::initTestCase()
{
    ConfigureImageReading();
    QVERIFY(m_temp.isValid());
}

void TestStampFile::init()
{
    m_dialogs.shown.clear();
    for (QTemporaryDir *dir : {&m_sources, &m_output}) {
        QDir folder(dir->path());
        for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden))
            QVERIFY(folder.remove(name));
    }
}

StampOptions TestStampFile::customText(SaveOption save) const
{
    StampOptions options;
    options.source = StampSource::CustomText;
    options.customText = QStringLiteral("HELLO");
    options.fontSize = 28;
    options.saveOption = save;
    options.outputFolder = m_output.path() + QLatin1Char('/');
    return options;
}

StampFileOutcome TestStampFile::stamp(const QString &path, const StampOptions &options)
{
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kStartStamping));
    StampFileOptions file {options, StampFont(options), StampColor(options.color),
        [options] { return options.position; }, [options] { return options.jpegQuality; }};
    StampContext context {m_tools, m_temp, m_texts, m_events};
    return StampFile(path, file, context, procedure);
}

namespace {

QImage darkGray()
{
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(qRgb(60, 60, 60));
    return picture;
}

// The stamp is white on dark gray: where pictures differ clearly, it was drawn.
QRect stampArea(const QString &before, const QString &after)
{
    return changedArea(QImage(before), QImage(after), 60);
}

} // namespace

void TestStampFile::jpegIntoChosenFolder()
{
    const QString source = sourcePath(QStringLiteral("IMG_1.JPG"));
    QVERIFY(writeTaggedJpeg(source, darkGray()));
    const QByteArray original = contents(source);

    QCOMPARE(stamp(source, customText(SaveOption::ChosenFolder)), StampFileOutcome::Stamped);

    const QString result = m_output.filePath(QStringLiteral("IMG_1.JPG"));
    QCOMPARE(formatOf(result), QByteArray("jpeg"));
    const QRect area = stampArea(source, result);
    QVERIFY2(!area.isEmpty() && area.right() < 160 && area.bottom() < 80,
        qPrintable(QStringLiteral("stamp at %1,%2 %3x%4")
                       .arg(area.x())
                       .arg(area.y())
                       .arg(area.width())
                       .arg(area.height())));
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), result), QStringLiteral("Peak"));
    QCOMPARE(exifTag(QStringLiteral("IPTC:Keywords"), result), QStringLiteral("alpine"));
    QCOMPARE(
        exifTag(QStringLiteral("DateTimeOriginal"), result), QStringLiteral("2021:08:31 13:23:45"));
    QVERIFY(!exifTag(QStringLiteral("GPSLatitude"), result).isEmpty());
    QCOMPARE(contents(source), original);
    QCOMPARE(QDir(m_output.path()).entryList(QDir::Files), QStringList {"IMG_1.JPG"});
    QVERIFY(m_dialogs.shown.isEmpty());
}

void TestStampFile::replacesTheSourceInItsOwnFolder()
{
    const QString source = sourcePath(QStringLiteral("a.jpg"));
    QVERIFY(writeTaggedJpeg(source, darkGray()));
    const QString before = m_output.filePath(QStringLiteral("before.jpg"));
    QVERIFY(QFile::copy(source, before));

    QCOMPARE(stamp(source, customText(SaveOption::OriginalFolder)), StampFileOutcome::Stamped);

    QCOMPARE(QDir(m_sources.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"a.jpg"});
    QVERIFY(!stampArea(before, source).isEmpty());
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), source), QStringLiteral("Peak"));
    QVERIFY(m_dialogs.shown.isEmpty());
}

void TestStampFile::pngSourceKeepsItsFormat()
{
    const QString source = sourcePath(QStringLiteral("chart.png"));
    QVERIFY(darkGray().save(source, "png"));

    QCOMPARE(stamp(source, customText(SaveOption::ChosenFolder)), StampFileOutcome::Stamped);

    const QString result = m_output.filePath(QStringLiteral("chart.png"));
    QCOMPARE(formatOf(result), QByteArray("png"));
    QVERIFY(!stampArea(source, result).isEmpty());
    QVERIFY(m_dialogs.shown.isEmpty());
}

void TestStampFile::damagedPictureIsReportedAndSkipped()
{
    const QString source = sourcePath(QStringLiteral("broken.jpg"));
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\xFF\xD8\xFF\xE0 this is not a picture", 26));
    file.close();
    const QByteArray original = contents(source);

    for (const SaveOption save : {SaveOption::ChosenFolder, SaveOption::OriginalFolder})
        QCOMPARE(stamp(source, customText(save)), StampFileOutcome::Failed);

    QCOMPARE(m_dialogs.messages().size(), 2);
    QVERIFY(m_dialogs.messages().first().contains(QStringLiteral("at line 188")));
    QCOMPARE(contents(source), original);
    QVERIFY(QDir(m_output.path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(QDir(m_sources.path()).entryList(QDir::Files), QStringList {"broken.jpg"});
}

void TestStampFile::missingFileIsSkippedSilently()
{
    QCOMPARE(stamp(sourcePath(QStringLiteral("gone.jpg")), customText(SaveOption::ChosenFolder)),
        StampFileOutcome::Missing);
    QCOMPARE(stamp(sourcePath(QStringLiteral("gone.png")), customText(SaveOption::ChosenFolder)),
        StampFileOutcome::Missing);
    QVERIFY(QDir(m_output.path()).entryList(QDir::Files).isEmpty());
}

void TestStampFile::noDateTakenStampsTheSentence()
{
    const QString source = sourcePath(QStringLiteral("scan.jpg"));
    QVERIFY(darkGray().save(source, "jpeg"));
    StampOptions options = customText(SaveOption::ChosenFolder);
    options.source = StampSource::FileDate;
    options.fileDateKind = int(FileDateKind::DateTaken);
    options.format = caption(StampFormat::Datestamp);
    options.fontSize = 10;

    QCOMPARE(stamp(source, options), StampFileOutcome::Stamped);

    // The sentence runs far wider than a date would.
    const QRect area = stampArea(source, m_output.filePath(QStringLiteral("scan.jpg")));
    QVERIFY2(area.width() > 200, qPrintable(QString::number(area.width())));
}

QTEST_MAIN(TestStampFile)
#include "tst_stampfile.moc"
