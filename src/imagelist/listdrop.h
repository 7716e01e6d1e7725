// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QQueue>
#include <QStringList>

class Dialogs;
class EventPump;
class ImageList;
class QMimeData;

/// Files and folders dropped onto the image list from a file manager.
///
/// The list takes a drag only when it carries local files (Qt's file URLs); anything else shows
/// the no-drop pointer. A drop is taken as a copy, never as a move, so no file manager removes
/// the files it dragged. The dropped paths are appended in their order after the drop has
/// returned, so the file manager is not kept waiting: a file as it is, a folder as every file in
/// it and below it, by the walk and the name rules of "Add All File(s) In Folder". The window
/// is not set busy meanwhile and events run during long scans; drops that come in while one is
/// still being worked through are appended after it, in turn.
class ListDrop : public QObject
{
    Q_OBJECT
public:
    /// Takes drops on \a list's view; must not outlive it.
    ListDrop(ImageList &list, EventPump &events, Dialogs &dialogs);

    /// The local paths \a data carries, in order; empty when it carries none.
    static QStringList localPaths(const QMimeData *data);

    /// Appends \a paths the way a drop of them would, once the event loop runs: files named on
    /// the program's command line come in this way.
    void appendLater(const QStringList &paths);

    /// True while dropped paths wait or are being appended.
    bool isAppending() const { return m_appending || !m_pending.isEmpty(); }

signals:
    /// Every path dropped so far has been appended.
    void droppedPathsAppended();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void appendPending();
    void appendPath(const QString &path);

    ImageList &m_list;
    EventPump &m_events;
    Dialogs &m_dialogs;
    QQueue<QStringList> m_pending;
    int m_undecodable = 0;
    bool m_appending = false;
};
