// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/eventpump.h"
#include "folderwalk/folderwalk.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestFiles;

namespace {

class CountingPump final : public EventPump
{
public:
    void processEvents() override { ++calls; }
    int calls = 0;
};

int depthOf(const QString &folder)
{
    return int(folder.count(QLatin1Char('/')));
}

} // namespace

class TestFolderWalk : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void hasUnsupportedChars_data();
    void hasUnsupportedChars();
    void listFilesInFolder_data();
    void listFilesInFolder();
    void listFilesLeavesOutSpecialFiles();
    void walkGoesLevelByLevel();
    void walkWithoutRecursionTakesChildrenOnly();
    void walkNeverLoops();
    void walkDropsAnUnreadableFolder();
    void walkLetsEventsRunForEveryFolder();
    void scanAppliesTheFileRules();
    void scanReachesDeepFolders();
    void scanOfTheSameFolderTwice();
    void scanCountsNamesThatAreNotUtf8_data();
    void scanCountsNamesThatAreNotUtf8();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }

    std::unique_ptr<QTemporaryDir> m_dir;
    NullEventPump m_events;
};

void TestFolderWalk::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestFolderWalk::hasUnsupportedChars_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("unsupported");

    QTest::newRow("plain") << QStringLiteral("IMG_0001.JPG") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("Latin-1 letters") << QStringLiteral("Café Zürich ñ") << false;
    QTest::newRow("no-break space 160") << QStringLiteral("a\u00a0b") << false;
    QTest::newRow("y diaeresis 255") << QStringLiteral("\u00ff") << false;
    QTest::newRow("question mark") << QStringLiteral("what?.jpg") << true;
    QTest::newRow("tab 9") << QStringLiteral("a\tb") << true;
    QTest::newRow("unit separator 31") << QStringLiteral("a\u001fb") << true;
    QTest::newRow("space 32") << QStringLiteral("a b") << false;
    QTest::newRow("tilde 126") << QStringLiteral("~a") << false;
    QTest::newRow("delete 127") << QStringLiteral("a\u007f") << true;
    QTest::newRow("control 159") << QStringLiteral("a\u009f") << true;
    QTest::newRow("o macron") << QStringLiteral("Tōkyō") << true;
    QTest::newRow("CJK") << QStringLiteral("写真") << true;
    QTest::newRow("emoji") << QStringLiteral("sun \U0001F31E") << true;
}

void TestFolderWalk::hasUnsupportedChars()
{
    QFETCH(QString, name);
    QFETCH(bool, unsupported);
    QCOMPARE(HasUnsupportedChars(name), unsupported);
}

void TestFolderWalk::listFilesInFolder_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("trailingSeparator");
    QTest::addColumn<QStringList>("expected");

    const QStringList all {QStringLiteral(".hidden.jpg"), QStringLiteral("B.JPG"),
        QStringLiteral("README"), QStringLiteral("a.jpg"), QStringLiteral("a.jpg.png"),
        QStringLiteral("c.jpeg"), QStringLiteral("x.pg"), QStringLiteral("y.[jp]g"),
        QStringLiteral("~copy.jpg")};
    QTest::newRow("every file") << QStringLiteral("*.*") << false << all;
    QTest::newRow("every file, folder with separator") << QStringLiteral("*.*") << true << all;
    QTest::newRow("jpg in any case")
        << QStringLiteral("*.jpg") << false
        << QStringList {QStringLiteral(".hidden.jpg"), QStringLiteral("B.JPG"),
               QStringLiteral("a.jpg"), QStringLiteral("~copy.jpg")};
    QTest::newRow("single wildcard")
        << QStringLiteral("*.jp?g") << true << QStringList {QStringLiteral("c.jpeg")};
    QTest::newRow("extension is taken literally")
        << QStringLiteral("*.jpg.png") << false << QStringList {QStringLiteral("a.jpg.png")};
    QTest::newRow("dots and brackets are no wildcards")
        << QStringLiteral("*.[jp]g") << false << QStringList {QStringLiteral("y.[jp]g")};
    QTest::newRow("leading dot kept") << QStringLiteral("*..jpg") << false << QStringList();
    QTest::newRow("nothing matches") << QStringLiteral("*.tif") << false << QStringList();
}

void TestFolderWalk::listFilesInFolder()
{
    QFETCH(QString, pattern);
    QFETCH(bool, trailingSeparator);
    QFETCH(QStringList, expected);

    for (const char *name : {"a.jpg", "B.JPG", "c.jpeg", "README", "a.jpg.png", ".hidden.jpg",
             "x.pg", "y.[jp]g", "~copy.jpg"})
        makeFile(path(QString::fromLatin1(name)));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.jpg")));

    const QString folder = m_dir->path() + (trailingSeparator ? QStringLiteral("/") : QString());
    QCOMPARE(sorted(ListFilesInFolder(folder, pattern)), sorted(expected));
}

void TestFolderWalk::listFilesLeavesOutSpecialFiles()
{
    makeFile(path(QStringLiteral("photo.jpg")));
    QVERIFY(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe.jpg"))).constData(), 0600) == 0);
    QVERIFY(QFile::link(path(QStringLiteral("photo.jpg")), path(QStringLiteral("link.jpg"))));
    QVERIFY(QFile::link(path(QStringLiteral("gone.jpg")), path(QStringLiteral("broken.jpg"))));

    QCOMPARE(sorted(ListFilesInFolder(m_dir->path(), QStringLiteral("*.*"))),
        QStringList({QStringLiteral("link.jpg"), QStringLiteral("photo.jpg")}));
}

void TestFolderWalk::walkGoesLevelByLevel()
{
    for (const char *folder : {"a/a1", "b/b1/b11", "b/b2", "Tōkyō 2023/写真"})
        QVERIFY(QDir(m_dir->path()).mkpath(QString::fromUtf8(folder)));
    const QString top = m_dir->path() + QLatin1Char('/');

    QStringList folders {top};
    GetSubDirectories2016(folders, true, m_events);

    const QStringList expected {top, top + "a/", top + "b/", top + "Tōkyō 2023/", top + "a/a1/",
        top + "b/b1/", top + "b/b2/", top + "Tōkyō 2023/写真/", top + "b/b1/b11/"};
    QCOMPARE(sorted(folders), sorted(expected));
    QCOMPARE(folders.first(), top);
    for (qsizetype i = 1; i < folders.size(); ++i)
        QVERIFY2(depthOf(folders[i - 1]) <= depthOf(folders[i]), qPrintable(folders.join(' ')));
}

void TestFolderWalk::walkWithoutRecursionTakesChildrenOnly()
{
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("a/a1")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("b")));
    const QString top = m_dir->path() + QLatin1Char('/');
    const QString missing = top + QStringLiteral("missing/");

    QStringList folders {top, missing};
    GetSubDirectories2016(folders, false, m_events);
    QCOMPARE(folders.mid(0, 2), QStringList({top, missing}));
    QCOMPARE(sorted(folders.mid(2)), QStringList({top + "a/", top + "b/"}));
}

void TestFolderWalk::walkNeverLoops()
{
    // a/up leads back to the top, b/side to a sibling: every folder is still walked once.
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("a/deeper")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("b")));
    QVERIFY(QFile::link(m_dir->path(), path(QStringLiteral("a/up"))));
    QVERIFY(QFile::link(path(QStringLiteral("a")), path(QStringLiteral("b/side"))));
    QVERIFY(QFile::link(path(QStringLiteral("b")), path(QStringLiteral("b/self"))));
    makeFile(path(QStringLiteral("top.jpg")));
    makeFile(path(QStringLiteral("a/deeper/deep.jpg")));

    QStringList folders {m_dir->path() + QLatin1Char('/')};
    GetSubDirectories2016(folders, true, m_events);
    QSet<QString> canonical;
    for (const QString &folder : std::as_const(folders))
        canonical.insert(QFileInfo(folder).canonicalFilePath());
    QCOMPARE(folders.size(), 4);
    QCOMPARE(canonical.size(), 4);

    const QStringList files = scanFolder(m_dir->path(), QStringLiteral("*"), m_events).files;
    QCOMPARE(files.size(), 2);
    QVERIFY(files.contains(path(QStringLiteral("top.jpg"))));
}

void TestFolderWalk::walkDropsAnUnreadableFolder()
{
    const ObeyingPermissions obeying;
    QVERIFY(ObeyingPermissions::lockedFoldersAreLocked());
    makeFile(path(QStringLiteral("open/one.jpg")));
    makeFile(path(QStringLiteral("locked/inner/two.jpg")));
    makeFile(path(QStringLiteral("zeta/three.jpg")));
    const QString locked = path(QStringLiteral("locked"));
    QVERIFY(::chmod(QFile::encodeName(locked).constData(), 0) == 0);
    const auto unlock = qScopeGuard([&] { ::chmod(QFile::encodeName(locked).constData(), 0700); });

    QStringList folders {m_dir->path() + QLatin1Char('/')};
    GetSubDirectories2016(folders, true, m_events);
    QVERIFY(!folders.contains(locked + QLatin1Char('/')));
    QCOMPARE(folders.size(), 3);

    const FolderWalk walk = scanFolder(m_dir->path(), QStringLiteral("jpg"), m_events);
    const QStringList &files = walk.files;
    QCOMPARE(sorted(files),
        QStringList(
            {path(QStringLiteral("open/one.jpg")), path(QStringLiteral("zeta/three.jpg"))}));
    QVERIFY(walk.problems.isEmpty());
}

void TestFolderWalk::walkLetsEventsRunForEveryFolder()
{
    for (const char *folder : {"a/a1", "a/a2", "b", "c"})
        QVERIFY(QDir(m_dir->path()).mkpath(QString::fromLatin1(folder)));
    CountingPump pump;
    QStringList folders {m_dir->path() + QLatin1Char('/')};
    GetSubDirectories2016(folders, true, pump);
    QCOMPARE(folders.size(), 6);
    QVERIFY2(pump.calls >= 6, qPrintable(QString::number(pump.calls)));
}

void TestFolderWalk::scanAppliesTheFileRules()
{
    for (const char *name : {"one.jpg", "~one.jpg", ".one.jpg", "._one.jpg", "two.JPG", "doc.txt",
             "sub/three.jpg", "sub/~three.jpg", ".thumbnails/thumb.jpg", "sub/.cache/c.jpg",
             "Tōkyō/four.jpg", "noext"})
        makeFile(path(QString::fromUtf8(name)));

    const QString top = m_dir->path();
    QStringList files = scanFolder(top, QStringLiteral("jpg"), m_events).files;
    // The folder's own files come before those of the folders below it.
    QCOMPARE(sorted(files.mid(0, 2)), QStringList({top + "/one.jpg", top + "/two.JPG"}));
    QCOMPARE(sorted(files.mid(2)), sorted({top + "/sub/three.jpg", top + "/Tōkyō/four.jpg"}));

    files = scanFolder(top + QLatin1Char('/'), QStringLiteral("*"), m_events).files;
    QCOMPARE(files.size(), 6);
    QVERIFY(files.contains(top + "/noext"));
    QVERIFY(files.contains(top + "/doc.txt"));
    for (const QString &file : std::as_const(files))
        QVERIFY2(!file.contains(QStringLiteral("//")), qPrintable(file));
}

void TestFolderWalk::scanReachesDeepFolders()
{
    // Far beyond the 260 characters some systems stop at.
    QString relative;
    for (int level = 0; level < 16; ++level)
        relative += QStringLiteral("level %1 of a very deeply nested folder tree/").arg(level);
    makeFile(path(relative + QStringLiteral("deep.jpg")));
    const QString expected = path(relative + QStringLiteral("deep.jpg"));
    QVERIFY(expected.size() > 600);

    const QStringList files = scanFolder(m_dir->path(), QStringLiteral("jpg"), m_events).files;
    QCOMPARE(files, QStringList {expected});
}

void TestFolderWalk::scanOfTheSameFolderTwice()
{
    makeFile(path(QStringLiteral("one.png")));
    const QStringList once = scanFolder(m_dir->path(), QStringLiteral("png"), m_events).files;
    const QStringList twice = scanFolder(m_dir->path(), QStringLiteral("png"), m_events).files;
    QCOMPARE(once, QStringList {path(QStringLiteral("one.png"))});
    QCOMPARE(twice, once);
}

void TestFolderWalk::scanCountsNamesThatAreNotUtf8_data()
{
    QTest::addColumn<QList<QByteArray>>("names");
    QTest::addColumn<int>("undecodable");
    QTest::newRow("none") << QList<QByteArray> {"plain.jpg"} << 0;
    QTest::newRow("one Latin-1 name") << QList<QByteArray> {"caf\xe9.jpg", "plain.jpg"} << 1;
    QTest::newRow("two, one in a subfolder")
        << QList<QByteArray> {"\xff\xfe.jpg", "sub/bad\xc3.jpg", "sub/gut.jpg"} << 2;
}

void TestFolderWalk::scanCountsNamesThatAreNotUtf8()
{
    QFETCH(QList<QByteArray>, names);
    QFETCH(int, undecodable);
    // Names made of raw bytes, as a camera card or an old archive may hold them.
    const QByteArray top = QFile::encodeName(m_dir->path());
    QVERIFY(QDir().mkpath(path(QStringLiteral("sub"))));
    int valid = 0;
    for (const QByteArray &name : names) {
        const QByteArray file = top + '/' + name;
        const int fd = ::open(file.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        valid += QString::fromUtf8(name).contains(QChar::ReplacementCharacter) ? 0 : 1;
    }

    const FolderWalk walk = scanFolder(m_dir->path(), QStringLiteral("jpg"), m_events);
    QCOMPARE(walk.undecodable, undecodable);
    QCOMPARE(walk.files.size(), valid);
    QVERIFY(walk.problems.isEmpty());
}

QTEST_GUILESS_MAIN(TestFolderWalk)
#include "tst_folderwalk.moc"
