// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stampcommand.h"
#include "startfixture.h"

#include "options/settingskeys.h"
#include "options/stampoptionsmodel.h"

// kalvora-stamp --from-settings and the window read the saved options through the same
// StoredOptions: whatever the settings hold, both arrive at the same options.
namespace { } // namespace

// Every field, so that a failed comparison shows what differs.
char *toString(const StampOptions &o)
{
    const QString text = QStringLiteral("{source %1, kind %2, date \"%3\", time \"%4\", custom "
                                        "\"%5\", format %6, position %7, font \"%8\" %9 "
                                        "%10%11%12%13, color %14, quality %15, save %16, folder "
                                        "\"%17\", sample \"%18\"}")
                             .arg(int(o.source))
                             .arg(int(o.fileDateKind))
                             .arg(o.userDate, o.userTime, o.customText)
                             .arg(int(o.format))
                             .arg(int(o.position))
                             .arg(o.font.name)
                             .arg(o.font.pointSize)
                             .arg(o.font.bold)
                             .arg(o.font.italic)
                             .arg(o.font.underline)
                             .arg(o.font.strikeOut)
                             .arg(o.color)
                             .arg(o.jpegQuality)
                             .arg(int(o.saveOption))
                             .arg(o.outputFolder, o.sampleText);
    return qstrdup(text.toUtf8().constData());
}

namespace {

// A value other than the default for every key of the settings table.
const QMap<QString, QString> &nonDefaults()
{
    static const QMap<QString, QString> values {{"Option1", "True"}, {"Option2", "1"},
        {"Option3", "False"}, {"Combo4", "3"}, {"Option", "datestamp"},
        {"Position", "center-bottom"}, {"Text1", "1/2/2003"}, {"Text2", "4:05:06 AM"},
        {"Text5", "Lake Bled"}, {"Text4", "Sample text"}, {"Slider1", "42"}, {"Option4", "False"},
        {"Option5", "True"}, {"Output Folder", "/srv/stamped/"}, {"LastFolderDot", "/srv/last"},
        {"FontName", "Liberation Serif"}, {"FontSize", "20.4"}, {"FontBold", "False"},
        {"FontItalic", "True"}, {"FontStrikethru", "True"}, {"FontUnderline", "True"},
        {"Font Color", "255"}, {"Extension", "jpg"}, {"LastFolder", "/srv/pictures"},
        {"Snapshot", "coded"}, {"SizeMode", "percent"}, {"SizePercent", "6.5"},
        {"TextStyle", "outline"}, {"StyleColor", "65280"}, {"OutlineWidth", "12"},
        {"BoxOpacity", "35"}, {"MarginMode", "percent"}, {"MarginPercent", "3"},
        {"DatePattern", "dd MMM yyyy"}, {"NoDateTaken", "filename"}, {"TimeShift", "-1d02:30"},
        {"SkipStamped", "True"}, {"KeepFolders", "True"}, {"KeepQuality", "True"}};
    return values;
}

// What the command line takes for keys never written: the window's first start at the
// fixture's clock and desktop.
StampOptions firstStart(const StartFixture &f)
{
    const DateTexts texts;
    return StampOptions::firstStart(texts.date(f.clock.now().date()),
        texts.time(f.clock.now().time()), QStringLiteral("/home/ana/Desktop"));
}

StampOptions windowOptions(StartFixture &f)
{
    return f.start().optionsModel().options();
}

} // namespace

class TestFromSettings : public QObject
{
    Q_OBJECT

private slots:
    void everyKeyWritten();
    void eachKeyAlone_data();
    void eachKeyAlone();
};

void TestFromSettings::everyKeyWritten()
{
    StartFixture f;
    for (const SettingKey &key : allSettingKeys()) {
        QVERIFY2(nonDefaults().contains(key.writtenKey()), key.written);
        f.settings.write(key, nonDefaults().value(key.writtenKey()));
    }
    const StampOptions command = optionsFromSettings(f.settings, firstStart(f));

    StampOptions expected;
    // The first set source button wins: restoring it saves the others as not set.
    expected.source = StampSource::FileDate;
    expected.fileDateKind = FileDateKind::DateAccessed;
    expected.userDate = QStringLiteral("1/2/2003");
    expected.userTime = QStringLiteral("4:05:06 AM");
    expected.customText = QStringLiteral("Lake Bled");
    expected.format = StampFormat::Datestamp;
    expected.position = StampPosition::CenterBottom;
    expected.font = FontChoice {QStringLiteral("Liberation Serif"), 20, false, true, true, true};
    expected.color = 255;
    expected.jpegQuality = 42;
    expected.saveOption = SaveOption::OriginalFolder;
    expected.outputFolder = QStringLiteral("/srv/stamped/");
    expected.sampleText = QStringLiteral("Sample text");
    expected.look = StampLook {
        SizeMode::Percent, 6.5, TextStyle::Outline, 65280, 12, 35, MarginMode::Percent, 3};
    expected.dates = DateChoices {
        QStringLiteral("dd MMM yyyy"), {}, NoDateTaken::FileName, -(24 * 60 + 2 * 60 + 30)};
    expected.skipStamped = true;
    expected.keepFolders = true;
    expected.keepQuality = true;
    QCOMPARE(command, expected);

    const StampOptions window = windowOptions(f);
    QVERIFY(f.dialogs.shown.isEmpty());
    // Start-up refreshes the sample from the restored source, and saves it.
    expected.sampleText = DateTexts().dateTime(f.clock.now());
    QCOMPARE(window, expected);
    QCOMPARE(optionsFromSettings(f.settings, firstStart(f)), window);
}

void TestFromSettings::eachKeyAlone_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("changes");
    // Keys of other choices, and the option buttons: alone, none outweighs the button set by
    // default, which comes first.
    const QStringList unchanging {"LastFolderDot", "Extension", "LastFolder", "Snapshot", "Option1",
        "Option2", "Option3", "Option4", "Option5"};
    for (const SettingKey &key : allSettingKeys())
        QTest::newRow(key.written) << key.writtenKey() << !unchanging.contains(key.writtenKey());
}

// One key at a time, so every other key takes its default on both sides.
void TestFromSettings::eachKeyAlone()
{
    QFETCH(QString, key);
    QFETCH(bool, changes);

    StartFixture f;
    const StampOptions untouched = optionsFromSettings(f.settings, firstStart(f));
    f.settings.WriteSetting(key, nonDefaults().value(key));
    StampOptions command = optionsFromSettings(f.settings, firstStart(f));
    StampOptions window = windowOptions(f);
    QVERIFY(f.dialogs.shown.isEmpty());

    QCOMPARE(command != untouched, changes);
    // The sample text is the window's own preview of the source, refreshed at start.
    command.sampleText = window.sampleText = QString();
    QCOMPARE(command, window);
}

QTEST_MAIN(TestFromSettings)
#include "tst_fromsettings.moc"
