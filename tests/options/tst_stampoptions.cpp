// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/stampoptions.h"

#include <QTest>

class TestStampOptions : public QObject
{
    Q_OBJECT

private slots:
    void captionsInListOrder();
    void firstStart();
    void colourLayout_data();
    void colourLayout();
    void listValues_data();
    void listValues();
};

void TestStampOptions::captionsInListOrder()
{
    QCOMPARE(fileDateKindCaptions(),
        QStringList({"Date Created", "Date Taken", "Date Modified", "Date Accessed"}));
    QCOMPARE(stampFormatCaptions(),
        QStringList(
            {"Timestamp And Datestamp", "Datestamp And Timestamp", "Timestamp", "Datestamp"}));
    QCOMPARE(stampPositionCaptions(),
        QStringList({"Upper-Left", "Upper-Right", "Lower-Left", "Lower-Right", "Center-Top",
            "Center-Left", "Center-Right", "Center-Bottom", "Center"}));
    QCOMPARE(caption(FileDateKind::DateModified), QStringLiteral("Date Modified"));
    QCOMPARE(caption(StampFormat::Datestamp), QStringLiteral("Datestamp"));
    QCOMPARE(caption(StampPosition::CenterBottom), QStringLiteral("Center-Bottom"));
}

void TestStampOptions::firstStart()
{
    const StampOptions options = StampOptions::firstStart(QStringLiteral("8/31/2021"),
        QStringLiteral("1:23:45 PM"), QStringLiteral("/home/ann/Desktop"));
    QCOMPARE(options.source, StampSource::CustomText);
    QCOMPARE(options.customText, QString());
    QCOMPARE(options.fileDateKind, FileDateKind::DateCreated);
    QCOMPARE(options.format, StampFormat::TimestampAndDatestamp);
    QCOMPARE(options.position, StampPosition::UpperLeft);
    QCOMPARE(options.userDate, QStringLiteral("8/31/2021"));
    QCOMPARE(options.userTime, QStringLiteral("1:23:45 PM"));
    QCOMPARE(options.font, (FontChoice {QStringLiteral("Arial"), 14, true, false, false, false}));
    QCOMPARE(options.color, quint32(16777215));
    QCOMPARE(options.jpegQuality, 85);
    QCOMPARE(options.saveOption, SaveOption::ChosenFolder);
    QCOMPARE(options.outputFolder, QStringLiteral("/home/ann/Desktop/"));
    QCOMPARE(options.sampleText, QStringLiteral("AAaaBBbbCCcc"));
}

void TestStampOptions::colourLayout_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<quint32>("value");

    QTest::newRow("white") << 255 << 255 << 255 << quint32(16777215);
    QTest::newRow("black") << 0 << 0 << 0 << quint32(0);
    QTest::newRow("pure red is the low byte") << 255 << 0 << 0 << quint32(255);
    QTest::newRow("pure green") << 0 << 255 << 0 << quint32(65280);
    QTest::newRow("pure blue is the high byte") << 0 << 0 << 255 << quint32(16711680);
    QTest::newRow("mixed") << 1 << 2 << 3 << quint32(1 + 2 * 256 + 3 * 65536);
}

void TestStampOptions::colourLayout()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(quint32, value);
    QCOMPARE(colorValue(red, green, blue), value);
    QCOMPARE(redOf(value), red);
    QCOMPARE(greenOf(value), green);
    QCOMPARE(blueOf(value), blue);
}

// A list's value by caption (as stored) and by position (as selected), and its caption back.
void TestStampOptions::listValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("kind");

    QTest::newRow("exact caption") << "Datestamp" << 3 << 3 << -1 << -1;
    QTest::newRow("caption in another case") << "center-BOTTOM" << 7 << -1 << 7 << -1;
    QTest::newRow("date kind") << "date taken" << 1 << -1 << -1 << 1;
    QTest::newRow("no such caption, last position") << "Sideways" << 8 << -1 << -1 << -1;
    QTest::newRow("empty caption, nothing selected") << "" << -1 << -1 << -1 << -1;
    QTest::newRow("position past the list") << "Upper Left" << 9 << -1 << -1 << -1;
}

void TestStampOptions::listValues()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(int, format);
    QFETCH(int, position);
    QFETCH(int, kind);

    QCOMPARE(int(stampFormatNamed(text)), format);
    QCOMPARE(int(stampPositionNamed(text)), position);
    QCOMPARE(int(fileDateKindNamed(text)), kind);
    const QStringList positions = stampPositionCaptions();
    QCOMPARE(int(stampPositionAt(index)), index >= 0 && index < 9 ? index : -1);
    QCOMPARE(int(stampFormatAt(index)), index >= 0 && index < 4 ? index : -1);
    QCOMPARE(
        caption(stampPositionAt(index)), index >= 0 && index < 9 ? positions.at(index) : QString());
    if (format >= 0)
        QCOMPARE(caption(StampFormat(format)).toLower(), text.toLower());
}

QTEST_GUILESS_MAIN(TestStampOptions)
#include "tst_stampoptions.moc"
