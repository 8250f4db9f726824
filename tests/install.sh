#!/bin/sh
# `cmake --install` puts the program, its help file and its desktop entry
# where the program will look for them.
set -eu
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" >/dev/null
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
for f in bin/quillmarsh share/quillmarsh/help.hlp share/applications/quillmarsh.desktop; do
    [ -f "$stage$prefix/$f" ] || { echo "not installed: $prefix/$f"; exit 1; }
done
# The installed program names the installed help file.
strings -e l "$stage$prefix/bin/quillmarsh" | grep -qx "$prefix/share/quillmarsh/help.hlp" \
    || { echo "the installed program does not name $prefix/share/quillmarsh/help.hlp"; exit 1; }
grep -q '^Exec=quillmarsh$' "$stage$prefix/share/applications/quillmarsh.desktop"
echo "installed under $prefix"
