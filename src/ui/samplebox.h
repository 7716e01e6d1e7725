// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/fontchoice.h"
#include "options/stamplook.h"

#include <QString>

class QPlainTextEdit;
class QWidget;
class StampOptionsModel;

/// The font sample box and the colour swatch, where the stamp font and colour are shown. Each
/// setter changes one property, so a restore or a dialog can apply them one step at a time; the
/// font and the text colour the sample shows are the options' font and colour, so every change
/// of either goes into \a model (when given) as the sample shows it.
class SampleBox
{
public:
    SampleBox(QPlainTextEdit &sample, QWidget &swatch, StampOptionsModel *model = nullptr);

    FontChoice font() const;
    void setFont(const FontChoice &font);
    void setFontName(const QString &name);
    void setBold(bool bold);
    void setItalic(bool italic);
    void setSize(double points);
    void setStrikethru(bool strikethru);
    void setUnderline(bool underline);

    /// Colours as stored: red in the low byte.
    quint32 swatchColor() const;
    void setSwatchColor(quint32 color);
    quint32 textColor() const;
    void setTextColor(quint32 color);
    quint32 backgroundColor() const;
    /// Black behind exactly white text, white behind every other colour, so the sample stays
    /// readable.
    void setBackgroundFor(quint32 textColor);

    /// Shows the stamp's style on the sample: an outline, a soft shadow or a box of the style
    /// colour, as the stamp draws them in proportion to a line of the sample. The options' look
    /// is followed by itself when the box has a model.
    void setLook(const StampLook &look);

private:
    void showInModel();
    void showLook();

    QPlainTextEdit &m_sample;
    QWidget &m_swatch;
    StampOptionsModel *m_model;
    StampLook m_look;
    quint32 m_lookTextColor = 0; // the text colour the look was last shown for
};
