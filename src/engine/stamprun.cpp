// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stamprun.h"

#include "applicationtitle.h"
#include "dialogs.h"
#include "errorreport.h"
#include "eventpump.h"
#include "filehelpers.h"
#include "overlaytext.h"
#include "progressbar.h"
#include "stampfile.h"
#include "tempfolder.h"
#include "toolrunner.h"
#include "trappedprocedure.h"

#include <cmath>

namespace {

constexpr auto kNoFiles = "No files added.";
constexpr auto kNoFolder = "Folder does not exist. Please select another folder.";
constexpr auto kNoCustomText = "Please enter custom text.";
constexpr auto kDone = "Done.";
constexpr auto kProcessing = "Processing: ";
constexpr auto kIdleText = "Progress Bar";

} // namespace

StampRun::StampRun(StampRunWindow &window, Dialogs &dialogs, EventPump &events, ToolRunner &tools,
    TempFolder &temp, const DateTexts &texts)
    : m_window(window)
    , m_dialogs(dialogs)
    , m_events(events)
    , m_tools(tools)
    , m_temp(temp)
    , m_texts(texts)
{ }

void StampRun::start()
{
    if (m_running)
        return;
    m_running = true;
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kStartStamping));
    if (!refused(procedure))
        stampAll(procedure);
    m_running = false;
}

bool StampRun::refused(TrappedProcedure &procedure)
{
    if (!procedure.test(104, [&] { return m_window.imageCount() > 0; })) {
        message(kNoFiles);
        return true;
    }
    if (!procedure.test(106, [&] {
            const StampOptions options = m_window.currentOptions();
            return options.saveOption == SaveOption::OriginalFolder
                || IsFolder(options.outputFolder);
        })) {
        message(kNoFolder);
        return true;
    }
    if (!procedure.test(108, [&] {
            const StampOptions options = m_window.currentOptions();
            return !options.customText.isEmpty() || options.source != StampSource::CustomText;
        })) {
        message(kNoCustomText);
        return true;
    }
    return false;
}

void StampRun::stampAll(TrappedProcedure &procedure)
{
    // The font and colour are taken once, as the run starts; every other option is read again
    // for each file.
    QFont font;
    QColor color;
    procedure.run(110, [&] {
        const StampOptions options = m_window.currentOptions();
        font = StampFont(options);
        color = StampColor(options.color);
    });
    procedure.run(124, [&] { m_window.setBusy(true); });

    // Without ExifTool every result would lose its source's tags, and a result that replaces
    // its source would lose them for good: stop before the first file.
    if (procedure.run(126, [&] { m_tools.exifTool(); })) {
        StampContext context {m_tools, m_temp, m_texts, m_events};
        const int count = m_window.imageCount();
        for (int number = 1; number <= count; ++number) {
            // Entries removed while the run waited end it early rather than repeat a file.
            if (number > m_window.imageCount())
                break;
            QString path;
            procedure.run(134, [&] { path = m_window.imagePath(number); });
            procedure.run(136, [&] {
                const double share = double(number) / m_window.imageCount() * 100;
                m_window.progressBar().setValue(int(std::lround(share)));
            });
            procedure.run(138, [&] {
                m_window.progressBar().setText(QLatin1String(kProcessing) + FileNameOfPath(path));
            });
            m_events.processEvents();
            procedure.run(142, [&] { m_window.setBusy(true); });

            StampFileOptions file {m_window.currentOptions(), font, color,
                [this] { return m_window.currentOptions().position; },
                [this] { return m_window.currentOptions().jpegQuality; }};
            m_tools.setFileCount(m_window.imageCount());
            StampFile(path, file, context, procedure);
        }
    }

    procedure.run(304, [&] { RemoveFile(m_temp.stampTmpJpg(), m_events); });
    procedure.run(306, [&] { m_window.setBusy(false); });
    procedure.run(308, [&] { m_window.progressBar().setValue(0); });
    procedure.run(310, [&] { m_window.progressBar().setText(QLatin1String(kIdleText)); });
    message(kDone);
}

void StampRun::message(const char *text)
{
    m_dialogs.showMessage(ShortTitle(), QLatin1String(text), Dialogs::Icon::None);
}
