// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kalvorastampfixture.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace KalvoraStampTest;

/// What stays the user's when kalvora-stamp stamps a file in place: a read-only photo is left
/// alone, a replaced photo keeps its mode and user attributes, a listed link stays a link.
class TestKalvoraStampFiles : public KalvoraStampFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void inPlace_data();
    void inPlace();
    void noPrivateFolder();
};

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

mode_t modeOf(const QString &path)
{
    struct stat status
    { };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

QByteArray attribute(const QString &path, const char *name)
{
    char value[256];
    const ssize_t length
        = ::getxattr(QFile::encodeName(path).constData(), name, value, sizeof value);
    return length < 0 ? QByteArray() : QByteArray(value, int(length));
}

} // namespace

void TestKalvoraStampFiles::inPlace_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("comment");
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("stamped");

    QTest::newRow("read-only photo") << 0444 << QByteArray() << QString() << 1 << false;
    QTest::newRow("photo with a user attribute")
        << 0640 << QByteArray("holiday, keep") << QString() << 0 << true;
    QTest::newRow("link to a photo")
        << 0644 << QByteArray() << QStringLiteral("symbolic") << 0 << true;
    // A second hard link keeps the unstamped picture: only the listed name is replaced.
    QTest::newRow("photo with a second name")
        << 0644 << QByteArray() << QStringLiteral("hard") << 0 << true;
}

void TestKalvoraStampFiles::inPlace()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, comment);
    QFETCH(QString, link);
    const bool listLink = link == QLatin1String("symbolic");
    QFETCH(int, exitCode);
    QFETCH(bool, stamped);

    // The photo lives in a folder of its own; a link to it may be listed from another.
    QVERIFY(QDir(m_sources->path()).mkpath(QStringLiteral("photos")));
    const QString photo = source(QStringLiteral("photos/p.png"));
    QVERIFY(darkGray().save(photo));
    if (!comment.isEmpty()
        && ::setxattr(QFile::encodeName(photo).constData(), "user.comment", comment.constData(),
               size_t(comment.size()), 0)
            != 0)
        QSKIP("this file system keeps no user attributes");
    QVERIFY(::chmod(QFile::encodeName(photo).constData(), mode_t(mode)) == 0);
    const QString linkPath = source(QStringLiteral("link.png"));
    if (listLink)
        QVERIFY(QFile::link(photo, linkPath));
    const QString secondName = source(QStringLiteral("second.png"));
    if (link == QLatin1String("hard"))
        QVERIFY(
            ::link(QFile::encodeName(photo).constData(), QFile::encodeName(secondName).constData())
            == 0);
    const QByteArray before = contents(photo);

    const Outcome outcome = runStamp({QStringLiteral("--text"), QStringLiteral("Stamp"),
        QStringLiteral("--in-place"), listLink ? linkPath : photo});

    QCOMPARE(outcome.code, exitCode);
    if (exitCode != 0) {
        QVERIFY2(outcome.errors.contains(photo), qPrintable(outcome.errors));
        QVERIFY2(
            outcome.errors.contains(QStringLiteral("is read-only")), qPrintable(outcome.errors));
    }
    QCOMPARE(contents(photo) != before, stamped);
    QCOMPARE(modeOf(photo), mode_t(mode));
    QCOMPARE(attribute(photo, "user.comment"), comment);
    if (listLink) {
        QVERIFY(QFileInfo(linkPath).isSymLink());
        QCOMPARE(QFileInfo(linkPath).symLinkTarget(), photo);
    }
    if (link == QLatin1String("hard"))
        QCOMPARE(contents(secondName), before);
    // Nothing else is left beside the photo or the link.
    QCOMPARE(filesIn(source(QStringLiteral("photos"))), QStringList {QStringLiteral("p.png")});
}

// Without its private temporary folder a run refuses to start: it names the folder and the
// reason, writes nothing and never falls back on the working folder.
void TestKalvoraStampFiles::noPrivateFolder()
{
    const QString photo = source(QStringLiteral("p.png"));
    QVERIFY(darkGray().save(photo));
    const QByteArray before = contents(photo);
    const QString missing = source(QStringLiteral("no such folder"));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), missing);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_output->path());
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kalvora-stamp"),
        {QStringLiteral("--text"), QStringLiteral("Stamp"), QStringLiteral("--in-place"), photo});
    QVERIFY(process.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(errors.contains(missing), qPrintable(errors));
    QCOMPARE(contents(photo), before);
    QCOMPARE(
        QDir(m_output->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList());
}

QTEST_MAIN(TestKalvoraStampFiles)
#include "tst_kalvorastampfiles.moc"
