// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/datetexts.h"

#include <QDateTime>
#include <QTest>

class TestDateTexts : public QObject
{
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
};

void TestDateTexts::texts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("dateTime");
    QTest::addColumn<QString>("twelveHour");

    const QDateTime afternoon(QDate(2021, 8, 31), QTime(13, 23, 45));
    const QDateTime midnight(QDate(2021, 8, 31), QTime(0, 0, 0));
    const QDateTime morning(QDate(2021, 1, 5), QTime(9, 5, 7));
    QTest::newRow("en_US afternoon") << "en_US" << afternoon << "8/31/2021 1:23:45 PM"
                                     << "1:23:45 PM";
    QTest::newRow("en_US midnight keeps its time") << "en_US" << midnight << "8/31/2021 12:00:00 AM"
                                                   << "12:00:00 AM";
    QTest::newRow("en_US morning") << "en_US" << morning << "1/5/2021 9:05:07 AM"
                                   << "9:05:07 AM";
    QTest::newRow("de_DE afternoon") << "de_DE" << afternoon << "31.08.2021 13:23:45"
                                     << "1:23:45 PM";
    QTest::newRow("de_DE midnight") << "de_DE" << midnight << "31.08.2021 00:00:00"
                                    << "12:00:00 AM";
    QTest::newRow("en_GB") << "en_GB" << morning << "05/01/2021 09:05:07"
                           << "9:05:07 am";
    // The C locale's own short date ("5 Jan 2021") holds blanks, and stamp texts are cut at
    // blanks: dates and times there take the numeric international forms.
    QTest::newRow("C afternoon") << "C" << afternoon << "2021-08-31 13:23:45"
                                 << "1:23:45 PM";
    QTest::newRow("C morning") << "C" << morning << "2021-01-05 09:05:07"
                               << "9:05:07 AM";
    QTest::newRow("POSIX midnight") << "POSIX" << midnight << "2021-08-31 00:00:00"
                                    << "12:00:00 AM";
}

void TestDateTexts::texts()
{
    QFETCH(QString, locale);
    QFETCH(QDateTime, moment);
    QFETCH(QString, dateTime);
    QFETCH(QString, twelveHour);
    const DateTexts texts {QLocale(locale)};
    QCOMPARE(texts.dateTime(moment), dateTime);
    QCOMPARE(texts.twelveHourTime(moment.time()), twelveHour);
    // Date texts are cut at plain blanks later, so only plain blanks separate their words.
    QVERIFY(!texts.dateTime(moment).contains(QChar(0x202F)));
    QVERIFY(!texts.dateTime(moment).contains(QChar(0x00A0)));
}

QTEST_GUILESS_MAIN(TestDateTexts)
#include "tst_datetexts.moc"
