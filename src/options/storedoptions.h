// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stampoptions.h"

#include <QString>

#include <functional>

class SettingsStore;

/// The stamp options as the settings keep them: the one translation between the settings file
/// and StampOptions, used by the window's start-up and the options panel as well as by
/// kalvora-stamp's --from-settings, so both read every key with the same spelling, default and
/// rules.
///
/// Each option has a loader of its own, so a start-up that restores its controls one numbered
/// step at a time can report the one value that cannot be read and go on. A loader throws
/// RuntimeFailure (number 380, "Invalid property value") for a text that does not convert or a
/// value outside what its control takes; a key never written gives the table's default.
class StoredOptions
{
public:
    /// Reads and writes \a settings.
    explicit StoredOptions(SettingsStore &settings);
    /// Only reads \a settings: the save functions throw RuntimeFailure.
    explicit StoredOptions(const SettingsStore &settings);

    /// Every option at once, for a program without a window: \a firstStart gives what a key
    /// never written holds where the default is worked out when read (the user date and time,
    /// the output folder), and what an empty font name or no chosen source leaves.
    StampOptions load(const StampOptions &firstStart) const;

    /// Whether the source button of \a source was left set.
    bool loadSourceChosen(StampSource source) const;
    /// The source the buttons show: the first of "custom text", "file date", "user date and
    /// time" that is set wins (the window restores them in that order, and restoring a set
    /// button saves the others as not set); \a none when none is set.
    StampSource loadSource(StampSource none) const;
    FileDateKind loadFileDateKind() const;
    StampFormat loadFormat() const;
    StampPosition loadPosition() const;
    QString loadUserDate(const QString &today) const;
    QString loadUserTime(const QString &timeNow) const;
    QString loadCustomText() const;
    QString loadSampleText() const;
    int loadJpegQuality() const;
    /// Whether the save button of \a option was left set.
    bool loadSaveChosen(SaveOption option) const;
    /// The stored output folder; \a desktopFolder is asked only when none was ever stored.
    QString loadOutputFolder(const std::function<QString()> &desktopFolder) const;
    /// The stored face name; the empty text means "keep the face shown".
    QString loadFontName() const;
    double loadFontSize() const;
    bool loadFontBold() const;
    bool loadFontItalic() const;
    bool loadFontStrikethru() const;
    bool loadFontUnderline() const;
    quint32 loadColor() const;

    void saveSourceChosen(StampSource source, bool chosen);
    void saveFileDateKind(FileDateKind kind);
    void saveFormat(StampFormat format);
    void savePosition(StampPosition position);
    void saveUserDate(const QString &date);
    void saveUserTime(const QString &time);
    void saveCustomText(const QString &text);
    void saveSampleText(const QString &text);
    void saveJpegQuality(int quality);
    void saveSaveChosen(SaveOption option, bool chosen);
    void saveOutputFolder(const QString &folder);

    /// The stamp's looks, the date choices and the run's choices (storedlook.cpp); a key never
    /// written gives the default that draws and runs as a plain stamp always did.
    StampLook loadLook() const;
    DateChoices loadDates() const;
    bool loadSkipStamped() const;
    bool loadKeepFolders() const;
    bool loadKeepQuality() const;
    void saveLook(const StampLook &look);
    void saveDates(const DateChoices &dates);
    void saveSkipStamped(bool skip);
    void saveKeepFolders(bool keep);
    void saveKeepQuality(bool keep);

    /// The lowest and highest JPEG quality.
    static constexpr int kLowestQuality = 1;
    static constexpr int kHighestQuality = 100;

private:
    SettingsStore &writer();

    const SettingsStore &m_reader;
    SettingsStore *m_writer = nullptr;
};

/// Throws the failure of a value a control does not take.
[[noreturn]] void throwInvalidValue(const QString &what);
