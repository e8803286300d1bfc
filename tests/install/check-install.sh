#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks that every file lands in its place
# and that the desktop entry, the AppStream data and the MIME definitions are valid.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

expected=(
    bin/vellora
    share/applications/org.vellora.Vellora2000.desktop
    share/metainfo/org.vellora.Vellora2000.metainfo.xml
    share/mime/packages/vellora-lists.xml
    share/icons/hicolor/scalable/apps/vellora.svg
    share/vellora/VEL_Help.qch
    share/vellora/VEL_Help.qhc
)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/vellora.png")
done

status=0
for file in "${expected[@]}"; do
    if [ ! -f "$prefix/$file" ]; then
        echo "missing: $file"
        status=1
    fi
done
[ -x "$prefix/bin/vellora" ] || { echo "not executable: bin/vellora"; status=1; }

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.vellora.Vellora2000.desktop" || status=1
fi
# A file manager's "Open with" passes the chosen files; the program claims pictures and its
# two list types only, never every text file or folder.
entry="$prefix/share/applications/org.vellora.Vellora2000.desktop"
if [ -f "$entry" ]; then
    grep -qx 'Exec=vellora %F' "$entry" || { echo "the desktop entry does not pass files"; status=1; }
    grep -qx 'MimeType=image/jpeg;image/bmp;application/x-vellora-list;application/x-somnel-list;' \
        "$entry" || { echo "the desktop entry claims other types"; status=1; }
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.vellora.Vellora2000.metainfo.xml" \
        >/dev/null || status=1
fi
if command -v xmllint >/dev/null; then
    xmllint --noout "$prefix/share/mime/packages/vellora-lists.xml" || status=1
fi

[ $status -eq 0 ] && echo "install tree complete: ${#expected[@]} files"
exit $status
