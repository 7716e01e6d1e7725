// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A failed save names the file and the system's reason after the first line users know, for
// the real failures of a real file system: a folder that has gone, a name too long, a file in
// place of a folder, a read-only file system and a full disk (small tmpfs mounts, where this
// machine lets the test mount them).
#include "base/datetexts.h"
#include "engine/codecs/worksurface.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/output/toolrunner.h"
#include "engine/run/stampjob.h"
#include "testfiles.h"
#include "testimages.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvora;

using namespace TestFiles;
using namespace TestImages;

namespace {

// Mounts a tmpfs of \a size kilobytes at \a folder with \a options; false where the machine
// does not let this process mount.
bool mountTmpfs(const QString &folder, int size, const QString &options = {})
{
    QString all = QStringLiteral("size=%1k").arg(size);
    if (!options.isEmpty())
        all += QLatin1Char(',') + options;
    return QProcess::execute(QStringLiteral("mount"),
               {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), all,
                   QStringLiteral("tmpfs"), folder})
        == 0;
}

// A photo of fine detail, so its JPEG is far larger than a few kilobytes.
QImage detailed()
{
    QImage picture(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x * y) % 256, (x ^ y) % 256));
    return picture;
}

} // namespace

class TestFailureTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void saveFailureNamesFileAndReason_data();
    void saveFailureNamesFileAndReason();
    void extensionComesFromTheFileName();
    void permissionsAreNamed();

private:
    StampJobResult stampInto(const QString &source, const QString &folder);

    ToolRunner m_converter;
    const DateTexts m_texts {QLocale(QStringLiteral("en_US"))};
    QTemporaryDir m_dir;
    QTemporaryDir m_work;
    QString m_source;
    QString m_mounted;
};

void TestFailureTexts::initTestCase()
{
    configureImageReading();
    m_source = m_dir.filePath(QStringLiteral("photo.jpg"));
    QVERIFY(writeTaggedJpeg(m_source, detailed()));
    QVERIFY(QFileInfo(m_source).size() > 64 * 1024);
    QFile file(m_dir.filePath(QStringLiteral("plain file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void TestFailureTexts::cleanup()
{
    if (!m_mounted.isEmpty())
        QProcess::execute(QStringLiteral("umount"), {m_mounted});
    m_mounted.clear();
}

StampJobResult TestFailureTexts::stampInto(const QString &source, const QString &folder)
{
    StampOptions options;
    options.source = StampSource::CustomText;
    options.customText = QStringLiteral("HELLO");
    options.saveOption = SaveOption::ChosenFolder;
    options.outputFolder = folder + QLatin1Char('/');
    ExifToolSession exifTool(m_converter.exifTool());
    return runStampJob(
        stampJobFor(source, options, m_work.path()), {m_converter, exifTool, m_texts});
}

void TestFailureTexts::saveFailureNamesFileAndReason_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("mount"); // tmpfs options, empty for none
    QTest::addColumn<QString>("reason");
    QTest::newRow("vanished folder") << "gone"
                                     << ""
                                     << "No such file or directory";
    QTest::newRow("name too long") << QString(300, QLatin1Char('n')) << ""
                                   << "File name too long";
    QTest::newRow("a file where the folder is") << "plain file"
                                                << ""
                                                << "Not a directory";
    QTest::newRow("read-only file system") << "mounted"
                                           << "ro"
                                           << "Read-only file system";
    QTest::newRow("full disk") << "mounted"
                               << "rw"
                               << "No space left on device";
}

void TestFailureTexts::saveFailureNamesFileAndReason()
{
    QFETCH(QString, folder);
    QFETCH(QString, mount);
    QFETCH(QString, reason);
    const QString target = m_dir.filePath(folder);
    if (!mount.isEmpty()) {
        QVERIFY(QDir().mkpath(target));
        if (!mountTmpfs(target, 16, mount))
            QSKIP("this machine does not let the test mount a tmpfs");
        m_mounted = target;
    }
    const QByteArray before = contents(m_source);

    const StampJobResult result = stampInto(m_source, target);

    QCOMPARE(result.outcome, StampFileOutcome::Failed);
    QCOMPARE(result.failures.size(), 1);
    const QStringList lines = result.failures.first().description.split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("Cannot save the image. GDI+ Error:7"));
    const QString expected
        = QStringLiteral("%1: %2").arg(QDir(target).filePath(QStringLiteral("photo.jpg")), reason);
    QCOMPARE(lines.value(1), expected);
    QCOMPARE(contents(m_source), before);
    if (!mount.isEmpty())
        QCOMPARE(QDir(target).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestFailureTexts::extensionComesFromTheFileName()
{
    // A folder "x.png" holding a photo named without an extension: its type is its own name's.
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("x.png")));
    const QString source = m_dir.filePath(QStringLiteral("x.png/photo"));
    QVERIFY(QFile::copy(m_source, source));
    QTemporaryDir output;

    const StampJobResult result = stampInto(source, output.path());

    QCOMPARE(result.outcome, StampFileOutcome::Failed);
    const QString text = result.failures.value(0).description;
    QVERIFY2(text.contains(QLatin1String("photo")) && !text.contains(QLatin1String("png/")),
        qPrintable(text));
    QCOMPARE(QDir(output.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestFailureTexts::permissionsAreNamed()
{
    const ObeyingPermissions obeying;
    if (!ObeyingPermissions::lockedFoldersAreLocked())
        QSKIP("this process reads every folder whatever its permissions");
    QTemporaryDir dir;
    // A source in a folder that may not be searched is unreadable, not missing.
    const QString locked = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(locked));
    QVERIFY(QFile::copy(m_source, locked + QStringLiteral("/photo.jpg")));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    const QString readOnly = dir.filePath(QStringLiteral("read-only"));
    QVERIFY(QDir().mkpath(readOnly));
    QVERIFY(QFile::setPermissions(readOnly,
        QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser
            | QFileDevice::ExeUser));

    const StampJobResult unreadable
        = stampInto(locked + QStringLiteral("/photo.jpg"), m_dir.filePath(QStringLiteral("out")));
    const StampJobResult unwritable = stampInto(m_source, readOnly);
    QFile::setPermissions(
        locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(unreadable.outcome, StampFileOutcome::Failed);
    QCOMPARE(unreadable.failures.value(0).description,
        QStringLiteral("Cannot load the picture %1/photo.jpg: Permission denied").arg(locked));
    QCOMPARE(unwritable.outcome, StampFileOutcome::Failed);
    QCOMPARE(unwritable.failures.value(0).description,
        QStringLiteral("Cannot save the image. GDI+ Error:7\n%1/photo.jpg: Permission denied")
            .arg(readOnly));
}

QTEST_MAIN(TestFailureTexts)
#include "tst_failuretexts.moc"
