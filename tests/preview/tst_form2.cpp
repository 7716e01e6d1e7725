// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/form2.h"
#include "recordingdialogs.h"
#include "testimages.h"
#include "ui/errorreport.h"

#include <QBuffer>
#include <QFrame>
#include <QImageWriter>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace TestImages;

namespace {

/// The preview window over a picture of its own and a main window to return to.
struct Fixture
{
    QWidget main;
    RecordingDialogs dialogs;
    QImage surface;
    QPointer<Form2> window;

    explicit Fixture(const QImage &picture, const QString &programFolder = QString())
        : surface(picture)
    {
        main.resize(200, 100);
        window = new Form2([this] { return surface; }, &main, dialogs,
            programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder);
        window->show();
    }
    ~Fixture() { delete window.data(); }

    template <typename T = QWidget> T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    /// What the viewport shows, as a picture of its own size.
    QImage shown()
    {
        return find("PicView")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

/// A cursor file of \a size pixels with its hot spot at (\a hotX, \a hotY), laid out as the
/// icon file format describes: a 6-byte header whose type word is 2 for a cursor, then a
/// 16-byte entry whose bytes 4 to 7 hold the hot spot.
QByteArray cursorFile(int size, int hotX, int hotY)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    QImageWriter(&buffer, "ico").write(picture);
    bytes[2] = 2;
    bytes[6 + 4] = char(hotX);
    bytes[6 + 5] = 0;
    bytes[6 + 6] = char(hotY);
    bytes[6 + 7] = 0;
    return bytes;
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void pictureAtFullSizeFromTheTopLeft();
    void scrolling_data();
    void scrolling();
    void wheelAndKeysScroll();
    void showingRecopiesThePicture();
    void back();
    void closeRequest();
    void neverLeavesNoWindow();
    void handPointer_data();
    void handPointer();
    void fitAndZoom();
};

void TestForm2::layout()
{
    Fixture f(gradient(100, 80));
    QCOMPARE(f.window->size(), QSize(536, 431));
    // It opens at that size and can be made larger.
    QVERIFY(f.window->maximumSize().width() > 536 && f.window->maximumSize().height() > 431);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Kalvora"));
    QCOMPARE(f.find<QPushButton>("PushButton1")->text(), QStringLiteral("< Back"));
    QCOMPARE(f.find<QPushButton>("PushButton1")->geometry(), QRect(8, 8, 520, 27));
    QCOMPARE(f.find<QPushButton>("PushButton1")->font().pointSizeF(), 11.25);
    QVERIFY(f.find<QPushButton>("PushButton1")->font().bold());
    QCOMPARE(f.find<QFrame>("PicScroll")->geometry(), QRect(8, 42, 520, 385));
    QCOMPARE(f.window->font().family(), QStringLiteral("Arial"));
    QCOMPARE(f.window->font().pointSizeF(), 9.0);
    QVERIFY(f.window->font().bold());
    // The window takes the button-face colour.
    QCOMPARE(
        f.window->palette().color(QPalette::Window), f.window->palette().color(QPalette::Button));
}

void TestForm2::pictureAtFullSizeFromTheTopLeft()
{
    const QImage picture = gradient(300, 200);
    Fixture f(picture);
    const QImage shown = f.shown();
    QCOMPARE(shown.copy(0, 0, 300, 200), picture);
    // The rest of the viewport shows the window colour.
    const QColor window = f.find<QWidget>("PicView")->palette().color(QPalette::Base);
    QCOMPARE(shown.pixelColor(shown.width() - 1, shown.height() - 1), window);
    QCOMPARE(shown.pixelColor(300, 10), window);
    QVERIFY(!f.find<QScrollBar>("VscrPic")->isVisible());
    QVERIFY(!f.find<QScrollBar>("HscrPic")->isVisible());
}

void TestForm2::scrolling_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("vertical");

    const QSize inner = Fixture(QImage()).find<QFrame>("PicScroll")->contentsRect().size();
    QTest::newRow("fits") << inner << false << false;
    QTest::newRow("wide") << QSize(1200, 200) << true << false;
    QTest::newRow("tall") << QSize(300, 900) << false << true;
    QTest::newRow("large photo") << QSize(1600, 1200) << true << true;
    // Just as wide as the viewport: the vertical bar takes room, so it no longer fits.
    QTest::newRow("the one bar brings the other")
        << QSize(inner.width(), inner.height() + 1) << true << true;
}

void TestForm2::scrolling()
{
    QFETCH(QSize, size);
    QFETCH(bool, horizontal);
    QFETCH(bool, vertical);

    const QImage picture = gradient(size.width(), size.height());
    Fixture f(picture);
    QScrollBar *h = f.find<QScrollBar>("HscrPic");
    QScrollBar *v = f.find<QScrollBar>("VscrPic");
    QCOMPARE(h->isVisible(), horizontal);
    QCOMPARE(v->isVisible(), vertical);

    // The bars' ranges leave the picture's far edge at the viewport's far edge.
    const QSize view = f.find<QWidget>("PicView")->size();
    QCOMPARE(h->maximum(), qMax(0, size.width() - view.width()));
    QCOMPARE(v->maximum(), qMax(0, size.height() - view.height()));
    // Shown bars lie inside the viewport's frame, beside the picture and not over it.
    const QRect inner = f.find<QFrame>("PicScroll")->contentsRect();
    for (QScrollBar *bar : {h, v}) {
        if (bar->isVisible()) {
            QVERIFY(inner.contains(bar->geometry()));
            QVERIFY(!bar->geometry().intersects(f.find<QWidget>("PicView")->geometry()));
        }
    }

    h->setValue(h->maximum());
    v->setValue(v->maximum());
    QCOMPARE(f.find<QLabel>("PicOrg")->pos(), QPoint(-h->maximum(), -v->maximum()));
    const QRect corner(h->maximum(), v->maximum(), qMin(view.width(), size.width()),
        qMin(view.height(), size.height()));
    QCOMPARE(f.shown().copy(QRect(QPoint(), corner.size())), picture.copy(corner));
}

void TestForm2::wheelAndKeysScroll()
{
    Fixture f(gradient(1600, 1200));
    QScrollBar *h = f.find<QScrollBar>("HscrPic");
    QScrollBar *v = f.find<QScrollBar>("VscrPic");
    QWidget *picture = f.find<QLabel>("PicOrg");

    QWheelEvent down(QPointF(10, 10), picture->mapToGlobal(QPointF(10, 10)), QPoint(),
        QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(picture, &down);
    QVERIFY(v->value() > 0);
    QCOMPARE(h->value(), 0);
    QCOMPARE(picture->y(), -v->value());

    QTest::keyClick(f.window, Qt::Key_End);
    QCOMPARE(v->value(), v->maximum());
    QCOMPARE(h->value(), h->maximum());
    QTest::keyClick(f.window, Qt::Key_Left);
    QCOMPARE(h->value(), h->maximum() - Form2::kScrollStep);
    QTest::keyClick(f.window, Qt::Key_Home);
    QCOMPARE(picture->pos(), QPoint(0, 0));
}

void TestForm2::showingRecopiesThePicture()
{
    Fixture f(gradient(1600, 1200));
    f.find<QScrollBar>("VscrPic")->setValue(300);
    f.window->hide();
    // The same photo stamped again keeps the part in view.
    f.surface = gradient(1600, 1200).mirrored(true, false);
    f.window->show();
    QCOMPARE(f.window->picture(), f.surface);
    QCOMPARE(f.find<QScrollBar>("VscrPic")->value(), 300);

    f.window->hide();
    f.surface = gradient(120, 90);
    f.window->show();
    QCOMPARE(f.window->picture(), f.surface);
    QCOMPARE(f.shown().copy(0, 0, 120, 90), f.surface);
    QCOMPARE(f.find<QLabel>("PicOrg")->pos(), QPoint(0, 0));
    QVERIFY(!f.find<QScrollBar>("VscrPic")->isVisible());
}

void TestForm2::back()
{
    Fixture f(gradient(50, 50));
    QTest::mouseClick(f.find<QPushButton>("PushButton1"), Qt::LeftButton);
    QVERIFY(f.main.isVisible());
    QVERIFY(!f.window->isVisible());
    // Hidden, not gone: the next preview shows the same window again.
    QCoreApplication::processEvents();
    QVERIFY(f.window);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestForm2::closeRequest()
{
    Fixture f(gradient(50, 50));
    QVERIFY(f.window->close());
    QVERIFY(f.main.isVisible());
    QTRY_VERIFY(!f.window);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestForm2::neverLeavesNoWindow()
{
    auto main = std::make_unique<QWidget>();
    RecordingDialogs dialogs;
    QPointer<Form2> window = new Form2([] { return gradient(50, 50); }, main.get(), dialogs);
    window->show();
    main.reset();

    QTest::mouseClick(
        window->findChild<QPushButton *>(QStringLiteral("PushButton1")), Qt::LeftButton);
    QVERIFY(window->isVisible());
    QVERIFY(!window->close());
    QCoreApplication::processEvents();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(dialogs.shown.size(), 2);
    QVERIFY(dialogs.shown[0].text.contains(QLatin1String(Location::kPreviewBack)));
    QVERIFY(dialogs.shown[1].text.contains(QLatin1String(Location::kPreviewQueryUnload)));
    delete window.data();
}

void TestForm2::handPointer_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QPoint>("hotSpot");

    QTest::newRow("no file") << QByteArray() << false << QPoint();
    QTest::newRow("cursor file") << cursorFile(32, 9, 3) << true << QPoint(9, 3);
    QTest::newRow("not a picture")
        << QByteArray("not a cursor at all, just text") << false << QPoint();
}

void TestForm2::handPointer()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, custom);
    QFETCH(QPoint, hotSpot);

    QTemporaryDir folder;
    if (!file.isEmpty()) {
        QFile cursor(folder.filePath(QStringLiteral("HAND-M.CUR")));
        QVERIFY(cursor.open(QIODevice::WriteOnly));
        cursor.write(file);
    }
    Fixture f(gradient(50, 50), folder.path());
    QPushButton *back = f.find<QPushButton>("PushButton1");
    QCOMPARE(back->testAttribute(Qt::WA_SetCursor), custom);
    if (custom) {
        QCOMPARE(back->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(back->cursor().hotSpot(), hotSpot);
        QCOMPARE(back->cursor().pixmap().size(), QSize(32, 32));
    }
    QVERIFY(f.dialogs.shown.isEmpty());
}

// F fits the whole picture into the window (and keeps it fitted as the window grows), 1 shows
// it at full size with its scroll bars again, + and - zoom; the scale is worked out here from
// the viewport's room.
void TestForm2::fitAndZoom()
{
    const QImage picture = gradient(2400, 1200);
    Fixture f(picture);
    QVERIFY(QTest::qWaitForWindowExposed(f.window));
    const auto shownSize = [&] { return f.find<QLabel>("PicOrg")->size(); };
    const auto fitted = [&] {
        const QSize room = f.find<QFrame>("PicScroll")->contentsRect().size();
        const double scale
            = std::min(double(room.width()) / picture.width(), double(room.height()) / 1200);
        return picture.size() * scale;
    };
    QCOMPARE(shownSize(), picture.size());

    QTest::keyClick(f.window, Qt::Key_F);
    QCOMPARE(shownSize(), fitted());
    QVERIFY(!f.find<QScrollBar>("VscrPic")->isVisible());
    QVERIFY(!f.find<QScrollBar>("HscrPic")->isVisible());
    // The picture, shrunk: its left half dark, its right half light, as the gradient runs.
    const QImage shown = f.shown();
    QVERIFY(qGray(shown.pixel(5, 5)) < qGray(shown.pixel(fitted().width() - 5, 5)));

    f.window->resize(1000, 800);
    QCOMPARE(shownSize(), fitted());
    QVERIFY(shownSize().width() > 900);

    QTest::keyClick(f.window, Qt::Key_1);
    QCOMPARE(shownSize(), picture.size());
    QVERIFY(f.find<QScrollBar>("HscrPic")->isVisible());
    QTest::keyClick(f.window, Qt::Key_Minus);
    QCOMPARE(shownSize(), picture.size() * 0.8);
    QTest::keyClick(f.window, Qt::Key_Plus);
    QCOMPARE(shownSize(), picture.size());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
