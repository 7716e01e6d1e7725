// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/stampoptions.h"
#include "startfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTreeWidget>

// Restoring the options at start: the first start, stored values, failures at their steps.
class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void firstStart();
    void everyStoredValueIsRestored();
    void choicesSurviveARestart();
    void laterDayKeepsTheStoredDate();
    void unreadableValueReportedAtItsStep_data();
    void unreadableValueReportedAtItsStep();
    void sampleFont_data();
    void sampleFont();
    void desktopFolderThatCannotBeNamed();
};

// Part of the window and every value start-up writes, on a first start with an empty store.
void TestStartUp::firstStart()
{
    StartFixture f;
    f.start();
    QVERIFY(f.dialogs.shown.isEmpty());
    QVERIFY(f.find<QRadioButton>("Option3")->isChecked());
    QVERIFY(!f.find<QRadioButton>("Option1")->isChecked());
    QVERIFY(!f.find<QRadioButton>("Option2")->isChecked());
    QCOMPARE(f.find<QPlainTextEdit>("Text5")->toPlainText(), QString());
    QCOMPARE(f.find<QComboBox>("Combo4")->currentText(), QStringLiteral("Date Created"));
    QCOMPARE(f.find<QComboBox>("Combo1")->currentText(), QStringLiteral("Timestamp And Datestamp"));
    QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), QStringLiteral("Upper-Left"));
    QCOMPARE(f.sampleFont().family(), QStringLiteral("Arial"));
    QCOMPARE(f.sampleFont().pointSize(), 14);
    QVERIFY(f.sampleFont().bold());
    QCOMPARE(f.sampleColor(QPalette::Text), QColor(Qt::white));
    QCOMPARE(f.sampleColor(QPalette::Base), QColor(Qt::black));
    QCOMPARE(f.find<QPlainTextEdit>("Text4")->toPlainText(), QStringLiteral("AAaaBBbbCCcc"));
    QCOMPARE(f.find<QSlider>("Slider1")->value(), 85);
    QCOMPARE(f.find<QGroupBox>("Frame1")->title(), QStringLiteral("JPG Image Quality: 85%"));
    QVERIFY(f.find<QRadioButton>("Option4")->isChecked());
    QCOMPARE(f.find<QLineEdit>("Text6")->text(), QStringLiteral("/home/ana/Desktop/"));
    QVERIFY(f.find<QGroupBox>("Frame6")->isEnabled());
    QCOMPARE(
        f.find<QTreeWidget>("ListView1")->headerItem()->text(0), QStringLiteral("Image File(s)"));
    QCOMPARE(f.find<QTreeWidget>("ListView1")->columnWidth(0), 467);

    // Every key start-up restores is written back; the others stay unwritten.
    const QMap<QString, QString> written {{"Option1", "False"}, {"Option2", "False"},
        {"Option3", "True"}, {"Combo4", "0"}, {"Option", "Timestamp And Datestamp"},
        {"Position", "Upper-Left"}, {"Text1", "2021-08-31"}, {"Text2", "13:23:45"}, {"Text5", ""},
        {"Text4", "AAaaBBbbCCcc"}, {"Slider1", "85"}, {"Option4", "True"}, {"Option5", "False"},
        {"Output Folder", "/home/ana/Desktop/"}};
    for (const SettingKey &key : allSettingKeys()) {
        const QString expected = key.restoredByStartUp ? written.value(key.writtenKey(), "?")
                                                       : QStringLiteral("<absent>");
        QVERIFY2(f.value(key.writtenKey()) == expected, key.written);
    }
}

void TestStartUp::everyStoredValueIsRestored()
{
    StartFixture f;
    f.store({{"Option1", "False"}, {"Option2", "True"}, {"Option3", "False"}, {"Combo4", "3"},
        {"Option", "datestamp and TIMESTAMP"}, {"Position", "center-bottom"}, {"Text1", "1/2/2020"},
        {"Text2", "noon"}, {"Text5", "Line one\nLine two"}, {"Text4", "Stored sample"},
        {"Slider1", "42"}, {"Option4", "False"}, {"Option5", "True"},
        {"Output Folder", "/srv/out/"}, {"FontName", "Liberation Serif"}, {"FontSize", "20"},
        {"FontBold", "False"}, {"FontItalic", "True"}, {"FontStrikethru", "True"},
        {"FontUnderline", "True"}, {"Font Color", "255"}});
    f.start();
    QVERIFY(f.dialogs.shown.isEmpty());

    QVERIFY(f.find<QRadioButton>("Option2")->isChecked());
    QCOMPARE(f.find<QComboBox>("Combo4")->currentText(), QStringLiteral("Date Accessed"));
    QCOMPARE(f.find<QComboBox>("Combo1")->currentText(), QStringLiteral("Datestamp And Timestamp"));
    QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), QStringLiteral("Center-Bottom"));
    QCOMPARE(f.find<QLineEdit>("Text1")->text(), QStringLiteral("1/2/2020"));
    QCOMPARE(f.find<QLineEdit>("Text2")->text(), QStringLiteral("noon"));
    QCOMPARE(f.find<QPlainTextEdit>("Text5")->toPlainText(), QStringLiteral("Line one\nLine two"));
    // Restoring "Stamp With User Specified Date/Time" runs its click, which makes the restored
    // date and time the sample and saves it before the sample's own step reads it back.
    QCOMPARE(f.find<QPlainTextEdit>("Text4")->toPlainText(), QStringLiteral("1/2/2020 noon"));
    QCOMPARE(f.value("Text4"), QStringLiteral("1/2/2020 noon"));
    QCOMPARE(f.find<QSlider>("Slider1")->value(), 42);
    QCOMPARE(f.find<QGroupBox>("Frame1")->title(), QStringLiteral("JPG Image Quality: 42%"));
    QVERIFY(f.find<QRadioButton>("Option5")->isChecked());
    QVERIFY(!f.find<QGroupBox>("Frame6")->isEnabled());
    QCOMPARE(f.find<QLineEdit>("Text6")->text(), QStringLiteral("/srv/out/"));
    const QFont font = f.sampleFont();
    QCOMPARE(font.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(font.pointSize(), 20);
    QVERIFY(!font.bold());
    QVERIFY(font.italic() && font.strikeOut() && font.underline());
    QCOMPARE(f.sampleColor(QPalette::Text), QColor(Qt::red));
    QCOMPARE(f.sampleColor(QPalette::Base), QColor(Qt::white));

    // The lists now hold their captions as listed.
    QCOMPARE(f.value("Option"), QStringLiteral("Datestamp And Timestamp"));
    QCOMPARE(f.value("Position"), QStringLiteral("Center-Bottom"));
}

// A person's choices, made through the window, come back in a new window over the same file.
void TestStartUp::choicesSurviveARestart()
{
    StartFixture f;
    Form1 &first = f.start();
    first.show();
    QTest::mouseClick(f.find<QRadioButton>("Option1"), Qt::LeftButton);
    f.find<QComboBox>("Combo4")->setCurrentIndex(2);
    f.find<QComboBox>("Combo2")->setCurrentIndex(3);
    f.find<QSlider>("Slider1")->setValue(60);
    f.dialogs.fontAnswers.enqueue(FontChoice {QStringLiteral("Liberation Mono"), 24, true});
    f.dialogs.colorAnswers.enqueue(colorValue(255, 255, 0));
    f.dialogs.folderAnswers.enqueue(f.scratch.path());
    QTest::mouseClick(f.find<QPushButton>("PushButton6"), Qt::LeftButton);
    QTest::mouseClick(f.find<QPushButton>("PushButton10"), Qt::LeftButton);
    QTest::mouseClick(f.find<QPushButton>("PushButton7"), Qt::LeftButton);
    const QString sampleBefore = f.find<QPlainTextEdit>("Text4")->toPlainText();

    f.clock.set(QDateTime(QDate(2021, 9, 1), QTime(8, 0)));
    f.start();
    QVERIFY(f.dialogs.messages().isEmpty());
    QVERIFY(f.find<QRadioButton>("Option1")->isChecked());
    QCOMPARE(f.find<QComboBox>("Combo4")->currentIndex(), 2);
    QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), QStringLiteral("Lower-Right"));
    QCOMPARE(f.find<QSlider>("Slider1")->value(), 60);
    QCOMPARE(f.find<QLineEdit>("Text6")->text(), f.scratch.path() + QLatin1Char('/'));
    QCOMPARE(f.sampleFont().family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(f.sampleFont().pointSize(), 24);
    QVERIFY(f.sampleFont().bold());
    QCOMPARE(f.sampleColor(QPalette::Text), QColor(Qt::yellow));
    // Restoring "Stamp With:" refreshes the sample with the time of the new start.
    QCOMPARE(sampleBefore, QStringLiteral("2021-08-31 13:23:45"));
    QCOMPARE(f.find<QPlainTextEdit>("Text4")->toPlainText(), QStringLiteral("2021-09-01 08:00:00"));
}

void TestStartUp::laterDayKeepsTheStoredDate()
{
    StartFixture f;
    f.start();
    f.clock.set(QDateTime(QDate(2022, 1, 15), QTime(9, 30)));
    f.start();
    QCOMPARE(f.find<QLineEdit>("Text1")->text(), QStringLiteral("2021-08-31"));
    QCOMPARE(f.find<QLineEdit>("Text2")->text(), QStringLiteral("13:23:45"));
}

void TestStartUp::unreadableValueReportedAtItsStep_data()
{
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<int>("step");
    QTest::newRow("quality not a number") << Stored {{"Slider1", "high"}} << 132;
    QTest::newRow("quality out of range") << Stored {{"Slider1", "150"}} << 132;
    QTest::newRow("format names no item") << Stored {{"Option", "Sideways"}} << 148;
    QTest::newRow("position names no item") << Stored {{"Position", "Middle"}} << 168;
    QTest::newRow("date kind not a number") << Stored {{"Combo4", "first"}} << 182;
    QTest::newRow("date kind 7") << Stored {{"Combo4", "7"}} << 182;
    QTest::newRow("custom text source") << Stored {{"Option3", "maybe"}} << 184;
    // A source or save button that is restored as set writes its whole group at once, so a bad
    // value later in the group is only read when the earlier button is not set.
    QTest::newRow("file date source") << Stored {{"Option3", "False"}, {"Option1", "yes"}} << 186;
    QTest::newRow("user date source, empty") << Stored {{"Option3", "0"}, {"Option2", ""}} << 188;
    QTest::newRow("colour not a number") << Stored {{"Font Color", "red"}} << 196;
    QTest::newRow("colour below black") << Stored {{"Font Color", "-1"}} << 196;
    QTest::newRow("font size not a number") << Stored {{"FontSize", "large"}} << 210;
    QTest::newRow("font size 0") << Stored {{"FontSize", "0"}} << 210;
    QTest::newRow("save to folder") << Stored {{"Option4", "sure"}} << 222;
    QTest::newRow("save beside") << Stored {{"Option4", "False"}, {"Option5", "2x"}} << 224;
}

// One report with the step's number; every other step still runs, and the control concerned
// keeps the state it had.
void TestStartUp::unreadableValueReportedAtItsStep()
{
    QFETCH(Stored, stored);
    QFETCH(int, step);

    StartFixture f;
    f.store(stored);
    f.start();
    QCOMPARE(f.dialogs.messages().size(), 1);
    QVERIFY2(f.dialogs.messages().first().contains(reportAt(step)),
        qPrintable(f.dialogs.messages().first()));
    QCOMPARE(f.dialogs.shown.first().title, QStringLiteral("Application Error"));

    // The steps around it ran: the first and the last restored values are written.
    const QString key = stored.last().first;
    QCOMPARE(f.value("Slider1"),
        key == QLatin1String("Slider1") ? stored.last().second : QStringLiteral("85"));
    QCOMPARE(f.value("Text5"), QString());
    QCOMPARE(
        f.find<QGroupBox>("Frame6")->isEnabled(), f.find<QRadioButton>("Option4")->isChecked());
    if (key == QLatin1String("Slider1"))
        QCOMPARE(f.find<QSlider>("Slider1")->value(), 85);
    if (key == QLatin1String("Combo4"))
        QCOMPARE(f.find<QComboBox>("Combo4")->currentIndex(), -1);
    if (key == QLatin1String("Option"))
        QCOMPARE(f.find<QComboBox>("Combo1")->currentIndex(), -1);
}

void TestStartUp::sampleFont_data()
{
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");

    const QColor white(Qt::white);
    const QColor black(Qt::black);
    QTest::newRow("10.5 points restore as 10")
        << Stored {{"FontSize", "10.5"}} << "Arial" << 10 << true << white << black;
    QTest::newRow("11.5 points restore as 12")
        << Stored {{"FontSize", "11.5"}} << "Arial" << 12 << true << white << black;
    QTest::newRow("bold \"true\" reads as not bold")
        << Stored {{"FontBold", "true"}} << "Arial" << 14 << false << white << black;
    QTest::newRow("an empty font name keeps Arial")
        << Stored {{"FontName", ""}} << "Arial" << 14 << true << white << black;
    QTest::newRow("colour 0 is black on white")
        << Stored {{"Font Color", "0"}} << "Arial" << 14 << true << black << white;
    QTest::newRow("near white shows on white") << Stored {{"Font Color", "16777214"}} << "Arial"
                                               << 14 << true << QColor(254, 255, 255) << white;
}

void TestStartUp::sampleFont()
{
    QFETCH(Stored, stored);
    QFETCH(QString, family);
    QFETCH(int, size);
    QFETCH(bool, bold);
    QFETCH(QColor, text);
    QFETCH(QColor, background);

    StartFixture f;
    f.store(stored);
    f.start();
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.sampleFont().family(), family);
    QCOMPARE(f.sampleFont().pointSize(), size);
    QCOMPARE(f.sampleFont().bold(), bold);
    QCOMPARE(f.sampleColor(QPalette::Text), text);
    QCOMPARE(f.sampleColor(QPalette::Base), background);
    const QLabel *swatch = f.find<QLabel>("Picture2");
    QCOMPARE(swatch->palette().color(swatch->backgroundRole()), text);
}

// A desktop that cannot be named is reported when its folder is needed as the default, and
// never keeps a stored output folder from coming back.
void TestStartUp::desktopFolderThatCannotBeNamed()
{
    StartFixture f;
    f.seams.desktopFolder = [] { return QString(); };
    f.start();
    QCOMPARE(f.dialogs.messages().size(), 1);
    QVERIFY(f.dialogs.messages().first().startsWith(
        QStringLiteral("The desktop folder cannot be named\r\n") + reportAt(216)));
    QCOMPARE(f.find<QLineEdit>("Text6")->text(), QString());
    QCOMPARE(f.value("Output Folder"), QStringLiteral("<absent>"));

    f.dialogs.shown.clear();
    f.store({{"Output Folder", "/srv/out/"}});
    f.start();
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.find<QLineEdit>("Text6")->text(), QStringLiteral("/srv/out/"));
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
