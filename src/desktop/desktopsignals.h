// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// What a long run tells the desktop beside its window: its progress on the application's
/// task bar or dock entry (the launcher-entry interface that KDE Plasma, Dash to Dock and other
/// docks read) and notifications (the freedesktop notification service). Each is a message on
/// the session bus; where there is no bus or no one listens, nothing happens and the run goes
/// on as before.
class DesktopSignals
{
public:
    /// \a desktopEntry is the file name of the application's desktop entry, which names the
    /// task bar entry the progress belongs to.
    explicit DesktopSignals(
        QString desktopEntry = QStringLiteral("example.vendrel.Kalvora.desktop"));
    ~DesktopSignals();
    DesktopSignals(const DesktopSignals &) = delete;
    DesktopSignals &operator=(const DesktopSignals &) = delete;

    /// Shows \a share (0 to 1) of the work done on the task bar entry.
    void showProgress(double share);
    /// Takes the progress off the task bar entry, if it was shown.
    void hideProgress();

    /// Shows a notification, or updates the one this object showed last. \a percent from 0 to
    /// 100 draws a progress bar where the notification service offers one; a negative value
    /// draws none. Answers whether the service took it.
    bool notify(const QString &summary, const QString &body, int percent = -1);

private:
    QString m_desktopEntry;
    bool m_progressShown = false;
    uint m_notification = 0;
};
