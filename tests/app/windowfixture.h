// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "eventpump.h"
#include "form1.h"
#include "imagelist.h"
#include "recordingdialogs.h"
#include "settingsstore.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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

/// A window over a scripted dialog seam and a settings file of its own.
struct WindowFixture
{
    QTemporaryDir scratch;
    RecordingDialogs dialogs;
    SettingsStore settings {scratch.filePath(QStringLiteral("settings.ini"))};
    BusyWatchingPump events;
    Form1 window {dialogs, settings, events};

    WindowFixture() { events.window = &window; }

    template <typename T> T *find(const char *name) const
    {
        return window.findChild<T *>(QLatin1String(name));
    }

    void click(const char *button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }

    QStringList listed()
    {
        QStringList paths;
        for (int i = 1; i <= window.imageList().Count(); ++i)
            paths << window.imageList().PathAt(i);
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
