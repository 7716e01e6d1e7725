// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/form1.h"
#include "app/stampcontroller.h"
#include "base/eventpump.h"
#include "engine/codecs/worksurface.h"
#include "engine/render/overlaytext.h"
#include "imagelist/imagelist.h"
#include "options/settingsstore.h"
#include "recordingdialogs.h"
#include "testimages.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace StampRunTest {

/// The application's pump that also notes each state the progress bar was in when events ran,
/// and lets a test act at a chosen moment of the run.
class RecordingPump final : public EventPump
{
public:
    QProgressBar *bar = nullptr;
    QList<QPair<int, QString>> states;
    /// Called with the bar's text and how many times in a row events ran with it.
    std::function<void(const QString &, int)> onEvents;

    void processEvents() override
    {
        if (bar) {
            const QPair<int, QString> state {bar->value(), bar->format()};
            m_repeats = !states.isEmpty() && states.last() == state ? m_repeats + 1 : 1;
            if (m_repeats == 1)
                states << state;
            if (onEvents)
                onEvents(state.second, m_repeats);
        }
        QCoreApplication::processEvents();
    }

private:
    int m_repeats = 0;
};

/// Counts the paint events a widget receives.
class PaintCounter final : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

inline QImage darkGray(int width = 320, int height = 240)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(60, 60, 60));
    return picture;
}

// Every file below a folder, by path relative to it.
inline QStringList filesBelow(const QString &folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

} // namespace StampRunTest

/// The main window with a list of pictures made by the test, a pump that notes the states of
/// the progress bar, and scripted dialogs: what the stamp run's tests share.
class StampRunFixture : public QObject
{
protected:
    void setUp();
    void tearDown();
    QString makeSource(const QString &name, const QImage &picture = StampRunTest::darkGray());
    void fillList(const QStringList &names);
    void useCustomText(const QString &text);
    void saveToChosenFolder();
    void clickStartStamping()
    {
        QTest::mouseClick(child<QPushButton>("PushButton8"), Qt::LeftButton);
    }
    template <typename T> T *child(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    QString sourcePath(const QString &name) const { return m_sources->filePath(name); }
    QString outputPath(const QString &name) const { return m_output->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_scratch;
    std::unique_ptr<QTemporaryDir> m_sources;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<StampRunTest::RecordingPump> m_events;
    std::unique_ptr<Form1> m_window;
};

inline void StampRunFixture::setUp()
{
    m_scratch = std::make_unique<QTemporaryDir>();
    m_sources = std::make_unique<QTemporaryDir>();
    m_output = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_settings = std::make_unique<SettingsStore>(m_scratch->filePath(QStringLiteral("s.ini")));
    m_events = std::make_unique<StampRunTest::RecordingPump>();
    m_window = std::make_unique<Form1>(*m_dialogs, *m_settings, *m_events);
    m_window->setDateTexts(DateTexts(QLocale(QStringLiteral("en_US"))));
    m_events->bar = child<QProgressBar>("ProgressBar1");
}

inline void StampRunFixture::tearDown()
{
    QVERIFY(!m_window->stampController().isRunning());
    QVERIFY(!m_window->isBusy());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    m_window.reset();
    // Nothing of the run is left in the temporary folder.
    QCOMPARE(StampRunTest::filesBelow(QDir::tempPath()).filter(QStringLiteral("StampTmp")),
        QStringList());
}

inline QString StampRunFixture::makeSource(const QString &name, const QImage &picture)
{
    const QString path = sourcePath(name);
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("jpg")) {
        if (!TestImages::writeTaggedJpeg(path, picture))
            qFatal("cannot write %s", qPrintable(path));
    } else if (suffix == QLatin1String("gif")) {
        // Qt reads GIF but cannot write it: our converter turns a bitmap into one.
        if (!picture.save(path, "bmp")
            || QProcess::execute(QCoreApplication::applicationDirPath() + "/kalvora-convert",
                   {"-out", "gif", "-dither", "-colors", "256", path})
                != 0)
            qFatal("cannot write %s", qPrintable(path));
    } else if (!picture.save(path, suffix == QLatin1String("tif") ? "tiff" : suffix.toLatin1())) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

inline void StampRunFixture::fillList(const QStringList &names)
{
    for (const QString &name : names)
        m_window->imageList().append(sourcePath(name));
}

inline void StampRunFixture::useCustomText(const QString &text)
{
    child<QRadioButton>("Option3")->setChecked(true);
    child<QPlainTextEdit>("Text5")->setPlainText(text);
}

inline void StampRunFixture::saveToChosenFolder()
{
    child<QRadioButton>("Option4")->setChecked(true);
    child<QLineEdit>("Text6")->setText(m_output->path() + QLatin1Char('/'));
}
