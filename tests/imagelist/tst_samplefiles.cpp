// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/runtimefailure.h"
#include "imagelist/imagelist.h"
#include "imagelist/samplefiles.h"
#include "options/settingsstore.h"
#include "recordingdialogs.h"
#include "testfiles.h"
#include "ui/errorreport.h"

#include <QDesktopServices>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

using namespace TestFiles;

namespace {

/// Takes the place of the file manager: records every folder the program asks to show.
class FileManager : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

QString codes(int from, int to)
{
    QString text;
    for (int code = from; code <= to; ++code)
        text += QChar(code);
    return text;
}

QString chars(std::initializer_list<int> list)
{
    QString text;
    for (const int code : list)
        text += QChar(code);
    return text;
}

} // namespace

class TestSampleFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void encoding_data();
    void encoding();
    void roundTripOfEveryCode();
    void codingRefuses_data();
    void codingRefuses();
    void snapshotRecordsEveryFile();
    void snapshotOfNoFiles_data();
    void snapshotOfNoFiles();
    void loading_data();
    void loading();
    void loadingFailureEndsTheCommand();
    void namesInAnyScript();

private:
    void makeSamples(const QStringList &names);
    void press(bool answerYes);
    QStringList listed() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_samples;
    std::unique_ptr<SettingsStore> m_settings;
    RecordingDialogs m_dialogs;
    QTreeWidget m_view;
    std::unique_ptr<ImageList> m_list;
    QStringList m_questions;
    FileManager m_fileManager;
};

void TestSampleFiles::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_fileManager, "open");
}

void TestSampleFiles::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestSampleFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_samples = m_dir->filePath(QStringLiteral("Samples"));
    m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("settings.ini")));
    m_dialogs.shown.clear();
    m_list = std::make_unique<ImageList>(&m_view);
    m_list->clear();
    m_questions.clear();
    m_fileManager.opened.clear();
}

void TestSampleFiles::makeSamples(const QStringList &names)
{
    QVERIFY(QDir().mkpath(m_samples));
    for (const QString &name : names)
        makeFile(m_samples + QLatin1Char('/') + name);
}

void TestSampleFiles::press(bool answerYes)
{
    SampleFilesContext context {*m_settings, m_dialogs, *m_list,
        [&](const QString &title, const QString &question) {
            m_questions << title + QLatin1Char('|') + question;
            return answerYes;
        },
        m_samples};
    LoadSampleFiles(context);
}

QStringList TestSampleFiles::listed() const
{
    QStringList paths;
    for (int i = 1; i <= m_list->count(); ++i)
        paths << m_list->pathAt(i);
    return paths;
}

void TestSampleFiles::encoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("encoded");

    // 'a' is 97, 'b' 98, 'z' 122.
    QTest::newRow("adds the key's codes") << "AB"
                                          << "ab" << chars({162, 164});
    QTest::newRow("key starts over after its last letter") << "AAA"
                                                           << "ab" << chars({162, 163, 162});
    QTest::newRow("255 is kept") << chars({158}) << "a" << chars({255});
    QTest::newRow("256 wraps to 1") << chars({159}) << "a" << chars({1});
    QTest::newRow("highest sum wraps by 255") << chars({255}) << "z" << chars({122});
    QTest::newRow("empty") << QString() << "kvmzrtqy" << QString();
}

void TestSampleFiles::encoding()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, encoded);
    QCOMPARE(EncodeSnapshot(text, key), encoded);
    QCOMPARE(DecodeSnapshot(encoded, key), text);
}

void TestSampleFiles::roundTripOfEveryCode()
{
    const QString key = QLatin1String(kSnapshotCodingKey);
    QCOMPARE(key.size(), 8);
    for (const QChar c : key)
        QVERIFY(c >= QLatin1Char('a') && c <= QLatin1Char('z'));

    // 255 codes against 8 key letters: every code meets every letter of the key, so sums from
    // 98 up to 377 all occur.
    QString text;
    for (int round = 0; round < 8; ++round)
        text += codes(1, 255);
    const QString encoded = EncodeSnapshot(text);
    for (const QChar c : encoded)
        QVERIFY(c.unicode() >= 1 && c.unicode() <= 255);
    QCOMPARE(DecodeSnapshot(encoded), text);

    // Through the settings file and back, as the start-up and the button meet it.
    m_settings->WriteSetting(QStringLiteral("Snapshot"), encoded);
    const SettingsStore reread(m_settings->fileName());
    QCOMPARE(DecodeSnapshot(reread.ReadSetting(QStringLiteral("Snapshot"), QString())), text);
}

void TestSampleFiles::codingRefuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");

    QTest::newRow("32767 characters") << QString(32767, QLatin1Char('/')) << false;
    QTest::newRow("32768 characters") << QString(32768, QLatin1Char('/')) << true;
    QTest::newRow("code 0") << QString(QChar(0)) << true;
    QTest::newRow("code 256") << QString(QChar(256)) << true;
}

void TestSampleFiles::codingRefuses()
{
    QFETCH(QString, text);
    QFETCH(bool, refused);
    for (const auto code : {&EncodeSnapshot, &DecodeSnapshot}) {
        bool threw = false;
        try {
            code(text, QLatin1String(kSnapshotCodingKey));
        } catch (const RuntimeFailure &) {
            threw = true;
        }
        QCOMPARE(threw, refused);
    }
}

void TestSampleFiles::snapshotRecordsEveryFile()
{
    makeSamples(
        {QStringLiteral("Lake.jpg"), QStringLiteral("Dusk.png"), QStringLiteral(".thumbnails.db")});
    QVERIFY(QDir(m_samples).mkdir(QStringLiteral("folder")));
    TakeSampleSnapshot(*m_settings, m_samples);

    const QString stored = m_settings->ReadSetting(QStringLiteral("Snapshot"), QString());
    const QStringList paths = DecodeSnapshot(stored).split(QLatin1Char('|'));
    QCOMPARE(sorted(paths),
        sorted({m_samples + "/Lake.jpg", m_samples + "/Dusk.png", m_samples + "/.thumbnails.db"}));
}

void TestSampleFiles::snapshotOfNoFiles_data()
{
    QTest::addColumn<bool>("folderExists");
    QTest::newRow("missing folder") << false;
    QTest::newRow("empty folder") << true;
}

void TestSampleFiles::snapshotOfNoFiles()
{
    QFETCH(bool, folderExists);
    if (folderExists)
        makeSamples({});
    TakeSampleSnapshot(*m_settings, m_samples);
    QCOMPARE(
        m_settings->ReadSetting(QStringLiteral("Snapshot"), QStringLiteral("unset")), QString());

    press(false);
    QCOMPARE(m_list->count(), 0);
    QCOMPARE(m_questions.size(), 1);
}

void TestSampleFiles::loading_data()
{
    QTest::addColumn<QStringList>("samples");
    QTest::addColumn<QString>("deletedLater");
    QTest::addColumn<QStringList>("listedBefore");
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<QStringList>("expected"); // names in the samples folder, or full paths

    const QStringList three {"Lake.jpg", "Dusk.png", "Hills.jpg"};
    QTest::newRow("first start, three samples")
        << three << "" << QStringList() << 1 << false << three;
    QTest::newRow("pressed twice") << three << "" << QStringList() << 2 << false << three;
    QTest::newRow("a sample deleted since") << three << "Dusk.png" << QStringList() << 1 << false
                                            << QStringList {"Lake.jpg", "Hills.jpg"};
    QTest::newRow("a hidden sample")
        << QStringList {"Lake.jpg", ".hidden.jpg"} << "" << QStringList() << 1 << false
        << QStringList {"Lake.jpg", ".hidden.jpg"};
    QTest::newRow("already listed by hand") << three << "" << QStringList {"Dusk.png"} << 1 << false
                                            << QStringList {"Dusk.png", "Lake.jpg", "Hills.jpg"};
    QTest::newRow("yes shows the folder") << three << "" << QStringList() << 1 << true << three;
    QTest::newRow("no snapshot taken")
        << QStringList() << "" << QStringList() << 1 << true << QStringList();
}

void TestSampleFiles::loading()
{
    QFETCH(QStringList, samples);
    QFETCH(QString, deletedLater);
    QFETCH(QStringList, listedBefore);
    QFETCH(int, presses);
    QFETCH(bool, answerYes);
    QFETCH(QStringList, expected);

    if (!samples.isEmpty()) {
        makeSamples(samples);
        TakeSampleSnapshot(*m_settings, m_samples);
    }
    // Files added to the folder after the snapshot are never offered.
    makeSamples({QStringLiteral("later.jpg")});
    if (!deletedLater.isEmpty())
        QVERIFY(QFile::remove(m_samples + QLatin1Char('/') + deletedLater));
    for (const QString &name : listedBefore)
        m_list->append(m_samples + QLatin1Char('/') + name);

    for (int i = 0; i < presses; ++i)
        press(answerYes);

    QStringList expectedPaths;
    for (const QString &name : expected)
        expectedPaths << m_samples + QLatin1Char('/') + name;
    // The snapshot keeps the folder's own order; what was listed by hand stays in front.
    QCOMPARE(listed().mid(0, listedBefore.size()), expectedPaths.mid(0, listedBefore.size()));
    QCOMPARE(sorted(listed()), sorted(expectedPaths));

    const QString question = QStringLiteral("Kalvora|Would you like this software to open the "
                                            "folder where these sample files are stored (so that "
                                            "you can view them before working with them)?");
    QCOMPARE(m_questions, QStringList(presses, question));
    if (answerYes)
        QCOMPARE(m_fileManager.opened,
            QList<QUrl>(presses, QUrl::fromLocalFile(m_samples + QLatin1Char('/'))));
    else
        QVERIFY(m_fileManager.opened.isEmpty());
    QVERIFY(m_dialogs.shown.isEmpty());
}

void TestSampleFiles::loadingFailureEndsTheCommand()
{
    // A snapshot longer than the coding takes cannot be read back.
    m_settings->WriteSetting(QStringLiteral("Snapshot"), QString(40000, QLatin1Char('x')));
    press(true);
    QCOMPARE(m_list->count(), 0);
    QVERIFY(m_questions.isEmpty());
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown.first().title, QLatin1String(kErrorReportTitle));
    QVERIFY2(m_dialogs.shown.first().text.contains(QLatin1String(Location::kLoadSamples)),
        qPrintable(m_dialogs.shown.first().text));
}

void TestSampleFiles::namesInAnyScript()
{
    m_samples = m_dir->filePath(QStringLiteral("Kalvora 写真 Zürich/Samples"));
    makeSamples({QStringLiteral("Ōsaka.jpg"), QStringLiteral("Café.png")});
    TakeSampleSnapshot(*m_settings, m_samples);
    press(false);
    QCOMPARE(sorted(listed()), sorted({m_samples + "/Ōsaka.jpg", m_samples + "/Café.png"}));
}

QTEST_MAIN(TestSampleFiles)
#include "tst_samplefiles.moc"
