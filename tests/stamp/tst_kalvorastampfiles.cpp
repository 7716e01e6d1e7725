// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kalvorastampfixture.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <QStandardPaths>

#include <cerrno>
#include <cstring>
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
    void lockedFolders_data();
    void lockedFolders();
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

// The user the locked-folder cases run kalvora-stamp as: the superuser writes into any folder.
constexpr uid_t kNobody = 65534;

// Runs kalvora-stamp as kNobody with a home, runtime and temporary folder of its own in \a own.
Outcome runStampAsNobody(const QString &own, const QStringList &arguments)
{
    for (const QString &name : {QStringLiteral("home"), QStringLiteral("runtime")}) {
        QDir().mkpath(own + QLatin1Char('/') + name);
        ::chown(QFile::encodeName(own + QLatin1Char('/') + name).constData(), kNobody, kNobody);
    }
    ::chmod(QFile::encodeName(own + QStringLiteral("/runtime")).constData(), 0700);
    const QStringList environment {QStringLiteral("HOME=%1/home").arg(own),
        QStringLiteral("TMPDIR=%1/home").arg(own),
        QStringLiteral("XDG_RUNTIME_DIR=%1/runtime").arg(own)};
    return runProgram(QStringLiteral("setpriv"),
        QStringList {QStringLiteral("--reuid=%1").arg(kNobody),
            QStringLiteral("--regid=%1").arg(kNobody), QStringLiteral("--clear-groups"),
            QStringLiteral("env")}
            << environment
            << QCoreApplication::applicationDirPath() + QStringLiteral("/kalvora-stamp")
            << arguments);
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

// A folder the program may not write fails each of its files with one line that names the
// file and the system's reason; the source stays as it was and the run goes on.
void TestKalvoraStampFiles::lockedFolders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inPlace"); // else into the locked output folder

    QTest::newRow("output folder read-only, JPEG") << "p.jpg" << false;
    QTest::newRow("output folder read-only, PNG") << "p.png" << false;
    QTest::newRow("source folder read-only, JPEG in place") << "p.jpg" << true;
    QTest::newRow("source folder read-only, PNG in place") << "p.png" << true;
}

void TestKalvoraStampFiles::lockedFolders()
{
    QFETCH(QString, name);
    QFETCH(bool, inPlace);
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("setpriv is missing: the superuser writes into read-only folders");
    // In the system's temporary folder, which the other user can reach.
    QTemporaryDir top(QStringLiteral("/tmp/kalvora-locked-XXXXXX"));
    QVERIFY(top.isValid());
    QVERIFY(::chmod(QFile::encodeName(top.path()).constData(), 0755) == 0);
    const QString pics = top.filePath(QStringLiteral("pics"));
    const QString more = top.filePath(QStringLiteral("more"));
    const QString out = top.filePath(QStringLiteral("out"));
    for (const QString &folder : {pics, more, out}) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(::chown(QFile::encodeName(folder).constData(), kNobody, kNobody) == 0);
    }
    // Two sources in the folder locked in place, then one in a folder the program may write.
    const QStringList sources {pics + QStringLiteral("/a-") + name,
        pics + QStringLiteral("/b-") + name, more + QLatin1Char('/') + name};
    for (const QString &path : sources) {
        QVERIFY(darkGray().save(path));
        QVERIFY(::chown(QFile::encodeName(path).constData(), kNobody, kNobody) == 0);
    }
    const QString locked = inPlace ? pics : out;
    QVERIFY(::chmod(QFile::encodeName(locked).constData(), 0555) == 0);
    const QByteArray before = contents(sources[0]);
    const QByteArray nextBefore = contents(sources[2]);

    const Outcome outcome = runStampAsNobody(top.path(),
        QStringList {QStringLiteral("--text"), QStringLiteral("Stamp")} << (inPlace
                ? QStringList {QStringLiteral("--in-place")}
                : QStringList {QStringLiteral("--output"), out}) << sources);

    QCOMPARE(outcome.code, 1);
    const QString reason = QString::fromLocal8Bit(std::strerror(EACCES));
    const QStringList lines = outcome.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 0; i < 2; ++i) {
        const QString destination = locked + QLatin1Char('/') + QFileInfo(sources[i]).fileName();
        const QStringList about = lines.filter(sources[i] + QLatin1Char(':'));
        QCOMPARE(about.size(), 1);
        QVERIFY2(about.first().contains(destination) && about.first().contains(reason),
            qPrintable(outcome.errors));
    }
    QCOMPARE(contents(sources[0]), before);
    QCOMPARE(filesIn(locked).size(), inPlace ? 2 : 0);
    // The run went on: a source in a folder it may write is stamped in place, and one whose
    // result belongs in the locked output folder fails with a line of its own.
    if (inPlace)
        QVERIFY(contents(sources[2]) != nextBefore && !outcome.errors.contains(sources[2]));
    else
        QCOMPARE(lines.filter(sources[2] + QLatin1Char(':')).size(), 1);
}

QTEST_MAIN(TestKalvoraStampFiles)
#include "tst_kalvorastampfiles.moc"
