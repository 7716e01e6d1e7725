// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowfixture.h"

#include <QPlainTextEdit>
#include <QSettings>

/// Keys and texts to store before the window starts.
using Stored = QList<QPair<QString, QString>>;

/// A settings file prepared before the window starts, and the window started over it.
struct StartFixture
{
    QTemporaryDir scratch;
    SettingsStore settings {scratch.filePath(QStringLiteral("Kalvora.ini"))};
    RecordingDialogs dialogs;
    NullEventPump events;
    FixedClock clock;
    StartUpSeams seams = TestSeams(clock, QStringLiteral("/home/ana/Desktop"));
    std::unique_ptr<Form1> window;

    void store(const Stored &values)
    {
        for (const auto &[key, value] : values)
            settings.WriteSetting(key, value);
    }
    Form1 &start()
    {
        window.reset();
        window = std::make_unique<Form1>(dialogs, settings, events, seams);
        return *window;
    }
    template <typename T> T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    QString value(const QString &key) const
    {
        QSettings file(settings.fileName(), QSettings::IniFormat);
        return file.value(QStringLiteral("Kalvora/") + key, QStringLiteral("<absent>")).toString();
    }
    QFont sampleFont() const { return find<QPlainTextEdit>("Text4")->font(); }
    QColor sampleColor(QPalette::ColorRole role) const
    {
        return find<QPlainTextEdit>("Text4")->palette().color(role);
    }
};

/// The place and step of a start-up failure as the error report names them.
inline QString reportAt(int step)
{
    return QStringLiteral("in Kalvorim2021/08/31.Form1.Form_Load at line %1\r\r").arg(step);
}
