// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/fontchoice.h"

class Dialogs;
class SampleBox;
class SettingsStore;

/// "Change Font" and "Change Color": the font and colour dialogs, preset from the settings and the
/// swatch, their answers saved and shown in the sample box.
///
/// The font dialog has no effects section, so strikethrough and underline come back as they were
/// preset. Cancelling either dialog answers its preset, which is then saved and applied like a
/// choice. Like a dialog component kept on the window, the font dialog remembers its last values:
/// a preset that cannot be read from the settings leaves the value it showed last time.
class FontColorChoice
{
public:
    FontColorChoice(SampleBox &sample, SettingsStore &settings, Dialogs &dialogs);

    /// The largest font size a stamp may have.
    static constexpr double kLargestSize = 72;

    void PushButton6_Click();
    void PushButton10_Click();

private:
    SampleBox &m_sample;
    SettingsStore &m_settings;
    Dialogs &m_dialogs;
    FontChoice m_dialogFont {QStringLiteral("Arial"), 9, false, false, false, false};
    quint32 m_dialogColor = 0;
};
