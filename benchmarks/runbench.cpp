// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// runbench FILES...: the window's own stamp run over the photos named, as "Start Stamping"
// does it (the main window on the offscreen platform, its controls set to the date taken at
// Lower-Right, 48 points, quality 85, results into a folder of their own). Prints the photos
// per second, the longest time the window went without handling events (a 5-millisecond timer
// that should fire throughout) and the program's peak memory. A benchmark, not a test.
#include "app/form1.h"
#include "app/stampcontroller.h"
#include "base/eventpump.h"
#include "engine/codecs/worksurface.h"
#include "imagelist/imagelist.h"
#include "options/settingsstore.h"
#include "recordingdialogs.h"
#include "ui/samplebox.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace kalvora;

namespace {

// The largest resident size the process has had, in megabytes.
double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    configureImageReading();
    const QStringList files = app.arguments().mid(1);
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: runbench FILES...\n");
        return 2;
    }
    QTemporaryDir scratch;
    QTemporaryDir results;
    RecordingDialogs dialogs;
    SettingsStore settings(scratch.filePath(QStringLiteral("settings.ini")));
    QtEventPump events;
    Form1 window(dialogs, settings, events);
    window.show();
    for (const QString &file : files)
        window.imageList().append(file);
    window.findChild<QRadioButton *>(QStringLiteral("Option1"))->setChecked(true);
    window.findChild<QComboBox *>(QStringLiteral("Combo4"))
        ->setCurrentText(QStringLiteral("Date Taken"));
    window.findChild<QComboBox *>(QStringLiteral("Combo1"))
        ->setCurrentText(QStringLiteral("Datestamp And Timestamp"));
    window.findChild<QComboBox *>(QStringLiteral("Combo2"))
        ->setCurrentText(QStringLiteral("Lower-Right"));
    window.sampleBox().setSize(48);
    window.findChild<QRadioButton *>(QStringLiteral("Option4"))->setChecked(true);
    window.findChild<QLineEdit *>(QStringLiteral("Text6"))->setText(results.path());

    // A timer the event loop should serve every 5 ms; the longest gap between two of its
    // firings is the longest time the window went without handling events.
    QElapsedTimer clock;
    QElapsedTimer sinceLast;
    qint64 longestGap = 0;
    qint64 longestGapEnd = 0;
    QList<qint64> gaps;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (sinceLast.isValid()) {
            const qint64 gap = sinceLast.restart();
            gaps << gap;
            if (gap > longestGap) {
                longestGap = gap;
                longestGapEnd = clock.elapsed();
            }
        } else {
            sinceLast.start();
        }
    });
    ticker.start(5);

    clock.start();
    window.findChild<QPushButton *>(QStringLiteral("PushButton8"))->click();
    const double seconds = clock.nsecsElapsed() / 1e9;
    ticker.stop();

    const QStringList messages = dialogs.messages();
    std::printf("%lld photos in %.2f s: %.1f photos/s, %d workers\n", qlonglong(files.size()),
        seconds, files.size() / seconds, window.stampController().run().workerCount());
    std::sort(gaps.begin(), gaps.end());
    std::printf("longest time without handling events: %lld ms (ending %.2f s into the run); "
                "99th percentile %lld ms\n",
        qlonglong(longestGap), longestGapEnd / 1000.0,
        qlonglong(gaps.isEmpty() ? 0 : gaps.at(gaps.size() * 99 / 100)));
    std::printf("peak memory: %.0f MB\n", peakMemoryMb());
    std::printf("messages: %lld (last: %s)\n", qlonglong(messages.size()),
        qPrintable(messages.value(messages.size() - 1).left(60)));
    return messages.size() == 1 ? 0 : 1;
}
