// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace kalvora {

/// Keeps the large blocks of memory a photo's work takes in the heap once they are freed, for
/// the next photo (see the .cpp), and returns memory to the system only beyond 128 MB.
void keepPhotoMemory();

/// Makes sure the calling thread's heap holds \a bytes (at most 56 MB) of memory already in
/// place, in huge pages where the system gives them, so that the photo about to be worked on
/// does not fault its buffers in page by page. Does nothing once the thread holds as much.
void reservePhotoMemory(qint64 bytes);

} // namespace kalvora
