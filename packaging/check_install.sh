#!/bin/sh
# Installs the build folder $1 under the prefix $2 and checks the layout: the programs, the
# help and the examples in lib/lorvex, links on the PATH that reach them, the desktop files,
# the manual pages and the documentation.
set -eu
build=$1 prefix=$2
shift 2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "install layout: $*" >&2; exit 1; }
for program in "$@"; do
    [ -x "$prefix/lib/lorvex/$program" ] || fail "lib/lorvex/$program missing"
    [ -L "$prefix/bin/$program" ] || fail "bin/$program is no link"
    [ "$(readlink -f "$prefix/bin/$program")" = "$(readlink -f "$prefix/lib/lorvex/$program")" ] ||
        fail "bin/$program does not lead to lib/lorvex/$program"
done
[ -f "$prefix/lib/lorvex/hilfe.txt" ] || fail "hilfe.txt is not beside the programs"
ls "$prefix"/lib/lorvex/examples/*.txt >/dev/null 2>&1 || fail "no example systems"
[ -f "$prefix/share/applications/io.github.lorvex.Lorvex.desktop" ] || fail "no desktop file"
[ -f "$prefix/share/metainfo/io.github.lorvex.Lorvex.metainfo.xml" ] || fail "no metainfo"
for size in 16 32 48 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x$size/apps/lorvex.png" ] || fail "no ${size}px icon"
done
for program in "$@"; do
    gzip -t "$prefix/share/man/man1/$program.1.gz" 2>/dev/null || fail "no manual page for $program"
done
gzip -t "$prefix/share/doc/lorvex/changelog.gz" 2>/dev/null || fail "no changelog"
[ -f "$prefix/share/doc/lorvex/copyright" ] || fail "no copyright file"
"$prefix/bin/lorvex-report" --help >/dev/null || fail "lorvex-report --help through its link"
echo "install layout complete under $prefix"
