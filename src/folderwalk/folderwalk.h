// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The folder walk of "Add All File(s) In Folder", of dropped folders and of the sample files:
// plain Qt Core, so a command-line tool can list folders the same way the window does.

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

class EventPump;

/// A step of the walk that failed: its number and what went wrong. The walk goes on.
struct WalkProblem
{
    int step = 0;
    QString description;
};

/// What a folder walk found: the files, the steps that failed, and how many files were left out
/// because their names are not valid UTF-8 (see undecodableNamesNote).
struct FolderWalk
{
    QStringList files;
    QList<WalkProblem> problems;
    int undecodable = 0;
};

/// True when \a name holds a character that the 8-bit code page (Latin-1) cannot show as
/// itself: a code below 32, from 127 to 159, a "?" or a character outside Latin-1.
bool HasUnsupportedChars(const QString &name);

/// Extends \a folders (paths ending with '/') in place with every folder below them, level by
/// level: all children, then all grandchildren, and so on. A folder that cannot be read is
/// dropped and the walk goes on; hidden folders (names starting with ".") below the given ones
/// are not walked. Every folder is walked at most once, however often links lead to it, so a
/// link to a folder above it cannot make the walk loop. Lets window events run before each
/// folder. Other failures are added to \a problems (when given) and the walk goes on; the
/// window shows each through ErrorReport.
void GetSubDirectories2016(
    QStringList &folders, bool recurse, EventPump &events, QList<WalkProblem> *problems = nullptr);

/// The plain names of the files in \a folder (with or without a trailing '/') that match
/// \a pattern ("*.*" for every file, or "*." and an extension; letter case does not count), in
/// the file system's order. Hidden files are included; folders and special files (pipes,
/// sockets, devices) are not.
QStringList ListFilesInFolder(const QString &folder, const QString &pattern);

/// The folder scan of "Add All File(s) In Folder" and of a dropped folder: every accepted file
/// of \a folder and all folders below it, normalised, in the walk's order. \a extension is the
/// user's answer ("*" for every file). Names starting with "~" (editors' temporary copies) and
/// hidden files are left out. Files whose names are not valid UTF-8 cannot be opened by name
/// and are left out too, and counted, for the caller to say so once (undecodableNamesNote).
/// Shows nothing: the caller tells the user about the problems.
FolderWalk scanFolder(const QString &folder, const QString &extension, EventPump &events);

/// What a command says once when \a count files were left out for names that are not valid
/// UTF-8.
QString undecodableNamesNote(int count);

/// Lets window events run at least every \a intervalMs milliseconds of a long loop without
/// paying for a pump call on every item.
class EventPacer
{
public:
    explicit EventPacer(EventPump &events, int intervalMs = 25);

    /// Lets events run now.
    void pump();
    /// Lets events run when the interval has passed since the last time.
    void pumpWhenDue();

private:
    EventPump &m_events;
    QElapsedTimer m_timer;
    int m_intervalMs;
};
