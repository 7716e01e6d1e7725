// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

class EventPump;

/// The separator the program writes paths with. The pure path helpers take it as a parameter
/// so that the rules hold for either kind of separator.
inline constexpr QChar kSeparator = QLatin1Char('/');

/// True when the path names something that exists, a folder included. Never fails.
bool FileExists(const QString &path);

/// True when the path names an existing folder. Never fails.
bool IsFolder(const QString &path);

/// True when the path names an existing entry that is not a folder: a file can be opened there,
/// whether or not this user may read it. Never fails.
bool IsOpenableFile(const QString &path);

/// The part after the last separator; the whole text when there is none.
QString FileNameOfPath(const QString &path, QChar separator = kSeparator);

/// The text up to and including the last separator; the empty text when there is none.
QString FolderOf(const QString &path, QChar separator = kSeparator);

/// Collapses doubled separators, pair by pair from the left (a run of three becomes two). With
/// the backslash, a path that starts with separators starts with exactly two afterwards, so a
/// network path keeps its two; with the slash the root is one separator like any other.
QString NormalizePath(const QString &path, QChar separator = kSeparator);

/// Removes a file, letting pending window events run first. A read-only file is removed too; a
/// missing file or one that cannot be removed is left without a word.
void RemoveFile(const QString &path, EventPump &events);

/// Writes \a bytes to a new file at \a path. Throws RuntimeFailure when the file cannot be
/// created or written completely.
void WriteBytesToFile(const QByteArray &bytes, const QString &path);
