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
    // A result that does not exist yet: its folder's canonical path and its name.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : folder + QLatin1Char('/') + info.fileName();
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

PlannedStamp planStamp(const QString &listed, const StampOptions &options)
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
    const OutputTarget target = OutputPathFor(source, options.saveOption, options.outputFolder);
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
