// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/output/plannedstamp.h"

#include "base/filehelpers.h"
#include "engine/output/imageoutput.h"
#include "engine/output/placement.h"

#include <QDir>
#include <QFileInfo>

namespace kalvora {

namespace {

QString claimOf(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // A result that does not exist yet: the canonical path of the nearest folder that does,
    // and the rest (folders a result keeping a walk's folders makes, and its name).
    const QString absolute = QDir::cleanPath(info.absoluteFilePath());
    for (qsizetype cut = absolute.lastIndexOf(QLatin1Char('/')); cut > 0;
         cut = absolute.lastIndexOf(QLatin1Char('/'), cut - 1)) {
        const QString folder = QFileInfo(absolute.left(cut)).canonicalFilePath();
        if (!folder.isEmpty())
            return folder + absolute.mid(cut);
    }
    return absolute;
}

QStringList claimsOf(const kalvora::PlannedStamp &plan)
{
    QStringList claims {claimOf(plan.source)};
    if (!plan.replaceSource)
        claims << claimOf(plan.destination);
    return claims;
}

} // namespace

QString numberedName(const QString &path, int number)
{
    const QString name = FileNameOfPath(path);
    const QString folder = path.left(path.size() - name.size());
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString suffix = QStringLiteral(" (%1)").arg(number);
    if (dot < 1)
        return folder + name + suffix;
    return folder + name.left(dot) + suffix + name.mid(dot);
}

QString ResultNames::reserve(const QString &path)
{
    const std::lock_guard lock(m_mutex);
    // The first result of a name takes it, replacing a file from before the run; later ones
    // take the first numbered name that neither this run nor anyone else has used.
    QString candidate = path;
    for (int number = 2; m_taken.contains(claimOf(candidate))
         || (candidate != path && QFileInfo::exists(candidate));
         ++number)
        candidate = numberedName(path, number);
    m_taken.insert(claimOf(candidate));
    return candidate;
}

QString foldersBelow(const QString &walkedFolder, const QString &path)
{
    if (walkedFolder.isEmpty())
        return {};
    QString root = NormalizePath(walkedFolder);
    if (!root.endsWith(kSeparator))
        root += kSeparator;
    const QString folder = FolderOf(NormalizePath(path));
    return folder.startsWith(root) ? folder.mid(root.size()) : QString();
}

PlannedStamp planStamp(
    const QString &listed, const StampOptions &options, const QString &walkedFolder)
{
    // A link stamped in place stays a link: the file it points to is stamped, in its own folder.
    QString source = listed;
    if (options.saveOption == SaveOption::OriginalFolder) {
        const QFileInfo info(listed);
        if (info.isSymLink() && info.exists())
            source = info.canonicalFilePath();
    }
    PlannedStamp plan;
    plan.source = source;
    // The extension is the file name's: a folder named "x.png" says nothing about the files in
    // it.
    plan.extension = extensionOf(FileNameOfPath(source));
    // The listed path says where it was found below the walked folder, even where the file is
    // reached through a link.
    const QString below = options.keepFolders && options.saveOption == SaveOption::ChosenFolder
        ? foldersBelow(walkedFolder, listed)
        : QString();
    const QString folder
        = below.isEmpty() ? options.outputFolder : options.outputFolder + kSeparator + below;
    const OutputTarget target = OutputPathFor(source, options.saveOption, folder);
    if (!below.isEmpty() && !target.replaceSource)
        plan.madeBelow = options.outputFolder;
    plan.replaceSource = target.replaceSource;
    // A result that belongs in the source's own folder takes the source's place.
    plan.destination = target.replaceSource ? source : target.path;
    plan.claims = claimsOf(plan);
    return plan;
}

void completePlan(PlannedStamp &plan, ResultNames *names)
{
    if (names && !plan.replaceSource) {
        plan.destination = names->reserve(plan.destination);
        plan.claims = claimsOf(plan);
    }
    plan.privatePath = intermediatePathFor(plan.destination, plan.extension);
}

} // namespace kalvora
