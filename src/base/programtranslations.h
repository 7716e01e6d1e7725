// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <memory>
#include <vector>

class QTranslator;

/// The program's own catalogue and Qt's for one language, installed into the running
/// application for as long as the object lives.
///
/// The English texts are the source strings: a locale with no catalogue (English, C) installs
/// nothing and every text reads as written in the code. Qt's catalogue (qtbase) is what
/// translates the standard dialogs' buttons.
class ProgramTranslations
{
public:
    /// Installs the catalogues for \a locale's languages: kalvora_<lang>.qm from \a folder,
    /// qtbase_<lang>.qm from \a qtFolder (Qt's translations folder when empty).
    ProgramTranslations(
        const QLocale &locale, const QString &folder, const QString &qtFolder = QString());
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations &) = delete;
    ProgramTranslations &operator=(const ProgramTranslations &) = delete;

    /// Whether the program's own catalogue was found for the locale.
    bool programCatalogueLoaded() const { return m_programLoaded; }

private:
    std::vector<std::unique_ptr<QTranslator>> m_translators;
    bool m_programLoaded = false;
};

/// The folder of the program's compiled catalogues: "translations" among its data files.
QString programTranslationsFolder();
