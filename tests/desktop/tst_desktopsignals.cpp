// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Runs on a private session bus (dbus-run-session): the test owns the notification service and
// listens for the launcher entry's signal, as a desktop would.
#include "stamprunpoolfixture.h"

#include <QDBusConnection>
#include <QProcess>
#include <QTest>

using namespace StampRunPoolTest;

namespace {

constexpr uint kNoticeId = 7;

struct Notice
{
    uint replaces = 0;
    QString summary;
    QString body;
    int value = -1;
};

} // namespace

// The freedesktop notification service, answering every notice with the same id.
class FakeNotifications final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QList<Notice> notices;

public slots:
    uint Notify(const QString &, uint replaces, const QString &, const QString &summary,
        const QString &body, const QStringList &, const QVariantMap &hints, int)
    {
        notices.append({replaces, summary, body, hints.value(QStringLiteral("value"), -1).toInt()});
        return kNoticeId;
    }
};

class LauncherListener final : public QObject
{
    Q_OBJECT
public:
    QList<QPair<QString, QVariantMap>> updates;

public slots:
    void Update(const QString &entry, const QVariantMap &properties)
    {
        updates.append({entry, properties});
    }
};

class TestDesktopSignals : public StampRunPoolFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { setUp(); }
    void windowRun_data();
    void windowRun();
    void commandLine_data();
    void commandLine();

private:
    FakeNotifications m_notifications;
    LauncherListener m_launcher;
};

void TestDesktopSignals::initTestCase()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        QSKIP("no session bus: run under dbus-run-session");
    QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &m_notifications,
        QDBusConnection::ExportAllSlots));
    QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
    QVERIFY(bus.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
        QStringLiteral("Update"), &m_launcher, SLOT(Update(QString, QVariantMap))));
}

void TestDesktopSignals::windowRun_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("ending"); // empty: no notification
    QTest::newRow("elsewhere") << false << QStringList {"a.bmp", "b.bmp", "broken.jpg"}
                               << "2 stamped, 1 failed.";
    QTest::newRow("in front") << true << QStringList {"a.bmp", "b.bmp"} << QString();
}

void TestDesktopSignals::windowRun()
{
    QFETCH(bool, active);
    QFETCH(QStringList, names);
    QFETCH(QString, ending);
    m_notifications.notices.clear();
    m_launcher.updates.clear();
    makeBitmaps(names);
    m_window.active = active;
    m_dialogs.onMessage = [](const QString &) {};
    m_run->setDesktopProgressAfterMs(0);
    runWith(2, 2);
    QTRY_VERIFY_WITH_TIMEOUT(!m_launcher.updates.isEmpty()
            && !m_launcher.updates.constLast().second.value("progress-visible").toBool(),
        30000);

    // One update for each file handed out, in order, then the progress taken away.
    QCOMPARE(m_launcher.updates.size(), names.size() + 1);
    double last = -1;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const auto &[entry, properties] = m_launcher.updates.at(i);
        QCOMPARE(entry, QStringLiteral("application://example.vendrel.Kalvora.desktop"));
        QVERIFY(properties.value("progress-visible").toBool());
        const double share = properties.value("progress").toDouble();
        QCOMPARE(share, double(i + 1) / names.size());
        QVERIFY(share > last);
        last = share;
    }
    if (ending.isEmpty()) {
        QVERIFY(m_notifications.notices.isEmpty());
        return;
    }
    QCOMPARE(m_notifications.notices.size(), 1);
    QCOMPARE(m_notifications.notices.first().summary, QStringLiteral("Stamping done"));
    QCOMPARE(m_notifications.notices.first().body, ending);
}

void TestDesktopSignals::commandLine_data()
{
    QTest::addColumn<bool>("notify");
    QTest::addColumn<QString>("output"); // below the test's output folder
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("ending");
    QTest::newRow("two stamped, one missing")
        << true << QString() << QStringList {"a.bmp", "b.bmp", "missing.bmp"} << "Stamping done"
        << "2 stamped, 1 failed.";
    QTest::newRow("no output folder")
        << true << "gone" << QStringList {"a.bmp"} << "Kalvora could not stamp"
        << "the output folder %1 does not exist";
    QTest::newRow("without --notify")
        << false << QString() << QStringList {"a.bmp"} << QString() << QString();
}

void TestDesktopSignals::commandLine()
{
    QFETCH(bool, notify);
    QFETCH(QString, output);
    QFETCH(QStringList, names);
    QFETCH(QString, summary);
    QFETCH(QString, ending);
    m_notifications.notices.clear();
    const QString folder = output.isEmpty() ? m_output->path() : m_output->filePath(output);
    QStringList files;
    for (const QString &name : names) {
        if (name.startsWith(QLatin1String("missing")))
            files << m_sources->filePath(name);
        else
            files << makeBitmaps({name}) + QLatin1Char('/') + name;
    }
    QStringList arguments {"--text", "HELLO", "--output", folder};
    if (notify)
        arguments << QStringLiteral("--notify");
    QProcess stamp;
    stamp.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kalvora-stamp"),
        arguments << QStringLiteral("--") << files);
    // The test's own event loop answers the notifications while the command runs.
    QTRY_COMPARE_WITH_TIMEOUT(stamp.state(), QProcess::NotRunning, 60000);
    if (ending.isEmpty()) {
        QVERIFY(m_notifications.notices.isEmpty());
        return;
    }
    QVERIFY(!m_notifications.notices.isEmpty());
    // Each notice after the first replaces it, and the last tells how the run ended.
    QCOMPARE(m_notifications.notices.first().replaces, 0u);
    for (qsizetype i = 1; i < m_notifications.notices.size(); ++i)
        QCOMPARE(m_notifications.notices.at(i).replaces, kNoticeId);
    QCOMPARE(m_notifications.notices.constLast().summary, summary);
    QCOMPARE(m_notifications.notices.constLast().body, ending.arg(folder));
}

QTEST_MAIN(TestDesktopSignals)
#include "tst_desktopsignals.moc"
