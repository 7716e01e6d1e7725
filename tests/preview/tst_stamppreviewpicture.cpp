// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"
#include "engine/render/sourcepicture.h"
#include "heifphotos.h"
#include "imagelist/imagelist.h"
#include "options/stampoptionsmodel.h"
#include "stamppreviewfixture.h"
#include "testimages.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace kalvora;
using namespace StampPreviewTest;

using namespace TestImages;

// What the preview picks from the list, how it loads the picture, and what it draws on it.
class TestStampPreviewPicture : public StampPreviewFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyList();
    void onlyTheFirstEntry();
    void loadsWholeByTheFileName_data();
    void loadsWholeByTheFileName();
    void loadsAsTheRunLoads_data();
    void loadsAsTheRunLoads();
    void showsAPhoneHeicUpright();
    void drawsWhatARunWouldWrite_data();
    void drawsWhatARunWouldWrite();
};

void TestStampPreviewPicture::init()
{
    setUp();
}

void TestStampPreviewPicture::cleanup()
{
    tearDown();
}

void TestStampPreviewPicture::emptyList()
{
    clickPreview();
    QCOMPARE(m_dialogs->shown.size(), 1);
    QCOMPARE(m_dialogs->shown[0].title, QStringLiteral("Kalvora"));
    QCOMPARE(m_dialogs->shown[0].text, QStringLiteral("No files added."));
    QCOMPARE(m_dialogs->shown[0].icon, Dialogs::Icon::None);
    QVERIFY(!form2());
    QVERIFY(m_window->isVisible());
}

void TestStampPreviewPicture::onlyTheFirstEntry()
{
    const QImage red = solid(Qt::red, 240, 160);
    m_window->imageList().append(write(QStringLiteral("red.bmp"), red));
    m_window->imageList().append(write(QStringLiteral("blue.bmp"), solid(Qt::blue, 300, 200)));
    QTreeWidget *list = child<QTreeWidget>("ListView1");
    list->setCurrentItem(list->topLevelItem(1));

    clickPreview();
    const QImage surface = preview().surface();
    QCOMPARE(surface.size(), red.size());
    // The sample text lies in the upper left corner; everything else is the first picture.
    const QRect stamp = changedArea(red, surface);
    QVERIFY(!stamp.isEmpty());
    QVERIFY2(stamp.left() < 10 && stamp.top() < 10 && stamp.right() < 200,
        qPrintable(QStringLiteral("%1,%2 %3x%4")
                       .arg(stamp.x())
                       .arg(stamp.y())
                       .arg(stamp.width())
                       .arg(stamp.height())));
    QCOMPARE(surface.pixel(239, 159), red.pixel(0, 0));
    QVERIFY(m_dialogs->shown.isEmpty());
}

void TestStampPreviewPicture::loadsWholeByTheFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("whole");

    QTest::newRow("Photo.PNG") << "/photos/Photo.PNG" << true;
    QTest::newRow("photo.tif") << "/photos/photo.tif" << true;
    QTest::newRow("photo.tiff") << "/photos/photo.tiff" << true;
    QTest::newRow("anim.GIF") << "/photos/anim.GIF" << true;
    QTest::newRow("app.ico") << "/photos/app.ico" << true;
    QTest::newRow("IMG_0001.HEIC") << "/photos/IMG_0001.HEIC" << true;
    QTest::newRow("photo.heif") << "/photos/photo.heif" << true;
    QTest::newRow("DSC00001.HIF") << "/photos/DSC00001.HIF" << true;
    QTest::newRow("photo.avif") << "/photos/photo.avif" << true;
    QTest::newRow("photo.jpeg") << "/photos/photo.jpeg" << false;
    QTest::newRow("holiday.2021.tif") << "/photos/holiday.2021.tif" << true;
    QTest::newRow("holiday.tif.jpg") << "/photos/holiday.tif.jpg" << false;
    QTest::newRow("folder pics.png") << "/photos/pics.png/image" << false;
    QTest::newRow("a name that is all extension") << "/photos/png" << true;
    QTest::newRow("ends with a dot") << "/photos/photo.png." << false;
}

void TestStampPreviewPicture::loadsWholeByTheFileName()
{
    QFETCH(QString, path);
    QFETCH(bool, whole);
    QCOMPARE(loadsWhole(path), whole);
}

void TestStampPreviewPicture::loadsAsTheRunLoads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");

    QTest::newRow("Photo.PNG") << "Photo.PNG" << QByteArray("png");
    QTest::newRow("photo.tiff") << "photo.tiff" << QByteArray("tiff");
    QTest::newRow("photo.jpeg") << "photo.jpeg" << QByteArray("jpeg");
    QTest::newRow("holiday.2021.tif") << "holiday.2021.tif" << QByteArray("tiff");
    QTest::newRow("image in a folder pics.png") << "pics.png/image" << QByteArray("jpeg");
}

void TestStampPreviewPicture::loadsAsTheRunLoads()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);

    const QString source = write(name, gradient(320, 240), format.constData());
    m_window->imageList().append(source);
    // Without a text the surface is the loaded picture itself; the window opens all the same.
    child<QPlainTextEdit>("Text4")->setPlainText(QString());
    const QString folder = QFileInfo(source).path();
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    clickPreview();

    // Every picture is shown from its own pixels: no converted copy, nothing written.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
    QCOMPARE(preview().surface().convertToFormat(QImage::Format_RGB32), decoded(source));
    QVERIFY(form2() && form2()->isVisible());
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_dialogs->shown.isEmpty());
}

// A phone's HEIC, stored turned, shows upright as a viewer on libheif shows it, and nothing is
// written.
void TestStampPreviewPicture::showsAPhoneHeicUpright()
{
    HeifPhotos::Photo photo;
    photo.viewed = gradient(240, 160);
    photo.turn = 6;
    photo.exifOrientation = 6;
    const QByteArray bytes = HeifPhotos::heifFile(photo);
    const QString path = m_dir->filePath(QStringLiteral("IMG_0001.HEIC"));
    QVERIFY(HeifPhotos::writeFile(path, bytes));
    m_window->imageList().append(path);
    child<QPlainTextEdit>("Text4")->setPlainText(QString());
    const QStringList before = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
    clickPreview();

    QVERIFY(m_dialogs->shown.isEmpty());
    const QImage viewed = HeifPhotos::shown(bytes).picture.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(viewed.size(), QSize(240, 160));
    QVERIFY(changedArea(viewed, preview().surface().convertToFormat(QImage::Format_RGB32), 2)
                .isEmpty());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), before);
    QVERIFY(form2() && form2()->isVisible());
}

void TestStampPreviewPicture::drawsWhatARunWouldWrite_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("boxed"); // in a box, one line 8 % of the shorter side

    QTest::newRow("custom text") << "Option3"
                                 << "Lake Bled 2021" << false;
    QTest::newRow("file date: the sample, not the file's date") << "Option1"
                                                                << "8/31/2021 1:23:45 PM" << false;
    QTest::newRow("in a box of a size in percent") << "Option3"
                                                   << "Lake Bled 2021" << true;
}

void TestStampPreviewPicture::drawsWhatARunWouldWrite()
{
    QFETCH(QString, source);
    QFETCH(QString, sample);
    QFETCH(bool, boxed);

    if (boxed) {
        StampLook look;
        look.sizeMode = SizeMode::Percent;
        look.sizePercent = 8;
        look.style = TextStyle::Box;
        m_window->optionsModel().set(&StampOptions::look, look);
    }
    const QString photo = write(QStringLiteral("photo.bmp"), gradient(480, 320));
    m_window->imageList().append(photo);
    child<QComboBox>("Combo2")->setCurrentText(QStringLiteral("Lower-Right"));
    child<QComboBox>("Combo4")->setCurrentText(QStringLiteral("Date Modified"));
    child<QRadioButton>(source.toLatin1().constData())->setChecked(true);
    // The preview draws the sample box's text, whatever else the window holds.
    child<QPlainTextEdit>("Text5")->setPlainText(QStringLiteral("not the sample"));
    child<QPlainTextEdit>("Text4")->setPlainText(sample);
    clickPreview();
    const QImage previewed = preview().surface();
    QVERIFY(m_dialogs->shown.isEmpty());
    child<QPlainTextEdit>("Text5")->setPlainText(sample);

    // A run that stamps the same text as custom text writes the same picture.
    QTemporaryDir output;
    child<QRadioButton>("Option4")->setChecked(true);
    child<QLineEdit>("Text6")->setText(output.path() + QLatin1Char('/'));
    const auto stampWith = [&](const char *option) {
        child<QRadioButton>(option)->setChecked(true);
        m_dialogs->shown.clear();
        QTest::mouseClick(child<QPushButton>("PushButton8"), Qt::LeftButton);
        return m_dialogs->messages() == QStringList {QStringLiteral("Done.")}
            ? decoded(output.filePath(QStringLiteral("photo.bmp")))
            : QImage();
    };
    QCOMPARE(previewed, stampWith("Option3"));
    const QRect changed = changedArea(gradient(480, 320), previewed);
    QVERIFY(changed.bottom() > 300);
    // The box: one line of 8 % of 320 pixels and a fifth of a line above and below.
    if (boxed)
        QVERIFY2(qAbs(changed.height() - 1.4 * 0.08 * 320) <= 2,
            qPrintable(QString::number(changed.height())));
    // A run stamping the file's own date writes something else.
    if (source == QLatin1String("Option1"))
        QVERIFY(stampWith("Option1") != previewed);
}

QTEST_MAIN(TestStampPreviewPicture)
#include "tst_stamppreviewpicture.moc"
