// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A run whose kept-open ExifTool stops answering half way: the file it holds is reported and
// left as it was, and the run neither hangs nor, asked to stop, waits for the answer.
#include "base/eventpump.h"
#include "childprocesses.h"
#include "engine/codecs/worksurface.h"
#include "engine/output/toolrunner.h"
#include "engine/run/orderedrun.h"
#include "engine/run/stamppool.h"
#include "engine/run/tempfolder.h"
#include "stampfailures.h"
#include "testimages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace kalvora;
using namespace TestImages;

namespace {

// Stamps custom text in place, notes every result, and calls a hook as each file is handed out.
class RecordingSink final : public RunSink
{
public:
    std::function<void(int)> onHandOut;
    bool stop = false;
    int handedOut = 0;
    QMap<int, StampJobResult> results;

    StampOptions currentOptions() override
    {
        if (onHandOut)
            onHandOut(++handedOut);
        StampOptions options;
        options.customText = QStringLiteral("HELLO");
        options.saveOption = SaveOption::OriginalFolder;
        return options;
    }
    bool isListed(const RunEntry &) override { return true; }
    bool stopRequested() override { return stop; }
    void fileStarted(int, int, const RunEntry &) override { }
    void fileFinished(int index, int, const RunEntry &, const StampJobResult &result) override
    {
        results[index] = result;
    }
};

} // namespace

class TestOrderedRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { configureImageReading(); }
    void stuckExifTool_data();
    void stuckExifTool();
};

void TestOrderedRun::stuckExifTool_data()
{
    QTest::addColumn<int>("answerLimit");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<QString>("reason");
    // Long enough for the other files' copies on a busy machine, the first of which loads
    // ExifTool's modules.
    QTest::newRow("its answer limit passes")
        << 10 << false << QStringLiteral("ExifTool did not answer in 10 s");
    // The window closing: no answer limit needs to pass.
    QTest::newRow("the run is asked to stop")
        << kExifToolAnswerLimitSeconds << true
        << QStringLiteral("the run was stopped before ExifTool answered");
}

// One worker, nothing handed out ahead: ExifTool is stopped (SIGSTOP) as the second file is
// handed out, after it copied the first file's tags.
void TestOrderedRun::stuckExifTool()
{
    QFETCH(int, answerLimit);
    QFETCH(bool, stop);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QList<RunEntry> entries;
    // PNG results are tagged by ExifTool (a JPEG of a JPEG carries its source's metadata).
    for (const char *name : {"a.png", "b.png", "c.png"}) {
        entries.append({folder.filePath(QLatin1String(name)), quint64(entries.size() + 1), {}, {}});
        QVERIFY(writeTaggedPicture(entries.last().path));
    }
    const QByteArray original = contents(entries.first().path);
    RecordingSink sink;
    ChildProcesses::StoppedExifTool stuck;
    sink.onHandOut = [&](int file) {
        if (file == 2) {
            QVERIFY(stuck.stop());
            sink.stop = stop;
        }
    };
    TempFolder temp;
    StampPool::Tools tools {ToolRunner().exifTool(), {}, DateTexts()};
    tools.exifToolAnswerLimitSeconds = answerLimit;
    StampPool pool(tools, temp.path(), 1);
    NullEventPump events;
    OrderedRun run(pool, sink, events);
    run.setLookAhead(0);

    QElapsedTimer timer;
    timer.start();
    run.run(entries);
    QVERIFY2(timer.elapsed() < 20000, "the run must not wait for a stuck ExifTool");

    QVERIFY(stuck.pid() > 0);
    QVERIFY(ChildProcesses::hasEnded(stuck.pid()));
    QCOMPARE(sink.results.keys(), stop ? QList<int>({1, 2}) : QList<int>({1, 2, 3}));
    const QList<StampFailure> failures = sink.results[2].failures;
    QCOMPARE(failures.size(), 1);
    QVERIFY2(failures.first().description.contains(reason)
            && failures.first().description.contains(entries[1].path),
        qPrintable(describe(failures)));
    // The second file is left as it was, like every file not handed out; nothing of the run
    // is left beside them.
    for (int i = 0; i < entries.size(); ++i) {
        const bool stamped = i == 0 || (i == 2 && !stop);
        QCOMPARE(contents(entries[i].path) != original, stamped);
        if (stamped)
            QVERIFY2(sink.results[i + 1].failures.isEmpty(),
                qPrintable(describe(sink.results[i + 1].failures)));
        QCOMPARE(exifTag(QStringLiteral("XMP:Title"), entries[i].path), QStringLiteral("Peak"));
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"a.png", "b.png", "c.png"}));
}

QTEST_MAIN(TestOrderedRun)
#include "tst_orderedrun.moc"
