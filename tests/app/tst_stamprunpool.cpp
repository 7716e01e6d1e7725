// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stamprun.h"
#include "base/datetexts.h"
#include "base/eventpump.h"
#include "engine/render/overlaytext.h"
#include "engine/render/worksurface.h"
#include "engine/run/tempfolder.h"
#include "engine/run/toolrunner.h"
#include "preview/progressbar.h"
#include "recordingdialogs.h"
#include "testimages.h"
#include "ui/errorreport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>

using namespace kalvora;

using namespace TestImages;

namespace {

// The window as a stamp run sees it: a list, the options the controls would read (each read
// is a file handed out), and a bar that notes which file is being reported. A path appended to
// the list gets the next identity when the list is next read.
class FakeWindow final : public StampRunWindow, public ProgressBar
{
public:
    QStringList paths;
    QList<quint64> identities;
    StampOptions options;
    int optionReads = 0;
    std::function<void(int)> onOptionsRead;
    QStringList reported;

    int imageCount() const override { return int(paths.size()); }
    QString imagePath(int number) const override { return paths.at(number - 1); }
    QList<ListedImage> listedImages() const override
    {
        auto *self = const_cast<FakeWindow *>(this);
        while (self->identities.size() < paths.size())
            self->identities << quint64(self->identities.size() + 1);
        QList<ListedImage> images;
        for (qsizetype i = 0; i < paths.size(); ++i)
            images.append({paths[i], identities[i]});
        return images;
    }
    bool isListed(quint64 identity) const override { return identities.contains(identity); }
    StampOptions currentOptions() const override
    {
        auto *self = const_cast<FakeWindow *>(this);
        ++self->optionReads;
        if (onOptionsRead)
            onOptionsRead(self->optionReads);
        return options;
    }
    ProgressBar &progressBar() override { return *this; }
    void setBusy(bool) override { }

    int value() const override { return m_value; }
    void setValue(int value) override { m_value = value; }
    QString text() const override { return m_text; }
    void setText(const QString &text) override
    {
        m_text = text;
        if (text.startsWith(QLatin1String("Processing: ")))
            reported << text.mid(12);
    }

private:
    int m_value = 0;
    QString m_text;
};

// Dialogs that let a test act while a message is open.
class HookedDialogs final : public Dialogs
{
public:
    RecordingDialogs record;
    std::function<void(const QString &)> onMessage;

    void showMessage(const QString &title, const QString &text, Icon icon) override
    {
        record.showMessage(title, text, icon);
        if (onMessage)
            onMessage(text);
    }
    QString askText(const QString &, const QString &, const QString &) override { return {}; }
    QStringList chooseFiles(const QString &, const QString &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    FontChoice chooseFont(const FontChoice &preset) override { return preset; }
    quint32 chooseColor(quint32 preset) override { return preset; }
};

class CallbackPump final : public EventPump
{
public:
    std::function<void()> onEvents;
    void processEvents() override
    {
        if (onEvents)
            onEvents();
    }
};

QImage darkGray(int width = 200, int height = 120)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(60, 60, 60));
    return picture;
}

void writeDamaged(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray("\xFF\xD8\xFF\xE0 not a picture", 19));
}

} // namespace

class TestStampRunPool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void reportsInListOrderWithSeveralWorkers_data();
    void reportsInListOrderWithSeveralWorkers();
    void nothingIsHandedOutWhileAReportIsOpen();
    void optionsChangedMidRunReachFilesNotYetHandedOut();
    void entriesRemovedMidRunAreSkipped();
    void sameFileListedTwiceIsStampedTwiceInTurn();
    void stopFinishesTheFilesAtWork();
    void sameNamesFromSeveralFoldersAllKept();
    void vanishedPngIsSkippedSilently();
    void deadRunsLeftoversAreCleared();

private:
    QString makeBitmaps(const QStringList &names);
    void runWith(int workers, int lookAhead);
    QImage stamped(const QString &source, const QString &text) const;

    std::unique_ptr<QTemporaryDir> m_sources;
    std::unique_ptr<QTemporaryDir> m_output;
    FakeWindow m_window;
    HookedDialogs m_dialogs;
    CallbackPump m_events;
    ToolRunner m_tools;
    TempFolder m_temp;
    const DateTexts m_texts {QLocale(QStringLiteral("en_US"))};
    std::unique_ptr<StampRun> m_run;
};

void TestStampRunPool::init()
{
    m_sources = std::make_unique<QTemporaryDir>();
    m_output = std::make_unique<QTemporaryDir>();
    m_window = {};
    m_window.options.customText = QStringLiteral("HELLO");
    m_window.options.saveOption = SaveOption::ChosenFolder;
    m_window.options.outputFolder = m_output->path();
    m_dialogs.record.shown.clear();
    m_dialogs.onMessage = nullptr;
    m_events.onEvents = nullptr;
    m_run = std::make_unique<StampRun>(m_window, m_dialogs, m_events, m_tools, m_temp, m_texts,
        QLatin1String(Location::kStartStamping));
}

QString TestStampRunPool::makeBitmaps(const QStringList &names)
{
    for (const QString &name : names) {
        const QString path = m_sources->filePath(name);
        if (name.startsWith(QLatin1String("broken")))
            writeDamaged(path);
        else if (!darkGray().save(path, name.endsWith(QLatin1String(".jpg")) ? "jpeg" : "bmp"))
            qFatal("cannot write %s", qPrintable(path));
        m_window.paths << path;
    }
    return m_sources->path();
}

void TestStampRunPool::runWith(int workers, int lookAhead)
{
    m_run->setWorkerCount(workers);
    m_run->setLookAhead(lookAhead);
    m_run->start();
}

QImage TestStampRunPool::stamped(const QString &source, const QString &text) const
{
    QImage picture = loadWorkSurface(source);
    const StampOptions &options = m_window.options;
    OverlayText(
        picture, text, caption(options.position), stampFont(options), stampColor(options.color));
    return picture;
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

void TestStampRunPool::sameFileListedTwiceIsStampedTwiceInTurn()
{
    const QString source = m_sources->filePath(QStringLiteral("twice.jpg"));
    QVERIFY(writeTaggedJpeg(source, darkGray()));
    m_window.paths = {source, source, source};
    m_window.options.saveOption = SaveOption::OriginalFolder;

    runWith(3, 3);

    QCOMPARE(m_dialogs.record.messages(), QStringList {"Done."});
    QCOMPARE(
        QDir(m_sources->path()).entryList(QDir::Files | QDir::Hidden), QStringList {"twice.jpg"});
    QCOMPARE(formatOf(source), QByteArray("jpeg"));
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), source), QStringLiteral("Peak"));
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

void TestStampRunPool::sameNamesFromSeveralFoldersAllKept()
{
    // Three folders each hold a "y.jpg" of their own colour; the chosen folder holds a "y.jpg"
    // from an earlier run, to be replaced, and a photo of the user's named "y (2).jpg".
    const QList<QRgb> colours {qRgb(200, 30, 30), qRgb(30, 200, 30), qRgb(30, 30, 200)};
    for (int i = 0; i < colours.size(); ++i) {
        QDir(m_sources->path()).mkdir(QString::number(i));
        const QString path = m_sources->filePath(QStringLiteral("%1/y.jpg").arg(i));
        QImage picture(320, 240, QImage::Format_RGB32);
        picture.fill(colours[i]);
        QVERIFY(picture.save(path, "jpeg"));
        m_window.paths << path;
    }
    QVERIFY(darkGray().save(m_output->filePath(QStringLiteral("y.jpg")), "jpeg"));
    const QString users = m_output->filePath(QStringLiteral("y (2).jpg"));
    QVERIFY(darkGray(40, 30).save(users, "jpeg"));
    const QByteArray usersBytes = contents(users);

    runWith(3, 3);

    QCOMPARE(m_dialogs.record.messages(), QStringList {"Done."});
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"y (2).jpg", "y (3).jpg", "y (4).jpg", "y.jpg"}));
    QCOMPARE(contents(users), usersBytes);
    // In list order: the first listed takes the name, the later ones the free numbers.
    const QStringList names {"y.jpg", "y (3).jpg", "y (4).jpg"};
    for (int i = 0; i < names.size(); ++i) {
        const QRgb corner = QImage(m_output->filePath(names[i])).pixel(300, 200);
        QVERIFY2(qAbs(qRed(corner) - qRed(colours[i])) < 12
                && qAbs(qGreen(corner) - qGreen(colours[i])) < 12
                && qAbs(qBlue(corner) - qBlue(colours[i])) < 12,
            qPrintable(names[i]));
    }
}

void TestStampRunPool::vanishedPngIsSkippedSilently()
{
    makeBitmaps({"a.bmp"});
    const QString gone = m_sources->filePath(QStringLiteral("gone.png"));
    QVERIFY(darkGray().save(gone, "png"));
    m_window.paths << gone;
    makeBitmaps({"c.bmp"});
    QVERIFY(QFile::remove(gone));

    runWith(2, 2);

    QCOMPARE(m_dialogs.record.messages(), QStringList {"Done."});
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"a.bmp", "c.bmp"}));
}

void TestStampRunPool::deadRunsLeftoversAreCleared()
{
    // A killed run left its private result and ExifTool's copy of it beside the photos; the
    // user keeps photos whose names look like a result's.
    QProcess child;
    child.start(QStringLiteral("true"));
    QVERIFY(child.waitForStarted());
    const qint64 gonePid = child.processId();
    QVERIFY(child.waitForFinished());
    const QString dead = QStringLiteral(".kalvora-%1-99-Ab12Cd34Ef.jpg").arg(gonePid);
    const QStringList leftovers {dead, dead + QStringLiteral("_exiftool_tmp")};
    const QStringList users {"x_Stamped.jpg", "z.jpg_original"};
    makeBitmaps({"x.jpg"});
    for (const QString &name : leftovers + users) {
        QFile file(m_sources->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("bytes");
    }
    m_window.options.saveOption = SaveOption::OriginalFolder;

    runWith(2, 2);

    QCOMPARE(m_dialogs.record.messages(), QStringList {"Done."});
    QCOMPARE(QDir(m_sources->path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"x.jpg", "x_Stamped.jpg", "z.jpg_original"}));
}

QTEST_MAIN(TestStampRunPool)
#include "tst_stamprunpool.moc"
