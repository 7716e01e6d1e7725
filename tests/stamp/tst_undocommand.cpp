// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// kalvora-stamp --undo: files and walked folders, one line for each file, and the exit status.
#include "kalvorastampfixture.h"
#include "options/settingsstore.h"
#include "testimages.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace KalvoraStampTest;
using namespace TestImages;

class TestUndoCommand : public KalvoraStampFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void folderOfThree();
};

void TestUndoCommand::folderOfThree()
{
    // The photo's own quality, as the window saved it.
    const QString store = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
        + QStringLiteral("/Vendrel/Kalvora.ini");
    SettingsStore(store).WriteSetting(QStringLiteral("KeepQuality"), QStringLiteral("True"));
    const QString restorable = source("a.png");
    const QString plain = source("b.png");
    const QString edited = source("c.tif");
    QVERIFY(gradient(400, 300).save(restorable, "png"));
    QVERIFY(gradient(400, 300).save(edited, "tiff"));
    QVERIFY(QFile::copy(restorable, output("a.png")));
    const Outcome stamped
        = runStamp({"--from-settings", "--text", "UNDO ME", "--in-place", restorable, edited});
    QVERIFY2(stamped.code == 0, qPrintable(stamped.errors));
    QVERIFY(QImage(restorable) != QImage(output("a.png")));
    QCOMPARE(exifTool({"-overwrite_original", "-XMP-dc:Title=Edited", edited}), 0);
    QVERIFY(gradient(400, 300).save(plain, "png"));
    const QByteArray editedBytes = contents(edited);

    const Outcome undone = runStamp({"--undo", m_sources->path()});

    QCOMPARE(undone.code, 1);
    QCOMPARE(undone.output, restorable + QStringLiteral(": restored\n"));
    QStringList problems = undone.errors.split(u'\n', Qt::SkipEmptyParts);
    problems.sort();
    QCOMPARE(problems,
        QStringList(
            {plain + ": carries no restore data (it was not stamped with the photo's own quality)",
                edited + ": was changed after the stamp; left as it is"}));
    QCOMPARE(QImage(restorable), QImage(output("a.png")));
    QCOMPARE(contents(edited), editedBytes);
    QCOMPARE(filesIn(m_sources->path()), QStringList({"a.png", "b.png", "c.tif"}));

    // Every file named restored: exit status 0.
    QCOMPARE(runStamp({"--from-settings", "--text", "AGAIN", "--in-place", restorable}).code, 0);
    const Outcome again = runStamp({"--undo", restorable});
    QCOMPARE(again.code, 0);
    QCOMPARE(again.output, restorable + QStringLiteral(": restored\n"));
    QCOMPARE(QImage(restorable), QImage(output("a.png")));
    // An undo stamps nothing.
    QCOMPARE(runStamp({"--undo", "--text", "X", restorable}).code, 2);
    QFile::remove(store);
}

QTEST_MAIN(TestUndoCommand)
#include "tst_undocommand.moc"
