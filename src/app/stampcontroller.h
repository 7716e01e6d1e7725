// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progressbar.h"
#include "stamprun.h"
#include "tempfolder.h"
#include "toolrunner.h"

class DateTexts;
class Dialogs;
class EventPump;
class Form1;
class QProgressBar;

namespace Ui {
class Form1;
}

/// The options as the main window's controls show them at this moment: the source by testing
/// the three source buttons in order, the list captions, the typed texts, the font and colour
/// of the sample box, the quality slider and the save buttons.
StampOptions ReadStampOptions(const Ui::Form1 &ui);

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
class StampController final : public StampRunWindow
{
public:
    StampController(Form1 &window, Dialogs &dialogs, EventPump &events, const DateTexts &texts);

    void start() { m_run.start(); }
    bool isRunning() const { return m_run.isRunning(); }
    ToolRunner &tools() { return m_tools; }

    int imageCount() const override;
    QString imagePath(int number) const override;
    StampOptions currentOptions() const override;
    ProgressBar &progressBar() override { return m_bar; }
    void setBusy(bool busy) override;

private:
    Form1 &m_window;
    WidgetProgressBar m_bar;
    ToolRunner m_tools;
    TempFolder m_temp;
    StampRun m_run;
};
