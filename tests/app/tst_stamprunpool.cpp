// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stamprun.h"
#include "stamprunpoolfixture.h"
#include "testimages.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace kalvora;
using namespace StampRunPoolTest;

using namespace TestImages;

class TestStampRunPool : public StampRunPoolFixture
{
    Q_OBJECT

private slots:
    void init();
    void reportsInListOrderWithSeveralWorkers_data();
    void reportsInListOrderWithSeveralWorkers();
    void nothingIsHandedOutWhileAReportIsOpen();
    void optionsChangedMidRunReachFilesNotYetHandedOut();
    void entriesRemovedMidRunAreSkipped();
    void stopFinishesTheFilesAtWork();
};

void TestStampRunPool::init()
{
    setUp();
}

void TestStampRunPool::reportsInListOrderWithSeveralWorkers_data()
{
    QTest::addColumn<int>("workers");
    QTest::addColumn<int>("lookAhead");
    QTest::newRow("two workers") << 2 << 2;
    QTest::newRow("three workers, no look-ahead") << 3 << 0;
    QTest::newRow("four workers, long look-ahead") << 4 << 6;
}

void TestStampRunPool::reportsInListOrderWithSeveralWorkers()
{
    QFETCH(int, workers);
    QFETCH(int, lookAhead);
    // A large first picture finishes long after the small ones behind it.
    const QString big = m_sources->filePath(QStringLiteral("a-big.jpg"));
    QVERIFY(darkGray(3000, 2000).save(big, "jpeg"));
    m_window.paths << big;
    makeBitmaps({"b.bmp", "broken-c.jpg", "d.bmp", "e.bmp", "broken-f.jpg", "g.bmp", "h.bmp"});

    runWith(workers, lookAhead);

    QStringList names;
    for (const QString &path : std::as_const(m_window.paths))
        names << QFileInfo(path).fileName();
    QCOMPARE(m_window.reported, names);
    const QStringList messages = m_dialogs.record.messages();
    QCOMPARE(messages.size(), 3);
    QVERIFY2(messages[0].contains(QLatin1String("broken-c.jpg"))
            && messages[0].contains(QLatin1String("at line 188")),
        qPrintable(messages[0]));
    QVERIFY2(messages[1].contains(QLatin1String("broken-f.jpg")), qPrintable(messages[1]));
    QCOMPARE(messages[2], QStringLiteral("Done."));
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"a-big.jpg", "b.bmp", "d.bmp", "e.bmp", "g.bmp", "h.bmp"}));
    QCOMPARE(m_window.value(), 0);
    QCOMPARE(m_window.text(), QStringLiteral("Progress Bar"));
}

void TestStampRunPool::nothingIsHandedOutWhileAReportIsOpen()
{
    makeBitmaps({"a.bmp", "broken-b.jpg", "c.bmp", "d.bmp", "e.bmp", "f.bmp", "g.bmp", "h.bmp",
        "i.bmp", "j.bmp"});
    // Two checks read the options before the first file; every later read is a file handed out.
    const int checks = 2;
    int handedOutAtReport = -1;
    int handedOutAfterWait = -1;
    m_dialogs.onMessage = [&](const QString &text) {
        if (!text.contains(QLatin1String("broken-b.jpg")))
            return;
        handedOutAtReport = m_window.optionReads - checks;
        // The workers finish what they hold meanwhile, but get nothing new.
        QThread::msleep(400);
        handedOutAfterWait = m_window.optionReads - checks;
    };

    runWith(2, 1);

    // At most the bound of three beyond the two reported files had been handed out.
    QVERIFY2(handedOutAtReport >= 2 && handedOutAtReport <= 2 + 3,
        qPrintable(QString::number(handedOutAtReport)));
    QCOMPARE(handedOutAfterWait, handedOutAtReport);
    QCOMPARE(m_window.optionReads - checks, 10);
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files).size(), 9);
    QCOMPARE(m_dialogs.record.messages().last(), QStringLiteral("Done."));
}

void TestStampRunPool::optionsChangedMidRunReachFilesNotYetHandedOut()
{
    const QStringList names {"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp", "f.bmp"};
    makeBitmaps(names);
    // The text changes just as the third file is handed out: from it on, files carry the new
    // one, while the two handed out before keep the text they were given.
    const int checks = 2;
    m_window.onOptionsRead = [&](int reads) {
        if (reads - checks == 3)
            m_window.options.customText = QStringLiteral("CHANGED");
    };

    runWith(2, 2);

    for (int i = 0; i < names.size(); ++i) {
        const QString text = i < 2 ? QStringLiteral("HELLO") : QStringLiteral("CHANGED");
        const QImage written(m_output->filePath(names[i]));
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
            stamped(m_sources->filePath(names[i]), text));
    }
}

void TestStampRunPool::entriesRemovedMidRunAreSkipped()
{
    const QStringList names {"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp", "f.bmp", "g.bmp"};
    makeBitmaps(names);
    bool shrunk = false;
    int handedOut = 0;
    m_events.onEvents = [&] {
        if (shrunk || m_window.reported.isEmpty())
            return;
        shrunk = true;
        handedOut = m_window.optionReads - 2;
        m_window.paths = {m_window.paths.last()};
        m_window.identities = {m_window.identities.last()};
    };

    runWith(2, 1);

    QVERIFY(shrunk);
    // The files already handed out are finished, the entries removed before their turn are
    // skipped, and the entry still listed is stamped in its turn; none twice.
    QVERIFY(handedOut < names.size() - 1);
    const QStringList expected = names.mid(0, handedOut) << names.last();
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files), expected);
    QCOMPARE(m_window.reported, expected);
    QCOMPARE(m_dialogs.record.messages(), QStringList {"Done."});
}

void TestStampRunPool::stopFinishesTheFilesAtWork()
{
    QStringList names;
    for (int i = 0; i < 12; ++i)
        names << QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    for (const QString &name : std::as_const(names)) {
        const QString path = m_sources->filePath(name);
        QVERIFY(writeTaggedJpeg(path, darkGray(800, 600)));
        m_window.paths << path;
    }
    const QByteArray original = contents(m_window.paths.first());
    m_window.options.saveOption = SaveOption::OriginalFolder;
    int handedOut = 0;
    m_events.onEvents = [&] {
        if (!m_run->stopRequested() && !m_window.reported.isEmpty()) {
            m_run->requestStop();
            handedOut = m_window.optionReads - 2;
        }
    };

    runWith(2, 1);

    QVERIFY(handedOut > 0 && handedOut < names.size());
    // Every file handed out is stamped with its tags and in place; the rest are untouched,
    // and nothing of the run is left in the folder.
    for (int i = 0; i < names.size(); ++i) {
        const QString path = m_window.paths[i];
        QCOMPARE(exifTag(QStringLiteral("XMP:Title"), path), QStringLiteral("Peak"));
        QCOMPARE(contents(path) == original, i >= handedOut);
    }
    QCOMPARE(QDir(m_sources->path()).entryList(QDir::Files | QDir::Hidden), names);
    QVERIFY(m_dialogs.record.messages().isEmpty());
    QCOMPARE(m_window.text(), QStringLiteral("Progress Bar"));
}

QTEST_MAIN(TestStampRunPool)
#include "tst_stamprunpool.moc"
