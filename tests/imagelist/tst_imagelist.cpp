// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist/imagelist.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

/// A list over its own window, placed so that a point of the list lands on a chosen screen
/// row (the drag's scrolling reads screen rows).
struct ListFixture
{
    QWidget window;
    QTreeWidget *view = new QTreeWidget(&window);
    bool busy = false;
    std::unique_ptr<ImageList> list;

    explicit ListFixture(const QStringList &paths = {})
    {
        view->setGeometry(8, 8, 520, 169);
        window.resize(536, 185);
        list = std::make_unique<ImageList>(view, [this] { return busy; });
        for (const QString &path : paths)
            list->append(path);
        window.show();
    }

    QStringList paths() const
    {
        QStringList all;
        for (int i = 1; i <= list->count(); ++i)
            all << list->pathAt(i);
        return all;
    }

    QPoint centreOf(int row) const
    {
        return view->visualItemRect(view->topLevelItem(row)).center();
    }

    void select(int row) { view->setCurrentItem(view->topLevelItem(row)); }
};

QStringList Letters(int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << QStringLiteral("/photos/%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    return paths;
}

} // namespace

class TestImageList : public QObject
{
    Q_OBJECT
private slots:
    void presentation();
    void operations();
    void userRemoval_data();
    void userRemoval();
    void dragSwapsEntryByEntry();
    void dragLeavesEqualTextsAlone_data();
    void dragLeavesEqualTextsAlone();
    void dragPointer();
    void dragScrollsByScreenRow_data();
    void dragScrollsByScreenRow();
};

void TestImageList::presentation()
{
    ListFixture f;
    QCOMPARE(f.view->columnCount(), 1);
    QCOMPARE(f.view->headerItem()->text(0), QStringLiteral("Image File(s)"));
    QCOMPARE(f.view->columnWidth(0), 467);
    QVERIFY(!f.view->rootIsDecorated());
    QCOMPARE(f.view->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(!f.view->dragEnabled());
    QCOMPARE(f.view->toolTip(),
        QStringLiteral("Drag and drop files here. Double-click item to remove it. Move | line to "
                       "right and out of window to reveal full names."));
}

void TestImageList::operations()
{
    ListFixture f;
    QCOMPARE(f.list->count(), 0);
    QVERIFY(!f.list->selected());
    f.list->removeSelected(); // nothing to remove: no harm

    const QStringList added {QStringLiteral("/a/A.jpg"), QStringLiteral("/a//B.jpg"),
        QStringLiteral("/a/A.jpg"), QStringLiteral("/a/C.jpg")};
    for (const QString &path : added)
        f.list->append(path);
    QCOMPARE(f.paths(), added); // duplicates kept, texts untouched
    QCOMPARE(f.list->pathAt(0), QString());
    QCOMPARE(f.list->pathAt(5), QString());
    QVERIFY(f.list->contains(QStringLiteral("/a//B.jpg")));
    QVERIFY(!f.list->contains(QStringLiteral("/a/b.jpg")));
    QVERIFY(!f.list->contains(QStringLiteral("/a/B.jpg")));
    QVERIFY(!f.list->contains(QStringLiteral("/a/A")));

    f.list->removeSelected(); // still nothing selected
    QCOMPARE(f.list->count(), 4);

    f.select(1);
    QCOMPARE(f.list->selected(), std::optional<int>(2));
    f.list->removeSelected();
    QCOMPARE(f.paths(),
        QStringList(
            {QStringLiteral("/a/A.jpg"), QStringLiteral("/a/A.jpg"), QStringLiteral("/a/C.jpg")}));

    f.list->clear();
    QCOMPARE(f.list->count(), 0);
    f.list->append(QStringLiteral("/after/clear.png"));
    QCOMPARE(f.list->pathAt(1), QStringLiteral("/after/clear.png"));
}

void TestImageList::userRemoval_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<int>("remaining");

    for (const char *how : {"Delete key", "double-click"}) {
        QTest::addRow("%s removes the selected entry", how) << how << 3 << false << 2;
        QTest::addRow("%s while busy", how) << how << 3 << true << 3;
        QTest::addRow("%s on an empty list", how) << how << 0 << false << 0;
    }
    QTest::newRow("Clear List") << "clear" << 3 << false << 0;
    QTest::newRow("Clear List while busy") << "clear" << 3 << true << 3;
}

void TestImageList::userRemoval()
{
    QFETCH(QString, how);
    QFETCH(int, entries);
    QFETCH(bool, busy);
    QFETCH(int, remaining);

    ListFixture f(Letters(entries));
    QPoint at(20, 150); // below the entries when the list is empty
    if (entries > 0) {
        at = f.centreOf(1);
        QTest::mouseClick(f.view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(f.list->selected(), std::optional<int>(2));
    }
    f.busy = busy;

    if (how == QLatin1String("Delete key")) {
        QTest::keyClick(f.view, Qt::Key_Delete);
    } else if (how == QLatin1String("double-click")) {
        QTest::mouseDClick(f.view->viewport(), Qt::LeftButton, {}, at);
    } else {
        QCOMPARE(f.list->requestClear(), !busy);
    }

    QCOMPARE(f.list->count(), remaining);
    if (entries == 3 && remaining == 2)
        QVERIFY(!f.list->contains(QStringLiteral("/photos/01.jpg")));
}

// Pressing on A and moving down over B and then C carries A along: each crossed entry moves
// up by one, and nothing else changes.
void TestImageList::dragSwapsEntryByEntry()
{
    const QStringList start {
        QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
    ListFixture f(start);
    QWidget *viewport = f.view->viewport();

    QTest::mousePress(viewport, Qt::LeftButton, {}, f.centreOf(0));
    QTest::mouseMove(viewport, f.centreOf(0) + QPoint(0, 2)); // still over A: nothing moves
    QCOMPARE(f.paths(), start);

    QTest::mouseMove(viewport, f.centreOf(1));
    QCOMPARE(f.paths(),
        QStringList(
            {QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("D")}));
    QCOMPARE(f.list->selected(), std::optional<int>(2));

    QTest::mouseMove(viewport, f.centreOf(2));
    const QStringList moved {
        QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("D")};
    QCOMPARE(f.paths(), moved);
    QCOMPARE(f.list->selected(), std::optional<int>(3));

    QTest::mouseRelease(viewport, Qt::LeftButton, {}, f.centreOf(2));
    // Without a button held, passing over entries moves nothing.
    QTest::mouseMove(viewport, f.centreOf(3));
    QCOMPARE(f.paths(), moved);

    // Pressing on the empty part of the list grabs no entry, not even the last one dragged.
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(20, 150));
    QTest::mouseMove(viewport, f.centreOf(0));
    QTest::mouseMove(viewport, f.centreOf(1));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, f.centreOf(1));
    QCOMPARE(f.paths(), moved);
}

void TestImageList::dragLeavesEqualTextsAlone_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QList<int>>("hovered");
    QTest::addColumn<QStringList>("expected");

    const QString same = QStringLiteral("/x/same.jpg");
    const QString other = QStringLiteral("/x/other.jpg");
    QTest::newRow("over a duplicate path")
        << QStringList {same, same, other} << QList<int> {1} << QStringList {same, same, other};
    // The grabbed entry stays the first one: crossing its twin did not move it.
    QTest::newRow("past a duplicate path")
        << QStringList {same, same, other} << QList<int> {1, 2} << QStringList {other, same, same};
    QTest::newRow("over the entry itself")
        << QStringList {same, other} << QList<int> {0, 0} << QStringList {same, other};
}

void TestImageList::dragLeavesEqualTextsAlone()
{
    QFETCH(QStringList, paths);
    QFETCH(QList<int>, hovered);
    QFETCH(QStringList, expected);

    ListFixture f(paths);
    QWidget *viewport = f.view->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, f.centreOf(0));
    for (int row : hovered)
        QTest::mouseMove(viewport, f.centreOf(row) + QPoint(4, 1));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, f.centreOf(hovered.last()));
    QCOMPARE(f.paths(), expected);
}

void TestImageList::dragPointer()
{
    ListFixture f(Letters(3));
    // The build puts our drag.ico beside every program, this test included.
    QVERIFY(f.list->dragCursor().shape() == Qt::BitmapCursor);
    QCOMPARE(f.list->dragCursor().pixmap().size(), QSize(32, 32));

    QWidget *viewport = f.view->viewport();
    QVERIFY(!viewport->testAttribute(Qt::WA_SetCursor));
    QTest::mousePress(viewport, Qt::LeftButton, {}, f.centreOf(0));
    QVERIFY(viewport->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(viewport->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, f.centreOf(0));
    QVERIFY(!viewport->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(viewport->cursor().shape(), Qt::ArrowCursor);
}

void TestImageList::dragScrollsByScreenRow_data()
{
    QTest::addColumn<bool>("downwards");
    QTest::addColumn<int>("screenRow");
    QTest::addColumn<int>("scroll"); // -1 up, 0 none, +1 down

    // Dragging up onto the first visible row: the entry above it comes into view only when
    // the pointer is high on the screen.
    QTest::newRow("up, above row 305") << false << 304 << -1;
    QTest::newRow("up, at row 305") << false << 305 << 0;
    QTest::newRow("up, at row 364") << false << 364 << 0;
    QTest::newRow("up, below row 364") << false << 365 << 0;
    // Dragging down onto the last visible row: the entry below it comes into view only when
    // the pointer is low on the screen.
    QTest::newRow("down, below row 364") << true << 365 << 1;
    QTest::newRow("down, at row 364") << true << 364 << 0;
    QTest::newRow("down, above row 305") << true << 200 << 0;
}

void TestImageList::dragScrollsByScreenRow()
{
    QFETCH(bool, downwards);
    QFETCH(int, screenRow);
    QFETCH(int, scroll);

    const QStringList paths = Letters(40);
    ListFixture f(paths);
    QScrollBar *bar = f.view->verticalScrollBar();
    f.view->scrollToItem(f.view->topLevelItem(20), QAbstractItemView::PositionAtCenter);
    QWidget *viewport = f.view->viewport();
    // The first and last rows wholly in view: their outer neighbours are at least partly out.
    int first = -1;
    int last = -1;
    for (int row = 0; row < paths.size(); ++row) {
        const QRect rect = f.view->visualItemRect(f.view->topLevelItem(row));
        if (rect.top() >= 0 && rect.bottom() < viewport->height()) {
            first = first < 0 ? row : first;
            last = row;
        }
    }
    QVERIFY(first > 0 && last + 1 < paths.size() && last - first >= 2);
    const int to = downwards ? last : first;
    const int from = downwards ? to - 1 : to + 1;

    const QPoint target = f.centreOf(to);
    f.window.move(f.window.pos() + QPoint(0, screenRow - viewport->mapToGlobal(target).y()));
    QTRY_COMPARE(viewport->mapToGlobal(target).y(), screenRow);

    const int before = bar->value();
    QTest::mousePress(viewport, Qt::LeftButton, {}, f.centreOf(from));
    QTest::mouseMove(viewport, target);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, target);
    QCOMPARE(f.list->pathAt(to + 1), paths.at(from));
    QCOMPARE((bar->value() > before) - (bar->value() < before), scroll);
}

QTEST_MAIN(TestImageList)
#include "tst_imagelist.moc"
