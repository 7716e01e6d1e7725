// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/eventpump.h"
#include "base/runtimefailure.h"
#include "engine/run/progressbar.h"
#include "engine/run/toolrunner.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The window's bar as the tests see it: what it holds, and everything that was set.
class RecordingBar final : public ProgressBar
{
public:
    RecordingBar(int value, QString text)
        : m_value(value)
        , m_text(std::move(text))
    { }

    int value() const override { return m_value; }
    void setValue(int value) override
    {
        m_value = value;
        values << value;
    }
    QString text() const override { return m_text; }
    void setText(const QString &text) override
    {
        m_text = text;
        texts << text;
    }

    QList<int> values;
    QStringList texts;

private:
    int m_value;
    QString m_text;
};

class CountingPump final : public EventPump
{
public:
    void processEvents() override { ++count; }
    int count = 0;
};

} // namespace

class TestToolRunner : public QObject
{
    Q_OBJECT

private slots:
    void progressAtTick_data()
    {
        QTest::addColumn<int>("tick");
        QTest::addColumn<int>("baseValue");
        QTest::addColumn<int>("fileCount");
        QTest::addColumn<int>("expected"); // -1: the bar does not move at this tick
        QTest::newRow("before the wait text") << 49 << 30 << 10 << -1;
        QTest::newRow("tick 50 sets the base") << 50 << 30 << 10 << 30;
        QTest::newRow("between steps") << 51 << 30 << 10 << -1;
        QTest::newRow("tick 199") << 199 << 30 << 10 << -1;
        QTest::newRow("tick 200 one step") << 200 << 30 << 10 << 31;
        QTest::newRow("tick 350 two steps") << 350 << 30 << 10 << 32;
        QTest::newRow("stops at the limit") << 50 + 150 * 20 << 30 << 10 << 39;
        QTest::newRow("one file steps by ten") << 200 << 0 << 1 << 10;
        QTest::newRow("one file limit 90") << 50 + 150 * 12 << 0 << 1 << 90;
        QTest::newRow("25 files never move") << 50 + 150 * 5 << 40 << 25 << 40;
        QTest::newRow("step 2.5 rounds to 2") << 200 << 0 << 4 << 2;
        QTest::newRow("limit 12.5 rounds to 12") << 50 + 150 * 20 << 1 << 8 << 12;
        QTest::newRow("no files counts as one") << 200 << 0 << 0 << 10;
    }

    void progressAtTick()
    {
        QFETCH(int, tick);
        QFETCH(int, baseValue);
        QFETCH(int, fileCount);
        QFETCH(int, expected);
        const auto value = ProgressAtTick(tick, baseValue, fileCount);
        QCOMPARE(value.value_or(-1), expected);
    }

    void waitText_data()
    {
        QTest::addColumn<QString>("baseText");
        QTest::addColumn<int>("tick");
        QTest::addColumn<QString>("expected");
        QTest::newRow("with base text")
            << QStringLiteral("Processing: photo.jpg") << 62
            << QStringLiteral("Processing: photo.jpg, Please wait.. 12");
        QTest::newRow("empty base text") << QString() << 50 << QStringLiteral("Please wait.. 0");
    }

    void waitText()
    {
        QFETCH(QString, baseText);
        QFETCH(int, tick);
        QFETCH(QString, expected);
        QCOMPARE(WaitText(baseText, tick), expected);
    }

    void exitCodes_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("errorText");
        QTest::newRow("success") << QStringLiteral("true") << QStringList() << 0 << QString();
        QTest::newRow("failure code and error output")
            << QStringLiteral("sh") << QStringList {"-c", "echo out; echo oops >&2; exit 3"} << 3
            << QStringLiteral("oops");
        QTest::newRow("crash") << QStringLiteral("sh") << QStringList {"-c", "kill -SEGV $$"}
                               << kToolCrashed << QString();
    }

    void exitCodes()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, expected);
        QFETCH(QString, errorText);
        NullEventPump events;
        QString errors;
        QCOMPARE(
            RunAndWait(program, arguments, nullptr, QString(), 0, 1, events, &errors), expected);
        QCOMPARE(errors, errorText);
    }

    void missingToolAnswersAtOnceAndLeavesTheBar()
    {
        RecordingBar bar(40, QStringLiteral("Processing: a.png"));
        CountingPump events;
        QElapsedTimer timer;
        timer.start();
        const int code = RunAndWait(QStringLiteral("/nonexistent/kalvora-tool"), {}, &bar,
            bar.text(), bar.value(), 3, events);
        QCOMPARE(code, kToolNotStarted);
        QVERIFY(code < 0);
        QVERIFY(timer.elapsed() < kToolCycleMs);
        QVERIFY(bar.texts.isEmpty());
        QVERIFY(bar.values.isEmpty());
    }

    void shortRunLeavesTheBarButRestoresItsText()
    {
        RecordingBar bar(30, QStringLiteral("Processing: name.png"));
        CountingPump events;
        QCOMPARE(
            RunAndWait(QStringLiteral("true"), {}, &bar, bar.text(), bar.value(), 10, events), 0);
        QCOMPARE(bar.texts, QStringList {QStringLiteral("Processing: name.png")});
        QVERIFY(bar.values.isEmpty());
        QVERIFY(events.count > 0);
    }

    void longRunCountsAndMovesTheBar_data()
    {
        QTest::addColumn<QString>("baseText");
        QTest::addColumn<QString>("firstWait");
        QTest::addColumn<QString>("restored");
        QTest::newRow("base text") << QStringLiteral("Processing: name.png")
                                   << QStringLiteral("Processing: name.png, Please wait.. 0")
                                   << QStringLiteral("Processing: name.png");
        QTest::newRow("empty base text")
            << QString() << QStringLiteral("Please wait.. 0") << QStringLiteral("Progress Bar");
    }

    void longRunCountsAndMovesTheBar()
    {
        QFETCH(QString, baseText);
        QFETCH(QString, firstWait);
        QFETCH(QString, restored);
        // One-millisecond cycles stand in for the 100-millisecond ones: a two-second tool
        // then lives through hundreds of ticks, as a long conversion does.
        RecordingBar bar(30, baseText);
        CountingPump events;
        ToolRunner tools(events, &bar);
        tools.setFileCount(10);
        tools.setCycleMs(1);
        QCOMPARE(tools.run(QStringLiteral("sleep"), {QStringLiteral("2")}), 0);

        QVERIFY(bar.texts.size() > 200);
        QCOMPARE(bar.texts.first(), firstWait);
        QCOMPARE(bar.texts.at(1), firstWait.chopped(1) + QLatin1Char('1'));
        QCOMPARE(bar.texts.last(), restored);
        QVERIFY(bar.values.size() >= 2);
        QCOMPARE(bar.values.mid(0, 2), (QList<int> {30, 31}));
        for (int i = 1; i < bar.values.size(); ++i)
            QCOMPARE(bar.values[i], std::min(30 + i, 39));
        // The value stays where it was moved.
        QCOMPARE(bar.value(), bar.values.last());
        QVERIFY(events.count > bar.texts.size());
    }

    void exifToolMissingIsNamed()
    {
        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", empty.path().toLocal8Bit());
        NullEventPump events;
        ToolRunner tools(events);
        QString message;
        try {
            tools.exifTool();
        } catch (const RuntimeFailure &failure) {
            message = failure.description();
        }
        qputenv("PATH", path);
        QVERIFY2(message.contains(QLatin1String("exiftool")), qPrintable(message));
        QVERIFY(!tools.exifTool().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestToolRunner)
#include "tst_toolrunner.moc"
