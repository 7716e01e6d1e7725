// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What a stamp job leaves when a file is missing or damaged, its tools fail, or its run ends
// half way: never a broken result, and the source as it was.
#include "engine/metadata/exiftoolsession.h"
#include "engine/run/stampjob.h"
#include "stampfailures.h"
#include "stampjobsupport.h"
#include "testimages.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>

using namespace kalvora;

using namespace TestImages;

class TestStampJobFailures : public QObject, private StampJobFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { startTools(); }
    void init() { emptyFolders(); }
    void missingFileIsSkippedSilently();
    void damagedJpegIsNeverWritten_data();
    void damagedJpegIsNeverWritten();
    void exifToolCrashIsReported();
    void writtenResultLeftUnfinishedLeavesNothing_data();
    void writtenResultLeftUnfinishedLeavesNothing();
};

void TestStampJobFailures::missingFileIsSkippedSilently()
{
    for (const char *name : {"gone.jpg", "gone.png", "gone.tif"}) {
        const StampJobResult result
            = stamp(sourcePath(QLatin1String(name)), customText(SaveOption::ChosenFolder));
        QCOMPARE(result.outcome, StampFileOutcome::Missing);
        QVERIFY2(result.failures.isEmpty(), qPrintable(describe(result.failures)));
    }
    QVERIFY(filesIn(m_output).isEmpty());
}

void TestStampJobFailures::damagedJpegIsNeverWritten_data()
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

void TestStampJobFailures::damagedJpegIsNeverWritten()
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

void TestStampJobFailures::exifToolCrashIsReported()
{
    // PNG results are tagged by ExifTool (a JPEG of a JPEG carries its source's metadata).
    const QString first = sourcePath(QStringLiteral("first.png"));
    const QString second = sourcePath(QStringLiteral("second.png"));
    QVERIFY(darkGray().save(first, "png"));
    QCOMPARE(exifTool(QStringList {"-q", "-overwrite_original"} + sampleTagArguments()
                 + QStringList {first}),
        0);
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
    QCOMPARE(filesIn(m_sources), QStringList({"first.png", "second.png"}));

    // The next file gets a new ExifTool.
    const StampJobResult next = runStampJob(
        stampJobFor(second, options, m_work.path()), {m_converter, exifTool, m_texts});
    QVERIFY2(next.failures.isEmpty(), qPrintable(describe(next.failures)));
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), second), QStringLiteral("Peak"));
}

void TestStampJobFailures::writtenResultLeftUnfinishedLeavesNothing_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("into the chosen folder") << false;
    QTest::newRow("in place of the source") << true;
}

// A run that ends between the two parts of a job (its pool closing while a result waits for
// its tags) must leave neither the private file nor a result without tags, and the source as
// it was.
void TestStampJobFailures::writtenResultLeftUnfinishedLeavesNothing()
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

QTEST_MAIN(TestStampJobFailures)
#include "tst_stampjobfailures.moc"
