// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/stamppreview.h"

#include "base/applicationtitle.h"
#include "base/eventpump.h"
#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/render/overlaytext.h"
#include "engine/render/sourcepicture.h"
#include "preview/form2.h"
#include "preview/stampwindow.h"
#include "ui/dialogs.h"
#include "ui/errorreport.h"
#include "ui/trappedprocedure.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

using namespace kalvora;

StampPreview::StampPreview(QWidget &mainWindow, StampRunWindow &window, Dialogs &dialogs,
    EventPump &events, std::function<bool()> isBusy)
    : m_mainWindow(mainWindow)
    , m_window(window)
    , m_dialogs(dialogs)
    , m_events(events)
    , m_isBusy(std::move(isBusy))
{ }

StampPreview::~StampPreview()
{
    delete m_form2.data();
}

Form2 *StampPreview::form2() const
{
    return m_form2;
}

void StampPreview::PushButton9_Click()
{
    // A second press while the first waits for the converter would load into the same surface.
    if (m_running)
        return;
    m_running = true;
    preview();
    m_running = false;
}

void StampPreview::preview()
{
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kPreviewStamp));

    int count = 0;
    procedure.run(100, [&] { count = m_window.imageCount(); });
    if (count == 0) {
        procedure.run(102, [&] {
            m_dialogs.showMessage(shortTitle(),
                QCoreApplication::translate("StampRun", "No files added."), Dialogs::Icon::None);
        });
        return;
    }

    // The font, colour and look are those of the sample box as the press finds it.
    TextStamp stamp;
    procedure.run(104, [&] { stamp = textStampOf(m_window.currentOptions(), QString()); });
    procedure.run(106, [&] { m_events.processEvents(); });
    // A stamp run under way made the window busy; it stays so after the preview.
    const bool wasBusy = m_isBusy && m_isBusy();
    if (!wasBusy)
        procedure.run(108, [&] { m_window.setBusy(true); });

    QString source;
    procedure.run(110, [&] { source = m_window.imagePath(1); });
    // The busy pointer shows before a large picture is loaded.
    procedure.run(112, [&] { m_events.processEvents(); });

    // The picture is loaded and stamped as a run loads and stamps it; a picture of several
    // frames shows its first. Only a picture of this file is shown: after a failure (or a file
    // that has gone) the main window stays, rather than an earlier picture being shown as if it
    // were this one.
    std::optional<SourcePicture> picture;
    const bool loaded = procedure.run(114, [&] {
        picture = loadSource(source);
        if (!picture)
            throw RuntimeFailure(QStringLiteral("The picture %1 does not exist.")
                                     .arg(QDir::toNativeSeparators(source)),
                53);
    });
    if (loaded) {
        procedure.run(116, [&] {
            // The text and position as they read now, after events have run.
            const StampOptions options = m_window.currentOptions();
            stamp.text = options.sampleText;
            stamp.position = caption(options.position);
            picture->stamp(stamp, source);
        });
        m_surface = picture->firstFrame();
    }
    if (!wasBusy)
        procedure.run(118, [&] { m_window.setBusy(false); });
    if (loaded)
        procedure.run(120, [&] { showForm2(); });
}

void StampPreview::showForm2()
{
    if (!m_form2) {
        m_form2 = new Form2([this] { return m_surface; }, &m_mainWindow, m_dialogs);
        // A new preview shows the way the last one was left: fitted or at full size.
        m_form2->setFitted(m_fitted);
        QObject::connect(m_form2.data(), &Form2::viewChosen, m_form2.data(),
            [this](bool fitted) { m_fitted = fitted; });
    }
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
    // Hidden only once the preview shows, so some window of the program always does.
    if (m_form2->isVisible())
        m_mainWindow.hide();
}
