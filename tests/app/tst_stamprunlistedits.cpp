// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stamprunfixture.h"

using namespace kalvora;

using namespace StampRunTest;
using namespace TestImages;

// What a user does to the list while a run is under way.
enum class ListEdit { DragAndBack, Add, Remove };

// A run works on the entries the list held when it started, each once, however the list is
// edited meanwhile. Runs with TZ=Europe/Berlin.
class TestStampRunListEdits : public StampRunFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }
    void runWorksOnTheEntriesListedAtItsStart_data();
    void runWorksOnTheEntriesListedAtItsStart();

private:
    void dragEntry(int from, int to);
    void selectAndRemove(const QString &name);
};

void TestStampRunListEdits::dragEntry(int from, int to)
{
    QTreeWidget *view = m_window->imageList().view();
    QWidget *viewport = view->viewport();
    const auto centreOf
        = [view](int row) { return view->visualItemRect(view->topLevelItem(row)).center(); };
    QTest::mousePress(viewport, Qt::LeftButton, {}, centreOf(from));
    const int step = to > from ? 1 : -1;
    for (int row = from + step; row != to + step; row += step)
        QTest::mouseMove(viewport, centreOf(row));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, centreOf(to));
}

void TestStampRunListEdits::selectAndRemove(const QString &name)
{
    ImageList &list = m_window->imageList();
    for (int number = 1; number <= list.count(); ++number)
        if (list.pathAt(number) == sourcePath(name))
            list.view()->setCurrentItem(list.view()->topLevelItem(number - 1));
    list.removeSelected();
}

void TestStampRunListEdits::runWorksOnTheEntriesListedAtItsStart_data()
{
    QTest::addColumn<ListEdit>("edit");
    QTest::addColumn<QStringList>("expected");

    const QStringList all {"p0.jpg", "p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg", "p5.jpg"};
    QTest::newRow("drag the first entry to the end and back") << ListEdit::DragAndBack << all;
    QTest::newRow("add files") << ListEdit::Add << all;
    // p1 is at work when it is removed, p4 not yet handed out.
    QTest::newRow("remove entries")
        << ListEdit::Remove << QStringList({"p0.jpg", "p1.jpg", "p2.jpg", "p3.jpg", "p5.jpg"});
}

void TestStampRunListEdits::runWorksOnTheEntriesListedAtItsStart()
{
    QFETCH(ListEdit, edit);
    QFETCH(QStringList, expected);
    const QStringList names {"p0.jpg", "p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg", "p5.jpg"};
    for (const QString &name : names + QStringList {"added0.jpg", "added1.jpg"})
        makeSource(name);
    QMap<QString, QByteArray> before;
    for (const QString &name : filesBelow(m_sources->path()))
        before[name] = contents(sourcePath(name));
    fillList(names);
    useCustomText(QStringLiteral("HELLO"));
    saveToChosenFolder();
    // Three files are handed out before the first is reported.
    m_window->stampController().run().setWorkerCount(2);
    m_window->stampController().run().setLookAhead(1);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_events->onEvents = [&](const QString &text, int repeats) {
        if (repeats != 1)
            return;
        if (text == QLatin1String("Processing: p0.jpg")) {
            if (edit == ListEdit::DragAndBack)
                dragEntry(0, int(names.size()) - 1);
            if (edit == ListEdit::Add)
                fillList({"added0.jpg", "added1.jpg"});
            if (edit == ListEdit::Remove) {
                selectAndRemove(QStringLiteral("p1.jpg"));
                selectAndRemove(QStringLiteral("p4.jpg"));
            }
        } else if (text == QLatin1String("Processing: p3.jpg") && edit == ListEdit::DragAndBack) {
            dragEntry(int(names.size()) - 1, 0);
        }
    };

    clickStartStamping();

    // Each entry of the start stamped once under its own name (a second result of one source
    // would be numbered), nothing else written, and the sources untouched.
    QCOMPARE(m_dialogs->messages(), QStringList {"Done."});
    QCOMPARE(filesBelow(m_output->path()), expected);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(contents(sourcePath(it.key())), it.value());
    // The bar counts among the entries the run started with.
    QList<QPair<int, QString>> progress;
    for (const QString &name : expected)
        progress.append({qRound((names.indexOf(name) + 1) * 100.0 / names.size()),
            QStringLiteral("Processing: ") + name});
    QList<QPair<int, QString>> shown;
    for (const auto &state : std::as_const(m_events->states))
        if (state.second.startsWith(QLatin1String("Processing: ")) && !shown.contains(state))
            shown << state;
    QCOMPARE(shown, progress);
}

QTEST_MAIN(TestStampRunListEdits)
#include "tst_stamprunlistedits.moc"
