// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What a stamp job leaves when a file is missing or damaged, its tools fail, or its run ends
// half way: never a broken result, and the source as it was.
#include "childprocesses.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/run/stampjob.h"
#include "stampfailures.h"
#include "stampjobsupport.h"
#include "testimages.h"

#include <QElapsedTimer>
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
    void exifToolThatFailsIsReplaced_data();
    void exifToolThatFailsIsReplaced();
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

void TestStampJobFailures::exifToolThatFailsIsReplaced_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("answerLimit");
    QTest::addColumn<QString>("reason");
    QTest::newRow("crashes") << int(SIGSEGV) << kExifToolAnswerLimitSeconds << "ExifTool crashed";
    QTest::newRow("stops answering") << int(SIGSTOP) << 2 << "ExifTool did not answer in 2 s";
}

// The kept-open ExifTool crashes, or stops answering as a wedged one would, between two files:
// the next file fails naming itself and the reason and is left as it was, and the one after
// gets a new ExifTool.
void TestStampJobFailures::exifToolThatFailsIsReplaced()
{
    QFETCH(int, signal);
    QFETCH(int, answerLimit);
    QFETCH(QString, reason);
    // PNG results are tagged by ExifTool (a JPEG of a JPEG carries its source's metadata).
    const QStringList names {"first.png", "second.png", "third.png"};
    QStringList paths;
    for (const QString &name : names) {
        paths << sourcePath(name);
        QVERIFY(writeTaggedPicture(paths.last(), darkGray()));
    }
    const QByteArray original = contents(paths.first());
    ExifToolSession exifTool(m_converter.exifTool());
    const StampOptions options = customText(SaveOption::OriginalFolder);
    const auto stampFile = [&](const QString &path) {
        return runStampJob(
            stampJobFor(path, options, m_work.path()), {m_converter, exifTool, m_texts});
    };
    // The first copy, which loads ExifTool's modules, and the one after the failure may take
    // their time on a busy machine; only the second is held to the short limit.
    QVERIFY2(stampFile(paths[0]).failures.isEmpty(), "the first file");
    const qint64 first = exifTool.processId();
    exifTool.setAnswerLimitSeconds(answerLimit);
    ChildProcesses::StoppedExifTool stuck;
    if (signal == SIGSTOP)
        QVERIFY(stuck.stop(first));
    else
        QCOMPARE(::kill(pid_t(first), signal), 0);

    QElapsedTimer timer;
    timer.start();
    const StampJobResult failed = stampFile(paths[1]);
    QVERIFY2(timer.elapsed() < 20000, "the copy must not wait for a stuck ExifTool");
    QCOMPARE(failed.outcome, StampFileOutcome::Failed);
    QCOMPARE(failed.failures.size(), 1);
    QCOMPARE(failed.failures.first().step, 282);
    QVERIFY2(failed.failures.first().description.contains(reason)
            && failed.failures.first().description.contains(paths[1]),
        qPrintable(failed.failures.first().description));
    QVERIFY(ChildProcesses::hasEnded(int(first)));
    QCOMPARE(contents(paths[1]), original);
    QCOMPARE(filesIn(m_sources), names);

    exifTool.setAnswerLimitSeconds(kExifToolAnswerLimitSeconds);
    const StampJobResult next = stampFile(paths[2]);
    QVERIFY2(next.failures.isEmpty(), qPrintable(describe(next.failures)));
    QVERIFY(exifTool.processId() > 0 && exifTool.processId() != first);
    for (const int i : {0, 2}) {
        QVERIFY(contents(paths[i]) != original);
        QCOMPARE(exifTag(QStringLiteral("XMP:Title"), paths[i]), QStringLiteral("Peak"));
    }
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
