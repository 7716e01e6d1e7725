// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/filehelpers.h"
#include "windowfixture.h"

// The window's two add buttons, answered through the scripted dialogs.
class TestAddButtons : public QObject
{
    Q_OBJECT
private slots:
    void addImageFiles_data();
    void addImageFiles();
    void addAllFilesInFolder_data();
    void addAllFilesInFolder();
};

void TestAddButtons::addImageFiles_data()
{
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one file, taken as given")
        << QStringList {QStringLiteral("/photos//holiday/a.jpg")}
        << QStringList {QStringLiteral("/photos//holiday/a.jpg")};
    QTest::newRow("several files, each tidied")
        << QStringList {QStringLiteral("/photos//b.jpg"), QStringLiteral("/photos/c.JPG"),
               QStringLiteral("/photos/c.JPG")}
        << QStringList {QStringLiteral("/photos/b.jpg"), QStringLiteral("/photos/c.JPG"),
               QStringLiteral("/photos/c.JPG")};
    QTest::newRow("cancelled") << QStringList() << QStringList();
}

void TestAddButtons::addImageFiles()
{
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, expected);

    WindowFixture f;
    f.window.imageList().append(QStringLiteral("/already/there.png"));
    f.dialogs.fileAnswers.enqueue(chosen);
    f.click("PushButton2");

    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().kind, QStringLiteral("files"));
    QCOMPARE(f.dialogs.shown.first().title,
        QStringLiteral("Add File(s) - Hold Ctrl or Shift to select multiple files"));
    QCOMPARE(f.listed(), QStringList {QStringLiteral("/already/there.png")} + expected);
    QVERIFY(!f.window.isBusy());
}

void TestAddButtons::addAllFilesInFolder_data()
{
    QTest::addColumn<QStringList>("textAnswers");
    QTest::addColumn<bool>("folderChosen");
    QTest::addColumn<QStringList>("expected"); // relative to the chosen folder
    QTest::addColumn<QString>("storedExtension");

    const QStringList every {QStringLiteral("a.jpg"), QStringLiteral("b.png"),
        QStringLiteral("sub/c.JPG"), QStringLiteral("sub/deeper/d.jpg")};
    QTest::newRow("every file") << QStringList {QStringLiteral("*")} << true << every << "*";
    QTest::newRow("one extension")
        << QStringList {QStringLiteral("jpg")} << true
        << QStringList {QStringLiteral("a.jpg"), QStringLiteral("sub/c.JPG"),
               QStringLiteral("sub/deeper/d.jpg")}
        << "jpg";
    QTest::newRow("extension question cancelled")
        << QStringList() << true << QStringList() << "bmp";
    QTest::newRow("folder browser cancelled")
        << QStringList {QStringLiteral("png")} << false << QStringList() << "png";
}

void TestAddButtons::addAllFilesInFolder()
{
    QFETCH(QStringList, textAnswers);
    QFETCH(bool, folderChosen);
    QFETCH(QStringList, expected);
    QFETCH(QString, storedExtension);

    WindowFixture f;
    f.settings.WriteSetting(QStringLiteral("Extension"), QStringLiteral("bmp"));
    const QString earlier = f.scratch.path();
    f.settings.WriteSetting(QStringLiteral("LastFolder"), earlier);
    for (const char *name : {"pick/a.jpg", "pick/b.png", "pick/sub/c.JPG", "pick/sub/deeper/d.jpg"})
        f.makeFile(QString::fromLatin1(name));
    const QString folder = f.scratch.filePath(QStringLiteral("pick"));
    for (const QString &answer : textAnswers)
        f.dialogs.textAnswers.enqueue(answer);
    if (folderChosen)
        f.dialogs.folderAnswers.enqueue(folder);

    f.click("PushButton3");

    QCOMPARE(f.dialogs.shown.first().kind, QStringLiteral("text"));
    QCOMPARE(f.dialogs.shown.first().proposed, QStringLiteral("bmp"));
    const bool askedFolder = !textAnswers.isEmpty();
    QCOMPARE(f.dialogs.shown.size(), askedFolder ? 2 : 1);
    if (askedFolder) {
        QCOMPARE(f.dialogs.shown.at(1).kind, QStringLiteral("folder"));
        QCOMPARE(f.dialogs.shown.at(1).proposed, earlier);
    }
    QCOMPARE(f.settings.ReadSetting(QStringLiteral("Extension"), {}), storedExtension);
    const bool scanned = askedFolder && folderChosen;
    QCOMPARE(f.settings.ReadSetting(QStringLiteral("LastFolder"), {}), scanned ? folder : earlier);

    QStringList listed = f.listed();
    listed.sort();
    QStringList wanted;
    for (const QString &relative : expected)
        wanted << NormalizePath(folder + QLatin1Char('/') + relative);
    wanted.sort();
    QCOMPARE(listed, wanted);

    // The scan ran with the window busy and the busy pointer showing, and ended both.
    if (scanned) {
        QVERIFY(f.events.calls > 0);
        QCOMPARE(f.events.busyCalls, f.events.calls);
        QCOMPARE(f.events.waitPointerCalls, f.events.calls);
    } else {
        QCOMPARE(f.events.busyCalls, 0);
    }
    QVERIFY(!f.window.isBusy());
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TestAddButtons)
#include "tst_addbuttons.moc"
