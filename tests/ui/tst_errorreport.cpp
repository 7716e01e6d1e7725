// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/applicationtitle.h"
#include "base/runtimefailure.h"
#include "recordingdialogs.h"
#include "ui/dialogs.h"
#include "ui/errorreport.h"
#include "ui/trappedprocedure.h"

#include <QTest>

class TestErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void reportText();
    void dialogShown();
    void failingStepsAreReportedAndTheProcedureGoesOn();
    void failedTestTakesThePassingBranch();
    void foreignExceptionsAreReportedToo();
    void shortTitle_data();
    void shortTitle();
    void displayedText_data();
    void displayedText();
};

void TestErrorReport::reportText()
{
    const QString text = errorReportText(QLatin1String(Location::kStartStamping), 244,
        QStringLiteral("Cannot save the image. GDI+ Error:7"));
    QCOMPARE(text,
        QStringLiteral("Cannot save the image. GDI+ Error:7\r\n"
                       "in Kalvorim2021/08/31.Form1.PushButton8_Click at line 244\r\r"
                       "Please email screenshot of this message to support@vendrel.example"));
}

void TestErrorReport::dialogShown()
{
    RecordingDialogs dialogs;
    ErrorReport(
        dialogs, QLatin1String(Location::kFolderWalk), 112, QStringLiteral("Path not found"));
    QCOMPARE(dialogs.shown.size(), 1);
    const auto &shown = dialogs.shown.first();
    QCOMPARE(shown.kind, QStringLiteral("message"));
    QCOMPARE(shown.title, QStringLiteral("Application Error"));
    QCOMPARE(shown.icon, Dialogs::Icon::Exclamation);
    QVERIFY(shown.text.startsWith(
        QStringLiteral("Path not found\r\nin Morvane2021/08/31.AddFolder.GetSubDirectories2016 at "
                       "line 112\r\r")));
}

void TestErrorReport::failingStepsAreReportedAndTheProcedureGoesOn()
{
    RecordingDialogs dialogs;
    TrappedProcedure procedure(dialogs, QLatin1String(Location::kFormLoad));
    QStringList ran;
    QVERIFY(procedure.run(100, [&] { ran << QStringLiteral("100"); }));
    QVERIFY(!procedure.run(102, [&] {
        ran << QStringLiteral("102");
        throw RuntimeFailure(QStringLiteral("Type mismatch"), 13);
        ran << QStringLiteral("after the failure");
    }));
    QVERIFY(procedure.run(104, [&] { ran << QStringLiteral("104"); }));
    QVERIFY(!procedure.run(
        106, [&] { throw RuntimeFailure(QStringLiteral("Subscript out of range"), 9); }));
    QVERIFY(procedure.run(108, [&] { ran << QStringLiteral("108"); }));

    QCOMPARE(ran, QStringList({"100", "102", "104", "108"}));
    QCOMPARE(procedure.failureCount(), 2);
    const QStringList messages = dialogs.messages();
    QCOMPARE(messages.size(), 2);
    QVERIFY(messages[0].startsWith(
        QStringLiteral("Type mismatch\r\nin Kalvorim2021/08/31.Form1.Form_Load at line 102\r\r")));
    QVERIFY(messages[1].startsWith(QStringLiteral(
        "Subscript out of range\r\nin Kalvorim2021/08/31.Form1.Form_Load at line 106\r\r")));
}

void TestErrorReport::failedTestTakesThePassingBranch()
{
    RecordingDialogs dialogs;
    TrappedProcedure procedure(dialogs, QLatin1String(Location::kStartStamping));
    QVERIFY(procedure.test(104, [] { return true; }));
    QVERIFY(!procedure.test(106, [] { return false; }));
    QVERIFY(
        procedure.test(108, []() -> bool { throw RuntimeFailure(QStringLiteral("Bad file")); }));
    QCOMPARE(procedure.failureCount(), 1);
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.messages().first().contains(QStringLiteral("at line 108")));
}

void TestErrorReport::foreignExceptionsAreReportedToo()
{
    RecordingDialogs dialogs;
    TrappedProcedure procedure(dialogs, QLatin1String(Location::kOverlayText));
    QVERIFY(!procedure.run(110, [] { throw std::length_error("too long"); }));
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.messages().first().startsWith(QStringLiteral("too long\r\n")));
}

void TestErrorReport::shortTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");

    QTest::newRow("the product") << "Kalvora"
                                 << "Kalvora";
    const QString forty = QStringLiteral("Kalvora stamps dates on many photographs");
    QCOMPARE(forty.size(), 40);
    QTest::newRow("exactly forty") << forty << forty;
    // 45 characters whose last word has 8 letters: that word and its blank go.
    QTest::newRow("forty-five") << "Kalvora stamps dates and text on all pictures"
                                << "Kalvora stamps dates and text on all";
    QTest::newRow("several words go")
        << QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V")
        << QStringLiteral("A B C D E F G H I J K L M N O P Q R S T");
    QTest::newRow("one long word")
        << QString(50, QLatin1Char('x')) << QString(40, QLatin1Char('x'));
}

void TestErrorReport::shortTitle()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(::shortTitle(name), title);
    QVERIFY(::shortTitle(name).size() <= 40);
}

void TestErrorReport::displayedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two carriage returns") << "Date Taken only.\r\rAlso"
                                          << "Date Taken only.\n\nAlso";
    QTest::newRow("carriage return and line feed") << "a\r\nb"
                                                   << "a\nb";
    QTest::newRow("line feed") << "a\nb"
                               << "a\nb";
    QTest::newRow("line feed then carriage return") << "a\n\rb"
                                                    << "a\n\nb";
    QTest::newRow("at the end") << "a\r"
                                << "a\n";
    QTest::newRow("none") << "No files added."
                          << "No files added.";
    QTest::newRow("error report")
        << errorReportText(QLatin1String(Location::kFormLoad), 182, QStringLiteral("Overflow"))
        << "Overflow\nin Kalvorim2021/08/31.Form1.Form_Load at line 182\n\n"
           "Please email screenshot of this message to "
           "support@vendrel.example";
}

void TestErrorReport::displayedText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(::displayedText(text), shown);
}

QTEST_GUILESS_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
