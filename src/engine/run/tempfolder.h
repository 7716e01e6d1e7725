// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <optional>

namespace kalvora {

/// The running program's private temporary folder (readable by its owner only), removed with
/// everything in it when the object goes. A run keeps its work files there; fixed names in a
/// shared folder would let two copies of the program clobber each other's files.
class TempFolder
{
public:
    TempFolder();

    /// False when the folder could not be created; error() then names the folder it was to be
    /// made in and the system's reason, and no run may start.
    bool isValid() const { return m_dir && m_dir->isValid(); }
    QString error() const { return m_error; }

    QString path() const { return isValid() ? m_dir->path() : QString(); }

private:
    std::optional<QTemporaryDir> m_dir;
    QString m_error;
};

} // namespace kalvora
