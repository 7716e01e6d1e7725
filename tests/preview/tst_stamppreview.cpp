// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"
#include "app/stampcontroller.h"
#include "imagelist/imagelist.h"
#include "stamppreviewfixture.h"
#include "testimages.h"
#include "ui/errorreport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvora;
using namespace StampPreviewTest;

using namespace TestImages;

class TestStampPreview : public StampPreviewFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void backAndCloseBringTheMainWindowBack();
    void secondPreviewShowsTheNewPicture();
    void unreadablePicture_data();
    void unreadablePicture();
    void busyPointer_data();
    void busyPointer();
    void previewDuringAStampRun();
};

void TestStampPreview::init()
{
    setUp();
}

void TestStampPreview::cleanup()
{
    tearDown();
}

void TestStampPreview::backAndCloseBringTheMainWindowBack()
{
    m_window->imageList().append(write(QStringLiteral("a.bmp"), solid(Qt::darkGreen)));
    clickPreview();
    QPointer<Form2> first = form2();
    QVERIFY(first && first->isVisible());
    QVERIFY(!m_window->isVisible());

    QTest::mouseClick(
        first->findChild<QPushButton *>(QStringLiteral("PushButton1")), Qt::LeftButton);
    QVERIFY(m_window->isVisible());
    QVERIFY(!first->isVisible());

    clickPreview();
    QCOMPARE(form2(), first.data());
    QVERIFY(first->isVisible());
    QVERIFY(first->close());
    QVERIFY(m_window->isVisible());
    QTRY_VERIFY(!first);
    QVERIFY(!form2());

    // A closed window is made afresh by the next preview.
    clickPreview();
    QVERIFY(form2() && form2()->isVisible());
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_dialogs->shown.isEmpty());
}

void TestStampPreview::secondPreviewShowsTheNewPicture()
{
    m_window->imageList().append(write(QStringLiteral("a.bmp"), gradient(300, 200)));
    clickPreview();
    QCOMPARE(shownInWindow().copy(0, 0, 300, 200), preview().surface());
    QTest::mouseClick(
        form2()->findChild<QPushButton *>(QStringLiteral("PushButton1")), Qt::LeftButton);

    m_window->imageList().clear();
    const QImage second = gradient(260, 180).mirrored(true, true);
    m_window->imageList().append(write(QStringLiteral("b.bmp"), second));
    clickPreview();
    const QImage surface = preview().surface();
    QCOMPARE(surface.size(), second.size());
    QVERIFY(!changedArea(second, surface).isEmpty());
    QCOMPARE(form2()->picture(), surface);
    QCOMPARE(shownInWindow().copy(0, 0, 260, 180), surface);
}

void TestStampPreview::unreadablePicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("damaged JPEG") << "damaged.jpg" << QByteArray("\xff\xd8 not a picture");
    QTest::newRow("damaged PNG") << "damaged.png" << QByteArray("\x89PNG broken");
    QTest::newRow("missing file") << "missing.jpg" << QByteArray();
}

void TestStampPreview::unreadablePicture()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    // An earlier preview left its picture on the surface and its window hidden.
    m_window->imageList().append(write(QStringLiteral("good.bmp"), solid(Qt::yellow)));
    clickPreview();
    QTest::mouseClick(
        form2()->findChild<QPushButton *>(QStringLiteral("PushButton1")), Qt::LeftButton);
    m_window->imageList().clear();

    const QString path = m_dir->filePath(name);
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    m_window->imageList().append(path);
    clickPreview();

    // Reported once, naming the file; the earlier picture is not shown as if it were this one.
    QCOMPARE(m_dialogs->shown.size(), 1);
    QCOMPARE(m_dialogs->shown[0].title, QLatin1String(kErrorReportTitle));
    QVERIFY2(m_dialogs->shown[0].text.contains(path), qPrintable(m_dialogs->shown[0].text));
    QVERIFY(m_dialogs->shown[0].text.contains(QLatin1String(Location::kPreviewStamp)));
    QVERIFY(m_window->isVisible());
    QVERIFY(!form2()->isVisible());
}

void TestStampPreview::busyPointer_data()
{
    QTest::addColumn<bool>("busyBefore");
    QTest::newRow("idle window") << false;
    QTest::newRow("window busy with a run") << true;
}

void TestStampPreview::busyPointer()
{
    QFETCH(bool, busyBefore);
    m_window->imageList().append(write(QStringLiteral("p.png"), gradient(100, 80)));
    m_window->setBusy(busyBefore);
    int busyWhileLoading = 0;
    m_events->hook = [&] { busyWhileLoading += m_window->isBusy(); };
    clickPreview();
    m_events->hook = nullptr;

    QVERIFY(busyWhileLoading > 0);
    QCOMPARE(m_window->isBusy(), busyBefore);
    m_window->setBusy(false);
}

void TestStampPreview::previewDuringAStampRun()
{
    // The preview of the first file starts while the run waits for the converter of the second.
    const QImage first = solid(QColor(200, 40, 40));
    const QImage second = solid(QColor(40, 40, 200));
    m_window->imageList().append(write(QStringLiteral("first.png"), first));
    m_window->imageList().append(write(QStringLiteral("second.png"), second));
    QTemporaryDir output;
    child<QRadioButton>("Option3")->setChecked(true);
    child<QPlainTextEdit>("Text5")->setPlainText(QStringLiteral("RUN"));
    child<QPlainTextEdit>("Text4")->setPlainText(QString());
    child<QRadioButton>("Option4")->setChecked(true);
    child<QLineEdit>("Text6")->setText(output.path() + QLatin1Char('/'));

    bool previewed = false;
    int idleDuringRun = 0;
    QProgressBar *bar = child<QProgressBar>("ProgressBar1");
    m_events->hook = [&] {
        if (!m_window->stampController().isRunning())
            return;
        idleDuringRun += !m_window->isBusy();
        if (!previewed && bar->format().contains(QLatin1String("second.png"))) {
            previewed = true;
            clickPreview();
        }
    };
    QTest::mouseClick(child<QPushButton>("PushButton8"), Qt::LeftButton);
    m_events->hook = nullptr;

    QVERIFY(previewed);
    QCOMPARE(idleDuringRun, 0);
    QCOMPARE(m_dialogs->messages(), QStringList {QStringLiteral("Done.")});
    // The preview showed the first picture; the run wrote each file from its own picture.
    QVERIFY(qAbs(qRed(preview().surface().pixel(100, 100)) - 200) < 8);
    const QImage written = decoded(output.filePath(QStringLiteral("second.png")));
    QCOMPARE(written.size(), second.size());
    QVERIFY(qAbs(qBlue(written.pixel(150, 120)) - 200) < 8);
    QVERIFY(qAbs(qRed(written.pixel(150, 120)) - 40) < 8);
}

QTEST_MAIN(TestStampPreview)
#include "tst_stamppreview.moc"
