#!/bin/sh
# Formats each manual page in the folder $1 as man does and fails on any warning of groff or
# man, or on a NAME line that whatis cannot read. Exit status 77 (skipped) without the tools.
set -eu
folder=$1
shift
for tool in groff lexgrog man; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed: skipped"; exit 77; }
done
status=0
for page in "$@"; do
    file=$folder/$page
    # The pages are UTF-8: -k runs preconv, as man does.
    warnings=$(groff -k -man -Tutf8 -ww -z "$file" 2>&1)
    warnings=$warnings$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        echo "$page: $warnings" >&2
        status=1
    fi
    lexgrog "$file" >/dev/null || { echo "$page: no whatis entry" >&2; status=1; }
done
exit $status
