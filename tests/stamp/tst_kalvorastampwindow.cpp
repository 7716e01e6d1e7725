// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"
#include "app/stampcontroller.h"
#include "base/eventpump.h"
#include "engine/codecs/worksurface.h"
#include "engine/render/overlaytext.h"
#include "imagelist/imagelist.h"
#include "kalvorastampfixture.h"
#include "options/settingsstore.h"
#include "recordingdialogs.h"
#include "testimages.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace TestImages;

using namespace kalvora;
using namespace KalvoraStampTest;

// kalvora-stamp against the main window: its saved options, and the pictures and tags it writes.
// Runs with TZ=Europe/Berlin.
class TestKalvoraStampWindow : public KalvoraStampFixture
{
    Q_OBJECT

private slots:
    void init();
    void fromSettings();
    void sameResultAsTheWindow();
};

void TestKalvoraStampWindow::init()
{
    setUp();
}

void TestKalvoraStampWindow::fromSettings()
{
    // The window's saved options, in the store the window uses.
    const QString store = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
        + QStringLiteral("/Vendrel/Kalvora.ini");
    {
        SettingsStore settings(store);
        settings.WriteSetting("Option3", "True");
        settings.WriteSetting("Text5", "SAVED");
        settings.WriteSetting("Position", "lower-left");
        settings.WriteSetting("Font Color", QString::number(colorValue(0, 0, 255)));
        settings.WriteSetting("FontBold", "False");
        settings.WriteSetting("Option4", "True");
        settings.WriteSetting("Output Folder", m_output->path());
    }
    const QString path = source("s.bmp");
    QVERIFY(darkGray().save(path, "bmp"));

    const Outcome outcome = runStamp({"--from-settings", "--size", "20", path});

    QVERIFY2(outcome.code == 0, qPrintable(outcome.errors));
    StampOptions options;
    options.font.bold = false;
    options.font.pointSize = 20;
    QImage expected = loadWorkSurface(path);
    OverlayText(expected, "SAVED", "Lower-Left", stampFont(options), Qt::blue);
    QCOMPARE(QImage(output("s.bmp")).convertToFormat(QImage::Format_RGB32), expected);
    QFile::remove(store);
}

void TestKalvoraStampWindow::sameResultAsTheWindow()
{
    for (const char *name : {"a.jpg", "b.jpg", "c.png"}) {
        if (QByteArray(name).endsWith("png"))
            QVERIFY(gradient(300, 200).save(source(QLatin1String(name)), "png"));
        else
            QVERIFY(writeTaggedJpeg(source(QLatin1String(name)), gradient(300, 200)));
    }
    const QString fromWindow = output("window");
    const QString fromCommand = output("command");
    QVERIFY(QDir().mkpath(fromWindow) && QDir().mkpath(fromCommand));

    // The window's run: its controls set as a user would.
    {
        QTemporaryDir scratch;
        RecordingDialogs dialogs;
        SettingsStore settings(scratch.filePath("s.ini"));
        NullEventPump events;
        Form1 window(dialogs, settings, events);
        window.setDateTexts(DateTexts(QLocale::c()));
        for (const char *name : {"a.jpg", "b.jpg", "c.png"})
            window.imageList().append(source(QLatin1String(name)));
        window.findChild<QRadioButton *>("Option1")->setChecked(true);
        window.findChild<QComboBox *>("Combo4")->setCurrentText("Date Taken");
        window.findChild<QComboBox *>("Combo1")->setCurrentText("Datestamp And Timestamp");
        window.findChild<QComboBox *>("Combo2")->setCurrentText("Lower-Right");
        window.findChild<QSlider *>("Slider1")->setValue(70);
        window.findChild<QRadioButton *>("Option4")->setChecked(true);
        window.findChild<QLineEdit *>("Text6")->setText(fromWindow);
        QTest::mouseClick(window.findChild<QPushButton *>("PushButton8"), Qt::LeftButton);
        QCOMPARE(dialogs.messages(), QStringList {"Done."});
    }
    const Outcome outcome = runStamp({"--date", "taken", "--format", "Datestamp And Timestamp",
        "--position", "Lower-Right", "--quality", "70", "--output", fromCommand, source("a.jpg"),
        source("b.jpg"), source("c.png")});
    QVERIFY2(outcome.code == 0, qPrintable(outcome.errors));

    for (const char *name : {"a.jpg", "b.jpg", "c.png"}) {
        const QString left = fromWindow + '/' + name;
        const QString right = fromCommand + '/' + name;
        QVERIFY(!changedArea(QImage(source(QLatin1String(name))), QImage(left), 40).isEmpty());
        QCOMPARE(QImage(right), QImage(left));
        QString tagsLeft;
        QString tagsRight;
        QCOMPARE(exifTool({"-s", "-G", "-EXIF:All", "-XMP:All", "-IPTC:All", left}, &tagsLeft), 0);
        QCOMPARE(
            exifTool({"-s", "-G", "-EXIF:All", "-XMP:All", "-IPTC:All", right}, &tagsRight), 0);
        // The mark of each stamp tells when it was made: the two runs were not at one moment.
        const QRegularExpression stampDate(QStringLiteral("[^\n]*StampDate[^\n]*\n"));
        QVERIFY(tagsLeft.contains(stampDate));
        QCOMPARE(tagsRight.remove(stampDate), tagsLeft.remove(stampDate));
    }
}

QTEST_MAIN(TestKalvoraStampWindow)
#include "tst_kalvorastampwindow.moc"
