// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

/// The text of an INI file in the form Qt's QSettings reads and writes (UTF-8, "%20" in keys,
/// C-style escapes and quotes in values), edited one key at a time.
///
/// A change replaces the line of that one key and leaves every other line as it was, so a
/// hand-written comment or another program's section survives; a byte order mark that starts
/// the file stays too. Keys are found without regard to
/// letter case. Only text values are handled: a value that QSettings would read as a list
/// ("a, b" unquoted) reads as its items joined by ", ".
class IniDocument
{
public:
    IniDocument() = default;
    explicit IniDocument(const QByteArray &bytes);

    /// The file's text with the changes made so far.
    QByteArray bytes() const;

    /// The value of \a key in \a section: the key spelled exactly wins, otherwise the first one
    /// that differs only in letter case. Nothing when the key is absent.
    std::optional<QString> value(const QString &section, const QString &key) const;

    /// Sets \a key in \a section to \a text. An existing key keeps its place and its spelling
    /// (the exact one, else the first that differs only in case); its other spellings go. A new
    /// key is added at the end of the section, a new section at the end of the file.
    void setValue(const QString &section, const QString &key, const QString &text);

    /// The key as QSettings escapes it in a file ("Output Folder" becomes "Output%20Folder").
    static QByteArray escapedKey(const QString &key);
    /// The value as QSettings escapes it in a file.
    static QByteArray escapedValue(const QString &text);

private:
    struct Line
    {
        QByteArray text; // as in the file, without its line end
        QString section; // the section it belongs to
        std::optional<QString> key; // set for a "key=value" line
    };

    std::optional<qsizetype> find(const QString &section, const QString &key) const;

    QList<Line> m_lines;
    bool m_startsWithByteOrderMark = false;
    bool m_endsWithLineBreak = true;
};
