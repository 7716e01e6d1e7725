// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/eventpump.h"
#include "imagelist/imagelist.h"
#include "imagelist/listdrop.h"
#include "recordingdialogs.h"
#include "testfiles.h"

#include <QApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

using namespace TestFiles;

namespace {

/// Lets events run like the application's pump, and notes whether the busy pointer showed.
class WatchingPump final : public EventPump
{
public:
    int calls = 0;
    int busyCalls = 0;
    std::function<void()> duringScan; // run once, the first time events run
    void processEvents() override
    {
        ++calls;
        busyCalls += QApplication::overrideCursor() != nullptr;
        if (const auto hook = std::exchange(duringScan, nullptr))
            hook();
        QCoreApplication::processEvents();
    }
};

std::unique_ptr<QMimeData> filesData(const QStringList &paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

} // namespace

class TestListDrop : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void dragOver_data();
    void dragOver();
    void drop_data();
    void drop();
    void refusedDataChangesNothing();
    void dropReturnsBeforeTheScan();
    void dropsKeepTheirOrder();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    QStringList listed() const;
    bool sendDrop(const QMimeData &data, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction,
        Qt::DropAction *taken = nullptr, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingDialogs m_dialogs;
    WatchingPump m_events;
    std::unique_ptr<QTreeWidget> m_view;
    std::unique_ptr<ImageList> m_list;
    std::unique_ptr<ListDrop> m_drop;
};

void TestListDrop::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs.shown.clear();
    m_events.calls = m_events.busyCalls = 0;
    m_events.duringScan = nullptr;
    m_drop.reset();
    m_list.reset();
    m_view = std::make_unique<QTreeWidget>();
    m_list = std::make_unique<ImageList>(m_view.get());
    m_drop = std::make_unique<ListDrop>(*m_list, m_events, m_dialogs);
    m_view->resize(520, 169);
    m_view->show();
}

QStringList TestListDrop::listed() const
{
    QStringList paths;
    for (int i = 1; i <= m_list->count(); ++i)
        paths << m_list->pathAt(i);
    return paths;
}

// Sends a whole drag to the list, as Qt delivers one from another program: enter, move, drop.
// Answers whether the drop was taken; \a taken receives the action it was taken with.
bool TestListDrop::sendDrop(const QMimeData &data, Qt::DropActions actions, Qt::DropAction *taken,
    Qt::KeyboardModifiers modifiers)
{
    QWidget *target = m_view->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &move);
    if (!enter.isAccepted() || !move.isAccepted())
        return false;
    QDropEvent drop(at, actions, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &drop);
    if (taken)
        *taken = drop.dropAction();
    return drop.isAccepted();
}

void TestListDrop::dragOver_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("actions");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("taken");

    // Shift asks the source for a move; the list takes a copy all the same, so the file
    // manager never removes what it dragged.
    const int copyOrMove = Qt::CopyAction | Qt::MoveAction;
    QTest::newRow("files, copy or move offered")
        << "files" << copyOrMove << false << true << int(Qt::CopyAction);
    QTest::newRow("files, move proposed")
        << "files" << copyOrMove << true << true << int(Qt::CopyAction);
    QTest::newRow("files, link offered")
        << "files" << int(Qt::LinkAction | Qt::MoveAction) << false << true << int(Qt::LinkAction);
    QTest::newRow("files, move only") << "files" << int(Qt::MoveAction) << false << false << 0;
    QTest::newRow("text") << "text" << copyOrMove << false << false << 0;
    QTest::newRow("web address") << "web" << copyOrMove << false << false << 0;
    QTest::newRow("picture data") << "image" << copyOrMove << false << false << 0;
}

void TestListDrop::dragOver()
{
    QFETCH(QString, kind);
    QFETCH(int, actions);
    QFETCH(bool, shift);
    QFETCH(bool, accepted);
    QFETCH(int, taken);

    QMimeData data;
    if (kind == QLatin1String("files"))
        data.setUrls({QUrl::fromLocalFile(path(QStringLiteral("a.jpg")))});
    else if (kind == QLatin1String("text"))
        data.setText(path(QStringLiteral("a.jpg")));
    else if (kind == QLatin1String("web"))
        data.setUrls({QUrl(QStringLiteral("https://example.org/a.jpg"))});
    else
        data.setImageData(QImage(4, 4, QImage::Format_RGB32));

    Qt::DropAction action = Qt::IgnoreAction;
    QCOMPARE(sendDrop(data, Qt::DropActions(actions), &action,
                 shift ? Qt::ShiftModifier : Qt::NoModifier),
        accepted);
    if (accepted)
        QCOMPARE(int(action), taken);
}

void TestListDrop::drop_data()
{
    QTest::addColumn<QStringList>("files"); // made before the drop
    QTest::addColumn<QStringList>("dropped");
    // The expected entries in groups: each group's order is the file system's, the groups'
    // order is fixed.
    QTest::addColumn<QList<QStringList>>("groups");

    QTest::newRow("two folders") << QStringList {"A/a1.jpg", "A/a2.png", "B/b1.jpg"}
                                 << QStringList {"A", "B"}
                                 << QList<QStringList> {{"A/a1.jpg", "A/a2.png"}, {"B/b1.jpg"}};
    QTest::newRow("a folder and a file")
        << QStringList {"A/a1.jpg", "single.gif"} << QStringList {"A", "single.gif"}
        << QList<QStringList> {{"A/a1.jpg"}, {"single.gif"}};
    QTest::newRow("a file and a folder")
        << QStringList {"A/a1.jpg", "single.gif"} << QStringList {"single.gif", "A"}
        << QList<QStringList> {{"single.gif"}, {"A/a1.jpg"}};
    QTest::newRow("a text file") << QStringList {"notes.txt"} << QStringList {"notes.txt"}
                                 << QList<QStringList> {{"notes.txt"}};
    QTest::newRow("folder rules") << QStringList {"F/keep.png", "F/~temp.png", "F/.hidden.png",
        "F/sub/deeper.jpg", "F/sub/~x.jpg", "F/.cache/thumb.png", "F/notes.txt"}
                                  << QStringList {"F"}
                                  << QList<QStringList> {
                                         {"F/keep.png", "F/notes.txt"}, {"F/sub/deeper.jpg"}};
    QTest::newRow("a hidden file dropped by itself") << QStringList {
        ".hidden.png"} << QStringList {".hidden.png"} << QList<QStringList> {{".hidden.png"}};
    QTest::newRow("a file that vanished")
        << QStringList() << QStringList {"gone.jpg"} << QList<QStringList> {{"gone.jpg"}};
    QTest::newRow("the same folder twice") << QStringList {"A/a1.jpg"} << QStringList {"A", "A"}
                                           << QList<QStringList> {{"A/a1.jpg"}, {"A/a1.jpg"}};
    QTest::newRow("an empty folder")
        << QStringList {"E/"} << QStringList {"E"} << QList<QStringList>();
}

void TestListDrop::drop()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, dropped);
    QFETCH(QList<QStringList>, groups);

    for (const QString &file : std::as_const(files)) {
        if (file.endsWith(QLatin1Char('/')))
            QVERIFY(QDir().mkpath(path(file)));
        else
            makeFile(path(file));
    }
    QStringList paths;
    for (const QString &name : std::as_const(dropped))
        paths << path(name);

    QSignalSpy done(m_drop.get(), &ListDrop::droppedPathsAppended);
    QVERIFY(sendDrop(*filesData(paths)));
    QVERIFY(done.wait(5000));

    QStringList entries = listed();
    for (const QStringList &group : std::as_const(groups)) {
        QStringList expected;
        for (const QString &name : group)
            expected << path(name);
        QCOMPARE(sorted(entries.mid(0, expected.size())), sorted(expected));
        entries = entries.mid(expected.size());
    }
    QCOMPARE(entries, QStringList());
    // A file found in a dropped folder names that folder, for results that keep its folders;
    // a file dropped by itself names none.
    for (int i = 1; i <= m_list->count(); ++i) {
        const QString relative = QDir(m_dir->path()).relativeFilePath(m_list->pathAt(i));
        const QString folder = relative.section(QLatin1Char('/'), 0, 0);
        QCOMPARE(m_list->walkedFolderAt(i), relative.contains('/') ? path(folder) : QString());
    }
    // The scan let events run and never showed the busy pointer.
    QCOMPARE(m_events.busyCalls, 0);
    QVERIFY(m_dialogs.shown.isEmpty());
}

void TestListDrop::refusedDataChangesNothing()
{
    m_list->append(QStringLiteral("/photos/kept.jpg"));
    QMimeData text;
    text.setText(m_dir->path());
    QDropEvent drop(
        m_view->viewport()->rect().center(), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_view->viewport(), &drop);
    QVERIFY(!drop.isAccepted());
    QCoreApplication::processEvents();
    QCOMPARE(listed(), QStringList {QStringLiteral("/photos/kept.jpg")});
    QVERIFY(!m_drop->isAppending());
}

void TestListDrop::dropReturnsBeforeTheScan()
{
    // The file manager gets its answer at once; the folder is scanned afterwards.
    for (int i = 0; i < 5; ++i)
        makeFile(path(QStringLiteral("big/sub%1/photo.jpg").arg(i)));
    QSignalSpy done(m_drop.get(), &ListDrop::droppedPathsAppended);
    QVERIFY(sendDrop(*filesData({path(QStringLiteral("big"))})));
    QCOMPARE(m_list->count(), 0);
    QVERIFY(m_drop->isAppending());
    QVERIFY(done.wait(5000));
    QCOMPARE(m_list->count(), 5);
    QVERIFY(m_events.calls > 0);
}

void TestListDrop::dropsKeepTheirOrder()
{
    // A second drop arrives while the first folder is being scanned: it is appended after it.
    makeFile(path(QStringLiteral("first/1.jpg")));
    makeFile(path(QStringLiteral("first/sub/2.jpg")));
    makeFile(path(QStringLiteral("second.jpg")));
    const auto second = filesData({path(QStringLiteral("second.jpg"))});
    bool secondTaken = false;
    m_events.duringScan = [&] { secondTaken = sendDrop(*second); };

    QSignalSpy done(m_drop.get(), &ListDrop::droppedPathsAppended);
    QVERIFY(sendDrop(*filesData({path(QStringLiteral("first"))})));
    QVERIFY(done.wait(5000));
    QVERIFY(secondTaken);
    QCOMPARE(done.size(), 1);
    QCOMPARE(listed(),
        QStringList({path(QStringLiteral("first/1.jpg")), path(QStringLiteral("first/sub/2.jpg")),
            path(QStringLiteral("second.jpg"))}));
}

QTEST_MAIN(TestListDrop)
#include "tst_listdrop.moc"
