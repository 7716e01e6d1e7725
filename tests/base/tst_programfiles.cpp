// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/programfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestProgramFiles : public QObject
{
    Q_OBJECT

private slots:
    void findsBesideTheProgramFirst_data();
    void findsBesideTheProgramFirst();
    void installedFoldersFollowThePrefix();
};

void TestProgramFiles::findsBesideTheProgramFirst_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("found");

    // Paths under a fake prefix: bin/ holds the program.
    QTest::newRow("build tree") << QStringList {"bin/HAND-M.CUR"} << "bin/HAND-M.CUR";
    QTest::newRow("installed") << QStringList {"share/kalvora/HAND-M.CUR"}
                               << "share/kalvora/HAND-M.CUR";
    QTest::newRow("both: beside wins")
        << QStringList {"bin/HAND-M.CUR", "share/kalvora/HAND-M.CUR"} << "bin/HAND-M.CUR";
    QTest::newRow("nowhere: named beside") << QStringList {} << "bin/HAND-M.CUR";
}

void TestProgramFiles::findsBesideTheProgramFirst()
{
    QFETCH(QStringList, present);
    QFETCH(QString, found);

    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    for (const QString &file : present) {
        QDir(prefix.path()).mkpath(QFileInfo(prefix.filePath(file)).path());
        QFile out(prefix.filePath(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
    }
    const QStringList folders
        = programFileFolders(ProgramFileKind::Data, prefix.filePath(QStringLiteral("bin")));
    QCOMPARE(findProgramFile(QStringLiteral("HAND-M.CUR"), folders), prefix.filePath(found));
}

void TestProgramFiles::installedFoldersFollowThePrefix()
{
    const QStringList data
        = programFileFolders(ProgramFileKind::Data, QStringLiteral("/opt/x/bin"));
    QCOMPARE(data, (QStringList {"/opt/x/bin", "/opt/x/share/kalvora"}));
    const QStringList helpers
        = programFileFolders(ProgramFileKind::Helper, QStringLiteral("/opt/x/bin/"));
    QCOMPARE(helpers, (QStringList {"/opt/x/bin", "/opt/x/libexec/kalvora"}));
}

QTEST_GUILESS_MAIN(TestProgramFiles)
#include "tst_programfiles.moc"
