// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowfixture.h"

#include "options/stampoptionsmodel.h"
#include "options/storedoptions.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>

// The options panel driven as a person drives it: clicks, keys and typing on the real window,
// with every value read back from the settings file by Qt's own reader.
namespace {

QStringList fileValues(const WindowFixture &f, const QStringList &keys)
{
    QSettings file(f.settings.fileName(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("Kalvora"));
    QStringList values;
    for (const QString &key : keys)
        values << file.value(key, QStringLiteral("<absent>")).toString();
    return values;
}

void clickOption(WindowFixture &f, const char *name)
{
    QTest::mouseClick(f.find<QRadioButton>(name), Qt::LeftButton);
}

// Selects the box's text and types \a text over it, pressing Return between lines.
void retype(QWidget *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, lines.at(i));
    }
}

QString sample(const WindowFixture &f)
{
    return f.find<QPlainTextEdit>("Text4")->toPlainText();
}

} // namespace

class TestOptionsPanel : public QObject
{
    Q_OBJECT

private slots:
    void handlerWritesItsKey_data();
    void handlerWritesItsKey();
    void sourceButtonsRefreshTheSample_data();
    void sourceButtonsRefreshTheSample();
    void customTextFollowsEachKeystroke();
    void otherEditsLeaveTheSample();
    void saveButtonsEnableTheFolderBox();
    void outputFolderButton_data();
    void outputFolderButton();
    void qualityCaption_data();
    void qualityCaption();
    void dateTakenExplanation();
    void unwritableSettingsReportedOnce();
};

void TestOptionsPanel::handlerWritesItsKey_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("values");

    const QStringList sources {"Option3", "Option1", "Option2"};
    QTest::newRow("Stamp With:") << "Option1" << sources << QStringList {"False", "True", "False"};
    QTest::newRow("user date and time")
        << "Option2" << sources << QStringList {"False", "False", "True"};
    QTest::newRow("custom text") << "Option1,Option3" << sources
                                 << QStringList {"True", "False", "False"};
    QTest::newRow("date kind") << "Combo4" << QStringList {"Combo4"} << QStringList {"2"};
    QTest::newRow("format") << "Combo1" << QStringList {"Option"} << QStringList {"Datestamp"};
    QTest::newRow("position") << "Combo2" << QStringList {"Position"} << QStringList {"Center"};
    QTest::newRow("date") << "Text1" << QStringList {"Text1"} << QStringList {"1/2/2020"};
    QTest::newRow("time") << "Text2" << QStringList {"Text2"} << QStringList {"noon"};
    QTest::newRow("custom text, two lines")
        << "Text5" << QStringList {"Text5", "Text4"}
        << QStringList {"Holiday\nLake Bled", "Holiday\nLake Bled"};
    QTest::newRow("sample") << "Text4" << QStringList {"Text4"} << QStringList {"Sample"};
    QTest::newRow("output folder, as typed")
        << "Text6" << QStringList {"Output Folder"} << QStringList {"/srv/out"};
    QTest::newRow("quality") << "Slider1" << QStringList {"Slider1"} << QStringList {"1"};
    QTest::newRow("save beside the original")
        << "Option5" << QStringList {"Option4", "Option5"} << QStringList {"False", "True"};
    QTest::newRow("save to the folder again")
        << "Option5,Option4" << QStringList {"Option4", "Option5"} << QStringList {"True", "False"};
}

void TestOptionsPanel::handlerWritesItsKey()
{
    QFETCH(QString, action);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, values);

    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    for (const QString &step : action.split(QLatin1Char(','))) {
        const QByteArray name = step.toLatin1();
        if (step.startsWith(QLatin1String("Option"))) {
            clickOption(f, name.constData());
        } else if (step == QLatin1String("Combo4")) {
            f.find<QComboBox>("Combo4")->setFocus();
            QTest::keyClick(f.find<QComboBox>("Combo4"), Qt::Key_Down);
            QTest::keyClick(f.find<QComboBox>("Combo4"), Qt::Key_Down);
        } else if (step.startsWith(QLatin1String("Combo"))) {
            f.find<QComboBox>(name.constData())->setFocus();
            QTest::keyClick(f.find<QComboBox>(name.constData()), Qt::Key_End);
        } else if (step == QLatin1String("Slider1")) {
            f.find<QSlider>("Slider1")->setFocus();
            QTest::keyClick(f.find<QSlider>("Slider1"), Qt::Key_Home);
        } else {
            retype(f.find<QWidget>(name.constData()), values.first());
        }
    }
    QCOMPARE(fileValues(f, keys), values);
    // The options the run reads are those the store now holds.
    QCOMPARE(f.window.optionsModel().options(), StoredOptions(f.settings).load(StampOptions()));
}

void TestOptionsPanel::sourceButtonsRefreshTheSample_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("custom");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");

    const QString unchanged = QStringLiteral("AAaaBBbbCCcc");
    QTest::newRow("file date, C locale") << "C"
                                         << ""
                                         << ""
                                         << ""
                                         << "Option1"
                                         << "2021-08-31 13:23:45";
    QTest::newRow("file date, United States") << "en_US"
                                              << ""
                                              << ""
                                              << ""
                                              << "Option1"
                                              << "8/31/2021 1:23:45 PM";
    QTest::newRow("file date, Germany") << "de_DE"
                                        << ""
                                        << ""
                                        << ""
                                        << "Option1"
                                        << "31.08.2021 13:23:45";
    QTest::newRow("user date and time") << "C"
                                        << "1/2/2020"
                                        << "noon"
                                        << ""
                                        << "Option2"
                                        << "1/2/2020 noon";
    QTest::newRow("user date only") << "C"
                                    << "1/2/2020"
                                    << ""
                                    << ""
                                    << "Option2"
                                    << "1/2/2020 ";
    QTest::newRow("user time only") << "C"
                                    << ""
                                    << "noon"
                                    << ""
                                    << "Option2"
                                    << " noon";
    QTest::newRow("user date and time both empty") << "C"
                                                   << ""
                                                   << ""
                                                   << ""
                                                   << "Option2" << unchanged;
    QTest::newRow("custom text") << "C"
                                 << ""
                                 << ""
                                 << "Hello"
                                 << "Option3"
                                 << "Hello";
    QTest::newRow("custom text empty") << "C"
                                       << ""
                                       << ""
                                       << ""
                                       << "Option3" << unchanged;
}

void TestOptionsPanel::sourceButtonsRefreshTheSample()
{
    QFETCH(QString, locale);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, custom);
    QFETCH(QString, button);
    QFETCH(QString, expected);

    WindowFixture f;
    f.window.setDateTexts(DateTexts(QLocale(locale)));
    f.window.show();
    // Fill the boxes while another source is set, so the sample does not follow them.
    clickOption(f, button == QLatin1String("Option1") ? "Option2" : "Option1");
    f.find<QPlainTextEdit>("Text4")->setPlainText(QStringLiteral("AAaaBBbbCCcc"));
    f.find<QLineEdit>("Text1")->setText(date);
    f.find<QLineEdit>("Text2")->setText(time);
    f.find<QPlainTextEdit>("Text5")->setPlainText(custom);
    QCOMPARE(sample(f), QStringLiteral("AAaaBBbbCCcc"));

    clickOption(f, button.toLatin1().constData());
    QCOMPARE(sample(f), expected);
    QCOMPARE(fileValues(f, {"Text4"}), QStringList {expected});
}

// While custom text is the source, the sample follows every keystroke; deleting the whole text
// leaves the last text that was there.
void TestOptionsPanel::customTextFollowsEachKeystroke()
{
    WindowFixture f;
    f.window.show();
    auto *custom = f.find<QPlainTextEdit>("Text5");
    custom->setFocus();
    QStringList samples;
    for (const Qt::Key key : {Qt::Key_H, Qt::Key_I, Qt::Key_Backspace, Qt::Key_Backspace}) {
        QTest::keyClick(custom, key);
        samples << sample(f);
    }
    QCOMPARE(samples, QStringList({"h", "hi", "h", "h"}));
    QCOMPARE(fileValues(f, {"Text5", "Text4"}), QStringList({"", "h"}));
}

// Typing a date or time while the user date is the source, or custom text while another source
// is set, is saved but leaves the sample until the next click on a source button.
void TestOptionsPanel::otherEditsLeaveTheSample()
{
    WindowFixture f;
    f.window.show();
    clickOption(f, "Option2");
    const QString before = sample(f);
    retype(f.find<QLineEdit>("Text1"), QStringLiteral("24.12.2020"));
    retype(f.find<QPlainTextEdit>("Text5"), QStringLiteral("Merry"));
    QCOMPARE(sample(f), before);
    QCOMPARE(fileValues(f, {"Text1", "Text5"}), QStringList({"24.12.2020", "Merry"}));
    clickOption(f, "Option2");
    QCOMPARE(sample(f), QStringLiteral("24.12.2020 13:23:45"));
}

void TestOptionsPanel::saveButtonsEnableTheFolderBox()
{
    WindowFixture f;
    f.window.show();
    const QList<QWidget *> folderControls {f.find<QGroupBox>("Frame6"), f.find<QLineEdit>("Text6"),
        f.find<QPushButton>("PushButton7")};
    for (QWidget *control : folderControls)
        QVERIFY(control->isEnabled());

    clickOption(f, "Option5");
    for (QWidget *control : folderControls)
        QVERIFY(!control->isEnabled());
    QCOMPARE(fileValues(f, {"Option4", "Option5"}), QStringList({"False", "True"}));

    clickOption(f, "Option4");
    for (QWidget *control : folderControls)
        QVERIFY(control->isEnabled());
    QCOMPARE(fileValues(f, {"Option4", "Option5"}), QStringList({"True", "False"}));
}

void TestOptionsPanel::outputFolderButton_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("lastFolderDot");

    QTest::newRow("a folder gains one separator") << "/home/ana/Stamped"
                                                  << "/home/ana/Stamped/"
                                                  << "/home/ana/Stamped";
    QTest::newRow("the root keeps its own") << "/"
                                            << "/"
                                            << "/";
    QTest::newRow("cancel changes nothing") << ""
                                            << "/home/ana/Desktop/"
                                            << "<absent>";
}

void TestOptionsPanel::outputFolderButton()
{
    QFETCH(QString, answer);
    QFETCH(QString, box);
    QFETCH(QString, lastFolderDot);

    WindowFixture f;
    f.window.show();
    f.dialogs.folderAnswers.enqueue(answer);
    f.click("PushButton7");

    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().kind, QStringLiteral("folder"));
    QCOMPARE(f.dialogs.shown.first().text, QStringLiteral("Save images to this folder"));
    QCOMPARE(f.dialogs.shown.first().proposed, QString());
    QCOMPARE(f.find<QLineEdit>("Text6")->text(), box);
    QCOMPARE(fileValues(f, {"Output Folder", "LastFolderDot"}), QStringList({box, lastFolderDot}));
}

void TestOptionsPanel::qualityCaption_data()
{
    QTest::addColumn<int>("quality");
    QTest::newRow("1") << 1;
    QTest::newRow("60") << 60;
    QTest::newRow("100") << 100;
}

void TestOptionsPanel::qualityCaption()
{
    QFETCH(int, quality);
    WindowFixture f;
    auto *slider = f.find<QSlider>("Slider1");
    slider->setValue(quality);
    QCOMPARE(f.find<QGroupBox>("Frame1")->title(),
        QStringLiteral("JPG Image Quality: ") + QString::number(quality) + QLatin1Char('%'));
    QCOMPARE(fileValues(f, {"Slider1"}), QStringList {QString::number(quality)});
}

void TestOptionsPanel::dateTakenExplanation()
{
    WindowFixture f;
    f.window.show();
    f.click("PushButton1");
    QCOMPARE(f.dialogs.shown.size(), 1);
    const RecordingDialogs::Shown &shown = f.dialogs.shown.first();
    QCOMPARE(shown.kind, QStringLiteral("message"));
    QCOMPARE(shown.title, QStringLiteral("Kalvora"));
    QCOMPARE(shown.icon, Dialogs::Icon::None);
    QCOMPARE(shown.text.toUtf8(),
        QByteArray("Date Taken only applies to the JPG file format. JPG is the standard output "
                   "from a digital camera.\r\rAlso, the JPG file has to have been created with a "
                   "camera. JPG files can be created without a camera and will not have a Date "
                   "Taken attribute assigned to it. Please right click the JPG file > Properties "
                   "> Details to view the Date Taken attribute of a file."));
}

// A settings file that cannot be written is told once, naming the file, not on every keystroke.
void TestOptionsPanel::unwritableSettingsReportedOnce()
{
    QTemporaryDir scratch;
    QFile blocker(scratch.filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString storeFile = blocker.fileName() + QStringLiteral("/Kalvora.ini");
    SettingsStore settings(storeFile);
    RecordingDialogs dialogs;
    NullEventPump events;
    FixedClock clock;
    Form1 window(dialogs, settings, events, TestSeams(clock, QStringLiteral("/home/ana/Desktop")));
    window.show();
    retype(window.findChild<QPlainTextEdit *>(QStringLiteral("Text5")), QStringLiteral("abc"));

    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY2(
        dialogs.messages().first().contains(storeFile), qPrintable(dialogs.messages().first()));
    QCOMPARE(dialogs.shown.first().icon, Dialogs::Icon::Exclamation);

    // The "..." button traps its failures: the folder it cannot remember is reported at its
    // step, and the box still takes the folder.
    dialogs.folderAnswers.enqueue(QStringLiteral("/srv/out"));
    QTest::mouseClick(
        window.findChild<QPushButton *>(QStringLiteral("PushButton7")), Qt::LeftButton);
    QCOMPARE(dialogs.messages().size(), 2);
    QVERIFY2(dialogs.messages().last().contains(QStringLiteral(
                 "\r\nin Kalvorim2021/08/31.Form1.PushButton7_Click at line 102\r\r")),
        qPrintable(dialogs.messages().last()));
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("Text6"))->text(),
        QStringLiteral("/srv/out/"));
}

QTEST_MAIN(TestOptionsPanel)
#include "tst_optionspanel.moc"
