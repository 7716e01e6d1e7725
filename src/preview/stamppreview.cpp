// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stamppreview.h"

#include "applicationtitle.h"
#include "converter.h"
#include "dialogs.h"
#include "errorreport.h"
#include "eventpump.h"
#include "filehelpers.h"
#include "form2.h"
#include "overlaytext.h"
#include "stamprun.h"
#include "toolrunner.h"
#include "trappedprocedure.h"
#include "worksurface.h"

#include <QWidget>

bool PreviewConvertsFirst(const QString &sourcePath)
{
    const QString name = FileNameOfPath(sourcePath);
    const QString last = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    return last == QLatin1String("png") || last == QLatin1String("tif");
}

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
            m_dialogs.showMessage(
                ShortTitle(), QStringLiteral("No files added."), Dialogs::Icon::None);
        });
        return;
    }

    // The font and colour are those of the sample box as the press finds it.
    QFont font;
    QColor color;
    procedure.run(104, [&] {
        const StampOptions options = m_window.currentOptions();
        font = StampFont(options);
        color = StampColor(options.color);
    });
    procedure.run(106, [&] { m_events.processEvents(); });
    // A stamp run under way made the window busy; it stays so after the preview.
    const bool wasBusy = m_isBusy && m_isBusy();
    if (!wasBusy)
        procedure.run(108, [&] { m_window.setBusy(true); });

    QString source;
    procedure.run(110, [&] { source = m_window.imagePath(1); });
    QString loadPath = source;
    bool readable = true;
    if (PreviewConvertsFirst(source)) {
        // The wait for the converter shows on the progress bar, unless a run is using it.
        ToolRunner tools(m_events, wasBusy ? nullptr : &m_window.progressBar());
        tools.setFileCount(count);
        loadPath = m_temp.stampTmpJpg();
        readable = procedure.run(112, [&] { ConvertInput(source, loadPath, tools); });
    }

    // Only a picture of this file is shown: after a failure the main window stays, rather than
    // an earlier picture being shown as if it were this one.
    QImage picture;
    const bool loaded
        = readable && procedure.run(114, [&] { picture = LoadWorkSurface(loadPath); });
    if (loaded) {
        m_surface = picture;
        procedure.run(116, [&] {
            // The text and position as they read now, after events have run.
            const StampOptions options = m_window.currentOptions();
            OverlayText(m_surface, options.sampleText, options.position, font, color);
        });
    }
    if (!wasBusy)
        procedure.run(118, [&] { m_window.setBusy(false); });
    if (loaded)
        procedure.run(120, [&] { showForm2(); });
}

void StampPreview::showForm2()
{
    if (!m_form2)
        m_form2 = new Form2([this] { return m_surface; }, &m_mainWindow, m_dialogs);
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
    // Hidden only once the preview shows, so some window of the program always does.
    if (m_form2->isVisible())
        m_mainWindow.hide();
}
