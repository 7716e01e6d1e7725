// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

// Two running copies of the program share one settings file. This test runs a second process
// (this same program, started with --peer) and the two take turns writing and reading, each
// through a store that lives for the whole test as it would in a running program. Values keep
// one length and follow each other within milliseconds: a store that trusts the file's size and
// time stamp misses such writes, and then puts old values back when it writes another key.

namespace {

constexpr int kRounds = 300;

QString parentValue(int round)
{
    return QStringLiteral("p%1").arg(round, 5, 10, QLatin1Char('0'));
}

QString peerValue(int round)
{
    return QStringLiteral("c%1").arg(round, 5, 10, QLatin1Char('0'));
}

// The second process: for each round number on its input, checks that it sees the parent's
// value of that round and that its own value of the round before survived the parent's writes,
// then writes its own value and answers. Its exit status is the number of faults it saw.
int runPeer(const QString &storeFile)
{
    SettingsStore store(storeFile);
    QFile input;
    QFile output;
    if (!input.open(stdin, QIODevice::ReadOnly) || !output.open(stdout, QIODevice::WriteOnly))
        return 255;
    int faults = 0;
    for (;;) {
        const QByteArray line = input.readLine().trimmed();
        if (line.isEmpty() || line == "quit")
            break;
        const int round = line.toInt();
        if (store.ReadSetting(QStringLiteral("Parent"), {}) != parentValue(round))
            ++faults; // a stale read
        if (round > 0 && store.ReadSetting(QStringLiteral("Peer"), {}) != peerValue(round - 1))
            ++faults; // our last write was lost
        store.WriteSetting(QStringLiteral("Peer"), peerValue(round));
        output.write("done\n");
        output.flush();
    }
    return qMin(faults, 254);
}

} // namespace

class TestSharedSettings : public QObject
{
    Q_OBJECT

private slots:
    void twoProcessesTakingTurns();
};

void TestSharedSettings::twoProcessesTakingTurns()
{
    // A file in memory: on a disk each write waits for its flush, which spreads the writes apart
    // and would hide a store that misses writes landing within one tick of the clock.
    const QString memory = QStringLiteral("/dev/shm");
    const QFileInfo shm(memory);
    QTemporaryDir dir(shm.isDir() && shm.isWritable()
            ? memory + QStringLiteral("/kalvora-shared-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/kalvora-shared-XXXXXX"));
    QVERIFY(dir.isValid());
    const QString storeFile = dir.filePath(QStringLiteral("Kalvora.ini"));
    SettingsStore store(storeFile);

    QProcess peer;
    peer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    peer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--peer"), storeFile});
    QVERIFY(peer.waitForStarted());

    int staleReads = 0;
    int lostWrites = 0;
    for (int round = 0; round < kRounds; ++round) {
        store.WriteSetting(QStringLiteral("Parent"), parentValue(round));
        peer.write(QByteArray::number(round) + '\n');
        while (!peer.canReadLine())
            QVERIFY2(peer.waitForReadyRead(10000), "the second process stopped answering");
        QCOMPARE(peer.readLine(), QByteArray("done\n"));

        if (store.ReadSetting(QStringLiteral("Peer"), {}) != peerValue(round))
            ++staleReads;
        if (store.ReadSetting(QStringLiteral("Parent"), {}) != parentValue(round))
            ++lostWrites;
        // A write of another key must not bring back an older value of the peer's.
        store.WriteSetting(QStringLiteral("Other"), parentValue(round));
    }
    peer.write("quit\n");
    QVERIFY(peer.waitForFinished(10000));
    QCOMPARE(peer.exitStatus(), QProcess::NormalExit);

    QCOMPARE(staleReads, 0);
    QCOMPARE(lostWrites, 0);
    QCOMPARE(peer.exitCode(), 0); // the faults the second process saw
    QCOMPARE(
        SettingsStore(storeFile).ReadSetting(QStringLiteral("Peer"), {}), peerValue(kRounds - 1));
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--peer") == 0)
        return runPeer(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestSharedSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sharedsettings.moc"
