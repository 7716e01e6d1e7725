// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"
#include "app/stampcontroller.h"
#include "base/eventpump.h"
#include "engine/render/sourcepicture.h"
#include "imagelist/imagelist.h"
#include "options/settingsstore.h"
#include "preview/form2.h"
#include "preview/stamppreview.h"
#include "recordingdialogs.h"
#include "testimages.h"
#include "ui/errorreport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace kalvora;

using namespace TestImages;

namespace {

/// The application's pump, with a test's own step run each time events run.
class HookPump final : public EventPump
{
public:
    std::function<void()> hook;
    void processEvents() override
    {
        if (hook)
            hook();
        QCoreApplication::processEvents();
    }
};

QImage solid(QColor color, int width = 200, int height = 150)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QImage decoded(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestStampPreview : public QObject
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
    void drawsWhatARunWouldWrite_data();
    void drawsWhatARunWouldWrite();
    void backAndCloseBringTheMainWindowBack();
    void secondPreviewShowsTheNewPicture();
    void unreadablePicture_data();
    void unreadablePicture();
    void busyPointer_data();
    void busyPointer();
    void previewDuringAStampRun();

private:
    template <typename T> T *child(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    QString write(const QString &name, const QImage &picture, const char *format = nullptr);
    void clickPreview() { QTest::mouseClick(child<QPushButton>("PushButton9"), Qt::LeftButton); }
    StampPreview &preview() { return m_window->stampPreview(); }
    Form2 *form2() { return preview().form2(); }
    QImage shownInWindow();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<HookPump> m_events;
    std::unique_ptr<Form1> m_window;
};

void TestStampPreview::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("s.ini")));
    m_events = std::make_unique<HookPump>();
    m_window = std::make_unique<Form1>(*m_dialogs, *m_settings, *m_events);
    m_window->setDateTexts(DateTexts(QLocale(QStringLiteral("en_US"))));
    m_window->show();
}

void TestStampPreview::cleanup()
{
    QVERIFY(!m_window->isBusy());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    m_window.reset();
}

QString TestStampPreview::write(const QString &name, const QImage &picture, const char *format)
{
    const QString path = m_dir->filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    if (!picture.save(path, format))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QImage TestStampPreview::shownInWindow()
{
    return form2()
        ->findChild<QWidget *>(QStringLiteral("PicView"))
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

void TestStampPreview::emptyList()
{
    clickPreview();
    QCOMPARE(m_dialogs->shown.size(), 1);
    QCOMPARE(m_dialogs->shown[0].title, QStringLiteral("Kalvora"));
    QCOMPARE(m_dialogs->shown[0].text, QStringLiteral("No files added."));
    QCOMPARE(m_dialogs->shown[0].icon, Dialogs::Icon::None);
    QVERIFY(!form2());
    QVERIFY(m_window->isVisible());
}

void TestStampPreview::onlyTheFirstEntry()
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

void TestStampPreview::loadsWholeByTheFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("whole");

    QTest::newRow("Photo.PNG") << "/photos/Photo.PNG" << true;
    QTest::newRow("photo.tif") << "/photos/photo.tif" << true;
    QTest::newRow("photo.tiff") << "/photos/photo.tiff" << true;
    QTest::newRow("anim.GIF") << "/photos/anim.GIF" << true;
    QTest::newRow("app.ico") << "/photos/app.ico" << true;
    QTest::newRow("photo.jpeg") << "/photos/photo.jpeg" << false;
    QTest::newRow("holiday.2021.tif") << "/photos/holiday.2021.tif" << true;
    QTest::newRow("holiday.tif.jpg") << "/photos/holiday.tif.jpg" << false;
    QTest::newRow("folder pics.png") << "/photos/pics.png/image" << false;
    QTest::newRow("a name that is all extension") << "/photos/png" << true;
    QTest::newRow("ends with a dot") << "/photos/photo.png." << false;
}

void TestStampPreview::loadsWholeByTheFileName()
{
    QFETCH(QString, path);
    QFETCH(bool, whole);
    QCOMPARE(loadsWhole(path), whole);
}

void TestStampPreview::loadsAsTheRunLoads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");

    QTest::newRow("Photo.PNG") << "Photo.PNG" << QByteArray("png");
    QTest::newRow("photo.tiff") << "photo.tiff" << QByteArray("tiff");
    QTest::newRow("photo.jpeg") << "photo.jpeg" << QByteArray("jpeg");
    QTest::newRow("holiday.2021.tif") << "holiday.2021.tif" << QByteArray("tiff");
    QTest::newRow("image in a folder pics.png") << "pics.png/image" << QByteArray("jpeg");
}

void TestStampPreview::loadsAsTheRunLoads()
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

void TestStampPreview::drawsWhatARunWouldWrite_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("sample");

    QTest::newRow("custom text") << "Option3"
                                 << "Lake Bled 2021";
    QTest::newRow("file date: the sample, not the file's date") << "Option1"
                                                                << "8/31/2021 1:23:45 PM";
}

void TestStampPreview::drawsWhatARunWouldWrite()
{
    QFETCH(QString, source);
    QFETCH(QString, sample);

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
    QVERIFY(changedArea(gradient(480, 320), previewed).bottom() > 300);
    // A run stamping the file's own date writes something else.
    if (source == QLatin1String("Option1"))
        QVERIFY(stampWith("Option1") != previewed);
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
