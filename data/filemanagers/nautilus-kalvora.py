# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Kalvora's two actions in the menu of selected pictures and folders in Nautilus (read by
# nautilus-python, for Nautilus 3 and 4 alike).
import subprocess

from gi.repository import GObject, Nautilus

_KINDS = ("image/jpeg", "image/png", "image/tiff", "image/gif", "image/bmp", "image/webp",
          "image/heif", "image/avif", "image/vnd.microsoft.icon", "inode/directory")


def _local_paths(files):
    paths = []
    for item in files:
        location = item.get_location()
        path = location.get_path() if location else None
        if not path or item.get_mime_type() not in _KINDS:
            return []
        paths.append(path)
    return paths


class KalvoraActions(GObject.GObject, Nautilus.MenuProvider):
    def _items(self, files):
        paths = _local_paths(files)
        if not paths:
            return []
        stamp = Nautilus.MenuItem(name="Kalvora::Stamp", label="Stamp with Kalvora")
        stamp.connect("activate", lambda *_: subprocess.Popen(["kalvora", "--", *paths]))
        taken = Nautilus.MenuItem(name="Kalvora::StampDateTaken",
                                  label="Stamp date taken with the last options")
        taken.connect("activate", lambda *_: subprocess.Popen(
            ["kalvora-stamp", "--from-settings", "--date", "taken", "--notify", "--", *paths]))
        return [stamp, taken]

    # Nautilus 4 passes only the files; Nautilus 3 passes the window first.
    def get_file_items(self, *arguments):
        return self._items(arguments[-1])
