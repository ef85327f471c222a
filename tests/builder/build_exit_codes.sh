#!/usr/bin/env bash
# The exit statuses of lorvex-build as scripts see them, and the system it writes: key numbers
# in every row, -o replaced only with a complete system.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
export XDG_CACHE_HOME="$work/cache"

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
grep -q "geprüft an allen 28 Ziehungen mit den Bankzahlen$" "$work/err" || fail "summary"
echo "kept" >"$work/old.txt"
expect 1 "$program" --numbers 10 --guarantee 3 --seconds 0 -o "$work/missing/system.txt"
expect 0 "$program" --numbers 10 --guarantee 3 --seconds 0 -o "$work/old.txt"
[ "$(wc -l <"$work/old.txt")" -ge 10 ] || fail "-o writes the system"
# A player's own system: plugged, trimmed, or the most that a row budget allows.
printf '01 02 03 04 05 06\n07 08 09 10 11 12\n' >"$work/two.txt"
expect 0 "$program" --plug "$work/two.txt" --guarantee 3 --seconds 1
grep -qx "01 02 03 04 05 06" "$work/out" || fail "plug keeps the rows"
grep -q "^Lücken geschlossen, ergänzt: Reihen 3 bis " "$work/err" || fail "plug summary"
grep -q "^Gewinntabelle" "$work/err" || fail "win table"
expect 1 "$program" --trim "$work/two.txt" --guarantee 3
grep -q "erfüllt die Garantie 3 wenn 3 nicht: .* --plug" "$work/err" || fail "trim reason"
expect 2 "$program" --plug "$work/two.txt" --trim "$work/two.txt" --guarantee 3
expect 2 "$program" --plug "$work/two.txt" --guarantee 3 --numbers 11
expect 2 "$program" --plug "$work/two.txt" --guarantee 3 --fixed 1
expect 3 "$program" --numbers 12 --guarantee 4 --if 6 --rows-at-most 2 --seconds 1
[ "$(wc -l <"$work/out")" = 2 ] || fail "budget writes its rows"
grep -q "^Garantie mit 2 Reihen nicht erreicht: in [0-9]* von 924 Ziehungen ([0-9]*,[0-9] %), 2,40 € je Ziehung$" \
    "$work/err" || fail "budget share"
expect 3 "$program" --plug "$work/two.txt" --guarantee 3 --rows-at-most 3 --seconds 1
grep -q "^Lücken nicht alle geschlossen, ergänzt: Reihe 3 " "$work/err" || fail "plug within a budget"
# A player's own numbers, end to end: built on them, read back on them, plugged on them.
own="3 7 11 19 22 28 31 36 40 42 45 47"
expect 0 "$program" --numbers "$own" --guarantee 4 --if 5 --fixed 7 --seconds 1 -o "$work/own.txt"
[ "$(tr ' ' '\n' <"$work/own.txt" | sort -un | tr '\n' ' ')" = "03 07 11 19 22 28 31 36 40 42 45 47 " ] ||
    fail "built on the own numbers"
[ "$(grep -cw 07 "$work/own.txt")" = "$(wc -l <"$work/own.txt")" ] || fail "key number 7 as played"
head -n 2 "$work/own.txt" >"$work/ticket.txt"
expect 0 "$program" --plug "$work/ticket.txt" --numbers "$own" --guarantee 4 --if 5 --seconds 1
[ "$(head -n 2 "$work/out")" = "$(cat "$work/ticket.txt")" ] || fail "plug writes the ticket first"
grep -q "^Lücken geschlossen, ergänzt: Reihen 3 bis " "$work/err" || fail "plug names the new rows"
expect 0 "$program" --plug "$work/ticket.txt" --guarantee 3 --seconds 1
grep -q "^lorvex-build: System auf [0-9]* Zahlen: " "$work/err" || fail "plug names the numbers in the file"
expect 2 "$program" --numbers 16 --guarantee 6 --fixed "1 2 3 4 5 6"
expect 2 "$program" --trim "$work/two.txt" --guarantee 3 --numbers 0
expect 2 "$program" --numbers 12 --guarantee 3 --exchange
expect 2 "$program" --numbers 12 --guarantee 3 --threads 0
# The same request, seed and number of threads give the same system.
same=(--numbers 13 --guarantee 3 --if 4 --seconds 1 --threads 1 --no-cache)
"$program" "${same[@]}" >"$work/first.txt" 2>/dev/null
"$program" "${same[@]}" >"$work/second.txt" 2>/dev/null
cmp -s "$work/first.txt" "$work/second.txt" || fail "same seed, same system"
# A plain build keeps its system; asked again without time, it starts from it (smaller than
# the constructions' 8 rows); a kept system that misses the guarantee is replaced.
kept="$XDG_CACHE_HOME/lorvex/systeme/16-3-wenn-6.txt"
expect 0 "$program" --numbers 16 --guarantee 3 --if 6 --seconds 2
cmp -s "$work/out" "$kept" || fail "the build keeps its system"
expect 0 "$program" --numbers 16 --guarantee 3 --if 6 --seconds 0
cmp -s "$work/out" "$kept" || fail "asked again, the build starts from the kept system"
grep -q "^Begonnen mit dem früher gebauten System aus [0-9] Reihen\.$" "$work/err" ||
    fail "the start is named"
head -n 2 "$kept" >"$work/two-kept.txt" && mv "$work/two-kept.txt" "$kept"
expect 0 "$program" --numbers 16 --guarantee 3 --if 6 --seconds 0
[ "$(wc -l <"$kept")" -gt 2 ] && ! grep -q "^Begonnen" "$work/err" || fail "a kept hole is replaced"
rm "$kept"
expect 0 "$program" --numbers 16 --guarantee 3 --if 6 --seconds 0 --no-cache
[ ! -e "$kept" ] || fail "--no-cache keeps nothing"
expect 1 "$program" --numbers 49 --guarantee 4 --if 5 --seconds 1 -o "$work/huge.txt"
[ ! -e "$work/huge.txt" ] || fail "no system above 9999 rows"
grep -q "höchstens 9.999" "$work/err" || fail "the reason for refusing a huge system"
# Memory too tight for every thread's orbit tables still gives a system (not under ASan, which
# reserves more address space than such a limit allows).
if ! ldd "$program" | grep -q libasan; then
    expect 0 bash -c 'ulimit -v 150000; exec "$0" --numbers 49 --guarantee 3 --seconds 2' "$program"
fi
[ "$failures" = 0 ] && echo "all checks passed"
exit $((failures > 0))
