// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qtdialogs.h"

#include "base/applicationtitle.h"
#include "engine/render/stampfont.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QInputDialog>
#include <QMessageBox>

using namespace kalvora;

QtDialogs::QtDialogs(QWidget *owner)
    : m_owner(owner)
{ }

void QtDialogs::showMessage(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
        title.isEmpty() ? applicationTitle() : title, displayedText(text), QMessageBox::Ok,
        m_owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString QtDialogs::askText(const QString &title, const QString &prompt, const QString &proposed)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(
        m_owner, title, displayedText(prompt), QLineEdit::Normal, proposed, &accepted);
    return accepted ? answer : QString();
}

QStringList QtDialogs::chooseFiles(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileNames(m_owner, title, QString(), qtFileFilter(filter));
}

QString QtDialogs::chooseFolder(const QString &prompt, const QString &initialFolder)
{
    QString folder
        = QFileDialog::getExistingDirectory(m_owner, displayedText(prompt), initialFolder);
    if (folder.isEmpty())
        return folder;
    folder = QDir::fromNativeSeparators(folder);
    // A root keeps its separator ("/", "C:/"); any other folder is answered without one.
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))
        && !folder.endsWith(QLatin1String(":/")))
        folder.chop(1);
    return folder;
}

FontChoice QtDialogs::chooseFont(const FontChoice &preset)
{
    // A family the system knows only as an alias ("Arial" on a system with Liberation Sans in
    // its place) is not in the dialog's list: the dialog opens at the family it stands for, and
    // the alias is kept when the user leaves that family as it is.
    QFont opened = fontOfChoice(preset);
    const bool alias = !preset.name.isEmpty() && !QFontDatabase::hasFamily(preset.name);
    const QString standsFor = alias ? QFontInfo(opened).family() : preset.name;
    opened.setFamily(standsFor);
    // Qt's own dialog, so its effects section can be taken away: a platform dialog would offer
    // choices that are not kept.
    QFontDialog dialog(opened, m_owner);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    for (QGroupBox *section : dialog.findChildren<QGroupBox *>()) {
        if (!section->findChildren<QCheckBox *>().isEmpty())
            section->hide();
    }
    if (dialog.exec() != QDialog::Accepted)
        return preset;
    FontChoice chosen = choiceOfFont(dialog.selectedFont());
    if (alias && chosen.name == standsFor)
        chosen.name = preset.name;
    chosen.strikeOut = preset.strikeOut;
    chosen.underline = preset.underline;
    return chosen;
}

quint32 QtDialogs::chooseColor(quint32 preset)
{
    const QColor chosen = QColorDialog::getColor(colorOfValue(preset), m_owner);
    return chosen.isValid() ? valueOfColor(chosen) : preset;
}

QString qtFileFilter(const QString &filter)
{
    // A filter already written in Qt's form passes unchanged.
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        QStringList patterns;
        for (const QString &pattern : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            if (trimmed.isEmpty() || patterns.contains(trimmed))
                continue;
            patterns << trimmed;
            const QString upper = trimmed.toUpper();
            if (upper != trimmed && !patterns.contains(upper))
                patterns << upper;
        }
        if (patterns.isEmpty())
            continue;
        // "All Pictures (*.jpg;*.png)" already shows its patterns; Qt adds its own list, so the
        // described one goes.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        entries << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return entries.join(QLatin1String(";;"));
}
