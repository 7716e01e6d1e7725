// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/errorreport.h"

#include "ui/dialogs.h"

#include <QCoreApplication>

QString errorReportText(const QString &location, int step, const QString &description)
{
    // Carriage returns without line feeds between the step and the request, as users have always
    // seen it; Qt's message box breaks lines at either.
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ")
        + QString::number(step) + QStringLiteral("\r\r")
        + QCoreApplication::translate("ErrorReport", "Please email screenshot of this message to ")
        + QLatin1String(kSupportAddress);
}

void ErrorReport(Dialogs &dialogs, const QString &location, int step, const QString &description)
{
    dialogs.showMessage(QCoreApplication::translate("ErrorReport", kErrorReportTitle),
        errorReportText(location, step, description), Dialogs::Icon::Exclamation);
}
