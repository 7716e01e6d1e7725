#!/bin/sh
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# check-package.sh BUILD_DIR: unpacks the Debian package that scripts/package.sh built into a
# private root and checks it as an installed program: the install layout, the programs running
# from there and finding their data and helpers, a real stamp, the desktop entry, the AppStream
# file, the manual pages and lintian.
set -eu
build=$1
deb=$(ls "$build"/kalvora_*_*.deb)
root=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$root" "$work"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$root"
for path in usr/bin/kalvora usr/bin/kalvora-stamp usr/libexec/kalvora/kalvora-convert; do
    [ -x "$root/$path" ] || fail "$path is not an installed program"
done
for path in usr/share/kalvora/drag.ico usr/share/kalvora/HAND-M.CUR usr/share/kalvora/Samples \
    usr/share/applications/example.vendrel.Kalvora.desktop \
    usr/share/metainfo/example.vendrel.Kalvora.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/example.vendrel.Kalvora.svg \
    usr/share/icons/hicolor/48x48/apps/example.vendrel.Kalvora.png \
    usr/share/man/man1/kalvora.1.gz usr/share/man/man1/kalvora-stamp.1.gz \
    usr/share/doc/kalvora/copyright usr/share/doc/kalvora/changelog.gz \
    usr/share/kio/servicemenus/example.vendrel.Kalvora.desktop \
    usr/share/nemo/actions/kalvora-stamp.nemo_action \
    usr/share/nemo/actions/kalvora-stamp-date-taken.nemo_action \
    usr/share/nautilus-python/extensions/kalvora.py \
    usr/share/Thunar/sendto/example.vendrel.Kalvora.stamp.desktop \
    usr/share/Thunar/sendto/example.vendrel.Kalvora.stamp-date-taken.desktop \
    usr/share/bash-completion/completions/kalvora-stamp \
    usr/share/zsh/vendor-completions/_kalvora-stamp \
    usr/share/fish/vendor_completions.d/kalvora-stamp.fish \
    usr/share/kalvora/translations/kalvora_de.qm usr/share/kalvora/translations/kalvora_fr.qm \
    usr/share/kalvora/translations/kalvora_es.qm; do
    [ -e "$root/$path" ] || fail "$path is missing from the package"
done
# Every file-manager action runs one of the two installed programs, with the options the
# command takes.
for action in "$root"/usr/share/kio/servicemenus/*.desktop "$root"/usr/share/nemo/actions/*.nemo_action \
    "$root"/usr/share/Thunar/sendto/*.desktop; do
    grep -q '^Exec=kalvora -- %F$' "$action" \
        || grep -q '^Exec=kalvora-stamp --from-settings --date taken --notify -- %F$' "$action" \
        || fail "$action runs no known command"
done
for sendto in "$root"/usr/share/Thunar/sendto/*.desktop; do desktop-file-validate "$sendto"; done
python3 -c 'import ast, sys; ast.parse(open(sys.argv[1]).read())' \
    "$root/usr/share/nautilus-python/extensions/kalvora.py" || fail "the Nautilus extension"
bash -n "$root/usr/share/bash-completion/completions/kalvora-stamp" || fail "bash completion"
[ -z "$(ls "$root/usr/bin" | grep -v '^kalvora$' | grep -v '^kalvora-stamp$')" ] \
    || fail "bin/ holds more than the two programs: $(ls "$root/usr/bin")"

version=$(sed -n 's/^Version: //p' <<EOT
$(dpkg-deb -f "$deb")
EOT
)
"$root/usr/bin/kalvora" --version | grep -qx "kalvora $version" || fail "kalvora --version"
"$root/usr/bin/kalvora-stamp" --version | grep -q "$version" || fail "kalvora-stamp --version"
# The installed programs find their catalogues: the help reads differently in German.
english=$(LANGUAGE= LC_ALL=C.UTF-8 "$root/usr/bin/kalvora-stamp" --help | head -n 1)
german=$(LANGUAGE=de LC_ALL=C.UTF-8 LANG=de_DE.UTF-8 "$root/usr/bin/kalvora-stamp" --help | head -n 1)
[ -n "$german" ] && [ "$german" != "$english" ] || fail "kalvora-stamp --help is not translated"

# A real stamp from the unpacked programs: a JPEG and a GIF, the GIF through the private
# converter in libexec, which the program must find there.
convert -size 240x160 gradient:navy-orange "$work/photo.jpg"
convert -size 240x160 gradient:white-green "$work/chart.gif"
mkdir "$work/out"
"$root/usr/bin/kalvora-stamp" --text "Package check" --position Lower-Right --color '#ff0000' \
    --output "$work/out" "$work/photo.jpg" "$work/chart.gif" \
    || fail "kalvora-stamp from the package failed"
for name in photo.jpg chart.gif; do
    [ -s "$work/out/$name" ] || fail "no stamped $name"
    ! cmp -s "$work/$name" "$work/out/$name" || fail "$name came out unchanged"
done
identify -format '%m\n' "$work/out/chart.gif" | head -n 1 | grep -qx GIF || fail "chart.gif is no GIF"

desktop-file-validate "$root/usr/share/applications/example.vendrel.Kalvora.desktop"
appstreamcli validate --no-net --pedantic \
    "$root/usr/share/metainfo/example.vendrel.Kalvora.metainfo.xml" >/dev/null \
    || appstreamcli validate --no-net "$root/usr/share/metainfo/example.vendrel.Kalvora.metainfo.xml"
for page in kalvora kalvora-stamp; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l \
        "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
done
lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 \
    || { cat "$work/lintian.txt" >&2; fail "lintian reports errors"; }
echo "check-package: $(basename "$deb") is sound"
