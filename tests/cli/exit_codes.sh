#!/usr/bin/env bash
# The exit statuses of lorvex-report as scripts see them: 0 success, 1 failure, 2 bad arguments;
# and what it does with hostile input and output.
set -u
program=$1 examples=$2 data=$3
# "sanitized" for an AddressSanitizer build, which cannot run under a limit of address space.
build=${4:-plain}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
checks=0 failures=0

fail() {
    echo "FAIL: $*"; failures=$((failures + 1))
}

expect() {
    local want=$1; shift
    checks=$((checks + 1))
    "$@" >"$work/out" 2>"$work/err" </dev/null
    local got=$?
    if [ "$got" != "$want" ]; then
        fail "exit $got, expected $want: $*"; cat "$work/err"
    fi
}

# A command line with redirections of its own: its exit status and a text of its message.
expect_message() {
    local want=$1 text=$2 command=$3
    checks=$((checks + 1))
    program=$program work=$work limit=${limit:-true} bash -c "$command" >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" != "$want" ] || ! grep -qF -- "$text" "$work/err"; then
        fail "exit $got, expected $want and \"$text\": $command"; cat "$work/err"
    fi
}

check() {
    checks=$((checks + 1))
    "$@" || fail "$*"
}

# A normal user: root drops its rights.
as_user() {
    if [ "$(id -u)" = 0 ]; then
        setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
    else
        "$@"
    fi
}

expect 0 "$program" --help
expect 0 "$program" "$examples/Beispiel_7_2.txt"
check cmp -s "$work/out" "$data/reports/beispiel_7_2_komplett.txt"
expect 2 "$program"
expect 2 "$program" --only 2 "$examples/Beispiel_7_2.txt"
expect 2 "$program" --bogus "$examples/Beispiel_7_2.txt"
expect 1 "$program" "$work/missing.txt"
expect 1 "$program" -o "$work/report.txt" "$work/missing.txt"
check test ! -e "$work/report.txt"
printf '1 2 3 4 5 6\n' | "$program" - >/dev/null || fail "standard input"
checks=$((checks + 1))
expect 0 "$program" --coverage "$examples/Beispiel_7_2.txt"
expect 2 "$program" --map "1 2 3 4 5 6" "$examples/Beispiel_7_2.txt"
expect 2 "$program" --check "1 2 3 4 5 50" "$examples/Beispiel_7_2.txt"
expect 2 "$program" --only 6 --odds "$examples/Beispiel_7_2.txt"

# Targets that are no regular file are written into, never replaced.
cp "$examples/Beispiel_7_2.txt" "$work/system.txt"
chmod 644 "$work/system.txt"
expect 0 as_user "$program" -o /dev/null "$work/system.txt"
check test -c /dev/null
mkfifo "$work/fifo"
timeout 10 cat "$work/fifo" >"$work/from-fifo" &
expect 0 "$program" -o "$work/fifo" "$work/system.txt"
wait
check test -p "$work/fifo"
check cmp -s "$work/from-fifo" "$data/reports/beispiel_7_2_komplett.txt"

# Standard input that cannot be read, or never ends (the memory limit only keeps a faulty
# build from taking the machine's memory).
limit=$([ "$build" = sanitized ] && echo true || echo "ulimit -v 1500000")
expect_message 1 "Standardeingabe kann nicht gelesen werden: Das ist ein Ordner" '"$program" - </'
expect_message 1 "Standardeingabe kann nicht gelesen werden: Sie ist geschlossen" '"$program" - <&-'
expect_message 1 "Die Datei ist zu groß" '$limit; "$program" - </dev/zero'

# The target is checked before anything is read or analysed.
expect_message 1 "Datei kann nicht gespeichert werden: $work/fehlt/report.txt: Datei oder Ordner nicht gefunden" \
    '$limit; "$program" -o "$work/fehlt/report.txt" - </dev/zero'

# Too little memory for a 150 MB file: a message, no abort.
if [ "$build" != sanitized ]; then
    truncate -s 150M "$work/big.txt"
    expect_message 1 "Nicht genug Arbeitsspeicher." 'ulimit -v 100000; "$program" "$work/big.txt"'
fi

# Numbers beyond 64 bits are over 49, not what they would wrap to.
expect_message 1 "Keine gültige Systemreihe" \
    'printf "18446744073709551617 2 3 4 5 6\n1 2 3 4 5 \$10000000000000001\n" | "$program" -'
# Too few numbers for any guarantee: say why; one number in the singular.
expect_message 1 "Keine Ziehung von 3 Zahlen: das System hat nur 2 Systemzahlen." \
    'printf "1 2 1 2 1 2\n" | "$program" --guarantee -'
expect_message 1 "das System hat nur 1 Systemzahl." 'printf "1 1 1 1 1 1\n" | "$program" --coverage -'
# A row holding a number twice: every answer counts it as the hit table does.
printf '1 2 3 4 5 5\n' >"$work/twice.txt"
"$program" --coverage --only 5 "$work/twice.txt" >"$work/out"
check grep -qF "mindestens ein 5er: 0 von 1 Ziehungen (  0.000 %)" "$work/out"
"$program" --guarantee "$work/twice.txt" >"$work/out"
check grep -qF "Garantie bei 5 Treffern in den Systemzahlen: keine" "$work/out"
"$program" --check "1 2 3 4 5 9" "$work/twice.txt" >"$work/out"
check grep -qF "Reihe 1: 01 02 03 04 05 05 - 5 Richtige" "$work/out"

# On a terminal the report shows in the terminal's character set; redirected, the exact bytes
# (checked above).
LC_ALL=C.UTF-8 script -qec "\"$program\" \"$examples/Beispiel_7_2.txt\"" /dev/null >"$work/out"
check grep -qF "Lottosystem für 7 Zahlen" "$work/out"
LC_ALL=C script -qec "\"$program\" \"$examples/Beispiel_7_2.txt\"" /dev/null >"$work/out"
check grep -qF "Lottosystem f?r 7 Zahlen" "$work/out"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" = 0 ]
