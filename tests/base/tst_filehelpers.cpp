// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/eventpump.h"
#include "base/filehelpers.h"
#include "base/runtimefailure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

class CountingPump final : public EventPump
{
public:
    int calls = 0;
    void processEvents() override { ++calls; }
};

void writeFile(const QString &path, const QByteArray &bytes = "x")
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestFileHelpers : public QObject
{
    Q_OBJECT

private slots:
    void pathTexts_data();
    void pathTexts();
    void normalizePath_data();
    void normalizePath();
    void fileTests();
    void removeFile();
    void writeBytesToFile();
    void writeBytesToFileFails();
};

void TestFileHelpers::pathTexts_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("folder");

    QTest::newRow("windows path") << "C:\\Pics\\a.jpg"
                                  << "\\"
                                  << "a.jpg"
                                  << "C:\\Pics\\";
    QTest::newRow("bare name, backslash") << "a.jpg"
                                          << "\\"
                                          << "a.jpg"
                                          << "";
    QTest::newRow("empty") << ""
                           << "\\"
                           << ""
                           << "";
    QTest::newRow("drive root") << "C:\\"
                                << "\\"
                                << ""
                                << "C:\\";
    QTest::newRow("linux path") << "/home/ann/pics/a.jpg"
                                << "/"
                                << "a.jpg"
                                << "/home/ann/pics/";
    QTest::newRow("bare name, slash") << "a.jpg"
                                      << "/"
                                      << "a.jpg"
                                      << "";
    QTest::newRow("slash is no separator for backslash rules") << "C:/x\\a.jpg"
                                                               << "\\"
                                                               << "a.jpg"
                                                               << "C:/x\\";
}

void TestFileHelpers::pathTexts()
{
    QFETCH(QString, path);
    QFETCH(QString, separator);
    QFETCH(QString, fileName);
    QFETCH(QString, folder);
    QCOMPARE(FileNameOfPath(path, separator.at(0)), fileName);
    QCOMPARE(FolderOf(path, separator.at(0)), folder);
}

void TestFileHelpers::normalizePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("normalized");

    QTest::newRow("doubled") << "C:\\\\Pics\\\\a.jpg"
                             << "\\"
                             << "C:\\Pics\\a.jpg";
    QTest::newRow("three become two") << "C:\\\\\\a.jpg"
                                      << "\\"
                                      << "C:\\\\a.jpg";
    QTest::newRow("four become two") << "C:\\\\\\\\a.jpg"
                                     << "\\"
                                     << "C:\\\\a.jpg";
    QTest::newRow("network path kept") << "\\\\server\\share\\a.jpg"
                                       << "\\"
                                       << "\\\\server\\share\\a.jpg";
    QTest::newRow("three leading") << "\\\\\\server\\share"
                                   << "\\"
                                   << "\\\\server\\share";
    QTest::newRow("one leading") << "\\server"
                                 << "\\"
                                 << "\\\\server";
    QTest::newRow("only separators") << "\\\\\\"
                                     << "\\"
                                     << "\\\\";
    QTest::newRow("empty") << ""
                           << "\\"
                           << "";
    QTest::newRow("root joined with name") << "C:\\\\a.jpg"
                                           << "\\"
                                           << "C:\\a.jpg";
    QTest::newRow("slash folder joined") << "/home/ann//a.jpg"
                                         << "/"
                                         << "/home/ann/a.jpg";
    QTest::newRow("slash root joined") << "//a.jpg"
                                       << "/"
                                       << "/a.jpg";
    QTest::newRow("slash root kept single") << "/a.jpg"
                                            << "/"
                                            << "/a.jpg";
    QTest::newRow("slash other separator untouched") << "a\\\\b//c"
                                                     << "/"
                                                     << "a\\\\b/c";
}

void TestFileHelpers::normalizePath()
{
    QFETCH(QString, path);
    QFETCH(QString, separator);
    QFETCH(QString, normalized);
    QCOMPARE(NormalizePath(path, separator.at(0)), normalized);
}

void TestFileHelpers::fileTests()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("a.jpg"));
    writeFile(file);
    const QString folder = dir.path();
    const QString missing = dir.filePath(QStringLiteral("missing.jpg"));
    const QString link = dir.filePath(QStringLiteral("link.jpg"));
    QVERIFY(QFile::link(file, link));
    const QString dangling = dir.filePath(QStringLiteral("dangling.jpg"));
    QVERIFY(QFile::link(missing, dangling));

    QVERIFY(FileExists(file));
    QVERIFY(FileExists(folder));
    QVERIFY(FileExists(link));
    QVERIFY(!FileExists(missing));
    QVERIFY(!FileExists(dangling));
    QVERIFY(!FileExists(QString()));

    QVERIFY(IsFolder(folder));
    QVERIFY(!IsFolder(file));
    QVERIFY(!IsFolder(missing));
    QVERIFY(!IsFolder(QString()));

    QVERIFY(IsOpenableFile(file));
    QVERIFY(IsOpenableFile(link));
    QVERIFY(!IsOpenableFile(folder));
    QVERIFY(!IsOpenableFile(missing));
    QVERIFY(!IsOpenableFile(dangling));
    QVERIFY(!IsOpenableFile(QString()));

    // A file this user may not read is still a file that exists.
    QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions()));
    QVERIFY(IsOpenableFile(file));
    QVERIFY(FileExists(file));
}

void TestFileHelpers::removeFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CountingPump pump;

    const QString plain = dir.filePath(QStringLiteral("plain.jpg"));
    writeFile(plain);
    RemoveFile(plain, pump);
    QVERIFY(!QFile::exists(plain));
    QCOMPARE(pump.calls, 1);

    const QString readOnly = dir.filePath(QStringLiteral("readonly.jpg"));
    writeFile(readOnly);
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));
    RemoveFile(readOnly, pump);
    QVERIFY(!QFile::exists(readOnly));

    // A missing file is no error, and the events still run first.
    RemoveFile(dir.filePath(QStringLiteral("missing.jpg")), pump);
    QCOMPARE(pump.calls, 3);

    // A folder is not a file: it stays.
    const QString folder = dir.filePath(QStringLiteral("folder"));
    QVERIFY(QDir().mkdir(folder));
    RemoveFile(folder, pump);
    QVERIFY(QFileInfo(folder).isDir());
}

void TestFileHelpers::writeBytesToFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("tool.bin"));
    QByteArray bytes(70000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    WriteBytesToFile(bytes, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

void TestFileHelpers::writeBytesToFileFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString inMissingFolder = dir.filePath(QStringLiteral("no/such/folder/tool.bin"));
    QVERIFY_THROWS_EXCEPTION(RuntimeFailure, WriteBytesToFile("abc", inMissingFolder));
    try {
        WriteBytesToFile("abc", inMissingFolder);
    } catch (const RuntimeFailure &failure) {
        QVERIFY(failure.description().contains(inMissingFolder));
    }
}

QTEST_GUILESS_MAIN(TestFileHelpers)
#include "tst_filehelpers.moc"
