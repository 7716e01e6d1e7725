// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/startup.h"
#include "base/clock.h"
#include "base/datetexts.h"

#include <QWidget>

#include <memory>

class Dialogs;
class EventPump;
class FontColorChoice;
class ImageList;
class ListDrop;
class OptionsPanel;
class QAction;
class RemoveStamp;
class SampleBox;
class SettingsStore;
class StampOptionsModel;
class StampPreview;
class StampController;
class StampStyleDialog;
struct FileAdderContext;

namespace Ui {
class Form1;
}

/// The main window: the image list with its four buttons, and the options panel of frames and
/// boxes laid out as the Designer form form1.ui draws them.
///
/// The window answers its list's buttons itself; the options panel, the font and colour choice
/// and the stamp run are controllers of their own that the window only wires to its controls.
/// Constructing the window runs its start-up, which restores every option from the settings.
/// While a long operation runs the window is busy: it shows the busy pointer, the list refuses
/// removals and its "Remove Stamp" is off. Closing the window ends the program and takes every
/// other window with it.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    Form1(Dialogs &dialogs, SettingsStore &settings, EventPump &events, QWidget *parent = nullptr);
    Form1(Dialogs &dialogs, SettingsStore &settings, EventPump &events, StartUpSeams seams,
        QWidget *parent = nullptr);
    ~Form1() override;

    bool isBusy() const { return m_busy; }
    /// Shows or takes away the busy pointer over the whole application. Setting the state it
    /// already has changes nothing, so the pointer never stays busy after work ends.
    void setBusy(bool busy);

    ImageList &imageList() { return *m_imageList; }
    StampController &stampController() { return *m_stamp; }
    /// "Remove Stamp" of the list's context menu, on the selected entries.
    RemoveStamp &removeStamp() { return *m_removeStamp; }
    StampPreview &stampPreview() { return *m_preview; }
    ListDrop &listDrop() { return *m_drop; }
    OptionsPanel &optionsPanel() { return *m_panel; }
    /// The options as the panel shows them: what the stamp run and the preview read.
    StampOptionsModel &optionsModel() { return *m_options; }
    SampleBox &sampleBox() { return *m_sample; }
    FontColorChoice &fontColorChoice() { return *m_fontColor; }
    /// The "Stamp Style" dialog, made when first asked for and kept, so it opens as it was left.
    StampStyleDialog &stampStyleDialog();

    /// The date texts stamped file dates and the sample are written in; the user's locale unless
    /// set.
    void setDateTexts(const DateTexts &texts) { m_texts = texts; }
    Ui::Form1 &ui() { return *m_ui; }

    /// "JPG Image Quality: " with the value and "%".
    static QString qualityCaption(int quality);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void paintPanelsWhite();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton8_Click();
    FileAdderContext adderContext();

    std::unique_ptr<Ui::Form1> m_ui;
    Dialogs &m_dialogs;
    SettingsStore &m_settings;
    EventPump &m_events;
    StartUpSeams m_seams;
    SystemClock m_systemClock;
    const Clock &m_clock;
    std::unique_ptr<ImageList> m_imageList;
    DateTexts m_texts;
    std::unique_ptr<StampOptionsModel> m_options;
    std::unique_ptr<SampleBox> m_sample;
    std::unique_ptr<OptionsPanel> m_panel;
    std::unique_ptr<FontColorChoice> m_fontColor;
    std::unique_ptr<StampController> m_stamp;
    std::unique_ptr<RemoveStamp> m_removeStamp;
    QAction *m_removeStampAction = nullptr; // owned by the list as its Qt parent
    std::unique_ptr<StampPreview> m_preview;
    std::unique_ptr<ListDrop> m_drop;
    StampStyleDialog *m_styleDialog = nullptr; // owned by this window as its Qt parent
    bool m_busy = false;
};
