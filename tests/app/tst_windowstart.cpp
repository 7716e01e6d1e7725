// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/mainmodule.h"
#include "base/randomdraw.h"
#include "imagelist/listdrop.h"
#include "startfixture.h"

#include <QSignalSpy>
#include <QTimer>

namespace {

class ScriptedDraw final : public RandomDraw
{
public:
    explicit ScriptedDraw(double value)
        : m_value(value)
    { }
    double draw() override { return m_value; }

private:
    double m_value;
};

} // namespace

// The parts of start-up around the options: the sample snapshot, the home page, the hand
// pointer, the skin and the files beside the program, and shutdown.
class TestWindowStart : public QObject
{
    Q_OBJECT

private slots:
    void sampleSnapshot_data();
    void sampleSnapshot();
    void homePageVisit_data();
    void homePageVisit();
    void handPointer();
    void skin();
    void closingTheWindowEndsTheProgram();
    void commandLineFilesAreListed();
};

void TestWindowStart::sampleSnapshot_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("snapshotWrites");
    QTest::addColumn<int>("calls");
    QTest::newRow("first start") << "" << true << 1;
    QTest::newRow("samples folder without files: tried once more") << "" << false << 2;
    QTest::newRow("already recorded") << "abc" << true << 0;
}

void TestWindowStart::sampleSnapshot()
{
    QFETCH(QString, stored);
    QFETCH(bool, snapshotWrites);
    QFETCH(int, calls);

    StartFixture f;
    if (!stored.isEmpty())
        f.store({{"Snapshot", stored}});
    int taken = 0;
    f.seams.takeSampleSnapshot = [&] {
        ++taken;
        if (snapshotWrites)
            f.settings.WriteSetting(QStringLiteral("Snapshot"), QStringLiteral("recorded"));
    };
    f.start();
    QCOMPARE(taken, calls);
}

void TestWindowStart::homePageVisit_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("visited");
    const QString real = QStringLiteral("https://www.kalvora-maker.org/");
    QTest::newRow("7 is drawn") << 0.06 << real << true;
    QTest::newRow("7 is drawn, top of its range") << 0.0699 << real << true;
    QTest::newRow("6 is drawn") << 0.0599 << real << false;
    QTest::newRow("8 is drawn") << 0.07 << real << false;
    QTest::newRow("the example domain") << 0.06 << "https://www.vendrel.example/" << false;
    QTest::newRow("example.com") << 0.06 << "http://example.com/" << false;
    QTest::newRow("a test domain") << 0.06 << "https://maker.test/" << false;
}

void TestWindowStart::homePageVisit()
{
    QFETCH(double, draw);
    QFETCH(QString, address);
    QFETCH(bool, visited);

    ScriptedDraw scripted(draw);
    QList<QUrl> opened;
    const auto open = [&](const QUrl &url) {
        opened << url;
        return true;
    };
    QCOMPARE(HomePageVisit(scripted, address, open), visited);
    QCOMPARE(opened, visited ? QList<QUrl> {QUrl(address)} : QList<QUrl> {});

    // The program's own address is still the example one: a start that draws 7 opens nothing.
    StartFixture f;
    f.seams.homePageDraw = &scripted;
    f.seams.openUrl = open;
    opened.clear();
    f.start();
    QVERIFY(opened.isEmpty());
}

void TestWindowStart::handPointer()
{
    const QList<QByteArray> buttons {"PushButton1", "PushButton2", "PushButton3", "PushButton4",
        "PushButton5", "PushButton6", "PushButton7", "PushButton8", "PushButton9", "PushButton10"};
    const QList<QByteArray> others {
        "PushButton11", "Text1", "Text5", "Option1", "Frame2", "ListView1", "Combo1"};

    // The pointer file built beside the program.
    StartFixture f;
    f.seams.programFolder = QCoreApplication::applicationDirPath();
    QVERIFY(QFileInfo::exists(f.seams.programFolder + QStringLiteral("/HAND-M.CUR")));
    f.start();
    QVERIFY(f.dialogs.shown.isEmpty());
    for (const QByteArray &name : buttons) {
        const QCursor pointer = f.find<QWidget>(name.constData())->cursor();
        QCOMPARE(pointer.shape(), Qt::BitmapCursor);
        QCOMPARE(pointer.hotSpot(), QPoint(12, 1));
        QCOMPARE(pointer.pixmap().size(), QSize(32, 32));
    }
    for (const QByteArray &name : others)
        QVERIFY2(f.find<QWidget>(name.constData())->cursor().shape() != Qt::BitmapCursor, name);

    // Without the file the buttons show the default arrow, and nothing is reported.
    QTemporaryDir empty;
    f.seams.programFolder = empty.path();
    f.start();
    QVERIFY(f.dialogs.shown.isEmpty());
    for (const QByteArray &name : buttons)
        QCOMPARE(f.find<QWidget>(name.constData())->cursor().shape(), Qt::ArrowCursor);

    // A file that holds no pointer is reported at its step.
    QFile broken(empty.filePath(QStringLiteral("HAND-M.CUR")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a cursor");
    broken.close();
    f.start();
    QCOMPARE(f.dialogs.messages().size(), 1);
    QVERIFY(f.dialogs.messages().first().contains(reportAt(106)));
    QVERIFY(f.dialogs.messages().first().contains(broken.fileName()));
}

void TestWindowStart::skin()
{
    StartFixture f;
    QTemporaryDir program;
    f.seams.programFolder = program.path();
    f.start();
    const auto background = [&](const char *name) {
        const QWidget *widget = f.find<QWidget>(name);
        return widget->palette().color(widget->backgroundRole());
    };
    // Without a skin the design's white panels stay.
    QCOMPARE(background("Label1"), QColor(Qt::white));
    QCOMPARE(background("Option1"), QColor(Qt::white));
    QVERIFY(f.window->styleSheet().isEmpty());

    QVERIFY(QDir(program.path()).mkpath(QStringLiteral("x")));
    QFile skin(program.filePath(QStringLiteral("x/o.cjs")));
    QVERIFY(skin.open(QIODevice::WriteOnly));
    skin.write("QPushButton { color: rgb(1, 2, 3); }");
    skin.close();
    f.start();
    QVERIFY(f.dialogs.shown.isEmpty());
    const QColor face = QApplication::palette().color(QPalette::Button);
    QCOMPARE(background("Label1"), face);
    QCOMPARE(background("Option1"), face);
    QCOMPARE(background("Frame2"), face);
    QCOMPARE(background("Picture2"), QColor(Qt::white)); // the swatch keeps the stamp colour
    QCOMPARE(f.window->styleSheet(), QStringLiteral("QPushButton { color: rgb(1, 2, 3); }"));
}

// Closing the main window closes every other window, which gets no say in it, and ends the
// program's event loop.
void TestWindowStart::closingTheWindowEndsTheProgram()
{
    StartFixture f;
    Form1 &window = f.start();
    window.show();
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));

    QTimer::singleShot(50, &window, [&] { window.close(); });
    // Should the program not end, this ends the loop with a failure code instead of hanging.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
    QVERIFY(!other.isVisible());
}

// Files and folders named on the command line (a file manager's "Open With") go into the list in
// their order: a file as it is, even one the walk would leave out, a folder by the walk, which
// leaves out hidden names and walks the folders below.
void TestWindowStart::commandLineFilesAreListed()
{
    StartFixture f;
    QTemporaryDir photos;
    QDir dir(photos.path());
    QVERIFY(dir.mkpath(QStringLiteral("trip/day 2")));
    const QStringList files {
        "b.png", ".hidden.jpg", "trip/a.jpg", "trip/.x.jpg", "trip/day 2/c.gif"};
    for (const QString &name : files) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QDir::setCurrent(photos.path());
    const ProgramArguments arguments = parseProgramArguments({QStringLiteral("b.png"),
        dir.filePath(QStringLiteral("trip")), QStringLiteral("./.hidden.jpg")});

    const std::unique_ptr<Form1> window
        = openMainWindow(arguments, f.dialogs, f.settings, f.events, f.seams);
    QVERIFY(window->isVisible());
    QSignalSpy appended(&window->listDrop(), &ListDrop::droppedPathsAppended);
    QVERIFY(appended.wait(5000));

    QStringList listed;
    for (int i = 1; i <= window->imageList().count(); ++i)
        listed << window->imageList().pathAt(i);
    QCOMPARE(listed,
        (QStringList {dir.filePath(QStringLiteral("b.png")),
            dir.filePath(QStringLiteral("trip/a.jpg")),
            dir.filePath(QStringLiteral("trip/day 2/c.gif")),
            dir.filePath(QStringLiteral(".hidden.jpg"))}));
}

QTEST_MAIN(TestWindowStart)
#include "tst_windowstart.moc"
