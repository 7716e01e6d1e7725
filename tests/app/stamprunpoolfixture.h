// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/stamprun.h"
#include "base/datetexts.h"
#include "base/eventpump.h"
#include "engine/codecs/worksurface.h"
#include "engine/output/toolrunner.h"
#include "engine/render/overlaytext.h"
#include "engine/run/tempfolder.h"
#include "preview/progressbar.h"
#include "recordingdialogs.h"
#include "ui/errorreport.h"

#include <QTemporaryDir>

#include <functional>

namespace StampRunPoolTest {

using namespace kalvora;

// The window as a stamp run sees it: a list, the options the controls would read (each read
// is a file handed out), and a bar that notes which file is being reported. A path appended to
// the list gets the next identity when the list is next read.
class FakeWindow final : public StampRunWindow, public ProgressBar
{
public:
    QStringList paths;
    QList<quint64> identities;
    StampOptions options;
    int optionReads = 0;
    std::function<void(int)> onOptionsRead;
    QStringList reported;

    int imageCount() const override { return int(paths.size()); }
    QString imagePath(int number) const override { return paths.at(number - 1); }
    QList<ListedImage> listedImages() const override
    {
        auto *self = const_cast<FakeWindow *>(this);
        while (self->identities.size() < paths.size())
            self->identities << quint64(self->identities.size() + 1);
        QList<ListedImage> images;
        for (qsizetype i = 0; i < paths.size(); ++i)
            images.append({paths[i], identities[i], {}});
        return images;
    }
    bool isListed(quint64 identity) const override { return identities.contains(identity); }
    StampOptions currentOptions() const override
    {
        auto *self = const_cast<FakeWindow *>(this);
        ++self->optionReads;
        if (onOptionsRead)
            onOptionsRead(self->optionReads);
        return options;
    }
    bool active = true;

    ProgressBar &progressBar() override { return *this; }
    void setBusy(bool) override { }
    bool isActive() const override { return active; }

    int value() const override { return m_value; }
    void setValue(int value) override { m_value = value; }
    QString text() const override { return m_text; }
    void setText(const QString &text) override
    {
        m_text = text;
        if (text.startsWith(QLatin1String("Processing: ")))
            reported << text.mid(12);
    }

private:
    int m_value = 0;
    QString m_text;
};

// Dialogs that let a test act while a message is open.
class HookedDialogs final : public Dialogs
{
public:
    RecordingDialogs record;
    std::function<void(const QString &)> onMessage;

    void showMessage(const QString &title, const QString &text, Icon icon) override
    {
        record.showMessage(title, text, icon);
        if (onMessage)
            onMessage(text);
    }
    QString askText(const QString &, const QString &, const QString &) override { return {}; }
    QStringList chooseFiles(const QString &, const QString &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    FontChoice chooseFont(const FontChoice &preset) override { return preset; }
    quint32 chooseColor(quint32 preset) override { return preset; }
};

class CallbackPump final : public EventPump
{
public:
    std::function<void()> onEvents;
    void processEvents() override
    {
        if (onEvents)
            onEvents();
    }
};

inline QImage darkGray(int width = 200, int height = 120)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(60, 60, 60));
    return picture;
}

inline void writeDamaged(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray("\xFF\xD8\xFF\xE0 not a picture", 19));
}

/// A stamp run with several workers over a window, dialogs and a pump the test controls: what
/// the pooled run's tests share.
class StampRunPoolFixture : public QObject
{
protected:
    void setUp();
    QString makeBitmaps(const QStringList &names);
    void runWith(int workers, int lookAhead);
    QImage stamped(const QString &source, const QString &text) const;

    std::unique_ptr<QTemporaryDir> m_sources;
    std::unique_ptr<QTemporaryDir> m_output;
    FakeWindow m_window;
    HookedDialogs m_dialogs;
    CallbackPump m_events;
    ToolRunner m_tools;
    TempFolder m_temp;
    const DateTexts m_texts {QLocale(QStringLiteral("en_US"))};
    std::unique_ptr<StampRun> m_run;
};

inline void StampRunPoolFixture::setUp()
{
    m_sources = std::make_unique<QTemporaryDir>();
    m_output = std::make_unique<QTemporaryDir>();
    m_window = {};
    m_window.options.customText = QStringLiteral("HELLO");
    m_window.options.saveOption = SaveOption::ChosenFolder;
    m_window.options.outputFolder = m_output->path();
    m_dialogs.record.shown.clear();
    m_dialogs.onMessage = nullptr;
    m_events.onEvents = nullptr;
    m_run = std::make_unique<StampRun>(m_window, m_dialogs, m_events, m_tools, m_temp, m_texts,
        QLatin1String(Location::kStartStamping));
}

inline QString StampRunPoolFixture::makeBitmaps(const QStringList &names)
{
    for (const QString &name : names) {
        const QString path = m_sources->filePath(name);
        if (name.startsWith(QLatin1String("broken")))
            writeDamaged(path);
        else if (!darkGray().save(path, name.endsWith(QLatin1String(".jpg")) ? "jpeg" : "bmp"))
            qFatal("cannot write %s", qPrintable(path));
        m_window.paths << path;
    }
    return m_sources->path();
}

inline void StampRunPoolFixture::runWith(int workers, int lookAhead)
{
    m_run->setWorkerCount(workers);
    m_run->setLookAhead(lookAhead);
    m_run->start();
}

inline QImage StampRunPoolFixture::stamped(const QString &source, const QString &text) const
{
    QImage picture = loadWorkSurface(source);
    const StampOptions &options = m_window.options;
    OverlayText(
        picture, text, caption(options.position), stampFont(options), stampColor(options.color));
    return picture;
}

} // namespace StampRunPoolTest
