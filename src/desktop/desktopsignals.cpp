// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktopsignals.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariantMap>

namespace {

// The launcher-entry interface names no service: docks listen for its signal from any sender.
constexpr auto kLauncherPath = "/example/vendrel/Kalvora/launcher";
constexpr auto kLauncherInterface = "com.canonical.Unity.LauncherEntry";
constexpr auto kNotifications = "org.freedesktop.Notifications";
constexpr auto kNotificationsPath = "/org/freedesktop/Notifications";
// A notification service that does not answer within this time is taken as absent, so a run
// never waits long on the desktop.
constexpr int kAnswerMs = 1000;

void sendLauncherUpdate(const QString &entry, const QVariantMap &properties)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        QLatin1String(kLauncherPath), QLatin1String(kLauncherInterface), QStringLiteral("Update"));
    signal << QStringLiteral("application://%1").arg(entry) << properties;
    bus.send(signal);
}

} // namespace

DesktopSignals::DesktopSignals(QString desktopEntry)
    : m_desktopEntry(std::move(desktopEntry))
{ }

DesktopSignals::~DesktopSignals()
{
    hideProgress();
}

void DesktopSignals::showProgress(double share)
{
    sendLauncherUpdate(m_desktopEntry,
        {{QStringLiteral("progress"), qBound(0.0, share, 1.0)},
            {QStringLiteral("progress-visible"), true}});
    m_progressShown = true;
}

void DesktopSignals::hideProgress()
{
    if (!m_progressShown)
        return;
    sendLauncherUpdate(m_desktopEntry,
        {{QStringLiteral("progress"), 0.0}, {QStringLiteral("progress-visible"), false}});
    m_progressShown = false;
}

bool DesktopSignals::notify(const QString &summary, const QString &body, int percent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kNotifications),
        QLatin1String(kNotificationsPath), QLatin1String(kNotifications), QStringLiteral("Notify"));
    QVariantMap hints {{QStringLiteral("desktop-entry"),
        QString(m_desktopEntry).remove(QLatin1String(".desktop"))}};
    if (percent >= 0)
        hints.insert(QStringLiteral("value"), qBound(0, percent, 100));
    call << QStringLiteral("Kalvora") << m_notification << QStringLiteral("example.vendrel.Kalvora")
         << summary << body << QStringList() << hints << -1;
    // Waiting with events running, so messages that arrive meanwhile are dispatched, not left
    // in the connection until its next wake-up.
    const QDBusReply<uint> reply = bus.call(call, QDBus::BlockWithGui, kAnswerMs);
    if (!reply.isValid())
        return false;
    m_notification = reply.value();
    return true;
}
