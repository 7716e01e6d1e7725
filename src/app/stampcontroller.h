// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/stamprun.h"
#include "engine/output/toolrunner.h"
#include "engine/run/tempfolder.h"
#include "preview/progressbar.h"

#include <QObject>

class DateTexts;
class Dialogs;
class EventPump;
class Form1;
class QProgressBar;

namespace Ui {
class Form1;
}

/// The progress bar interface over a QProgressBar, whose format is the text it shows.
class WidgetProgressBar final : public ProgressBar
{
public:
    explicit WidgetProgressBar(QProgressBar &bar)
        : m_bar(bar)
    { }

    int value() const override;
    void setValue(int value) override;
    QString text() const override;
    void setText(const QString &text) override;

private:
    QProgressBar &m_bar;
};

/// Connects "Start Stamping" to the stamp run: lends the run the window's list, controls,
/// progress bar and busy pointer, and owns the tools and the private temporary folder.
///
/// Closing the window during a run ends the run early: no further file is handed out, and the
/// files at work finish their safe replacement before the run returns, so no source is left
/// half-written. ExifTool gets a short grace only: a copy it has not answered by then is ended
/// and its file left untouched, so a stuck ExifTool never holds up the close.
class StampController final : public QObject, public StampRunWindow
{
public:
    StampController(Form1 &window, Dialogs &dialogs, EventPump &events, const DateTexts &texts);

    void start() { m_run.start(); }
    bool isRunning() const { return m_run.isRunning(); }
    kalvora::ToolRunner &tools() { return m_tools; }
    StampRun &run() { return m_run; }

    bool eventFilter(QObject *watched, QEvent *event) override;

    int imageCount() const override;
    QString imagePath(int number) const override;
    QList<ListedImage> listedImages() const override;
    bool isListed(quint64 identity) const override;
    StampOptions currentOptions() const override;
    ProgressBar &progressBar() override { return m_bar; }
    void setBusy(bool busy) override;
    bool isActive() const override;

private:
    Form1 &m_window;
    WidgetProgressBar m_bar;
    kalvora::ToolRunner m_tools;
    kalvora::TempFolder m_temp;
    StampRun m_run;
};
