// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/output/imageoutput.h"
#include "engine/output/placement.h"
#include "engine/output/stalefolders.h"
#include "engine/run/tempfolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace kalvora;

namespace {

enum class Kind { Folder, Link, File, OtherUsersFolder };

// This process's start time in clock ticks after boot, field 22 of its entry in /proc.
QString ownStartTicks()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = stat.readAll();
    return QString::fromLatin1(text.mid(text.lastIndexOf(')') + 2).split(' ').value(19));
}

} // namespace

class TestStaleFolders : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    QTemporaryDir m_elsewhere;
    qint64 m_gonePid = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        // A process that has ended: its id names no running program.
        QProcess child;
        child.start(QStringLiteral("true"));
        QVERIFY(child.waitForStarted());
        m_gonePid = child.processId();
        QVERIFY(child.waitForFinished());
        QVERIFY(!QFile::exists(QStringLiteral("/proc/%1").arg(m_gonePid)));
    }

    void ownFolderIsNamedAfterThisProcess()
    {
        QTemporaryDir own(privateTempFolderTemplate(m_temp.path()));
        QVERIFY(own.isValid());
        const QString expected = QStringLiteral("kalvora-%1-%2-")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(ownStartTicks());
        QVERIFY2(QFileInfo(own.path()).fileName().startsWith(expected), qPrintable(own.path()));
        QCOMPARE(removeStaleTempFolders(m_temp.path()), 0);
        QVERIFY(QFile::exists(own.path()));
    }

    void runFolderIsPrivate()
    {
        TempFolder temp;
        QVERIFY(temp.isValid());
        QCOMPARE(QFile::permissions(temp.path()) & 0x0077, QFile::Permissions());
    }

    void removesOnlyFoldersOfGonePrograms_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("removed");
        const QString self = QString::number(QCoreApplication::applicationPid());
        const QString start = ownStartTicks();
        const QString gone = QString::number(m_gonePid);
        const QString later = QString::number(start.toULongLong() + 1);
        const int folder = int(Kind::Folder);

        QTest::newRow("program gone") << "kalvora-" + gone + "-123-Ab12Cd" << folder << true;
        QTest::newRow("id taken by another program")
            << "kalvora-" + self + "-" + later + "-Ab12Cd" << folder << true;
        QTest::newRow("program running")
            << "kalvora-" + self + "-" + start + "-Ab12Cd" << folder << false;
        QTest::newRow("start time unknown, program running")
            << "kalvora-" + self + "-0-Ab12Cd" << folder << false;
        QTest::newRow("old name without an id")
            << QStringLiteral("kalvora-Ab12Cd") << folder << false;
        QTest::newRow("someone else's name") << "kalvorax-" + gone + "-1-Ab12Cd" << folder << false;
        QTest::newRow("a link") << "kalvora-" + gone + "-1-Link00" << int(Kind::Link) << false;
        QTest::newRow("a file") << "kalvora-" + gone + "-1-File00" << int(Kind::File) << false;
        if (::getuid() == 0)
            QTest::newRow("another user's folder")
                << "kalvora-" + gone + "-1-User00" << int(Kind::OtherUsersFolder) << false;
    }

    void removesOnlyFoldersOfGonePrograms()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(bool, removed);
        const QString path = m_temp.filePath(name);
        // What a link points to, and what a folder's inner link points to, must survive.
        const QString precious = m_elsewhere.filePath(QStringLiteral("precious.jpg"));
        QFile file(precious);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("photo");
        file.close();

        switch (Kind(kind)) {
        case Kind::Folder:
        case Kind::OtherUsersFolder:
            QVERIFY(QDir().mkpath(path + QStringLiteral("/inner")));
            QVERIFY(QFile(path + QStringLiteral("/inner/work.jpg")).open(QIODevice::WriteOnly));
            QVERIFY(QFile::link(m_elsewhere.path(), path + QStringLiteral("/inner/out")));
            if (Kind(kind) == Kind::OtherUsersFolder)
                QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
            break;
        case Kind::Link:
            QVERIFY(QFile::link(m_elsewhere.path(), path));
            break;
        case Kind::File:
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
            break;
        }

        QCOMPARE(removeStaleTempFolders(m_temp.path()), removed ? 1 : 0);
        QCOMPARE(QFileInfo::exists(path) || QFileInfo(path).isSymLink(), !removed);
        QVERIFY(QFile::exists(precious));
        QFile::remove(path);
        QDir(path).removeRecursively();
    }

    void removesOnlyResultsOfGonePrograms_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        const QString self = QString::number(QCoreApplication::applicationPid());
        const QString start = ownStartTicks();
        const QString gone = QString::number(m_gonePid);
        const QString dead = ".kalvora-" + gone + "-123-Ab12Cd34Ef";

        QTest::newRow("a dead run's result") << dead + ".jpg" << true;
        QTest::newRow("ExifTool's copy of it") << dead + ".jpg_exiftool_tmp" << true;
        QTest::newRow("a running program's result")
            << ".kalvora-" + self + "-" + start + "-Ab12Cd34Ef.png" << false;
        QTest::newRow("the user's x_Stamped.jpg") << QStringLiteral("x_Stamped.jpg") << false;
        QTest::newRow("the user's z.jpg_original") << QStringLiteral("z.jpg_original") << false;
        QTest::newRow("a name like ours without an owner")
            << QStringLiteral(".kalvora-Ab12Cd34Ef.jpg") << false;
        QTest::newRow("a user's hidden notes") << ".kalvora-" + gone + "-1-notes.txt" << false;
        QTest::newRow("a folder of that name") << dead + ".d" << false;
    }

    void removesOnlyResultsOfGonePrograms()
    {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        QTemporaryDir photos;
        const QString path = photos.filePath(name);
        if (name.endsWith(QLatin1String(".d"))) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("bytes");
        }

        QCOMPARE(removeStaleResults(photos.path()), removed ? 1 : 0);
        QCOMPARE(QFileInfo::exists(path), !removed);
    }

    void intermediateNamesAreRecognisablyOurs()
    {
        // A name handed out now is one a later program clears only once this one has gone.
        QTemporaryDir photos;
        const QString path = intermediatePathFor(photos.filePath(QStringLiteral("a.jpg")), "jpg");
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        QCOMPARE(removeStaleResults(photos.path()), 0);
        QVERIFY2(QFileInfo(path).fileName().startsWith(QStringLiteral(".kalvora-%1-%2-")
                                                           .arg(QCoreApplication::applicationPid())
                                                           .arg(ownStartTicks())),
            qPrintable(path));
    }
};

QTEST_GUILESS_MAIN(TestStaleFolders)
#include "tst_stalefolders.moc"
