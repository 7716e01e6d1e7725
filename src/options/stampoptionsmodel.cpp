// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/stampoptionsmodel.h"

StampOptionsModel::StampOptionsModel(QObject *parent)
    : QObject(parent)
{ }

void StampOptionsModel::setOptions(const StampOptions &options)
{
    if (m_options == options)
        return;
    m_options = options;
    emit optionsChanged();
}
