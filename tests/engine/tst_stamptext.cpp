// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/datetexts.h"
#include "base/runtimefailure.h"
#include "engine/render/stamptext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvora;

using OptionalText = std::optional<QString>;
Q_DECLARE_METATYPE(OptionalText)

namespace {

StampOptions fileDateOptions(FileDateKind kind, StampFormat format)
{
    StampOptions options;
    options.source = StampSource::FileDate;
    options.fileDateKind = kind;
    options.format = format;
    return options;
}

} // namespace

class TestStampText : public QObject
{
    Q_OBJECT

private slots:
    void fileDateLayouts_data();
    void fileDateLayouts();
    void userDateTimeIgnoresTheFormat();
    void customTextPassesUnchanged();
    void dateTextWithoutTimeFails();
    void fromRealFiles();
};

void TestStampText::fileDateLayouts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("format");
    QTest::addColumn<OptionalText>("expected");

    const QString us = QStringLiteral("8/31/2021 1:23:45 PM");
    const QString de = QStringLiteral("31.08.2021 13:23:45");
    const int modified = int(FileDateKind::DateModified);
    const int taken = int(FileDateKind::DateTaken);
    const QString none = QString();
    const QString sentence = QStringLiteral("There is no date taken associated with this file.");

    QTest::newRow("12-hour, time and date")
        << modified << us << "Timestamp And Datestamp" << OptionalText("1:23:45 PM 8/31/2021");
    QTest::newRow("12-hour, date and time")
        << modified << us << "Datestamp And Timestamp" << OptionalText("8/31/2021 1:23:45 PM");
    QTest::newRow("12-hour, time") << modified << us << "Timestamp" << OptionalText("1:23:45 PM");
    QTest::newRow("12-hour, date") << modified << us << "Datestamp" << OptionalText("8/31/2021");
    QTest::newRow("24-hour, time and date")
        << modified << de << "Timestamp And Datestamp" << OptionalText("13:23:45 31.08.2021");
    QTest::newRow("24-hour, time") << modified << de << "Timestamp" << OptionalText("13:23:45");
    QTest::newRow("extra words dropped") << modified << "d t1 t2 t3"
                                         << "Datestamp And Timestamp" << OptionalText("d t1 t2");
    QTest::newRow("format compared exactly")
        << modified << us << "Timestamp and Datestamp" << OptionalText();
    QTest::newRow("no format") << modified << us << "" << OptionalText();
    QTest::newRow("no date taken, time") << taken << none << "Timestamp" << OptionalText(" ");
    QTest::newRow("no date taken, date") << taken << none << "Datestamp" << OptionalText(sentence);
    QTest::newRow("no date taken, time and date")
        << taken << none << "Timestamp And Datestamp" << OptionalText("  " + sentence);
    QTest::newRow("no date taken, date and time")
        << taken << none << "Datestamp And Timestamp" << OptionalText(sentence + "  ");
    QTest::newRow("date taken found") << taken << us << "Datestamp" << OptionalText("8/31/2021");
    QTest::newRow("no date kind selected") << -1 << us << "Datestamp" << OptionalText();
}

void TestStampText::fileDateLayouts()
{
    QFETCH(int, kind);
    QFETCH(QString, dateText);
    QFETCH(QString, format);
    QFETCH(OptionalText, expected);
    StampOptions options;
    options.source = StampSource::FileDate;
    options.fileDateKind = fileDateKindAt(kind);
    // A caption that is not exactly a list item names no format.
    options.format = stampFormatAt(int(stampFormatCaptions().indexOf(format)));
    QCOMPARE(ComposeStampText(options, dateText), expected);
}

void TestStampText::userDateTimeIgnoresTheFormat()
{
    StampOptions options;
    options.source = StampSource::UserDateTime;
    options.userDate = QStringLiteral("2021-01-01");
    options.userTime = QStringLiteral("noon");
    const QStringList formats = stampFormatCaptions() << QStringLiteral("nonsense");
    for (const QString &format : formats) {
        options.format = stampFormatNamed(format);
        QCOMPARE(ComposeStampText(options, QString()), OptionalText("2021-01-01 noon"));
    }
    options.userDate.clear();
    options.userTime.clear();
    QCOMPARE(ComposeStampText(options, QString()), OptionalText(" "));
}

void TestStampText::customTextPassesUnchanged()
{
    StampOptions options;
    options.source = StampSource::CustomText;
    options.customText = QStringLiteral("Holiday 2021\r\nLake Bled");
    options.format = StampFormat::None;
    QCOMPARE(
        ComposeStampText(options, QStringLiteral("ignored")), OptionalText(options.customText));
}

void TestStampText::dateTextWithoutTimeFails()
{
    // A file that vanished has no date text at all; that is reported, never stamped as a
    // leftover of another file.
    const StampOptions options
        = fileDateOptions(FileDateKind::DateModified, StampFormat::Datestamp);
    QVERIFY_THROWS_EXCEPTION(RuntimeFailure, ComposeStampText(options, QString()));
    QVERIFY_THROWS_EXCEPTION(
        RuntimeFailure, ComposeStampText(options, QStringLiteral("8/31/2021")));
}

void TestStampText::fromRealFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a camera file");
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(QDateTime(QDate(2021, 8, 31), QTime(11, 23, 45), Qt::UTC),
        QFileDevice::FileModificationTime));
    file.close();
    const DateTexts us {QLocale(QStringLiteral("en_US"))};

    QCOMPARE(ComposeStampText(
                 fileDateOptions(FileDateKind::DateModified, StampFormat::DatestampAndTimestamp),
                 path, us),
        OptionalText("8/31/2021 1:23:45 PM"));
    // A short date written with blanks (Slovak) stays one date part.
    QCOMPARE(ComposeStampText(
                 fileDateOptions(FileDateKind::DateModified, StampFormat::TimestampAndDatestamp),
                 path, DateTexts(QLocale(QStringLiteral("sk_SK")))),
        OptionalText("13:23:45 31. 8. 2021"));
    QCOMPARE(ComposeStampText(
                 fileDateOptions(FileDateKind::DateTaken, StampFormat::Datestamp), path, us),
        OptionalText("There is no date taken associated with this file."));

    StampOptions custom;
    custom.customText = QStringLiteral("Two\r\nlines");
    QCOMPARE(ComposeStampText(custom, dir.filePath(QStringLiteral("missing.jpg")), us),
        OptionalText("Two\r\nlines"));
}

QTEST_GUILESS_MAIN(TestStampText)
#include "tst_stamptext.moc"
