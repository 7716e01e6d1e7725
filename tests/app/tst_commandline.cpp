// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
};

void TestCommandLine::parses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("version");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<bool>("malformed");

    QTest::newRow("nothing") << QStringList {} << false << false << QStringList {} << false;
    QTest::newRow("files and a folder in order")
        << QStringList {"/p/b.jpg", "/p/a.png", "/p/folder"} << false << false
        << QStringList {"/p/b.jpg", "/p/a.png", "/p/folder"} << false;
    QTest::newRow("help") << QStringList {"--help"} << true << false << QStringList {} << false;
    QTest::newRow("short help") << QStringList {"-h"} << true << false << QStringList {} << false;
    QTest::newRow("version") << QStringList {"--version"} << false << true << QStringList {}
                             << false;
    QTest::newRow("unknown option")
        << QStringList {"--bogus", "a.jpg"} << false << false << QStringList {} << true;
    QTest::newRow("dash names after --") << QStringList {"--", "-x.jpg", "--help"} << false << false
                                         << QStringList {"-x.jpg", "--help"} << false;
    QTest::newRow("a lone dash is a name")
        << QStringList {"-"} << false << false << QStringList {"-"} << false;
}

void TestCommandLine::parses()
{
    QFETCH(QStringList, arguments);
    const ProgramArguments parsed = parseProgramArguments(arguments);
    QTEST(parsed.help, "help");
    QTEST(parsed.version, "version");
    QFETCH(bool, malformed);
    QCOMPARE(!parsed.error.isEmpty(), malformed);
    if (!malformed)
        QTEST(parsed.paths, "paths");
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
