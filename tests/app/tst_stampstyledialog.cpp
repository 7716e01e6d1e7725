// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/stampoptionsmodel.h"
#include "ui/stampstyledialog.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextCursor>

// The "Stamp Style" dialog: opened from its button, every change is in the options and the
// settings at once, and a new window shows what the last one left.
class TestStampStyleDialog : public QObject
{
    Q_OBJECT

private slots:
    void everyChangeIsSavedAndRestored();
    void timeShiftIsTakenOnlyWhole_data();
    void timeShiftIsTakenOnlyWhole();
};

namespace {

template <typename T> T *control(QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

StampStyleDialog &openDialog(WindowFixture &f)
{
    f.click("styleButton");
    StampStyleDialog *dialog = f.window.findChild<StampStyleDialog *>();
    if (!dialog || !dialog->isVisible())
        qFatal("the Stamp Style button opened no dialog");
    return *dialog;
}

} // namespace

void TestStampStyleDialog::everyChangeIsSavedAndRestored()
{
    WindowFixture f;
    StampStyleDialog &dialog = openDialog(f);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Stamp Style"));
    // A first start draws a plain stamp, as always.
    QCOMPARE(f.window.optionsModel().options().look, StampLook());
    QCOMPARE(f.window.optionsModel().options().dates, DateChoices());

    control<QComboBox>(dialog, "sizeModeBox")->setCurrentIndex(1);
    control<QDoubleSpinBox>(dialog, "sizePercentSpin")->setValue(6.5);
    control<QComboBox>(dialog, "styleBox")->setCurrentIndex(1);
    control<QSpinBox>(dialog, "outlineWidthSpin")->setValue(12);
    control<QComboBox>(dialog, "styleBox")->setCurrentIndex(3);
    control<QSpinBox>(dialog, "boxOpacitySpin")->setValue(35);
    f.dialogs.colorAnswers.enqueue(colorValue(0, 128, 255));
    QTest::mouseClick(control<QPushButton>(dialog, "styleColorButton"), Qt::LeftButton);
    // The preset was the automatic colour for white text: black.
    QCOMPARE(f.dialogs.colorPresets, QList<quint32>({kBlack}));
    control<QComboBox>(dialog, "marginModeBox")->setCurrentIndex(1);
    control<QDoubleSpinBox>(dialog, "marginPercentSpin")->setValue(3);
    QTest::keyClicks(control<QLineEdit>(dialog, "datePatternEdit"), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(control<QLabel>(dialog, "patternExampleLabel")->text(), QStringLiteral("31.08.2021"));
    control<QComboBox>(dialog, "noDateTakenBox")->setCurrentIndex(3);
    QTest::keyClicks(control<QLineEdit>(dialog, "timeShiftEdit"), QStringLiteral("-1d02:30"));
    control<QCheckBox>(dialog, "skipStampedCheck")->setChecked(true);
    control<QCheckBox>(dialog, "keepFoldersCheck")->setChecked(true);
    control<QCheckBox>(dialog, "keepQualityCheck")->setChecked(true);

    // The sample box shows the box behind its text, in the style colour at its opacity.
    QTextCursor sample(f.find<QPlainTextEdit>("Text4")->document());
    sample.movePosition(QTextCursor::NextCharacter);
    const QColor behind = sample.charFormat().background().color();
    QCOMPARE(behind.rgb(), QColor(0, 128, 255).rgb());
    QCOMPARE(qRound(behind.alphaF() * 100), 35);

    const StampLook look {SizeMode::Percent, 6.5, TextStyle::Box, colorValue(0, 128, 255), 12, 35,
        MarginMode::Percent, 3};
    const DateChoices dates {QStringLiteral("dd.MM.yyyy"), {}, NoDateTaken::Skip, -(26 * 60 + 30)};
    const StampOptions &options = f.window.optionsModel().options();
    QCOMPARE(options.look, look);
    QCOMPARE(options.dates, dates);
    QVERIFY(options.skipStamped && options.keepFolders && options.keepQuality);
    const QMap<QString, QString> stored {{"SizeMode", "percent"}, {"SizePercent", "6.5"},
        {"TextStyle", "box"}, {"StyleColor", QString::number(colorValue(0, 128, 255))},
        {"OutlineWidth", "12"}, {"BoxOpacity", "35"}, {"MarginMode", "percent"},
        {"MarginPercent", "3"}, {"DatePattern", "dd.MM.yyyy"}, {"NoDateTaken", "skip"},
        {"TimeShift", "-1d02:30"}, {"SkipStamped", "True"}, {"KeepFolders", "True"},
        {"KeepQuality", "True"}};
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        QCOMPARE(f.settings.ReadSetting(it.key(), QStringLiteral("<absent>")), it.value());

    // A window started later over the same settings holds and shows the same.
    Form1 next(f.dialogs, f.settings, f.events, TestSeams(f.clock, QStringLiteral("/home/ana")));
    QCOMPARE(next.optionsModel().options().look, look);
    QCOMPARE(next.optionsModel().options().dates, dates);
    QVERIFY(next.optionsModel().options().skipStamped);
    QVERIFY(next.optionsModel().options().keepQuality);
    StampStyleDialog &shown = next.stampStyleDialog();
    QCOMPARE(control<QComboBox>(shown, "styleBox")->currentIndex(), int(TextStyle::Box));
    QCOMPARE(control<QDoubleSpinBox>(shown, "sizePercentSpin")->value(), 6.5);
    QVERIFY(!control<QCheckBox>(shown, "automaticColorCheck")->isChecked());
    QCOMPARE(control<QLineEdit>(shown, "timeShiftEdit")->text(), QStringLiteral("-1d02:30"));
    QVERIFY(control<QCheckBox>(shown, "keepFoldersCheck")->isChecked());
    QVERIFY(control<QCheckBox>(shown, "keepQualityCheck")->isChecked());
    // Only what the style uses can be changed.
    QVERIFY(!control<QSpinBox>(shown, "outlineWidthSpin")->isEnabled());
    QVERIFY(control<QSpinBox>(shown, "boxOpacitySpin")->isEnabled());
}

void TestStampStyleDialog::timeShiftIsTakenOnlyWhole_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("stored");
    QTest::newRow("hours and minutes") << "+02:15" << 135 << "+02:15";
    QTest::newRow("days, taken away") << "-3d00:05" << -(3 * 24 * 60 + 5) << "-3d00:05";
    QTest::newRow("no sign") << "1:00" << 60 << "+01:00";
    // On the way to a shift: the last whole one stays.
    QTest::newRow("unfinished") << "+1d" << 0 << "+00:00";
    QTest::newRow("sixty minutes") << "00:60" << 0 << "+00:00";
}

void TestStampStyleDialog::timeShiftIsTakenOnlyWhole()
{
    QFETCH(QString, typed);
    QFETCH(int, minutes);
    QFETCH(QString, stored);
    WindowFixture f;
    StampStyleDialog &dialog = openDialog(f);
    QTest::keyClicks(control<QLineEdit>(dialog, "timeShiftEdit"), typed);
    QCOMPARE(f.window.optionsModel().options().dates.timeShiftMinutes, minutes);
    QCOMPARE(
        f.settings.ReadSetting(QStringLiteral("TimeShift"), QStringLiteral("<absent>")), stored);
}

QTEST_MAIN(TestStampStyleDialog)
#include "tst_stampstyledialog.moc"
