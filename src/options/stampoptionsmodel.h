// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stampoptions.h"

#include <QObject>

/// The options as they stand now: what the options panel edits and what the stamp run and the
/// preview read. Every change of a field is announced once, after it happened; setting a field
/// to the value it holds announces nothing.
///
/// One setter serves every field, so a new option needs no new setter here:
/// \code
/// model.set(&StampOptions::jpegQuality, 90);
/// \endcode
class StampOptionsModel final : public QObject
{
    Q_OBJECT
public:
    explicit StampOptionsModel(QObject *parent = nullptr);

    const StampOptions &options() const { return m_options; }
    void setOptions(const StampOptions &options);

    template <typename Field> void set(Field StampOptions::*field, const Field &value)
    {
        if (m_options.*field == value)
            return;
        m_options.*field = value;
        emit optionsChanged();
    }

signals:
    void optionsChanged();

private:
    StampOptions m_options;
};
