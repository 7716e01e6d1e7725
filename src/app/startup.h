// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/datetexts.h"
#include "options/storedoptions.h"

#include <QString>

#include <functional>
#include <optional>

class Clock;
class Dialogs;
class Form1;
class QUrl;
class RandomDraw;
class SettingsStore;
class TrappedProcedure;

/// What the main window takes from the system as it starts; tests replace any of them. Each
/// one left empty means the real thing.
struct StartUpSeams
{
    /// The time of day: the system clock when null. Not owned.
    const Clock *clock = nullptr;
    /// The draw of the home-page visit: seeded from the seconds since midnight when null.
    RandomDraw *homePageDraw = nullptr;
    /// Opens a web page: the desktop's browser when empty.
    std::function<bool(const QUrl &)> openUrl;
    /// Records the sample files on a first start; nothing yet when empty.
    std::function<void()> takeSampleSnapshot;
    /// The desktop folder as the desktop names it (empty when it cannot): the XDG desktop folder
    /// when empty.
    std::function<QString()> desktopFolder;
    /// The folder of the files kept beside the program (the hand pointer, the skin): the
    /// program's own folder when empty.
    QString programFolder;
    /// How dates and times are written: the user's locale when empty.
    std::optional<DateTexts> dateTexts;
};

/// The main window's start-up: applies the skin, the titles, the icon and the hand pointer,
/// may visit the home page, records the sample files on a first start, fills the three lists
/// and restores every option from the settings.
///
/// Each control restored runs its options-panel handler once, as a person's edit would, so the
/// restored values are written straight back. Every value is read through StoredOptions. Every
/// step is trapped: a failing one (a stored
/// text that does not convert, a list position that does not exist) is reported once with its
/// step number and start-up goes on; the control keeps the state it had.
class StartUp
{
public:
    StartUp(Form1 &window, SettingsStore &settings, Dialogs &dialogs, const Clock &clock,
        const DateTexts &texts, const StartUpSeams &seams);

    void Form_Load();

private:
    void prepareWindow(TrappedProcedure &procedure);
    void restoreLists(TrappedProcedure &procedure);
    void restoreSources(TrappedProcedure &procedure);
    void restoreFont(TrappedProcedure &procedure);
    void restoreOutput(TrappedProcedure &procedure);

    Form1 &m_window;
    SettingsStore &m_settings;
    StoredOptions m_stored;
    Dialogs &m_dialogs;
    const Clock &m_clock;
    const DateTexts &m_texts;
    const StartUpSeams &m_seams;
};
