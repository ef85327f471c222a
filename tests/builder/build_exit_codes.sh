#!/usr/bin/env bash
# The exit statuses of lorvex-build as scripts see them, and the system it writes: key numbers
# in every row, -o replaced only with a complete system.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"; failures=$((failures + 1))
}

expect() {
    local want=$1; shift
    "$@" >"$work/out" 2>"$work/err" </dev/null
    local got=$?
    [ "$got" = "$want" ] || { fail "exit $got, expected $want: $*"; cat "$work/err"; }
}

expect 0 "$program" --help
expect 2 "$program"
expect 2 "$program" --numbers 12 --guarantee 5 --if 4
grep -q "Bei 4 Gewinnzahlen kann keine Reihe 5 Richtige haben" "$work/err" || fail "T > K reason"
expect 0 "$program" --numbers 10 --guarantee 3 --if 4 --fixed "3 9" --seconds 1
[ "$(grep -c '^\(0[1-9]\|10\)\( \(0[1-9]\|10\)\)\{5\}$' "$work/out")" = "$(wc -l <"$work/out")" ] ||
    fail "rows of six two-digit numbers"
[ "$(grep -w 03 "$work/out" | grep -cw 09)" = "$(wc -l <"$work/out")" ] || fail "key numbers in every row"
grep -q "geprüft: alle 28 Ziehungen mit den Bankzahlen erfüllt" "$work/err" || fail "summary"
echo "kept" >"$work/old.txt"
expect 1 "$program" --numbers 10 --guarantee 3 --seconds 0 -o "$work/missing/system.txt"
expect 0 "$program" --numbers 10 --guarantee 3 --seconds 0 -o "$work/old.txt"
[ "$(wc -l <"$work/old.txt")" -ge 10 ] || fail "-o writes the system"
# A player's own system: plugged, trimmed, or the most that a row budget allows.
printf '01 02 03 04 05 06\n07 08 09 10 11 12\n' >"$work/two.txt"
expect 0 "$program" --plug "$work/two.txt" --guarantee 3 --seconds 1
grep -qx "01 02 03 04 05 06" "$work/out" || fail "plug keeps the rows"
grep -q "^Lücken geschlossen: .* ergänzt (untere Schranke " "$work/err" || fail "plug summary"
grep -q "^Gewinntabelle" "$work/err" || fail "win table"
expect 1 "$program" --trim "$work/two.txt" --guarantee 3
grep -q "erfüllt die Garantie 3 wenn 3 nicht: .* --plug" "$work/err" || fail "trim reason"
expect 2 "$program" --plug "$work/two.txt" --trim "$work/two.txt" --guarantee 3
expect 2 "$program" --plug "$work/two.txt" --guarantee 3 --numbers 11
expect 2 "$program" --plug "$work/two.txt" --guarantee 3 --fixed 1
expect 3 "$program" --numbers 12 --guarantee 4 --if 6 --rows-at-most 2 --seconds 1
[ "$(wc -l <"$work/out")" = 2 ] || fail "budget writes its rows"
grep -q "^Garantie mit 2 Reihen nicht erreichbar: [0-9]*\.[0-9][0-9][0-9] % der 924 Ziehungen erfüllt$" \
    "$work/err" || fail "budget share"
# Memory too tight for every thread's orbit tables still gives a system (not under ASan, which
# reserves more address space than such a limit allows).
if ! ldd "$program" | grep -q libasan; then
    expect 0 bash -c 'ulimit -v 150000; exec "$0" --numbers 49 --guarantee 3 --seconds 2' "$program"
fi
[ "$failures" = 0 ] && echo "all checks passed"
exit $((failures > 0))
