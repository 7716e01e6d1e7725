// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/tiffmemoryfile.h"

#include <cstdarg>
#include <cstring>

namespace kalvora {

namespace {

MemoryFile *fileOf(thandle_t handle)
{
    return static_cast<MemoryFile *>(handle);
}

tmsize_t readProc(thandle_t handle, void *buffer, tmsize_t size)
{
    MemoryFile *file = fileOf(handle);
    const QByteArray &data = file->input ? *file->input : *file->output;
    const qint64 available = qBound(qint64(0), qint64(data.size()) - file->position, qint64(size));
    std::memcpy(buffer, data.constData() + file->position, size_t(available));
    file->position += available;
    return tmsize_t(available);
}

tmsize_t writeProc(thandle_t handle, void *buffer, tmsize_t size)
{
    MemoryFile *file = fileOf(handle);
    if (!file->output)
        return 0;
    const qint64 end = file->position + size;
    if (end > file->output->size())
        file->output->resize(end);
    std::memcpy(file->output->data() + file->position, buffer, size_t(size));
    file->position = end;
    return size;
}

toff_t seekProc(thandle_t handle, toff_t offset, int whence)
{
    MemoryFile *file = fileOf(handle);
    qint64 target = qint64(offset);
    if (whence == SEEK_CUR)
        target += file->position;
    else if (whence == SEEK_END)
        target += file->size();
    if (target < 0)
        return toff_t(-1);
    file->position = target;
    return toff_t(target);
}

int closeProc(thandle_t)
{
    return 0;
}

toff_t sizeProc(thandle_t handle)
{
    return toff_t(fileOf(handle)->size());
}

int mapProc(thandle_t, void **, toff_t *)
{
    return 0;
}

void unmapProc(thandle_t, void *, toff_t) { }

int recordError(TIFF *, void *userData, const char *module, const char *format, va_list args)
{
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    auto *file = static_cast<MemoryFile *>(userData);
    file->errors << (module && *module
            ? QStringLiteral("%1: %2").arg(QString::fromUtf8(module), QString::fromUtf8(text))
            : QString::fromUtf8(text));
    return 1;
}

// libtiff only warns where a tag's value lies past the end of the file and goes on without it;
// that file is cut short all the same.
int recordShortRead(
    TIFF *tiff, void *userData, const char *module, const char *format, va_list args)
{
    if (std::strstr(format, "IO error during reading") == nullptr)
        return 1;
    return recordError(tiff, userData, module, format, args);
}

} // namespace

TiffHandle openTiff(MemoryFile *file, const char *mode)
{
    TIFFOpenOptions *options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, recordError, file);
    TIFFOpenOptionsSetWarningHandlerExtR(options, recordShortRead, file);
    TiffHandle tiff(TIFFClientOpenExt("picture", mode, file, readProc, writeProc, seekProc,
        closeProc, sizeProc, mapProc, unmapProc, options));
    TIFFOpenOptionsFree(options);
    return tiff;
}

} // namespace kalvora
