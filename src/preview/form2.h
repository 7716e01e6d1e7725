// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class Dialogs;
class QScrollBar;
class TrappedProcedure;

namespace Ui {
class Form2;
}

/// The preview window: "< Back" over a viewport that shows a copy of the stamped work surface
/// at full size, one picture pixel to a screen pixel, from its top-left corner.
///
/// The picture is copied again every time the window is shown, so a window that Back only hid
/// shows the next preview. Back shows the main window and hides this one; a close request does
/// the same and then lets the window go. Neither leaves the program without a visible window.
/// A picture larger than the viewport gets scroll bars (and the wheel and arrow keys scroll), so
/// a stamp in any corner of a large photo can be seen.
///
/// The window opens at its fixed layout's size and may be resized and maximised; the picture
/// can also be fitted to the window whole (F, or a double click, which goes back to full size
/// too), shown at full size again (1) or zoomed (+ and -, or the wheel with Ctrl), from the keys
/// or the picture's context menu. Whether the last preview was fitted is told by viewChosen, so
/// the next one can open the same way.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    /// \a surface answers the stamped work surface to show; \a mainWindow is the window Back
    /// returns to. The optional pointer HAND-M.CUR is looked for in \a programFolder.
    Form2(std::function<QImage()> surface, QWidget *mainWindow, Dialogs &dialogs,
        const QString &programFolder = QCoreApplication::applicationDirPath());
    ~Form2() override;

    /// The picture the window shows: its own copy of the work surface.
    QImage picture() const { return m_picture; }

    /// The window's fixed inner size, in pixels.
    static constexpr QSize kClientSize {536, 431};
    /// How far an arrow key or a click on a scroll bar's arrow moves the picture, in pixels.
    static constexpr int kScrollStep = 24;

    /// "< Back".
    void PushButton1_Click();

    /// Fits the whole picture into the window (never above full size), or shows it at full size.
    void setFitted(bool fitted);
    bool isFitted() const { return m_fitted; }
    /// Shows the picture at \a scale times its size (full size is 1), from 1/32 to 8.
    void setScale(double scale);
    /// The scale the picture shows at now.
    double scale() const { return m_scale; }

signals:
    /// The user chose to see the picture fitted (true) or at full size or zoomed (false).
    void viewChosen(bool fitted);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    bool back(TrappedProcedure &procedure);
    void showPicture(const QImage &picture);
    void layoutViewport();
    void showScaled();
    bool viewKey(int key);
    double fittingScale() const;

    std::unique_ptr<Ui::Form2> m_ui;
    std::function<QImage()> m_surface;
    QPointer<QWidget> m_mainWindow;
    Dialogs &m_dialogs;
    QString m_programFolder;
    QImage m_picture;
    bool m_fitted = false;
    double m_scale = 1;
};
