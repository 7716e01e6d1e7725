// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QObject>
#include <QPersistentModelIndex>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QTreeWidget;
class QMouseEvent;

/// The ordered list of image paths that a stamp run works through, kept in the main window's
/// list control. Entries are numbered from 1, hold the path exactly as it was appended, and may
/// repeat; each has an identity of its own, so a stamp run can follow it however it moves.
///
/// The list also owns the user's ways of changing it: the Delete key and a double-click remove
/// the selected entries (Ctrl and Shift with a click select several), and dragging an entry with a
/// button held moves it by swapping it with each entry the pointer crosses. Removal is refused
/// while the window is busy (a long operation shows the busy pointer and lets events run);
/// appending never is.
class ImageList : public QObject
{
    Q_OBJECT
public:
    /// Takes over \a view (its column, tooltip and mouse and key handling) without owning it;
    /// the list must not outlive the view. \a isBusy tells whether the window is busy; without
    /// one the list never is.
    explicit ImageList(QTreeWidget *view, std::function<bool()> isBusy = {});
    ~ImageList() override;

    /// Appends \a path; a file found by walking a folder names \a walkedFolder, which a result
    /// that keeps the walk's folders needs.
    void append(const QString &path, const QString &walkedFolder = QString());
    int count() const;
    /// The path of entry \a index, 1 ≤ index ≤ count(); the empty text outside that range.
    QString pathAt(int index) const;
    /// The folder whose walk listed entry \a index; empty for a file added by itself.
    QString walkedFolderAt(int index) const;
    /// The identity of entry \a index: a number given to each appended entry, never given again
    /// by this list, that stays with the entry when it is dragged elsewhere. 0 outside the range.
    quint64 identityAt(int index) const;
    /// Whether the entry with \a identity is still listed.
    bool holds(quint64 identity) const;
    /// True when some entry equals \a path exactly (case-sensitive, whole text).
    bool contains(const QString &path) const;
    /// The position of the first selected entry, from 1; none when nothing is selected.
    std::optional<int> selected() const;
    /// The paths of the selected entries, in list order.
    QStringList selectedPaths() const;
    /// Removes the selected entries; the entries behind them move up. Nothing selected: no
    /// change.
    void removeSelected();
    void clear();

    /// The user's removal commands (Delete key, double-click, "Clear List"): nothing happens
    /// while the window is busy. Answer whether the command was carried out.
    bool requestRemoveSelected();
    bool requestClear();

    QTreeWidget *view() const { return m_view; }
    /// The pointer the list shows while an entry is dragged: "drag.ico" beside the program, or
    /// Qt's own drag pointer when that file is missing or unreadable.
    QCursor dragCursor() const { return m_dragCursor; }

    static constexpr int kColumnWidth = 467;
    /// Screen rows (pixels from the top edge of the screen) above and below which a drag
    /// scrolls the neighbouring entry into view.
    static constexpr int kScrollUpBelowRow = 305;
    static constexpr int kScrollDownBeyondRow = 364;

signals:
    /// An entry moved by a drag: the entries at \a from and \a to (from 1) swapped places.
    void entriesSwapped(int from, int to);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool busy() const { return m_isBusy && m_isBusy(); }
    void pressed(QMouseEvent *event);
    void moved(QMouseEvent *event);
    void released();
    void scrollNear(int row, int screenRow);

    QTreeWidget *m_view;
    std::function<bool()> m_isBusy;
    QCursor m_dragCursor;
    bool m_dragging = false;
    quint64 m_lastIdentity = 0;
    QPersistentModelIndex m_dragged;
};
