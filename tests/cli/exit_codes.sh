#!/usr/bin/env bash
# The exit statuses of lorvex-report as scripts see them: 0 success, 1 failure, 2 bad arguments.
set -u
program=$1 examples=$2 data=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() {
    local want=$1; shift
    "$@" >"$work/out" 2>"$work/err" </dev/null
    local got=$?
    if [ "$got" != "$want" ]; then
        echo "FAIL: exit $got, expected $want: $*"; cat "$work/err"; failures=$((failures + 1))
    fi
}

expect 0 "$program" --help
expect 0 "$program" "$examples/Beispiel_7_2.txt"
cmp -s "$work/out" "$data/reports/beispiel_7_2_komplett.txt" || { echo "FAIL: report bytes"; failures=$((failures + 1)); }
expect 2 "$program"
expect 2 "$program" --only 2 "$examples/Beispiel_7_2.txt"
expect 2 "$program" --bogus "$examples/Beispiel_7_2.txt"
expect 1 "$program" "$work/missing.txt"
expect 1 "$program" -o "$work/report.txt" "$work/missing.txt"
[ -e "$work/report.txt" ] && { echo "FAIL: report left behind"; failures=$((failures + 1)); }
expect 0 "$program" --coverage "$examples/Beispiel_7_2.txt"
expect 2 "$program" --map "1 2 3 4 5 6" "$examples/Beispiel_7_2.txt"
expect 2 "$program" --check "1 2 3 4 5 50" "$examples/Beispiel_7_2.txt"
expect 2 "$program" --only 6 --odds "$examples/Beispiel_7_2.txt"
printf '1 2 3 4 5 6\n' | "$program" - >/dev/null || { echo "FAIL: standard input"; failures=$((failures + 1)); }

echo "$((13 - failures)) passed, $failures failed"
[ "$failures" = 0 ]
