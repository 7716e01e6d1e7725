// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/runtimefailure.h"
#include "options/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void userStoreLivesInTheConfigFolder();
    void everyKeyReadsBackThroughANewStore_data();
    void everyKeyReadsBackThroughANewStore();
    void absentKeyGivesTheDefault();
    void emptyTextIsNotAbsent();
    void keysMatchWithoutRegardToCase();
    void writeKeepsTheFirstSpelling();
    void twoCopiesSeeEachOthersWrites();
    void readTakesInWhatAnotherProcessWrote();
    void writeReachesTheDiskAtOnce();
    void tableKeysReadBackUnderTheirReadSpelling();
    void tableDefaults();
    void failuresNameTheFile();
    void settingTexts();
    void conversions_data();
    void conversions();

private:
    QString storeFile() const { return m_dir->filePath(QStringLiteral("store.ini")); }
    QString fileText() const
    {
        QFile file(storeFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettingsStore::userStoreLivesInTheConfigFolder()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !config.contains(QLatin1String("kalvora-test")))
        QSKIP("runs only inside the test environment, which keeps the user's settings apart");
    {
        SettingsStore store;
        QCOMPARE(store.fileName(), config + QStringLiteral("/Vendrel/Kalvora.ini"));
        store.WriteSetting(QStringLiteral("LastFolder"), QStringLiteral("/home/ana/Pictures"));
    }
    SettingsStore again;
    QCOMPARE(again.ReadSetting(QStringLiteral("lastfolder"), QString()),
        QStringLiteral("/home/ana/Pictures"));
    QFile file(config + QStringLiteral("/Vendrel/Kalvora.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("[Kalvora]"));
}

void TestSettingsStore::everyKeyReadsBackThroughANewStore_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("text");

    const auto same = [](const char *key, const QString &text) {
        QTest::newRow(key) << QString::fromLatin1(key) << QString::fromLatin1(key) << text;
    };
    same("Option1", QStringLiteral("True"));
    same("Option2", QStringLiteral("False"));
    same("Option3", QStringLiteral("False"));
    same("Combo4", QStringLiteral("3"));
    same("Option", QStringLiteral("Datestamp And Timestamp"));
    same("Position", QStringLiteral("Lower-Right"));
    same("Text1", QStringLiteral("8/31/2021"));
    same("Text2", QStringLiteral("1:23:45 PM"));
    same("Text5", QStringLiteral("Holiday, 2021\r\nLine two; \"quoted\" = 50%\\n"));
    same("Text4", QStringLiteral("@AAaaBBbbCCcc"));
    same("Slider1", QStringLiteral("100"));
    same("Option4", QStringLiteral("True"));
    same("Option5", QStringLiteral("False"));
    same("Output Folder", QStringLiteral("/home/ana/Stamped Photos/"));
    same("LastFolderDot", QStringLiteral("/home/ana/Stamped Photos"));
    same("FontName", QStringLiteral("Liberation Serif"));
    same("FontSize", QStringLiteral("10.5"));
    same("FontBold", QStringLiteral("True"));
    same("FontItalic", QStringLiteral("False"));
    QTest::newRow("FontStrikethru") << QStringLiteral("FontStrikethru")
                                    << QStringLiteral("FontStrikeThru") << QStringLiteral("True");
    QTest::newRow("FontUnderline") << QStringLiteral("FontUnderline")
                                   << QStringLiteral("FontUnderLine") << QStringLiteral("True");
    same("Font Color", QStringLiteral("16777215"));
    same("Extension", QStringLiteral("jpg"));
    same("LastFolder", QStringLiteral("/media/card/DCIM/Tōkyō [2023]"));
    same("Snapshot", QStringLiteral("a.jpg|b, c.png|x=1"));
}

void TestSettingsStore::everyKeyReadsBackThroughANewStore()
{
    QFETCH(QString, written);
    QFETCH(QString, read);
    QFETCH(QString, text);

    SettingsStore(storeFile()).WriteSetting(written, text);
    const SettingsStore fresh(storeFile());
    QCOMPARE(fresh.ReadSetting(read, QStringLiteral("absent")), text);
}

void TestSettingsStore::absentKeyGivesTheDefault()
{
    const SettingsStore store(storeFile());
    QCOMPARE(store.ReadSetting(QStringLiteral("Slider1"), settingText(85)), QStringLiteral("85"));
    QCOMPARE(store.ReadSetting(QStringLiteral("Combo4"), settingText(0)), QStringLiteral("0"));
    QCOMPARE(
        store.ReadSetting(QStringLiteral("Option1"), settingText(false)), QStringLiteral("False"));
    QCOMPARE(store.ReadSetting(QStringLiteral("LastFolder"), QString()), QString());
}

void TestSettingsStore::emptyTextIsNotAbsent()
{
    SettingsStore(storeFile()).WriteSetting(QStringLiteral("Text5"), QString());
    const SettingsStore fresh(storeFile());
    const QString value = fresh.ReadSetting(QStringLiteral("Text5"), QStringLiteral("default"));
    QVERIFY(value.isEmpty());
}

void TestSettingsStore::keysMatchWithoutRegardToCase()
{
    SettingsStore store(storeFile());
    store.WriteSetting(QStringLiteral("Output Folder"), QStringLiteral("/srv/out"));
    QCOMPARE(
        store.ReadSetting(QStringLiteral("OUTPUT FOLDER"), QString()), QStringLiteral("/srv/out"));
    QCOMPARE(
        store.ReadSetting(QStringLiteral("output folder"), QString()), QStringLiteral("/srv/out"));
    QCOMPARE(store.ReadSetting(QStringLiteral("OutputFolder"), QStringLiteral("none")),
        QStringLiteral("none"));
}

void TestSettingsStore::writeKeepsTheFirstSpelling()
{
    SettingsStore store(storeFile());
    store.WriteSetting(QStringLiteral("FontStrikethru"), QStringLiteral("True"));
    store.WriteSetting(QStringLiteral("FontStrikeThru"), QStringLiteral("False"));
    store.WriteSetting(QStringLiteral("FONTSTRIKETHRU"), QStringLiteral("True"));
    QCOMPARE(
        store.ReadSetting(QStringLiteral("fontstrikethru"), QString()), QStringLiteral("True"));
    const QString text = fileText();
    QCOMPARE(text.count(QStringLiteral("FontStrikethru="), Qt::CaseInsensitive), 1);
    QVERIFY(text.contains(QStringLiteral("FontStrikethru=True")));
}

void TestSettingsStore::twoCopiesSeeEachOthersWrites()
{
    SettingsStore first(storeFile());
    SettingsStore second(storeFile());
    first.WriteSetting(QStringLiteral("Slider1"), QStringLiteral("40"));
    QCOMPARE(second.ReadSetting(QStringLiteral("slider1"), QString()), QStringLiteral("40"));
    second.WriteSetting(QStringLiteral("SLIDER1"), QStringLiteral("90"));
    QCOMPARE(first.ReadSetting(QStringLiteral("Slider1"), QString()), QStringLiteral("90"));
    first.WriteSetting(QStringLiteral("Extension"), QStringLiteral("png"));
    QCOMPARE(second.ReadSetting(QStringLiteral("Slider1"), QString()), QStringLiteral("90"));
    QCOMPARE(second.ReadSetting(QStringLiteral("Extension"), QString()), QStringLiteral("png"));
}

void TestSettingsStore::readTakesInWhatAnotherProcessWrote()
{
    SettingsStore store(storeFile());
    store.WriteSetting(QStringLiteral("Extension"), QStringLiteral("jpg"));
    QCOMPARE(store.ReadSetting(QStringLiteral("Extension"), QString()), QStringLiteral("jpg"));

    // Another copy of the program rewrites the file behind this store's back.
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Kalvora]\nExtension=tiff\nSlider1=70\n");
    file.close();
    QDateTime later = QDateTime::currentDateTime().addSecs(5);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(later, QFileDevice::FileModificationTime));
    file.close();

    QCOMPARE(store.ReadSetting(QStringLiteral("Extension"), QString()), QStringLiteral("tiff"));
    QCOMPARE(store.ReadSetting(QStringLiteral("slider1"), QString()), QStringLiteral("70"));
}

void TestSettingsStore::writeReachesTheDiskAtOnce()
{
    SettingsStore store(storeFile());
    store.WriteSetting(QStringLiteral("Font Color"), QStringLiteral("255"));
    QVERIFY(fileText().contains(QStringLiteral("Color=255")));
}

// Every key of the table, written under the spelling its writer uses, is found under the
// spelling its reader uses.
void TestSettingsStore::tableKeysReadBackUnderTheirReadSpelling()
{
    SettingsStore writer(storeFile());
    for (const SettingKey &key : allSettingKeys())
        writer.write(key, QStringLiteral("value of ") + key.writtenKey());
    const SettingsStore reader(storeFile());
    for (const SettingKey &key : allSettingKeys()) {
        QVERIFY(reader.contains(key));
        QCOMPARE(reader.read(key), QStringLiteral("value of ") + key.writtenKey());
    }
    // Each key is one line, so the two spellings of a key never hold two values.
    QCOMPARE(fileText().count(QLatin1Char('=')), qsizetype(allSettingKeys().size()));
}

void TestSettingsStore::tableDefaults()
{
    const SettingsStore store(storeFile());
    QStringList defaults;
    for (const SettingKey &key : allSettingKeys()) {
        QVERIFY(!store.contains(key));
        if (key.defaultKind == SettingDefault::Fixed)
            defaults << key.writtenKey() + QLatin1Char('=') + store.read(key);
    }
    QCOMPARE(defaults,
        QStringList({"Option1=0", "Option2=0", "Option3=1", "Combo4=0",
            "Option=Timestamp and Datestamp", "Position=Upper-Left", "Text5=", "Text4=AAaaBBbbCCcc",
            "Slider1=85", "Option4=1", "Option5=0", "FontName=Arial", "FontSize=14",
            "FontBold=True", "FontItalic=False", "FontStrikethru=False", "FontUnderline=False",
            "Font Color=16777215", "Extension=*", "LastFolder=", "Snapshot=", "SizeMode=points",
            "SizePercent=4", "TextStyle=plain", "StyleColor=-1", "OutlineWidth=8", "BoxOpacity=60",
            "MarginMode=layout", "MarginPercent=2", "DatePattern=", "NoDateTaken=sentence",
            "TimeShift=+00:00", "SkipStamped=False", "KeepFolders=False", "KeepQuality=False"}));
    QCOMPARE(Keys::kFontSize.otherDefaultValue(), QStringLiteral("9"));
    QCOMPARE(Keys::kFontBold.otherDefaultValue(), QStringLiteral("False"));
    QCOMPARE(Keys::kSnapshot.otherDefaultValue(), QStringLiteral("False"));
}

// A settings file that cannot be read or written is reported with its name and the reason,
// never passed over in silence.
void TestSettingsStore::failuresNameTheFile()
{
    // A folder where the file should be cannot be read as settings.
    const QString folder = m_dir->filePath(QStringLiteral("folder.ini"));
    QVERIFY(QDir().mkpath(folder));
    try {
        SettingsStore(folder).ReadSetting(QStringLiteral("Slider1"), QString());
        QFAIL("a folder was read as a settings file");
    } catch (const RuntimeFailure &failure) {
        QVERIFY2(failure.description().contains(folder), qPrintable(failure.description()));
    }

    // A file where the settings folder should be keeps the settings from being saved (this
    // holds even for the superuser, whom file permissions would not stop).
    QFile blocker(m_dir->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = blocker.fileName() + QStringLiteral("/Kalvora.ini");
    try {
        SettingsStore(unwritable).WriteSetting(QStringLiteral("Slider1"), QStringLiteral("1"));
        QFAIL("a value was reported saved where no file can be");
    } catch (const RuntimeFailure &failure) {
        QVERIFY2(failure.description().contains(unwritable), qPrintable(failure.description()));
    }
}

void TestSettingsStore::settingTexts()
{
    QCOMPARE(settingText(true), QStringLiteral("True"));
    QCOMPARE(settingText(false), QStringLiteral("False"));
    QCOMPARE(settingText(85), QStringLiteral("85"));
    QCOMPARE(settingText(-32768), QStringLiteral("-32768"));
    QCOMPARE(settingText(16777215), QStringLiteral("16777215"));
}

using Conversion = std::function<qint64(const QString &)>;

void TestSettingsStore::conversions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<bool>("fails");

    enum { ByConversion, ByComparison, Small, Long };
    QTest::newRow("conversion True") << int(ByConversion) << "True" << 1LL << false;
    QTest::newRow("conversion fALSE") << int(ByConversion) << "fALSE" << 0LL << false;
    QTest::newRow("conversion true") << int(ByConversion) << "true" << 1LL << false;
    QTest::newRow("conversion 0") << int(ByConversion) << "0" << 0LL << false;
    QTest::newRow("conversion -1") << int(ByConversion) << "-1" << 1LL << false;
    QTest::newRow("conversion 0.5") << int(ByConversion) << "0.5" << 1LL << false;
    QTest::newRow("conversion empty") << int(ByConversion) << "" << 0LL << true;
    QTest::newRow("conversion abc") << int(ByConversion) << "abc" << 0LL << true;
    QTest::newRow("conversion Yes") << int(ByConversion) << "Yes" << 0LL << true;
    QTest::newRow("comparison True") << int(ByComparison) << "True" << 1LL << false;
    QTest::newRow("comparison true") << int(ByComparison) << "true" << 0LL << false;
    QTest::newRow("comparison TRUE") << int(ByComparison) << "TRUE" << 0LL << false;
    QTest::newRow("comparison 1") << int(ByComparison) << "1" << 0LL << false;
    QTest::newRow("comparison empty") << int(ByComparison) << "" << 0LL << false;
    QTest::newRow("small 85") << int(Small) << "85" << 85LL << false;
    QTest::newRow("small 10.5") << int(Small) << "10.5" << 10LL << false;
    QTest::newRow("small 11.5") << int(Small) << "11.5" << 12LL << false;
    QTest::newRow("small 10.51") << int(Small) << "10.51" << 11LL << false;
    QTest::newRow("small -2.5") << int(Small) << "-2.5" << -2LL << false;
    QTest::newRow("small -3.5") << int(Small) << "-3.5" << -4LL << false;
    QTest::newRow("small spaces") << int(Small) << " 14 " << 14LL << false;
    QTest::newRow("small 32767") << int(Small) << "32767" << 32767LL << false;
    QTest::newRow("small 32767.5") << int(Small) << "32767.5" << 0LL << true;
    QTest::newRow("small -32768") << int(Small) << "-32768" << -32768LL << false;
    QTest::newRow("small 40000") << int(Small) << "40000" << 0LL << true;
    QTest::newRow("small comma") << int(Small) << "10,5" << 0LL << true;
    QTest::newRow("small abc") << int(Small) << "abc" << 0LL << true;
    QTest::newRow("small empty") << int(Small) << "" << 0LL << true;
    QTest::newRow("small inf") << int(Small) << "inf" << 0LL << true;
    QTest::newRow("small nan") << int(Small) << "nan" << 0LL << true;
    QTest::newRow("long 16777215") << int(Long) << "16777215" << 16777215LL << false;
    QTest::newRow("long 40000") << int(Long) << "40000" << 40000LL << false;
    QTest::newRow("long 0.5") << int(Long) << "0.5" << 0LL << false;
    QTest::newRow("long 1.5") << int(Long) << "1.5" << 2LL << false;
    QTest::newRow("long 1e3") << int(Long) << "1e3" << 1000LL << false;
    QTest::newRow("long max") << int(Long) << "2147483647" << 2147483647LL << false;
    QTest::newRow("long over") << int(Long) << "2147483648" << 0LL << true;
    QTest::newRow("long min") << int(Long) << "-2147483648" << -2147483648LL << false;
    QTest::newRow("long under") << int(Long) << "-2147483649" << 0LL << true;
    QTest::newRow("long abc") << int(Long) << "12abc" << 0LL << true;
}

void TestSettingsStore::conversions()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QFETCH(bool, fails);

    const Conversion convert[] = {
        [](const QString &t) { return qint64(BooleanByConversion(t)); },
        [](const QString &t) { return qint64(BooleanByComparison(t)); },
        [](const QString &t) { return qint64(SmallInteger(t)); },
        [](const QString &t) { return qint64(LongInteger(t)); },
    };
    if (fails) {
        QVERIFY_THROWS_EXCEPTION(RuntimeFailure, convert[kind](text));
        return;
    }
    QCOMPARE(convert[kind](text), expected);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
