// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/samplebox.h"

#include "engine/render/stampfont.h"
#include "options/stampoptionsmodel.h"

#include <QFontMetricsF>
#include <QGraphicsDropShadowEffect>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <QTextCursor>

using namespace kalvora;

namespace {

quint32 colorOf(const QWidget &widget, QPalette::ColorRole role)
{
    return valueOfColor(widget.palette().color(role));
}

void setColorOf(QWidget &widget, QPalette::ColorRole role, quint32 color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colorOfValue(color));
    widget.setPalette(palette);
}

} // namespace

SampleBox::SampleBox(QPlainTextEdit &sample, QWidget &swatch, StampOptionsModel *model)
    : m_sample(sample)
    , m_swatch(swatch)
    , m_model(model)
{
    m_swatch.setAutoFillBackground(true);
    m_swatch.setBackgroundRole(QPalette::Window);
    showInModel();
    if (m_model)
        QObject::connect(m_model, &StampOptionsModel::optionsChanged, &m_sample,
            [this] { setLook(m_model->options().look); });
}

void SampleBox::setLook(const StampLook &look)
{
    // The automatic style colour follows the text colour.
    const quint32 color = textColor();
    if (look == m_look && color == m_lookTextColor)
        return;
    m_look = look;
    m_lookTextColor = color;
    showLook();
}

void SampleBox::showLook()
{
    const QColor style = colorOfValue(styleColorFor(m_look, textColor()));
    const qreal line = QFontMetricsF(m_sample.font()).height();
    QTextCharFormat format;
    format.setTextOutline(m_look.style == TextStyle::Outline
            ? QPen(style, line * m_look.outlineWidth / 100.0, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin)
            : QPen(Qt::NoPen));
    QColor box = style;
    box.setAlphaF(m_look.boxOpacity / 100.0);
    format.setBackground(m_look.style == TextStyle::Box ? QBrush(box) : QBrush(Qt::NoBrush));
    QTextCursor all(m_sample.document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    m_sample.mergeCurrentCharFormat(format);
    if (m_look.style == TextStyle::Shadow) {
        auto *shadow = new QGraphicsDropShadowEffect;
        shadow->setColor(style);
        shadow->setOffset(line * 0.06, line * 0.06);
        shadow->setBlurRadius(line * 0.12);
        m_sample.viewport()->setGraphicsEffect(shadow);
    } else {
        m_sample.viewport()->setGraphicsEffect(nullptr);
    }
}

void SampleBox::showInModel()
{
    if (!m_model)
        return;
    // Read back from the box: what it shows (a default size, a resolved face) is what is drawn.
    m_model->set(&StampOptions::font, font());
    m_model->set(&StampOptions::color, textColor());
}

FontChoice SampleBox::font() const
{
    return choiceOfFont(m_sample.font());
}

void SampleBox::setFont(const FontChoice &font)
{
    m_sample.setFont(fontOfChoice(font));
    showInModel();
}

void SampleBox::setFontName(const QString &name)
{
    FontChoice changed = font();
    changed.name = name;
    setFont(changed);
}

void SampleBox::setBold(bool bold)
{
    FontChoice changed = font();
    changed.bold = bold;
    setFont(changed);
}

void SampleBox::setItalic(bool italic)
{
    FontChoice changed = font();
    changed.italic = italic;
    setFont(changed);
}

void SampleBox::setSize(double points)
{
    FontChoice changed = font();
    changed.pointSize = points;
    setFont(changed);
}

void SampleBox::setStrikethru(bool strikethru)
{
    FontChoice changed = font();
    changed.strikeOut = strikethru;
    setFont(changed);
}

void SampleBox::setUnderline(bool underline)
{
    FontChoice changed = font();
    changed.underline = underline;
    setFont(changed);
}

quint32 SampleBox::swatchColor() const
{
    return colorOf(m_swatch, QPalette::Window);
}

void SampleBox::setSwatchColor(quint32 color)
{
    setColorOf(m_swatch, QPalette::Window, color);
}

quint32 SampleBox::textColor() const
{
    return colorOf(m_sample, QPalette::Text);
}

void SampleBox::setTextColor(quint32 color)
{
    setColorOf(m_sample, QPalette::Text, color);
    showInModel();
}

quint32 SampleBox::backgroundColor() const
{
    return colorOf(m_sample, QPalette::Base);
}

void SampleBox::setBackgroundFor(quint32 textColor)
{
    setColorOf(m_sample, QPalette::Base, textColor == kWhite ? kBlack : kWhite);
}
