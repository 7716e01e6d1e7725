// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/eventpump.h"
#include "base/runtimefailure.h"
#include "imagelist/fileadder.h"
#include "options/settingsstore.h"
#include "recordingdialogs.h"
#include "testfiles.h"
#include "ui/errorreport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace FileAdderTexts;
using namespace TestFiles;

class TestFileAdder : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void addImageFiles_data();
    void addImageFiles();
    void addImageFilesReportsAFailure();
    void addAllFilesInFolder();
    void addAllFilesInFolderTwice();
    void cancelStopsTheCommand_data();
    void cancelStopsTheCommand();
    void folderTreeRules();
    void addAllFilesReportsAFailureAndEndsBusy();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    QString setting(const char *key) const
    {
        return SettingsStore(m_storeFile).ReadSetting(QLatin1String(key), QStringLiteral("<none>"));
    }
    FileAdderContext context()
    {
        return {m_dialogs, *m_settings, m_events,
            [this](const QString &file, const QString &walkedFolder) {
                if (m_failAppend)
                    throw RuntimeFailure(QStringLiteral("Out of memory"), 7);
                m_appended << file;
                m_walkedFolders << walkedFolder;
            },
            [this](bool busy) { m_busy << busy; }};
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_storeDir;
    QString m_storeFile;
    std::unique_ptr<SettingsStore> m_settings;
    RecordingDialogs m_dialogs;
    NullEventPump m_events;
    QStringList m_appended;
    QStringList m_walkedFolders;
    QList<bool> m_busy;
    bool m_failAppend = false;
};

void TestFileAdder::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_storeDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_storeDir->isValid());
    m_storeFile = m_storeDir->filePath(QStringLiteral("Kalvora.ini"));
    m_settings = std::make_unique<SettingsStore>(m_storeFile);
    m_dialogs = RecordingDialogs();
    m_appended.clear();
    m_walkedFolders.clear();
    m_busy.clear();
    m_failAppend = false;
}

void TestFileAdder::addImageFiles_data()
{
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one file kept as given")
        << QStringList {"/srv//photos/a.jpg"} << QStringList {"/srv//photos/a.jpg"};
    QTest::newRow("several files normalised")
        << QStringList {"/srv//photos/a.jpg", "/srv/photos/B.JPG", "/srv/photos/c d.png"}
        << QStringList {"/srv/photos/a.jpg", "/srv/photos/B.JPG", "/srv/photos/c d.png"};
    QTest::newRow("the same file twice")
        << QStringList {"/srv/a.jpg", "/srv/a.jpg"} << QStringList {"/srv/a.jpg", "/srv/a.jpg"};
    QTest::newRow("cancel") << QStringList() << QStringList();
}

void TestFileAdder::addImageFiles()
{
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, expected);

    m_dialogs.fileAnswers.enqueue(chosen);
    auto ctx = context();
    ::addImageFiles(ctx);

    QCOMPARE(m_appended, expected);
    // Chosen files were found by no walk: their results never keep folders.
    QCOMPARE(m_walkedFolders, QStringList(expected.size(), QString()));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown.first().kind, QStringLiteral("files"));
    QCOMPARE(m_dialogs.shown.first().title, QLatin1String(kAddFilesTitle));
    QCOMPARE(m_dialogs.shown.first().text, QLatin1String(kPictureFilter));
    QVERIFY(m_busy.isEmpty());
    QCOMPARE(setting("Extension"), QStringLiteral("<none>"));
}

void TestFileAdder::addImageFilesReportsAFailure()
{
    m_failAppend = true;
    m_dialogs.fileAnswers.enqueue({QStringLiteral("/srv/a.jpg"), QStringLiteral("/srv/b.jpg")});
    auto ctx = context();
    ::addImageFiles(ctx);
    QCOMPARE(m_dialogs.messages(),
        QStringList {errorReportText(
            QLatin1String(Location::kAddFiles), 102, QStringLiteral("Out of memory"))});
}

void TestFileAdder::addAllFilesInFolder()
{
    for (const char *name : {"a.jpg", "b.png", "sub/c.JPG", "sub/d.txt"})
        makeFile(path(QString::fromLatin1(name)));
    const QString top = m_dir->path();

    m_dialogs.textAnswers.enqueue(QStringLiteral("jpg"));
    m_dialogs.folderAnswers.enqueue(top);
    auto ctx = context();
    ::addAllFilesInFolder(ctx);

    QCOMPARE(m_appended, QStringList({top + "/a.jpg", top + "/sub/c.JPG"}));
    QCOMPARE(m_walkedFolders, QStringList({top, top}));
    QCOMPARE(m_busy, QList<bool>({true, false}));
    QCOMPARE(setting("Extension"), QStringLiteral("jpg"));
    QCOMPARE(setting("lastfolder"), top);

    QCOMPARE(m_dialogs.shown.size(), 2);
    const auto &question = m_dialogs.shown.at(0);
    QCOMPARE(question.kind, QStringLiteral("text"));
    QCOMPARE(question.title, QStringLiteral("Kalvora"));
    QCOMPARE(question.text,
        QStringLiteral("Enter file extension to load:\r\r(* for all files, txt for all txt "
                       "files, doc for all doc files, etc.)"));
    QCOMPARE(question.proposed, QStringLiteral("*"));
    const auto &browser = m_dialogs.shown.at(1);
    QCOMPARE(browser.kind, QStringLiteral("folder"));
    QCOMPARE(browser.text, QStringLiteral("Please select folder:"));
    QCOMPARE(browser.proposed, QString());
}

void TestFileAdder::addAllFilesInFolderTwice()
{
    makeFile(path(QStringLiteral("one.tif")));
    makeFile(path(QStringLiteral("two.jpg")));
    const QString top = m_dir->path();
    auto ctx = context();
    for (int run = 0; run < 2; ++run) {
        m_dialogs.textAnswers.enqueue(QStringLiteral("*"));
        m_dialogs.folderAnswers.enqueue(top);
        ::addAllFilesInFolder(ctx);
    }
    // The second run proposes what the first one stored; every file is listed twice.
    QCOMPARE(m_dialogs.shown.at(2).proposed, QStringLiteral("*"));
    QCOMPARE(m_dialogs.shown.at(3).proposed, top);
    QCOMPARE(m_appended.size(), 4);
    QCOMPARE(m_appended.mid(2), m_appended.mid(0, 2));
    QCOMPARE(m_busy, QList<bool>({true, false, true, false}));
}

void TestFileAdder::cancelStopsTheCommand_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("folderPicked");
    QTest::addColumn<QString>("storedExtension");
    QTest::addColumn<int>("dialogsShown");

    QTest::newRow("cancel at the extension") << QString() << true << "png" << 1;
    QTest::newRow("cancel at the folder") << "jpg" << false << "jpg" << 2;
}

void TestFileAdder::cancelStopsTheCommand()
{
    QFETCH(QString, extension);
    QFETCH(bool, folderPicked);
    QFETCH(QString, storedExtension);
    QFETCH(int, dialogsShown);

    makeFile(path(QStringLiteral("a.jpg")));
    m_settings->WriteSetting(QStringLiteral("Extension"), QStringLiteral("png"));
    m_settings->WriteSetting(QStringLiteral("LastFolder"), QStringLiteral("/old/folder"));
    m_dialogs.textAnswers.enqueue(extension);
    m_dialogs.folderAnswers.enqueue(folderPicked ? m_dir->path() : QString());

    auto ctx = context();
    ::addAllFilesInFolder(ctx);

    QVERIFY(m_appended.isEmpty());
    QVERIFY(m_busy.isEmpty());
    QCOMPARE(m_dialogs.shown.size(), dialogsShown);
    QCOMPARE(m_dialogs.shown.first().proposed, QStringLiteral("png"));
    QCOMPARE(setting("Extension"), storedExtension);
    QCOMPARE(setting("LastFolder"), QStringLiteral("/old/folder"));
}

void TestFileAdder::folderTreeRules()
{
    for (const char *name : {"keep1.jpg", "~keep1.jpg", ".hidden.jpg", "sub/keep2.png",
             "sub/~$temp.png", ".Trash-1000/files/deleted.jpg", "locked/secret.jpg"})
        makeFile(path(QString::fromLatin1(name)));
    QVERIFY(QFile::link(m_dir->path(), path(QStringLiteral("sub/back-to-top"))));
    const QString locked = path(QStringLiteral("locked"));
    QVERIFY(::chmod(QFile::encodeName(locked).constData(), 0) == 0);
    const auto unlock = qScopeGuard([&] { ::chmod(QFile::encodeName(locked).constData(), 0700); });

    m_dialogs.textAnswers.enqueue(QStringLiteral("*"));
    m_dialogs.folderAnswers.enqueue(m_dir->path());
    auto ctx = context();
    {
        const ObeyingPermissions obeying;
        QVERIFY(ObeyingPermissions::lockedFoldersAreLocked());
        ::addAllFilesInFolder(ctx);
    }

    const QStringList expected {
        path(QStringLiteral("keep1.jpg")), path(QStringLiteral("sub/keep2.png"))};
    QCOMPARE(sorted(m_appended), sorted(expected));
    QCOMPARE(m_appended.first(), path(QStringLiteral("keep1.jpg")));
    QCOMPARE(m_busy, QList<bool>({true, false}));
    QVERIFY(m_dialogs.messages().isEmpty());
}

void TestFileAdder::addAllFilesReportsAFailureAndEndsBusy()
{
    makeFile(path(QStringLiteral("a.jpg")));
    m_failAppend = true;
    m_dialogs.textAnswers.enqueue(QStringLiteral("jpg"));
    m_dialogs.folderAnswers.enqueue(m_dir->path());
    auto ctx = context();
    ::addAllFilesInFolder(ctx);

    QCOMPARE(m_dialogs.messages(),
        QStringList {errorReportText(
            QLatin1String(Location::kAddFolder), 112, QStringLiteral("Out of memory"))});
    QCOMPARE(m_dialogs.shown.last().title, QLatin1String(kErrorReportTitle));
    QCOMPARE(m_busy, QList<bool>({true, false}));
}

QTEST_GUILESS_MAIN(TestFileAdder)
#include "tst_fileadder.moc"
