// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/inidocument.h"
#include "options/settingskeys.h"

#include <QString>

/// The user's remembered choices: text values under application "Vendrel", section "Kalvora"
/// and a key, held in an INI file that every running copy of the program shares.
///
/// Keys match without regard to letter case, so a value written as "FontStrikethru" is found as
/// "FontStrikeThru"; a write keeps the spelling under which the key was first written. A key
/// written with the empty text reads as the empty text, not as the reader's default.
///
/// Copies of the program share the file and the last write wins, whatever the timing: every read
/// looks at the file's content as it is now (not at its time stamp, which two quick writes may
/// share), and every write takes the file's lock, re-reads it, replaces the one key and puts the
/// new file in place in one rename, so it never brings back another copy's older values and a
/// reader never sees half a file. The lock is the one Qt's own settings take on the same file.
class SettingsStore
{
public:
    /// The user's store: Vendrel/Kalvora.ini in the per-user configuration folder.
    SettingsStore();
    /// A store held in \a iniFile.
    explicit SettingsStore(const QString &iniFile);
    ~SettingsStore();

    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    /// The stored text of \a key, or \a defaultText when the key was never written. Throws
    /// RuntimeFailure naming the file when it exists but cannot be read.
    QString ReadSetting(const QString &key, const QString &defaultText) const;
    /// Creates or replaces the value of \a key. Throws RuntimeFailure naming the file and the
    /// reason when the value could not be written.
    void WriteSetting(const QString &key, const QString &text);

    /// The same for a key of the settings table, under the spellings the table gives: read
    /// with the table's default, or with \a defaultText for a default worked out when read.
    QString read(const SettingKey &key) const;
    QString read(const SettingKey &key, const QString &defaultText) const;
    void write(const SettingKey &key, const QString &text);
    /// Whether \a key was ever written.
    bool contains(const SettingKey &key) const;

    /// The file the values live in.
    QString fileName() const;

private:
    const IniDocument &current() const;

    QString m_fileName;
    // The file's content when last read or written, and the same parsed.
    mutable QByteArray m_bytes;
    mutable IniDocument m_document;
};

/// A Boolean as stored: "True" or "False".
QString settingText(bool value);
/// A number as stored: decimal, no grouping.
QString settingText(int value);

/// "True" or "False" in any letter case, or a number (0 is false, any other true). Throws
/// RuntimeFailure for any other text.
bool BooleanByConversion(const QString &text);
/// True exactly when \a text is "True".
bool BooleanByComparison(const QString &text);
/// The text as a decimal number ("." as the decimal point) rounded to the nearest whole
/// number, halves to the even neighbour. Throws RuntimeFailure when it is no number or lies
/// outside -32768 to 32767.
qint16 SmallInteger(const QString &text);
/// The same for the 32-bit range.
qint32 LongInteger(const QString &text);
