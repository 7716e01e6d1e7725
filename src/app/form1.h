// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datetexts.h"

#include <QWidget>

#include <memory>

class Dialogs;
class EventPump;
class ImageList;
class ListDrop;
class SettingsStore;
class StampPreview;
class StampController;
struct FileAdderContext;

namespace Ui {
class Form1;
}

/// The main window: the image list with its four buttons, and the options panel of frames and
/// boxes laid out as the Designer form form1.ui draws them.
///
/// The window answers its list's buttons itself; the options panel's own handlers belong in a
/// controller of their own, which reaches the controls through ui(). While a long operation
/// runs the window is busy: it shows the busy pointer and the list refuses removals.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    Form1(Dialogs &dialogs, SettingsStore &settings, EventPump &events, QWidget *parent = nullptr);
    ~Form1() override;

    bool isBusy() const { return m_busy; }
    /// Shows or takes away the busy pointer over the whole application. Setting the state it
    /// already has changes nothing, so the pointer never stays busy after work ends.
    void setBusy(bool busy);

    ImageList &imageList() { return *m_imageList; }
    StampController &stampController() { return *m_stamp; }
    StampPreview &stampPreview() { return *m_preview; }
    ListDrop &listDrop() { return *m_drop; }

    /// The date texts stamped file dates are written in; the user's locale unless set.
    void setDateTexts(const DateTexts &texts) { m_texts = texts; }
    Ui::Form1 &ui() { return *m_ui; }

    /// "JPG Image Quality: " with the value and "%".
    static QString QualityCaption(int quality);

private:
    void paintPanelsWhite();
    void showFirstStartValues();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton8_Click();
    FileAdderContext adderContext();

    std::unique_ptr<Ui::Form1> m_ui;
    Dialogs &m_dialogs;
    SettingsStore &m_settings;
    EventPump &m_events;
    std::unique_ptr<ImageList> m_imageList;
    DateTexts m_texts;
    std::unique_ptr<StampController> m_stamp;
    std::unique_ptr<StampPreview> m_preview;
    std::unique_ptr<ListDrop> m_drop;
    bool m_busy = false;
};
