// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The main window's own ways of filling its list: the sample button with the real message box
// and the real sample pictures beside the program, and a drop onto the list.

#include "app/form1.h"
#include "base/eventpump.h"
#include "imagelist/imagelist.h"
#include "imagelist/listdrop.h"
#include "imagelist/samplefiles.h"
#include "options/settingsstore.h"
#include "recordingdialogs.h"
#include "testimages.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

using namespace TestImages;

class TestListWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void sampleButton();
    void dropOntoTheList();

private:
    QStringList listed() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<SettingsStore> m_settings;
    QtEventPump m_events;
    std::unique_ptr<Form1> m_window;
};

void TestListWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("s.ini")));
    m_window = std::make_unique<Form1>(*m_dialogs, *m_settings, m_events);
    m_window->show();
}

QStringList TestListWindow::listed() const
{
    QStringList paths;
    for (int i = 1; i <= m_window->imageList().count(); ++i)
        paths << m_window->imageList().pathAt(i);
    return paths;
}

void TestListWindow::sampleButton()
{
    const QString samples = QCoreApplication::applicationDirPath() + QStringLiteral("/Samples");
    QCOMPARE(samplesFolder(), samples);
    TakeSampleSnapshot(*m_settings);

    // The question is the real message box; the test answers it as a person would.
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        box->button(QMessageBox::No)->click();
    });
    answer.start(20);
    QTest::mouseClick(
        m_window->findChild<QPushButton *>(QStringLiteral("PushButton5")), Qt::LeftButton);
    answer.stop();

    QCOMPARE(title, QStringLiteral("Kalvora"));
    QCOMPARE(text, QLatin1String(SampleTexts::kOpenFolderQuestion));
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);

    // The pictures we ship: photo-sized JPEGs, one with a camera's date taken, and a PNG.
    const QStringList paths = listed();
    QCOMPARE(paths.size(), 3);
    QStringList formats;
    for (const QString &path : paths) {
        QVERIFY2(path.startsWith(samples + QLatin1Char('/')), qPrintable(path));
        formats << QString::fromLatin1(formatOf(path));
        QVERIFY(QImage(path).width() >= 800);
    }
    formats.sort();
    QCOMPARE(formats, QStringList({"jpeg", "jpeg", "png"}));
    QCOMPARE(exifTag(QStringLiteral("DateTimeOriginal"), samples + "/Lakeside Morning.jpg"),
        QStringLiteral("2021:08:31 07:42:10"));
    QVERIFY(m_dialogs->shown.isEmpty());
}

void TestListWindow::dropOntoTheList()
{
    const QString folder = m_dir->filePath(QStringLiteral("drop"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/sub")));
    QVERIFY(gradient(20, 20).save(folder + QStringLiteral("/sub/b.png")));
    QVERIFY(gradient(20, 20).save(m_dir->filePath(QStringLiteral("a.jpg"))));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("a.jpg"))),
        QUrl::fromLocalFile(folder)});
    QWidget *viewport = m_window->findChild<QTreeWidget *>(QStringLiteral("ListView1"))->viewport();
    const QPoint at = viewport->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QSignalSpy done(&m_window->listDrop(), &ListDrop::droppedPathsAppended);
    QCoreApplication::sendEvent(viewport, &drop);
    QVERIFY(drop.isAccepted());
    QVERIFY(done.wait(5000));
    QCOMPARE(listed(),
        QStringList(
            {m_dir->filePath(QStringLiteral("a.jpg")), folder + QStringLiteral("/sub/b.png")}));
    QVERIFY(!m_window->isBusy());
}

QTEST_MAIN(TestListWindow)
#include "tst_listwindow.moc"
