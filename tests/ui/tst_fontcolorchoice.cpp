// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/settingsstore.h"
#include "options/stampoptions.h"
#include "recordingdialogs.h"
#include "ui/fontcolorchoice.h"
#include "ui/samplebox.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(FontChoice)

namespace {

using Stored = QList<QPair<QString, QString>>;

FontChoice font(const char *name, double size, bool bold = false, bool italic = false,
    bool underline = false, bool strikeOut = false)
{
    return FontChoice {QLatin1String(name), size, bold, italic, underline, strikeOut};
}

/// A sample box and swatch as a first start leaves them (Arial 14 bold, white on black), over
/// real widgets, with a settings file of their own and scripted dialogs.
struct ChoiceFixture
{
    QTemporaryDir scratch;
    QString storeFile = scratch.filePath(QStringLiteral("Kalvora.ini"));
    SettingsStore settings {storeFile};
    RecordingDialogs dialogs;
    QWidget window;
    QPlainTextEdit *text = new QPlainTextEdit(QStringLiteral("AAaaBBbbCCcc"), &window);
    QLabel *swatch = new QLabel(&window);
    SampleBox sample {*text, *swatch};
    FontColorChoice choice {sample, settings, dialogs};

    ChoiceFixture()
    {
        text->setGeometry(0, 0, 300, 120);
        sample.setFont(font("Arial", 14, true));
        sample.setSwatchColor(kWhite);
        sample.setTextColor(kWhite);
        sample.setBackgroundFor(kWhite);
    }

    void store(const Stored &values)
    {
        for (const auto &[key, value] : values)
            settings.WriteSetting(key, value);
    }

    /// The values of \a keys as Qt's own reader finds them in the file, under exactly these
    /// spellings ("<absent>" for a key not there).
    QStringList fileValues(const QStringList &keys) const
    {
        QSettings file(storeFile, QSettings::IniFormat);
        file.beginGroup(QStringLiteral("Kalvora"));
        QStringList values;
        for (const QString &key : keys)
            values << file.value(key, QStringLiteral("<absent>")).toString();
        return values;
    }

    /// The colour the sample box's text area is painted with, away from its text.
    QColor paintedBackground()
    {
        const QImage picture = text->grab().toImage();
        return picture.pixelColor(picture.width() - 20, picture.height() - 10);
    }
};

const QStringList kFontKeys {
    "FontName", "FontBold", "FontItalic", "FontSize", "FontStrikethru", "FontUnderline"};

} // namespace

class TestFontColorChoice : public QObject
{
    Q_OBJECT

private slots:
    void fontChoice_data();
    void fontChoice();
    void unreadableSizeKeepsTheDialogsLastSize();
    void colourChoice_data();
    void colourChoice();
};

void TestFontColorChoice::fontChoice_data()
{
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<bool>("answered"); // false: the dialog is cancelled
    QTest::addColumn<FontChoice>("answer");
    QTest::addColumn<FontChoice>("preset");
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<FontChoice>("shown");

    const FontChoice regular9 = font("Arial", 9);
    const QStringList saved9 {"Arial", "False", "False", "9", "False", "False"};
    QTest::newRow("first use, OK: Arial 9 regular")
        << Stored {} << true << regular9 << regular9 << saved9 << regular9;
    QTest::newRow("first use, cancel")
        << Stored {} << false << FontChoice {} << regular9 << saved9 << regular9;
    QTest::newRow("cancel saves and shows the stored font")
        << Stored {{"FontName", "Liberation Serif"}, {"FontSize", "20"}, {"FontBold", "True"},
               {"FontItalic", "True"}}
        << false << FontChoice {} << font("Liberation Serif", 20, true, true)
        << QStringList {"Liberation Serif", "True", "True", "20", "False", "False"}
        << font("Liberation Serif", 20, true, true);
    QTest::newRow("96 points are cut to 72")
        << Stored {} << true << font("Liberation Mono", 96, true) << regular9
        << QStringList {"Liberation Mono", "True", "False", "72", "False", "False"}
        << font("Liberation Mono", 72, true);
    QTest::newRow("a stored 96, cancelled, is cut to 72")
        << Stored {{"FontSize", "96"}} << false << FontChoice {} << font("Arial", 96)
        << QStringList {"Arial", "False", "False", "72", "False", "False"} << font("Arial", 72);
    QTest::newRow("10.5 is saved as typed")
        << Stored {} << true << font("Arial", 10.5) << regular9
        << QStringList {"Arial", "False", "False", "10.5", "False", "False"} << font("Arial", 10.5);
    QTest::newRow("a stored 10.5 opens at 10")
        << Stored {{"FontSize", "10.5"}} << false << FontChoice {} << font("Arial", 10)
        << QStringList {"Arial", "False", "False", "10", "False", "False"} << font("Arial", 10);
    QTest::newRow("a stored 11.5 opens at 12")
        << Stored {{"FontSize", "11.5"}} << false << FontChoice {} << font("Arial", 12)
        << QStringList {"Arial", "False", "False", "12", "False", "False"} << font("Arial", 12);
    QTest::newRow("a stored \"true\" is not bold")
        << Stored {{"FontBold", "true"}, {"FontItalic", "TRUE"}} << false << FontChoice {}
        << regular9 << saved9 << regular9;
    // The dialog has no effects section: whatever comes back, these two stay as preset.
    QTest::newRow("strikethrough and underline stay as preset")
        << Stored {{"FontStrikethru", "True"}} << true
        << font("Arial", 9, false, false, /*underline*/ true, /*strikeOut*/ false)
        << font("Arial", 9, false, false, false, true)
        << QStringList {"Arial", "False", "False", "9", "True", "False"}
        << font("Arial", 9, false, false, false, true);
}

void TestFontColorChoice::fontChoice()
{
    QFETCH(Stored, stored);
    QFETCH(bool, answered);
    QFETCH(FontChoice, answer);
    QFETCH(FontChoice, preset);
    QFETCH(QStringList, saved);
    QFETCH(FontChoice, shown);

    ChoiceFixture f;
    f.store(stored);
    if (answered)
        f.dialogs.fontAnswers.enqueue(answer);
    f.choice.PushButton6_Click();

    QCOMPARE(f.dialogs.fontPresets, QList<FontChoice> {preset});
    QCOMPARE(f.fileValues(kFontKeys), saved);
    QCOMPARE(f.sample.font(), shown);
    QCOMPARE(f.text->font().pointSizeF(), shown.pointSize);
    QVERIFY(f.dialogs.messages().isEmpty());
}

// The dialog remembers what it showed last; a stored size that is no number is reported and
// leaves that size, and the choice goes on.
void TestFontColorChoice::unreadableSizeKeepsTheDialogsLastSize()
{
    ChoiceFixture f;
    f.dialogs.fontAnswers.enqueue(font("Liberation Sans", 20));
    f.choice.PushButton6_Click();
    f.settings.WriteSetting(QStringLiteral("FontSize"), QStringLiteral("big"));
    f.choice.PushButton6_Click();

    QCOMPARE(f.dialogs.fontPresets.size(), 2);
    QCOMPARE(f.dialogs.fontPresets.at(1), font("Liberation Sans", 20));
    QCOMPARE(f.dialogs.messages(),
        QStringList {"Type mismatch\r\nin Kalvorim2021/08/31.Form1.PushButton6_Click at line "
                     "106\r\rPlease email screenshot of this message to support@vendrel.example"});
    QCOMPARE(f.fileValues({"FontSize"}), QStringList {"20"});
}

void TestFontColorChoice::colourChoice_data()
{
    QTest::addColumn<quint32>("swatch"); // before the choice
    QTest::addColumn<bool>("answered");
    QTest::addColumn<quint32>("answer");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QColor>("background");

    QTest::newRow("white shows on black")
        << kBlack << true << kWhite << "16777215" << QColor(Qt::black);
    QTest::newRow("one step from white shows on white")
        << kWhite << true << colorValue(255, 255, 254) << "16711679" << QColor(Qt::white);
    QTest::newRow("pure red is 255")
        << kWhite << true << colorValue(255, 0, 0) << "255" << QColor(Qt::white);
    QTest::newRow("pure blue is the high byte")
        << kWhite << true << colorValue(0, 0, 255) << "16711680" << QColor(Qt::white);
    QTest::newRow("black") << kWhite << true << kBlack << "0" << QColor(Qt::white);
    QTest::newRow("cancel saves the swatch again")
        << colorValue(0, 255, 0) << false << quint32(0) << "65280" << QColor(Qt::white);
    QTest::newRow("cancel on white keeps black behind it")
        << kWhite << false << quint32(0) << "16777215" << QColor(Qt::black);
}

void TestFontColorChoice::colourChoice()
{
    QFETCH(quint32, swatch);
    QFETCH(bool, answered);
    QFETCH(quint32, answer);
    QFETCH(QString, saved);
    QFETCH(QColor, background);

    ChoiceFixture f;
    f.sample.setSwatchColor(swatch);
    if (answered)
        f.dialogs.colorAnswers.enqueue(answer);
    f.choice.PushButton10_Click();

    const quint32 chosen = answered ? answer : swatch;
    QCOMPARE(f.dialogs.colorPresets, QList<quint32> {swatch});
    QCOMPARE(f.fileValues({"Font Color"}), QStringList {saved});
    QCOMPARE(f.sample.swatchColor(), chosen);
    QCOMPARE(f.swatch->palette().color(f.swatch->backgroundRole()),
        QColor(redOf(chosen), greenOf(chosen), blueOf(chosen)));
    QCOMPARE(f.text->palette().color(QPalette::Text),
        QColor(redOf(chosen), greenOf(chosen), blueOf(chosen)));
    QCOMPARE(f.paintedBackground(), background);
}

QTEST_MAIN(TestFontColorChoice)
#include "tst_fontcolorchoice.moc"
