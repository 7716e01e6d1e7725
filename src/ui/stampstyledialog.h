// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/storedoptions.h"

#include <QDialog>

#include <memory>

class Clock;
class Dialogs;
class SettingsStore;
class StampOptionsModel;

namespace Ui {
class StampStyleDialog;
}

/// The "Stamp Style" dialog: the stamp's size (points or a percent of the picture), its style
/// with the style's colour, outline width and box opacity, the margin, the date pattern, what a
/// photo without a date taken gets, the time shift, whether a stamp keeps the photo's own
/// quality (so it can be undone), and whether runs skip photos stamped before and keep the
/// folders below a walked folder.
///
/// Like the main window's options it has no apply button: every change goes into the options
/// model and the settings at once, so the sample, the preview and the next run follow it. A
/// time shift is taken only once it reads as one; until then the field shows it is not.
class StampStyleDialog final : public QDialog
{
    Q_OBJECT
public:
    StampStyleDialog(StampOptionsModel &model, SettingsStore &settings, Dialogs &dialogs,
        const Clock &clock, QWidget *parent = nullptr);
    ~StampStyleDialog() override;

private:
    void showOptions();
    void showDependents();
    void lookEdited();
    void datesEdited();
    void runsEdited();
    void chooseStyleColor();

    std::unique_ptr<Ui::StampStyleDialog> m_ui;
    StampOptionsModel &m_model;
    StoredOptions m_stored;
    Dialogs &m_dialogs;
    const Clock &m_clock;
    bool m_showing = false;
};
