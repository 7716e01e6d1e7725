// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stamprunfixture.h"

using namespace kalvora;

using namespace StampRunTest;
using namespace TestImages;

// Runs with TZ=Europe/Berlin.
class TestStampRun : public StampRunFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }
    void stampsEveryFileIntoTheChosenFolder();
    void replacesSourcesInTheirOwnFolder();
    void stampSources_data();
    void stampSources();
    void refusals_data();
    void refusals();
    void secondClickIsIgnoredAndTheWindowRepaints();
    void listShrinkingDuringARunEndsIt();
    void missingExifToolStopsBeforeTheFirstFile();
    void noPrivateFolderStopsBeforeTheFirstFile();
    void closingTheWindowLetsFilesAtWorkFinish();
};

void TestStampRun::stampsEveryFileIntoTheChosenFolder()
{
    const QStringList stamped {"photo.jpg", "chart.png", "anim.gif", "scan.tif", "plain.bmp"};
    for (const QString &name : stamped)
        makeSource(name);
    makeSource(QStringLiteral("deleted.jpg"));
    QFile broken(sourcePath(QStringLiteral("broken.jpg")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF\xE0 not a picture at all");
    broken.close();
    fillList({"photo.jpg", "chart.png", "deleted.jpg", "anim.gif", "broken.jpg", "scan.tif",
        "plain.bmp"});
    QVERIFY(QFile::remove(sourcePath(QStringLiteral("deleted.jpg"))));
    QMap<QString, QByteArray> before;
    for (const QString &name : filesBelow(m_sources->path()))
        before[name] = contents(sourcePath(name));
    useCustomText(QStringLiteral("HELLO"));
    saveToChosenFolder();

    clickStartStamping();

    // Results under the sources' names, each in its source's format, each stamped.
    QCOMPARE(filesBelow(m_output->path()),
        QStringList({"anim.gif", "chart.png", "photo.jpg", "plain.bmp", "scan.tif"}));
    const QMap<QString, QByteArray> formats {{"photo.jpg", "jpeg"}, {"chart.png", "png"},
        {"anim.gif", "gif"}, {"scan.tif", "tiff"}, {"plain.bmp", "bmp"}};
    for (auto it = formats.cbegin(); it != formats.cend(); ++it) {
        QCOMPARE(formatOf(outputPath(it.key())), it.value());
        const QRect area
            = changedArea(QImage(sourcePath(it.key())), QImage(outputPath(it.key())), 60);
        QVERIFY2(!area.isEmpty() && area.right() < 160 && area.bottom() < 60, qPrintable(it.key()));
    }
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), outputPath("photo.jpg")), QStringLiteral("Peak"));
    QCOMPARE(exifTag(QStringLiteral("IPTC:Keywords"), outputPath("photo.jpg")),
        QStringLiteral("alpine"));
    QCOMPARE(exifTag(QStringLiteral("DateTimeOriginal"), outputPath("photo.jpg")),
        QStringLiteral("2021:08:31 13:23:45"));

    // The sources are untouched.
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(contents(sourcePath(it.key())), it.value());

    // One report for the damaged picture, then "Done.", both titled like every message box.
    QCOMPARE(m_dialogs->shown.size(), 2);
    QCOMPARE(m_dialogs->shown[0].title, QStringLiteral("Application Error"));
    QVERIFY(m_dialogs->shown[0].text.contains(
        QStringLiteral("in Kalvorim2021/08/31.Form1.PushButton8_Click at line 188")));
    QVERIFY(m_dialogs->shown[0].text.contains(QStringLiteral("broken.jpg")));
    QCOMPARE(m_dialogs->shown[1].text, QStringLiteral("Done."));
    QCOMPARE(m_dialogs->shown[1].title, QStringLiteral("Kalvora"));
    QCOMPARE(m_dialogs->shown[1].icon, Dialogs::Icon::None);

    // Progress: i / 7 x 100 with the file's name, then back to rest.
    QList<QPair<int, QString>> expected;
    const QStringList listed {
        "photo.jpg", "chart.png", "deleted.jpg", "anim.gif", "broken.jpg", "scan.tif", "plain.bmp"};
    for (int i = 0; i < listed.size(); ++i)
        expected.append({qRound((i + 1) * 100.0 / 7), "Processing: " + listed[i]});
    QList<QPair<int, QString>> processing;
    for (const auto &state : std::as_const(m_events->states)) {
        if (state.second.startsWith(QLatin1String("Processing: ")) && !processing.contains(state))
            processing << state;
    }
    QCOMPARE(processing, expected);
    QCOMPARE(child<QProgressBar>("ProgressBar1")->value(), 0);
    QCOMPARE(child<QProgressBar>("ProgressBar1")->format(), QStringLiteral("Progress Bar"));
}

void TestStampRun::replacesSourcesInTheirOwnFolder()
{
    const QStringList names {"photo.jpg", "chart.png", "anim.gif", "scan.tif", "plain.bmp"};
    const QString originals = m_scratch->filePath(QStringLiteral("originals"));
    QVERIFY(QDir().mkpath(originals));
    for (const QString &name : names) {
        makeSource(name);
        QVERIFY(QFile::copy(sourcePath(name), originals + QLatin1Char('/') + name));
    }
    fillList(names);
    useCustomText(QStringLiteral("HELLO"));
    child<QRadioButton>("Option5")->setChecked(true);
    child<QLineEdit>("Text6")->setText(QStringLiteral("/no/such/folder/"));

    clickStartStamping();

    QCOMPARE(m_dialogs->messages(), QStringList {"Done."});
    QStringList sorted = names;
    sorted.sort();
    QCOMPARE(filesBelow(m_sources->path()), sorted);
    for (const QString &name : names) {
        const QString original = originals + QLatin1Char('/') + name;
        QCOMPARE(formatOf(sourcePath(name)), formatOf(original));
        QVERIFY2(!changedArea(QImage(original), QImage(sourcePath(name)), 60).isEmpty(),
            qPrintable(name));
    }
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), sourcePath("photo.jpg")), QStringLiteral("Peak"));
    QCOMPARE(child<QProgressBar>("ProgressBar1")->format(), QStringLiteral("Progress Bar"));
}

void TestStampRun::stampSources_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("file date") << "Option1"
                               << "8/31/2021 1:23:45 PM";
    QTest::newRow("user date and time") << "Option2"
                                        << "2021-01-01 noon";
    QTest::newRow("custom text of two lines") << "Option3"
                                              << "Holiday\nLake Bled";
}

void TestStampRun::stampSources()
{
    QFETCH(QString, source);
    QFETCH(QString, expectedText);
    const QString path = makeSource(QStringLiteral("exact.bmp"), gradient(400, 300));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2021, 8, 31), QTime(11, 23, 45), Qt::UTC),
        QFileDevice::FileModificationTime));
    file.close();
    const QImage original = loadWorkSurface(path);
    fillList({"exact.bmp"});
    child<QComboBox>("Combo4")->setCurrentText(QStringLiteral("Date Modified"));
    child<QComboBox>("Combo1")->setCurrentText(QStringLiteral("Datestamp And Timestamp"));
    child<QComboBox>("Combo2")->setCurrentText(QStringLiteral("Center"));
    child<QLineEdit>("Text1")->setText(QStringLiteral("2021-01-01"));
    child<QLineEdit>("Text2")->setText(QStringLiteral("noon"));
    child<QPlainTextEdit>("Text5")->setPlainText(QStringLiteral("Holiday\nLake Bled"));
    m_window->findChild<QRadioButton *>(source)->setChecked(true);
    saveToChosenFolder();

    clickStartStamping();

    QCOMPARE(m_dialogs->messages(), QStringList {"Done."});
    QImage expected = original;
    const StampOptions options = m_window->stampController().currentOptions();
    OverlayText(expected, expectedText, QStringLiteral("Center"), stampFont(options),
        stampColor(options.color));
    QVERIFY(expected != original);
    QCOMPARE(QImage(outputPath("exact.bmp")).convertToFormat(QImage::Format_RGB32),
        expected.convertToFormat(QImage::Format_RGB32));
}

void TestStampRun::refusals_data()
{
    QTest::addColumn<bool>("listed");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<QString>("customText");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty list, checked first") << false << false << ""
                                               << "No files added.";
    QTest::newRow("missing folder, checked second")
        << true << false << ""
        << "Folder does not exist. Please select another folder.";
    QTest::newRow("empty custom text") << true << true << ""
                                       << "Please enter custom text.";
}

void TestStampRun::refusals()
{
    QFETCH(bool, listed);
    QFETCH(bool, folderExists);
    QFETCH(QString, customText);
    QFETCH(QString, message);
    makeSource(QStringLiteral("a.bmp"));
    if (listed)
        fillList({"a.bmp"});
    useCustomText(customText);
    child<QRadioButton>("Option4")->setChecked(true);
    child<QLineEdit>("Text6")->setText(
        folderExists ? m_output->path() : m_output->filePath("missing"));

    clickStartStamping();

    QCOMPARE(m_dialogs->messages(), QStringList {message});
    QCOMPARE(m_dialogs->shown.first().title, QStringLiteral("Kalvora"));
    QCOMPARE(filesBelow(m_output->path()), QStringList());
    QCOMPARE(child<QProgressBar>("ProgressBar1")->format(), QStringLiteral("Progress Bar"));
    QVERIFY(m_events->states.isEmpty() || m_events->states.last().first == 0);
}

void TestStampRun::secondClickIsIgnoredAndTheWindowRepaints()
{
    // A large PNG keeps the converter busy long enough to click and repaint meanwhile.
    QImage noise(2400, 1800, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x)
            line[x] = qRgb((x * 7 + y * 13) % 251, (x * y) % 253, (x ^ y) % 255);
    }
    makeSource(QStringLiteral("big.png"), noise);
    makeSource(QStringLiteral("small.bmp"));
    fillList({"big.png", "small.bmp"});
    // One file at a time: the second is handed out only once the first is reported.
    m_window->stampController().run().setWorkerCount(1);
    m_window->stampController().run().setLookAhead(0);
    useCustomText(QStringLiteral("HELLO"));
    saveToChosenFolder();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    PaintCounter counter;
    m_window->installEventFilter(&counter);
    QTimer repaint;
    connect(&repaint, &QTimer::timeout, m_window.get(), [this] { m_window->update(); });
    bool clickedAgain = false;
    m_events->onEvents = [&](const QString &text, int repeats) {
        // The first time events run for the big picture, its options are not yet read; from
        // the second on, the picture's conversion is under way.
        if (text != QLatin1String("Processing: big.png") || repeats != 2)
            return;
        clickedAgain = true;
        repaint.start(20);
        clickStartStamping();
        child<QPlainTextEdit>("Text5")->setPlainText(QStringLiteral("CHANGED"));
    };

    clickStartStamping();
    repaint.stop();
    m_window->removeEventFilter(&counter);

    QVERIFY(clickedAgain);
    QCOMPARE(m_dialogs->messages(), QStringList {"Done."});
    QCOMPARE(filesBelow(m_output->path()), QStringList({"big.png", "small.bmp"}));

    // The text changed during the first file reached the second file only.
    const StampOptions options = m_window->stampController().currentOptions();
    const auto stamped = [&](const QString &text) {
        QImage picture = loadWorkSurface(sourcePath("small.bmp"));
        OverlayText(picture, text, caption(options.position), stampFont(options),
            stampColor(options.color));
        return picture;
    };
    const QImage second = QImage(outputPath("small.bmp")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(second, stamped(QStringLiteral("CHANGED")));
    QVERIFY(second != stamped(QStringLiteral("HELLO")));
    QVERIFY2(counter.paints >= 3, qPrintable(QString::number(counter.paints)));
}

void TestStampRun::listShrinkingDuringARunEndsIt()
{
    for (const char *name : {"a.png", "b.bmp", "c.bmp"})
        makeSource(QLatin1String(name));
    fillList({"a.png", "b.bmp", "c.bmp"});
    useCustomText(QStringLiteral("HELLO"));
    saveToChosenFolder();
    m_window->stampController().run().setWorkerCount(1);
    m_window->stampController().run().setLookAhead(0);
    m_events->onEvents = [&](const QString &text, int repeats) {
        if (text == QLatin1String("Processing: a.png") && repeats == 2) {
            m_window->imageList().clear();
            m_window->imageList().append(sourcePath("c.bmp"));
        }
    };

    clickStartStamping();

    QCOMPARE(m_dialogs->messages(), QStringList {"Done."});
    QCOMPARE(filesBelow(m_output->path()), QStringList {"a.png"});
}

void TestStampRun::missingExifToolStopsBeforeTheFirstFile()
{
    // Without ExifTool every result would lose its tags: nothing is stamped, and the one
    // report says what is missing.
    makeSource(QStringLiteral("photo.jpg"));
    const QByteArray original = contents(sourcePath("photo.jpg"));
    fillList({"photo.jpg"});
    useCustomText(QStringLiteral("HELLO"));
    child<QRadioButton>("Option5")->setChecked(true);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(m_scratch->path()));
    clickStartStamping();
    qputenv("PATH", path);

    const QStringList messages = m_dialogs->messages();
    QCOMPARE(messages.size(), 2);
    QVERIFY(messages[0].contains(QStringLiteral("exiftool")));
    QVERIFY(messages[0].contains(QStringLiteral("at line 126")));
    QCOMPARE(messages[1], QStringLiteral("Done."));
    QCOMPARE(contents(sourcePath("photo.jpg")), original);
    QCOMPARE(filesBelow(m_sources->path()), QStringList {"photo.jpg"});
}

// A window started where its private temporary folder cannot be made (TMPDIR names a missing
// folder) says so at the run, names the folder, and stamps nothing.
void TestStampRun::noPrivateFolderStopsBeforeTheFirstFile()
{
    makeSource(QStringLiteral("photo.jpg"), darkGray());
    const QByteArray original = contents(sourcePath("photo.jpg"));
    const QString missing = m_scratch->filePath(QStringLiteral("gone"));
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(missing));
    m_window = std::make_unique<Form1>(*m_dialogs, *m_settings, *m_events);
    qputenv("TMPDIR", tmp);
    m_events->bar = child<QProgressBar>("ProgressBar1");
    fillList({QStringLiteral("photo.jpg")});
    useCustomText(QStringLiteral("HELLO"));
    child<QRadioButton>("Option5")->setChecked(true);
    clickStartStamping();

    const QStringList messages = m_dialogs->messages();
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages[0].contains(missing), qPrintable(messages[0]));
    QVERIFY(messages[0].contains(QStringLiteral("at line 126")));
    QCOMPARE(messages[1], QStringLiteral("Done."));
    QCOMPARE(contents(sourcePath("photo.jpg")), original);
    QCOMPARE(filesBelow(m_sources->path()), QStringList {"photo.jpg"});
}

void TestStampRun::closingTheWindowLetsFilesAtWorkFinish()
{
    QStringList names;
    for (int i = 0; i < 10; ++i) {
        names << QStringLiteral("p%1.jpg").arg(i);
        makeSource(names.last(), darkGray(1200, 900));
    }
    const QByteArray original = contents(sourcePath(names.first()));
    fillList(names);
    useCustomText(QStringLiteral("HELLO"));
    child<QRadioButton>("Option5")->setChecked(true);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_events->onEvents = [&](const QString &text, int) {
        if (text.startsWith(QLatin1String("Processing: ")) && m_window->isVisible())
            m_window->close();
    };

    clickStartStamping();

    QVERIFY(!m_window->isVisible());
    // Each source is either its original bytes or completely stamped with its tags, at least
    // one file was finished and not all were handed out; nothing of the run is left beside them.
    int stampedFiles = 0;
    for (const QString &name : std::as_const(names)) {
        const QString path = sourcePath(name);
        QCOMPARE(exifTag(QStringLiteral("XMP:Title"), path), QStringLiteral("Peak"));
        stampedFiles += contents(path) != original;
        QCOMPARE(formatOf(path), QByteArray("jpeg"));
    }
    QVERIFY2(stampedFiles >= 1 && stampedFiles < names.size(),
        qPrintable(QString::number(stampedFiles)));
    QStringList sorted = names;
    sorted.sort();
    QCOMPARE(filesBelow(m_sources->path()), sorted);
    QVERIFY(!m_dialogs->messages().contains(QStringLiteral("Done.")));
}

QTEST_MAIN(TestStampRun)
#include "tst_stamprun.moc"
