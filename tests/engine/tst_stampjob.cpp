// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/worksurface.h"
#include "engine/render/overlaytext.h"
#include "engine/run/stampjob.h"
#include "stampfailures.h"
#include "stampjobsupport.h"
#include "testimages.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvora;

using namespace TestImages;

namespace {

// The stamp is white on a dark picture: where pictures differ clearly, it was drawn.
QRect stampArea(const QString &before, const QString &after)
{
    return changedArea(QImage(before), QImage(after), 60);
}

} // namespace

class TestStampJob : public QObject, private StampJobFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { startTools(); }
    void init() { emptyFolders(); }
    void jpegIntoChosenFolder();
    void replacesTheSourceInItsOwnFolder();
    void pngSourceKeepsItsFormat();
    void optionsSnapshotIsHonoured_data();
    void optionsSnapshotIsHonoured();
    void unusualNamesKeepTheirTags_data();
    void unusualNamesKeepTheirTags();
    void noDateTakenStampsTheSentence();
};

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
