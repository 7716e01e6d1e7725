// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/runtimefailure.h"
#include "engine/output/toolrunner.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kalvora;

class TestToolRunner : public QObject
{
    Q_OBJECT

private slots:
    void exitCodes_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("errorText");
        QTest::addColumn<int>("limitSeconds");
        const int limit = kToolTimeLimitSeconds;
        QTest::newRow("success") << QStringLiteral("true") << QStringList() << 0 << QString()
                                 << limit;
        QTest::newRow("failure code and error output")
            << QStringLiteral("sh") << QStringList {"-c", "echo out; echo oops >&2; exit 3"} << 3
            << QStringLiteral("oops") << limit;
        QTest::newRow("crash") << QStringLiteral("sh") << QStringList {"-c", "kill -SEGV $$"}
                               << kToolCrashed << QString() << limit;
        // More error output than a pipe holds: the wait keeps reading it, so the tool ends.
        QTest::newRow("much error output")
            << QStringLiteral("sh")
            << QStringList {"-c", "head -c 200000 /dev/zero | tr '\\0' x >&2; exit 4"} << 4
            << QString(200000, QLatin1Char('x')) << limit;
        // A tool that never ends is killed at its limit; what it said until then is kept.
        QTest::newRow("past its time limit")
            << QStringLiteral("sh") << QStringList {"-c", "echo stuck >&2; exec sleep 600"}
            << kToolTimedOut << QStringLiteral("stuck") << 1;
    }

    void exitCodes()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, expected);
        QFETCH(QString, errorText);
        QFETCH(int, limitSeconds);
        QString errors;
        QCOMPARE(RunAndWait(program, arguments, &errors, limitSeconds), expected);
        QCOMPARE(errors, errorText);
    }

    void missingToolIsNotStarted()
    {
        QString errors;
        const int code = RunAndWait(QStringLiteral("/nonexistent/kalvora-tool"), {}, &errors);
        QCOMPARE(code, kToolNotStarted);
        QVERIFY(code < 0);
        QVERIFY(!errors.isEmpty());
    }

    void exifToolMissingIsNamed()
    {
        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", empty.path().toLocal8Bit());
        ToolRunner tools;
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
