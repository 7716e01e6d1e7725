// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QSettings;

/// The user's remembered choices: text values under application "Vendrel", section "Kalvora"
/// and a key, held in an INI file that every running copy of the program shares.
///
/// Keys match without regard to letter case, so a value written as "FontStrikethru" is found as
/// "FontStrikeThru"; a write keeps the spelling under which the key was first written. Every
/// read first takes in what other copies wrote, and every write goes to disk at once, so the
/// last write wins. A key written with the empty text reads as the empty text, not as the
/// reader's default.
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

    /// The stored text of \a key, or \a defaultText when the key was never written.
    QString ReadSetting(const QString &key, const QString &defaultText) const;
    /// Creates or replaces the value of \a key.
    void WriteSetting(const QString &key, const QString &text);

    /// The file the values live in.
    QString fileName() const;

private:
    QString storedKey(const QString &key) const;

    std::unique_ptr<QSettings> m_settings;
};

/// A Boolean as stored: "True" or "False".
QString SettingText(bool value);
/// A number as stored: decimal, no grouping.
QString SettingText(int value);

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
