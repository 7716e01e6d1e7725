// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stamprun.h"
#include "stamprunpoolfixture.h"
#include "testimages.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

using namespace kalvora;
using namespace StampRunPoolTest;

using namespace TestImages;

// Where a run with several workers writes its results, and what it leaves beside them.
class TestStampRunPoolFiles : public StampRunPoolFixture
{
    Q_OBJECT

private slots:
    void init();
    void sameFileListedTwiceIsStampedTwiceInTurn();
    void sameNamesFromSeveralFoldersAllKept();
    void vanishedPngIsSkippedSilently();
    void deadRunsLeftoversAreCleared();
    void outputFolderRemovedBeforeSecondFile();
};

void TestStampRunPoolFiles::init()
{
    setUp();
}

void TestStampRunPoolFiles::sameFileListedTwiceIsStampedTwiceInTurn()
{
    const QString source = m_sources->filePath(QStringLiteral("twice.jpg"));
    QVERIFY(writeTaggedJpeg(source, darkGray()));
    m_window.paths = {source, source, source};
    m_window.options.saveOption = SaveOption::OriginalFolder;

    runWith(3, 3);

    QCOMPARE(m_dialogs.record.messages(), QStringList {"Done."});
    QCOMPARE(
        QDir(m_sources->path()).entryList(QDir::Files | QDir::Hidden), QStringList {"twice.jpg"});
    QCOMPARE(formatOf(source), QByteArray("jpeg"));
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), source), QStringLiteral("Peak"));
}

void TestStampRunPoolFiles::sameNamesFromSeveralFoldersAllKept()
{
    // Three folders each hold a "y.jpg" of their own colour; the chosen folder holds a "y.jpg"
    // from an earlier run, to be replaced, and a photo of the user's named "y (2).jpg".
    const QList<QRgb> colours {qRgb(200, 30, 30), qRgb(30, 200, 30), qRgb(30, 30, 200)};
    for (int i = 0; i < colours.size(); ++i) {
        QDir(m_sources->path()).mkdir(QString::number(i));
        const QString path = m_sources->filePath(QStringLiteral("%1/y.jpg").arg(i));
        QImage picture(320, 240, QImage::Format_RGB32);
        picture.fill(colours[i]);
        QVERIFY(picture.save(path, "jpeg"));
        m_window.paths << path;
    }
    QVERIFY(darkGray().save(m_output->filePath(QStringLiteral("y.jpg")), "jpeg"));
    const QString users = m_output->filePath(QStringLiteral("y (2).jpg"));
    QVERIFY(darkGray(40, 30).save(users, "jpeg"));
    const QByteArray usersBytes = contents(users);

    runWith(3, 3);

    QCOMPARE(m_dialogs.record.messages(), QStringList {"Done."});
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"y (2).jpg", "y (3).jpg", "y (4).jpg", "y.jpg"}));
    QCOMPARE(contents(users), usersBytes);
    // In list order: the first listed takes the name, the later ones the free numbers.
    const QStringList names {"y.jpg", "y (3).jpg", "y (4).jpg"};
    for (int i = 0; i < names.size(); ++i) {
        const QRgb corner = QImage(m_output->filePath(names[i])).pixel(300, 200);
        QVERIFY2(qAbs(qRed(corner) - qRed(colours[i])) < 12
                && qAbs(qGreen(corner) - qGreen(colours[i])) < 12
                && qAbs(qBlue(corner) - qBlue(colours[i])) < 12,
            qPrintable(names[i]));
    }
}

void TestStampRunPoolFiles::vanishedPngIsSkippedSilently()
{
    makeBitmaps({"a.bmp"});
    const QString gone = m_sources->filePath(QStringLiteral("gone.png"));
    QVERIFY(darkGray().save(gone, "png"));
    m_window.paths << gone;
    makeBitmaps({"c.bmp"});
    QVERIFY(QFile::remove(gone));

    runWith(2, 2);

    QCOMPARE(m_dialogs.record.messages(), QStringList {"Done."});
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"a.bmp", "c.bmp"}));
}

void TestStampRunPoolFiles::deadRunsLeftoversAreCleared()
{
    // A killed run left its private result and ExifTool's copy of it beside the photos; the
    // user keeps photos whose names look like a result's.
    QProcess child;
    child.start(QStringLiteral("true"));
    QVERIFY(child.waitForStarted());
    const qint64 gonePid = child.processId();
    QVERIFY(child.waitForFinished());
    const QString dead = QStringLiteral(".kalvora-%1-99-Ab12Cd34Ef.jpg").arg(gonePid);
    const QStringList leftovers {dead, dead + QStringLiteral("_exiftool_tmp")};
    const QStringList users {"x_Stamped.jpg", "z.jpg_original"};
    makeBitmaps({"x.jpg"});
    for (const QString &name : leftovers + users) {
        QFile file(m_sources->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("bytes");
    }
    m_window.options.saveOption = SaveOption::OriginalFolder;

    runWith(2, 2);

    QCOMPARE(m_dialogs.record.messages(), QStringList {"Done."});
    QCOMPARE(QDir(m_sources->path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"x.jpg", "x_Stamped.jpg", "z.jpg_original"}));
}

void TestStampRunPoolFiles::outputFolderRemovedBeforeSecondFile()
{
    // The chosen folder is removed once the first result is in it; the user then picks another
    // folder for the files that follow.
    makeBitmaps({"a.jpg", "b.jpg", "c.jpg"});
    const QString out = m_output->path();
    const QTemporaryDir other;
    bool removed = false;
    m_window.onOptionsRead = [&](int) {
        if (removed)
            m_window.options.outputFolder = other.path();
        else if (QFile::exists(out + QStringLiteral("/a.jpg")))
            removed = QDir(out).removeRecursively();
    };

    runWith(1, 0);

    // The report carries the text kalvora-stamp prints for the file, and the run goes on.
    const QStringList messages = m_dialogs.record.messages();
    QCOMPARE(messages.size(), 2);
    const QString description = QStringLiteral("Cannot save the image. GDI+ Error:7\n%1/b.jpg: %2")
                                    .arg(out, QString::fromLocal8Bit(std::strerror(ENOENT)));
    QVERIFY2(messages.first().startsWith(description + QStringLiteral("\r\n")),
        qPrintable(messages.first()));
    QCOMPARE(messages.last(), QStringLiteral("Done."));
    QVERIFY(!QFileInfo::exists(out));
    QCOMPARE(QDir(other.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"c.jpg"});
}

QTEST_MAIN(TestStampRunPoolFiles)
#include "tst_stamprunpoolfiles.moc"
