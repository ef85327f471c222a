#!/bin/sh
# Runs a validator given as the first argument with the others; exit status 77 (a skipped test)
# when the validator is not installed.
if ! command -v "$1" >/dev/null 2>&1; then
    echo "$1 is not installed: skipped"
    exit 77
fi
exec "$@"
