// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/programtranslations.h"

#include "base/programfiles.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

ProgramTranslations::ProgramTranslations(
    const QLocale &locale, const QString &folder, const QString &qtFolder)
{
    const QString qtTranslations
        = qtFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : qtFolder;
    const struct
    {
        const char *name;
        QString folder;
        bool own;
    } catalogues[] = {{"kalvora", folder, true}, {"qtbase", qtTranslations, false}};
    for (const auto &catalogue : catalogues) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(
                locale, QLatin1String(catalogue.name), QStringLiteral("_"), catalogue.folder))
            continue;
        if (!QCoreApplication::installTranslator(translator.get()))
            continue;
        m_programLoaded = m_programLoaded || catalogue.own;
        m_translators.push_back(std::move(translator));
    }
}

ProgramTranslations::~ProgramTranslations()
{
    for (const auto &translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
}

QString programTranslationsFolder()
{
    return programFile(ProgramFileKind::Data, QStringLiteral("translations"));
}
