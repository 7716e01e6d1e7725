// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointer>
#include <QString>

#include <functional>

class Dialogs;
class EventPump;
class Form2;
class QWidget;
class StampRunWindow;

/// "Preview Stamp": stamps the sample text onto the first listed picture and shows the result
/// in the preview window in place of the main window. Nothing is written.
///
/// The picture is loaded and stamped through the engine's loadSource, the one loader a stamp run
/// uses too (PNG, TIFF, GIF and ICO in their own pixels, every frame stamped, the first shown),
/// and the text is the sample box's, drawn with the stamp font, colour and position by the
/// engine's renderer, upright as the picture is viewed. The preview keeps its own work surface,
/// so it never changes what a stamp run under way loads, draws or writes,
/// and it leaves the window busy if a run made it so. A picture that cannot be loaded is
/// reported naming the file and the reason, and the main window stays.
class StampPreview
{
public:
    /// \a mainWindow is hidden while the preview shows; \a window lends the list, the options
    /// as the controls read now, the progress bar and the busy pointer; \a isBusy tells whether
    /// the window is busy already.
    StampPreview(QWidget &mainWindow, StampRunWindow &window, Dialogs &dialogs, EventPump &events,
        std::function<bool()> isBusy);
    ~StampPreview();

    StampPreview(const StampPreview &) = delete;
    StampPreview &operator=(const StampPreview &) = delete;

    void PushButton9_Click();

    /// The preview's work surface: the last picture loaded with its stamp.
    const QImage &surface() const { return m_surface; }
    /// The preview window while it exists (shown or hidden by Back); null before the first
    /// preview and after a close request.
    Form2 *form2() const;

private:
    void preview();
    void showForm2();

    QWidget &m_mainWindow;
    StampRunWindow &m_window;
    Dialogs &m_dialogs;
    EventPump &m_events;
    std::function<bool()> m_isBusy;
    QImage m_surface;
    QPointer<Form2> m_form2;
    bool m_running = false;
    bool m_fitted = false; // how the last preview was left
};
