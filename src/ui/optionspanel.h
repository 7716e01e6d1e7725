// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/storedoptions.h"

#include <QObject>
#include <QString>

#include <functional>

class Clock;
class DateTexts;
class Dialogs;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;
class SettingsStore;
class StampOptionsModel;

namespace OptionsPanelTexts {
inline constexpr auto kFolderPrompt
    = QT_TRANSLATE_NOOP("OptionsPanel", "Save images to this folder");
inline constexpr auto kDateTakenExplanation = QT_TRANSLATE_NOOP("OptionsPanel",
    "Date Taken only applies to the JPG file format. JPG is the standard output from a digital "
    "camera.\r\rAlso, the JPG file has to have been created with a camera. JPG files can be "
    "created without a camera and will not have a Date Taken attribute assigned to it. Please "
    "right click the JPG file > Properties > Details to view the Date Taken attribute of a "
    "file.");
} // namespace OptionsPanelTexts

/// The controls of the main window that the options panel answers for.
struct OptionsPanelControls
{
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QComboBox *Combo4;
    QComboBox *Combo1;
    QComboBox *Combo2;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QPlainTextEdit *Text5;
    QPlainTextEdit *Text4;
    QLineEdit *Text6;
    QSlider *Slider1;
    QGroupBox *Frame1;
    QRadioButton *Option4;
    QRadioButton *Option5;
    QWidget *Frame6;
    QPushButton *PushButton7;
    QPushButton *PushButton1;
};

/// The options panel's handlers: every change a person makes goes into the options model and is
/// written to the settings at once, the sample box follows the stamp source, and the output
/// folder controls are enabled only while results go to a chosen folder. There is no apply
/// button; the model and the store always hold what the panel shows. The sample's font and
/// colour reach the model through the SampleBox.
///
/// The handlers run when a person changes a control. Start-up sets the controls quietly and then
/// runs the same handler itself, once per control, so restored values are written back exactly
/// as a person's edit would write them.
class OptionsPanel
{
public:
    /// Asks for a folder with a prompt and a starting folder; the empty text when cancelled.
    using FolderPicker = std::function<QString(const QString &prompt, const QString &initial)>;

    /// \a texts and \a clock are held by reference: the date texts may be changed later.
    /// The model takes the controls' state at once, so a control that start-up cannot restore
    /// keeps in the model the state it shows.
    OptionsPanel(const OptionsPanelControls &controls, StampOptionsModel &model,
        SettingsStore &settings, Dialogs &dialogs, const Clock &clock, const DateTexts &texts,
        FolderPicker pickFolder);

    void SourceButtons_Click();
    void Combo4_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Text1_Change();
    void Text2_Change();
    void Text5_Change();
    void Text4_Change();
    void Text6_Change();
    void Slider1_Change();
    void SaveButtons_Click();
    void PushButton7_Click();
    void PushButton1_Click();

    /// "JPG Image Quality: " with the value and "%".
    static QString qualityCaption(int quality);
    /// \a folder as the output folder box shows it: in the platform's spelling, ending in one
    /// separator.
    static QString withTrailingSeparator(const QString &folder);

private:
    void connectHandlers();
    // The model follows what the controls show, whatever set them.
    void adoptControls();
    void adoptSource();
    void adoptSaveOption();
    template <typename Save> void persist(Save &&save);
    void setSample(const QString &text);

    OptionsPanelControls m_controls;
    // The context of every connection to the controls: they end with the panel, so a control
    // that outlives it never calls into a panel that is gone.
    QObject m_connections;
    StampOptionsModel &m_model;
    SettingsStore &m_settings;
    StoredOptions m_stored;
    Dialogs &m_dialogs;
    const Clock &m_clock;
    const DateTexts &m_texts;
    FolderPicker m_pickFolder;
    // A settings file that cannot be written is reported once, not on every keystroke.
    bool m_writeFailureShown = false;
};
