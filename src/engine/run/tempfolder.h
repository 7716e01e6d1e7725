// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace kalvora {

/// The running program's private temporary folder (readable by its owner only), removed with
/// everything in it when the object goes. A run keeps its work files there; fixed names in a
/// shared folder would let two copies of the program clobber each other's files.
class TempFolder
{
public:
    TempFolder();

    /// False when the folder could not be created; error() then says why.
    bool isValid() const { return m_dir.isValid(); }
    QString error() const { return m_dir.errorString(); }

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace kalvora
