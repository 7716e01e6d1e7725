// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/form1.h"
#include "base/eventpump.h"
#include "options/settingsstore.h"
#include "preview/form2.h"
#include "preview/stamppreview.h"
#include "recordingdialogs.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace StampPreviewTest {

using namespace kalvora;

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

inline QImage solid(QColor color, int width = 200, int height = 150)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

inline QImage decoded(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

/// The main window with its preview, scripted dialogs and a pump that runs a test's own step:
/// what the preview's tests share.
class StampPreviewFixture : public QObject
{
protected:
    void setUp();
    void tearDown();
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

inline void StampPreviewFixture::setUp()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("s.ini")));
    m_events = std::make_unique<HookPump>();
    m_window = std::make_unique<Form1>(*m_dialogs, *m_settings, *m_events);
    m_window->setDateTexts(DateTexts(QLocale(QStringLiteral("en_US"))));
    m_window->show();
}

inline void StampPreviewFixture::tearDown()
{
    QVERIFY(!m_window->isBusy());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    m_window.reset();
}

inline QString StampPreviewFixture::write(
    const QString &name, const QImage &picture, const char *format)
{
    const QString path = m_dir->filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    if (!picture.save(path, format))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline QImage StampPreviewFixture::shownInWindow()
{
    return form2()
        ->findChild<QWidget *>(QStringLiteral("PicView"))
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace StampPreviewTest
