// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stamprunfixture.h"
#include "taggedphotos.h"

#include "app/removestamp.h"
#include "options/stampoptionsmodel.h"

#include <QAction>

using namespace kalvora;

using namespace StampRunTest;

// The window's run keeps every tag of real photos, as ExifTool reads source and result, and
// lists the warnings about a source's own tags after "Done.", not as a report for each file.
class TestStampRunTags : public StampRunFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }
    void everyTagKept();
    void warningsAreListedAfterDone();
    void keptFoldersAndSkippedPhotos();
    void removeStampOfSelectedEntries();

private:
    void tag(const QString &name, const QStringList &arguments);
};

void TestStampRunTags::tag(const QString &name, const QStringList &arguments)
{
    QString error;
    QVERIFY2(!TaggedPhotos::exifTool(
                 QStringList {QStringLiteral("-m"), QStringLiteral("-overwrite_original")}
                     + arguments + QStringList {sourcePath(name)},
                 &error)
                  .isNull(),
        qPrintable(error));
}

void TestStampRunTags::everyTagKept()
{
    const QStringList names {"rich.jpg", "rich.png", "rich.tif", "rich.webp"};
    for (const QString &name : names) {
        makeSource(name, darkGray(64, 48));
        QString error;
        QVERIFY2(TaggedPhotos::writeRichTags(sourcePath(name), m_scratch->path(), &error),
            qPrintable(error));
    }
    fillList(names);
    useCustomText(QStringLiteral("Kept"));
    saveToChosenFolder();

    clickStartStamping();

    QCOMPARE(m_dialogs->messages(), QStringList {"Done."});
    for (const QString &name : names) {
        const QStringList lost = TaggedPhotos::lostTags(
            sourcePath(name), outputPath(name), TaggedPhotos::kChangedByEncoding);
        QVERIFY2(lost.isEmpty(), qPrintable(name + ": " + lost.join(QLatin1Char('\n'))));
    }
}

void TestStampRunTags::warningsAreListedAfterDone()
{
    const QStringList names {"a.tif", "plain.png", "b.tif"};
    for (const QString &name : names)
        makeSource(name, darkGray(64, 48));
    // A digest that does not match the IPTC block: the warning every photo whose IPTC was
    // edited after a Photoshop save gives.
    for (const QString &name : {QStringLiteral("a.tif"), QStringLiteral("b.tif")})
        tag(name,
            {QStringLiteral("-IPTC:Keywords=one"),
                QStringLiteral("-Photoshop:IPTCDigest=0123456789abcdef0123456789abcdef")});
    tag(QStringLiteral("plain.png"), {QStringLiteral("-XMP:Title=Plain")});
    fillList(names);
    useCustomText(QStringLiteral("Noted"));
    saveToChosenFolder();

    clickStartStamping();

    const QStringList messages = m_dialogs->messages();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.first(), QStringLiteral("Done."));
    QStringList lines = messages.last().split(QLatin1Char('\n'));
    QCOMPARE(lines.takeFirst(), QStringLiteral("Stamped, with notes on their tags:"));
    QCOMPARE(lines.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QString name = i == 0 ? QStringLiteral("a.tif") : QStringLiteral("b.tif");
        QVERIFY2(lines[i].startsWith(outputPath(name)), qPrintable(lines[i]));
        QVERIFY2(
            lines[i].contains(QLatin1String("IPTCDigest is not current")), qPrintable(lines[i]));
    }
    for (const QString &name : names) {
        const QStringList lost = TaggedPhotos::lostTags(
            sourcePath(name), outputPath(name), TaggedPhotos::kChangedByEncoding);
        QVERIFY2(lost.isEmpty(), qPrintable(name + ": " + lost.join(QLatin1Char('\n'))));
    }
}

// A folder added whole keeps its folders below the chosen one; the results, added whole in
// turn and stamped with stamped photos skipped, are listed after "Done." and left as they are.
void TestStampRunTags::keptFoldersAndSkippedPhotos()
{
    const QStringList names {"a.jpg", "2023/b.png", "2023/trip/c.jpg"};
    for (const QString &name : names) {
        QDir().mkpath(QFileInfo(sourcePath(name)).absolutePath());
        makeSource(name, darkGray(64, 48));
    }
    const auto addFolder = [&](const QString &folder) {
        m_dialogs->textAnswers.enqueue(QStringLiteral("*"));
        m_dialogs->folderAnswers.enqueue(folder);
        QTest::mouseClick(child<QPushButton>("PushButton3"), Qt::LeftButton);
    };
    addFolder(m_sources->path());
    useCustomText(QStringLiteral("Kept"));
    saveToChosenFolder();
    m_window->optionsModel().set(&StampOptions::keepFolders, true);

    clickStartStamping();

    QCOMPARE(m_dialogs->messages(), QStringList {"Done."});
    QCOMPARE(filesBelow(m_output->path()), QStringList({"2023/b.png", "2023/trip/c.jpg", "a.jpg"}));

    const QTemporaryDir again;
    m_window->imageList().clear();
    addFolder(m_output->path());
    child<QLineEdit>("Text6")->setText(again.path() + QLatin1Char('/'));
    m_window->optionsModel().set(&StampOptions::skipStamped, true);
    m_dialogs->shown.clear();

    clickStartStamping();

    const QStringList messages = m_dialogs->messages();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.first(), QStringLiteral("Done."));
    QStringList lines = messages.last().split(QLatin1Char('\n'));
    QCOMPARE(lines.takeFirst(), QStringLiteral("Skipped:"));
    lines.sort();
    QCOMPARE(lines.size(), 3);
    for (int i = 0; i < 3; ++i)
        QVERIFY2(lines[i].startsWith(QStringLiteral("%1 was stamped before (on ")
                                         .arg(m_output->filePath(QStringList(
                                             {"2023/b.png", "2023/trip/c.jpg", "a.jpg"})[i]))),
            qPrintable(lines[i]));
    QCOMPARE(filesBelow(again.path()), QStringList());
}

// "Remove Stamp" in the list's context menu puts back the selected entries' originals off the
// window's thread, naming the file at work, and lists what it did in one message.
void TestStampRunTags::removeStampOfSelectedEntries()
{
    const QStringList names {"a.png", "b.tif", "c.png", "d.png"};
    for (const QString &name : names) {
        makeSource(name, TestImages::gradient(300, 200));
        QVERIFY(QFile::copy(sourcePath(name), outputPath(name)));
    }
    fillList(names.mid(0, 3));
    useCustomText(QStringLiteral("Undone"));
    child<QRadioButton>("Option5")->setChecked(true);
    m_window->optionsModel().set(&StampOptions::keepQuality, true);
    clickStartStamping();
    QCOMPARE(m_dialogs->messages(), QStringList {"Done."});
    m_window->imageList().append(sourcePath(QStringLiteral("d.png")));

    // a and b stamped, d never: selected with the Ctrl key as a user would, c left out.
    auto *list = child<QTreeWidget>("ListView1");
    for (const int row : {0, 1, 3})
        list->topLevelItem(row)->setSelected(true);
    QAction *removeStamp = list->findChild<QAction *>(QStringLiteral("removeStampAction"));
    QVERIFY(removeStamp && list->actions().contains(removeStamp));
    QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(removeStamp->text(), QStringLiteral("Remove Stamp"));
    m_dialogs->shown.clear();
    m_events->states.clear();

    removeStamp->trigger();

    QCOMPARE(m_dialogs->messages(),
        QStringList {QStringLiteral("Restored:\n%1\n%2\n\nNot restored:\n%3: carries no restore "
                                    "data (it was not stamped with the photo's own quality)")
                         .arg(sourcePath("a.png"), sourcePath("b.tif"), sourcePath("d.png"))});
    for (const char *name : {"a.png", "b.tif", "d.png"})
        QCOMPARE(QImage(sourcePath(name)), QImage(outputPath(name)));
    QVERIFY(QImage(sourcePath("c.png")) != QImage(outputPath("c.png")));
    // The window ran its events while the files were at work, the bar naming each.
    QVERIFY(m_events->states.contains({0, QStringLiteral("Removing the stamp: a.png")}));
    QVERIFY(removeStamp->isEnabled());
    QVERIFY(!m_window->removeStamp().isRunning());
}

QTEST_MAIN(TestStampRunTags)
#include "tst_stampruntags.moc"
