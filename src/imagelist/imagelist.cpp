// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist/imagelist.h"

#include "base/programfiles.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTreeWidget>

namespace {

// Where an entry keeps its identity and the folder whose walk found it.
constexpr int kIdentityRole = Qt::UserRole;
constexpr int kWalkedFolderRole = Qt::UserRole + 1;

quint64 identityOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, kIdentityRole).toULongLong() : 0;
}

QCursor loadDragCursor()
{
    const QPixmap pixmap(programFile(ProgramFileKind::Data, QStringLiteral("drag.ico")));
    if (pixmap.isNull())
        return QCursor(Qt::DragMoveCursor);
    return QCursor(pixmap);
}

} // namespace

ImageList::ImageList(QTreeWidget *view, std::function<bool()> isBusy)
    : m_view(view)
    , m_isBusy(std::move(isBusy))
    , m_dragCursor(loadDragCursor())
{
    m_view->setColumnCount(1);
    m_view->setHeaderLabels({QCoreApplication::translate("ImageList", "Image File(s)")});
    // The column keeps its width; long paths are cut at its edge until the user widens it.
    m_view->header()->setStretchLastSection(false);
    m_view->setColumnWidth(0, kColumnWidth);
    m_view->setRootIsDecorated(false);
    // Several entries may be selected, for the commands of the list's context menu.
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Reordering is the swap rule below, never Qt's own move of a dragged row.
    m_view->setDragEnabled(false);
    m_view->setAutoScroll(false);
    // A folder scan may append many thousands of entries; uniform rows keep that cheap.
    m_view->setUniformRowHeights(true);
    m_view->setToolTip(QCoreApplication::translate("ImageList",
        "Drag and drop files here. Double-click item to remove it. Move | line to right and out "
        "of window to reveal full names."));
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
}

ImageList::~ImageList() = default;

void ImageList::append(const QString &path, const QString &walkedFolder)
{
    auto *item = new QTreeWidgetItem(QStringList {path});
    item->setData(0, kIdentityRole, QVariant::fromValue(++m_lastIdentity));
    if (!walkedFolder.isEmpty())
        item->setData(0, kWalkedFolderRole, walkedFolder);
    m_view->addTopLevelItem(item);
}

int ImageList::count() const
{
    return m_view->topLevelItemCount();
}

QString ImageList::pathAt(int index) const
{
    const QTreeWidgetItem *item = m_view->topLevelItem(index - 1);
    return item ? item->text(0) : QString();
}

QString ImageList::walkedFolderAt(int index) const
{
    const QTreeWidgetItem *item = m_view->topLevelItem(index - 1);
    return item ? item->data(0, kWalkedFolderRole).toString() : QString();
}

quint64 ImageList::identityAt(int index) const
{
    return identityOf(m_view->topLevelItem(index - 1));
}

bool ImageList::holds(quint64 identity) const
{
    for (int i = 0, n = m_view->topLevelItemCount(); i < n; ++i) {
        if (identityOf(m_view->topLevelItem(i)) == identity)
            return true;
    }
    return false;
}

bool ImageList::contains(const QString &path) const
{
    for (int i = 0, n = m_view->topLevelItemCount(); i < n; ++i) {
        if (m_view->topLevelItem(i)->text(0) == path)
            return true;
    }
    return false;
}

std::optional<int> ImageList::selected() const
{
    for (int i = 0, n = m_view->topLevelItemCount(); i < n; ++i) {
        if (m_view->topLevelItem(i)->isSelected())
            return i + 1;
    }
    return std::nullopt;
}

QStringList ImageList::selectedPaths() const
{
    QStringList paths;
    for (int i = 0, n = m_view->topLevelItemCount(); i < n; ++i) {
        if (m_view->topLevelItem(i)->isSelected())
            paths << m_view->topLevelItem(i)->text(0);
    }
    return paths;
}

void ImageList::removeSelected()
{
    // From the end, so the positions still to be taken stay where they are.
    for (int i = m_view->topLevelItemCount() - 1; i >= 0; --i) {
        if (m_view->topLevelItem(i)->isSelected())
            delete m_view->takeTopLevelItem(i);
    }
}

void ImageList::clear()
{
    m_view->clear();
}

bool ImageList::requestRemoveSelected()
{
    if (busy() || count() == 0)
        return false;
    removeSelected();
    return true;
}

bool ImageList::requestClear()
{
    if (busy())
        return false;
    clear();
    return true;
}

bool ImageList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view) {
        if (event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
            requestRemoveSelected();
            return true;
        }
        return false;
    }
    if (watched != m_view->viewport())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressed(static_cast<QMouseEvent *>(event));
        return false;
    case QEvent::MouseMove:
        if (!m_dragging)
            return false;
        moved(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        released();
        return false;
    case QEvent::MouseButtonDblClick:
        requestRemoveSelected();
        m_dragged = QPersistentModelIndex();
        return true;
    default:
        return false;
    }
}

void ImageList::pressed(QMouseEvent *event)
{
    m_dragging = true;
    // Only a press on an entry grabs it. A press on the empty part of the list grabs nothing,
    // so a later move cannot carry off an entry that was grabbed long before.
    const QModelIndex index = m_view->indexAt(event->position().toPoint());
    m_dragged = index.isValid() ? QPersistentModelIndex(index.siblingAtColumn(0))
                                : QPersistentModelIndex();
    if (m_dragged.isValid())
        m_view->viewport()->setCursor(m_dragCursor);
}

void ImageList::moved(QMouseEvent *event)
{
    const QModelIndex hovered = m_view->indexAt(event->position().toPoint());
    if (!hovered.isValid() || !m_dragged.isValid())
        return;
    const int from = m_dragged.row();
    const int to = hovered.row();
    QTreeWidgetItem *dragged = m_view->topLevelItem(from);
    QTreeWidgetItem *target = m_view->topLevelItem(to);
    // Equal texts (the entry itself, or a duplicate path) leave the list as it is.
    if (!dragged || !target || dragged->text(0) == target->text(0))
        return;
    // The entries change places with their identities, so a run follows them.
    const QString path = dragged->text(0);
    const QVariant identity = dragged->data(0, kIdentityRole);
    const QVariant walkedFolder = dragged->data(0, kWalkedFolderRole);
    dragged->setText(0, target->text(0));
    dragged->setData(0, kIdentityRole, target->data(0, kIdentityRole));
    dragged->setData(0, kWalkedFolderRole, target->data(0, kWalkedFolderRole));
    target->setText(0, path);
    target->setData(0, kIdentityRole, identity);
    target->setData(0, kWalkedFolderRole, walkedFolder);
    m_view->setCurrentItem(target);
    m_dragged = QPersistentModelIndex(hovered.siblingAtColumn(0));
    emit entriesSwapped(from + 1, to + 1);

    const QPoint global = event->globalPosition().toPoint();
    const QScreen *screen = QGuiApplication::screenAt(global);
    if (!screen)
        screen = m_view->screen();
    scrollNear(to, global.y() - (screen ? screen->geometry().top() : 0));
}

void ImageList::released()
{
    m_dragging = false;
    m_view->viewport()->unsetCursor();
}

void ImageList::scrollNear(int row, int screenRow)
{
    if (screenRow < kScrollUpBelowRow) {
        if (row > 0)
            m_view->scrollToItem(m_view->topLevelItem(row - 1));
    } else if (screenRow > kScrollDownBeyondRow) {
        if (row + 1 < count())
            m_view->scrollToItem(m_view->topLevelItem(row + 1));
    }
}
