// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/inidocument.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Files written by earlier versions of the program came from Qt's QSettings, and a person may
// still open the file with any Qt program: Qt's own reader and writer are the yardstick here.
class TestIniDocument : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void qtReadsWhatWeWrite_data();
    void qtReadsWhatWeWrite();
    void weReadWhatQtWrites_data();
    void weReadWhatQtWrites();
    void handWrittenValues_data();
    void handWrittenValues();
    void ourTextsReadBack_data();
    void ourTextsReadBack();
    void editKeepsEveryOtherLine();
    void byteOrderMarkStays_data();
    void byteOrderMarkStays();
    void keysMatchWithoutRegardToCase();
    void newSectionAndKey();

private:
    QString file(const char *name) const { return m_dir->filePath(QLatin1String(name)); }
    static QByteArray contentOf(const QString &path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIniDocument::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// Texts that need every kind of escape or quoting QSettings knows.
static void addTrickyTexts()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "Slider1"
                           << "85";
    QTest::newRow("empty") << "Text5"
                           << "";
    QTest::newRow("blank in key") << "Output Folder"
                                  << "/home/ana/Stamped Photos/";
    QTest::newRow("line breaks") << "Text5"
                                 << "Holiday\nLake Bled\r\nday two";
    QTest::newRow("comma") << "Text5"
                           << "Bled, Slovenia";
    QTest::newRow("semicolon and equals") << "Text5"
                                          << "a;b=c";
    QTest::newRow("quotes and backslashes") << "Text5"
                                            << "say \"hi\" C:\\temp\\";
    QTest::newRow("leading and trailing blanks") << "Text5"
                                                 << "  two blanks  ";
    QTest::newRow("tab") << "Text5"
                         << "a\tb";
    QTest::newRow("control character then hex digit") << "Text5"
                                                      << QStringLiteral("a\x01"
                                                                        "b2");
    QTest::newRow("at sign") << "Text4"
                             << "@AAaaBBbbCCcc";
    QTest::newRow("two at signs") << "Text4"
                                  << "@@x";
    QTest::newRow("non-Latin") << "LastFolder"
                               << "/media/card/Tōkyō [2023]/写真";
    QTest::newRow("outside the basic plane") << "Text5"
                                             << "smile 😀";
    QTest::newRow("percent") << "Text5"
                             << "50% off";
    QTest::newRow("key with slash and umlaut") << "Größe/a"
                                               << "x";
}

void TestIniDocument::qtReadsWhatWeWrite_data()
{
    addTrickyTexts();
}

void TestIniDocument::qtReadsWhatWeWrite()
{
    QFETCH(QString, key);
    QFETCH(QString, text);

    IniDocument document;
    document.setValue(QStringLiteral("Kalvora"), key, text);
    write(file("ours.ini"), document.bytes());
    QSettings qt(file("ours.ini"), QSettings::IniFormat);
    QCOMPARE(qt.status(), QSettings::NoError);
    QCOMPARE(qt.value(QStringLiteral("Kalvora/") + key).toString(), text);

    // And the line is the one Qt itself would write for the same value.
    {
        QSettings writer(file("qt.ini"), QSettings::IniFormat);
        writer.setValue(QStringLiteral("Kalvora/") + key, text);
    }
    QVERIFY2(contentOf(file("qt.ini")).contains(document.bytes().split('\n').value(1)),
        contentOf(file("qt.ini")).constData());
}

void TestIniDocument::weReadWhatQtWrites_data()
{
    addTrickyTexts();
}

void TestIniDocument::weReadWhatQtWrites()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    {
        QSettings qt(file("qt.ini"), QSettings::IniFormat);
        qt.setValue(QStringLiteral("Kalvora/Before"), QStringLiteral("1"));
        qt.setValue(QStringLiteral("Kalvora/") + key, text);
        qt.setValue(QStringLiteral("Other/") + key, QStringLiteral("not ours"));
    }
    const IniDocument document(contentOf(file("qt.ini")));
    QCOMPARE(document.value(QStringLiteral("Kalvora"), key), std::optional<QString>(text));
    QCOMPARE(document.value(QStringLiteral("Kalvora"), QStringLiteral("Absent")), std::nullopt);
}

void TestIniDocument::handWrittenValues_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("blanks around the equals sign") << QByteArray("Key = value  ") << "value";
    QTest::newRow("quoted") << QByteArray("Key=\" kept \"") << " kept ";
    QTest::newRow("unquoted list") << QByteArray("Key=a, b ,c") << "a, b, c";
    QTest::newRow("hex escape") << QByteArray("Key=\\x41\\x42") << "AB";
    QTest::newRow("octal escape") << QByteArray("Key=\\101") << "A";
    QTest::newRow("typed string") << QByteArray("Key=@String(x)") << "x";
    QTest::newRow("invalid") << QByteArray("Key=@Invalid()") << "";
    QTest::newRow("nothing") << QByteArray("Key=") << "";
}

// Lines a person may write by hand read as Qt reads them.
void TestIniDocument::handWrittenValues()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    const QByteArray bytes = "; a comment\r\n[Kalvora]\r\n" + line + "\r\n";
    write(file("hand.ini"), bytes);
    QSettings qt(file("hand.ini"), QSettings::IniFormat);
    QVariant value = qt.value(QStringLiteral("Kalvora/Key"));
    const QString qtText = value.metaType().id() == QMetaType::QStringList
        ? value.toStringList().join(QLatin1String(", "))
        : value.toString();
    QCOMPARE(qtText, text);
    QCOMPARE(IniDocument(bytes).value(QStringLiteral("Kalvora"), QStringLiteral("Key")),
        std::optional<QString>(text));
}

// What we write, we read back: texts whose pieces between escapes start with the character that
// also serves as a byte order mark, which a plain UTF-8 decode would drop.
void TestIniDocument::ourTextsReadBack_data()
{
    QTest::addColumn<QString>("text");
    const QChar mark(0xFEFF);
    QTest::newRow("mark first") << mark + QStringLiteral("Ski");
    QTest::newRow("mark after an escape") << QStringLiteral("a\n") + mark + QStringLiteral("b");
    QTest::newRow("mark after a null") << QStringLiteral("K") + QChar(0) + mark;
    QTest::newRow("mark after a quote") << QStringLiteral("say \"") + mark + QStringLiteral("\"");
    QTest::newRow("only the mark") << QString(mark);
}

void TestIniDocument::ourTextsReadBack()
{
    QFETCH(QString, text);
    IniDocument document(QByteArrayLiteral("[Kalvora]\nText4=kept\n"));
    document.setValue(QStringLiteral("Kalvora"), QStringLiteral("Text5"), text);
    const IniDocument again(document.bytes());
    QCOMPARE(again.value(QStringLiteral("Kalvora"), QStringLiteral("Text5")),
        std::optional<QString>(text));
    QCOMPARE(again.value(QStringLiteral("Kalvora"), QStringLiteral("Text4")),
        std::optional<QString>(QStringLiteral("kept")));
}

void TestIniDocument::editKeepsEveryOtherLine()
{
    const QByteArray before = "; kept as written\n"
                              "[Other]\n"
                              "Slider1=1\n"
                              "\n"
                              "[Kalvora]\n"
                              "Extension=jpg\n"
                              "Slider1 = 40\n"
                              "LastFolder=/x\n";
    IniDocument document(before);
    document.setValue(QStringLiteral("Kalvora"), QStringLiteral("Slider1"), QStringLiteral("90"));
    QCOMPARE(document.bytes(), QByteArray(before).replace("Slider1 = 40", "Slider1=90"));
    QCOMPARE(document.value(QStringLiteral("Other"), QStringLiteral("Slider1")),
        std::optional<QString>(QStringLiteral("1")));
}

// A mark at the start of the file is written back, so a second one stays part of the line it
// starts and that line never turns into a section.
void TestIniDocument::byteOrderMarkStays_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("one mark") << QByteArray("\xEF\xBB\xBF[Kalvora]\nA=1\n")
                              << QByteArray("\xEF\xBB\xBF[Kalvora]\nA=1\nB=2\n");
    QTest::newRow("two marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[Kalvora]\nA=1\n")
                               << QByteArray(
                                      "\xEF\xBB\xBF\xEF\xBB\xBF[Kalvora]\nA=1\n\n[Kalvora]\nB=2\n");
}

void TestIniDocument::byteOrderMarkStays()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    IniDocument document(before);
    const std::optional<QString> a = document.value(QStringLiteral("Kalvora"), QStringLiteral("A"));
    document.setValue(QStringLiteral("Kalvora"), QStringLiteral("B"), QStringLiteral("2"));
    QCOMPARE(document.bytes(), after);
    QCOMPARE(IniDocument(after).value(QStringLiteral("Kalvora"), QStringLiteral("A")), a);
}

void TestIniDocument::keysMatchWithoutRegardToCase()
{
    IniDocument document("[Kalvora]\nFontStrikethru=True\nFONTSTRIKETHRU=False\nfontbold=True\n");
    QCOMPARE(document.value(QStringLiteral("Kalvora"), QStringLiteral("FontStrikeThru")),
        std::optional<QString>(QStringLiteral("True")));
    // The exact spelling wins over the first case-blind match.
    QCOMPARE(document.value(QStringLiteral("Kalvora"), QStringLiteral("FONTSTRIKETHRU")),
        std::optional<QString>(QStringLiteral("False")));
    // A write keeps the first spelling and drops the others, so no read can find an old value.
    document.setValue(
        QStringLiteral("Kalvora"), QStringLiteral("FontStrikeThru"), QStringLiteral("False"));
    QCOMPARE(document.bytes(), QByteArray("[Kalvora]\nFontStrikethru=False\nfontbold=True\n"));
}

void TestIniDocument::newSectionAndKey()
{
    IniDocument document("[Other]\nA=1");
    document.setValue(
        QStringLiteral("Kalvora"), QStringLiteral("Font Color"), QStringLiteral("255"));
    document.setValue(QStringLiteral("Kalvora"), QStringLiteral("Text1"), QStringLiteral("x"));
    QCOMPARE(
        document.bytes(), QByteArray("[Other]\nA=1\n\n[Kalvora]\nFont%20Color=255\nText1=x\n"));
}

QTEST_GUILESS_MAIN(TestIniDocument)
#include "tst_inidocument.moc"
