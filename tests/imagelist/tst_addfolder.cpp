// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist/addfolder.h"
#include "recordingdialogs.h"

#include <QTemporaryDir>
#include <QTest>

class TestAddFolder : public QObject
{
    Q_OBJECT

private slots:
    void pickFolder_data();
    void pickFolder();

private:
    QTemporaryDir m_dir;
};

void TestAddFolder::pickFolder_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("offered");

    QTest::newRow("plain") << "/srv/photos"
                           << ""
                           << "/srv/photos"
                           << "";
    QTest::newRow("trailing separator") << "/srv/photos//"
                                        << ""
                                        << "/srv/photos"
                                        << "";
    QTest::newRow("root keeps its separator") << "/"
                                              << ""
                                              << "/"
                                              << "";
    QTest::newRow("cancel") << ""
                            << ""
                            << ""
                            << "";
    QTest::newRow("existing initial folder") << "/srv"
                                             << "@"
                                             << "/srv"
                                             << "@";
    QTest::newRow("missing initial folder") << "/srv"
                                            << "/no/such/folder"
                                            << "/srv"
                                            << "";
}

void TestAddFolder::pickFolder()
{
    QFETCH(QString, answer);
    QFETCH(QString, initial);
    QFETCH(QString, expected);
    QFETCH(QString, offered);
    // "@" stands for the test's own folder, which exists.
    if (initial == QLatin1String("@"))
        initial = offered = m_dir.path();

    RecordingDialogs dialogs;
    dialogs.folderAnswers.enqueue(answer);
    QCOMPARE(PickFolder(dialogs, QStringLiteral("Please select folder:"), initial), expected);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.first().text, QStringLiteral("Please select folder:"));
    QCOMPARE(dialogs.shown.first().proposed, offered);
}

QTEST_GUILESS_MAIN(TestAddFolder)
#include "tst_addfolder.moc"
