#!/bin/sh
# Packs the build folder $1 into a .deb in the folder $2 and runs lintian on it; fails on any
# error or warning. Exit status 77 (a skipped test) when lintian is not installed.
set -eu
build=$1 folder=$2
command -v lintian >/dev/null 2>&1 || { echo "lintian is not installed: skipped"; exit 77; }
rm -rf "$folder"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$folder" >/dev/null
status=0
lintian --fail-on error,warning --info --pedantic "$folder"/lorvex_*.deb || status=$?
rm -rf "$folder"
exit $status
