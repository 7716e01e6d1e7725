// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/form1.h"
#include "base/clock.h"
#include "base/eventpump.h"
#include "imagelist/imagelist.h"
#include "options/settingsstore.h"
#include "recordingdialogs.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

/// Notes, each time the scan lets events run, whether the window showed busy then.
class BusyWatchingPump final : public EventPump
{
public:
    const Form1 *window = nullptr;
    int calls = 0;
    int busyCalls = 0;
    int waitPointerCalls = 0;

    void processEvents() override
    {
        ++calls;
        busyCalls += window && window->isBusy();
        const QCursor *pointer = QApplication::overrideCursor();
        waitPointerCalls += pointer && pointer->shape() == Qt::WaitCursor;
    }
};

/// A clock that shows a time the test sets.
class FixedClock final : public Clock
{
public:
    explicit FixedClock(const QDateTime &moment = QDateTime(QDate(2021, 8, 31), QTime(13, 23, 45)))
        : m_now(moment)
    { }

    QDateTime now() const override { return m_now; }
    void set(const QDateTime &moment) { m_now = moment; }

private:
    QDateTime m_now;
};

/// The start-up seams of a window under test: a fixed clock (31 August 2021, 13:23:45), a
/// desktop folder of its own and no home-page visit.
inline StartUpSeams TestSeams(const Clock &clock, const QString &desktop)
{
    StartUpSeams seams;
    seams.clock = &clock;
    seams.desktopFolder = [desktop] { return desktop; };
    seams.openUrl = [](const QUrl &) { return false; };
    return seams;
}

/// A window over a scripted dialog seam and a settings file of its own, started with a fixed
/// clock and "/home/ana/Desktop" as the desktop folder.
struct WindowFixture
{
    QTemporaryDir scratch;
    RecordingDialogs dialogs;
    SettingsStore settings {scratch.filePath(QStringLiteral("settings.ini"))};
    BusyWatchingPump events;
    FixedClock clock;
    Form1 window {dialogs, settings, events, TestSeams(clock, QStringLiteral("/home/ana/Desktop"))};

    WindowFixture() { events.window = &window; }

    template <typename T> T *find(const char *name) const
    {
        return window.findChild<T *>(QLatin1String(name));
    }

    void click(const char *button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }

    QStringList listed()
    {
        QStringList paths;
        for (int i = 1; i <= window.imageList().count(); ++i)
            paths << window.imageList().pathAt(i);
        return paths;
    }

    QString makeFile(const QString &relativePath)
    {
        const QString path = scratch.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("x");
        return path;
    }
};
