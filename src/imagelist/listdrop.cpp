// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist/listdrop.h"

#include "base/applicationtitle.h"
#include "ui/dialogs.h"

#include "folderwalk/folderwalk.h"
#include "imagelist/addfolder.h"
#include "imagelist/imagelist.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTreeWidget>
#include <QUrl>

namespace {

// The action a drop of files is taken with: a copy, or a link where only that is offered.
// Never a move, which would tell the file manager to remove what it dragged.
Qt::DropAction fileDropAction(Qt::DropActions possible)
{
    if (possible & Qt::CopyAction)
        return Qt::CopyAction;
    if (possible & Qt::LinkAction)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

} // namespace

ListDrop::ListDrop(ImageList &list, EventPump &events, Dialogs &dialogs)
    : m_list(list)
    , m_events(events)
    , m_dialogs(dialogs)
{
    QTreeWidget *view = m_list.view();
    view->setAcceptDrops(true);
    view->viewport()->setAcceptDrops(true);
    view->viewport()->installEventFilter(this);
}

QStringList ListDrop::localPaths(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths << url.toLocalFile();
    }
    return paths;
}

bool ListDrop::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_list.view()->viewport())
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = localPaths(drop->mimeData());
        const Qt::DropAction action = fileDropAction(drop->possibleActions());
        if (paths.isEmpty() || action == Qt::IgnoreAction) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(action);
        drop->accept();
        if (event->type() == QEvent::Drop)
            appendLater(paths);
        return true;
    }
    case QEvent::DragLeave:
        return true;
    default:
        return false;
    }
}

void ListDrop::appendLater(const QStringList &paths)
{
    m_pending.enqueue(paths);
    QMetaObject::invokeMethod(this, &ListDrop::appendPending, Qt::QueuedConnection);
}

void ListDrop::appendPending()
{
    // A drop that comes in while an earlier one is scanned waits for it, so entries keep the
    // order of the drops.
    if (m_appending)
        return;
    m_appending = true;
    while (!m_pending.isEmpty()) {
        const QStringList paths = m_pending.dequeue();
        m_undecodable = 0;
        for (const QString &path : paths)
            appendPath(path);
        // Said once a drop, however many folders it held.
        if (m_undecodable > 0)
            m_dialogs.showMessage(
                shortTitle(), undecodableNamesNote(m_undecodable), Dialogs::Icon::Exclamation);
    }
    m_appending = false;
    emit droppedPathsAppended();
}

void ListDrop::appendPath(const QString &path)
{
    if (!QFileInfo(path).isDir()) {
        // A file goes in as it is; the stamp run tells about one it cannot read.
        m_list.append(path);
        return;
    }
    const FolderWalk walk = scanFolder(path, QStringLiteral("*"), m_events);
    reportWalkProblems(m_dialogs, walk.problems);
    m_undecodable += walk.undecodable;
    EventPacer pacer(m_events);
    for (const QString &file : walk.files) {
        pacer.pumpWhenDue();
        m_list.append(file, path);
    }
}
