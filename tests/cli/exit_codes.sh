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
    program=$program work=$work limit=${limit:-true} big=${big:-} bash -c "$command" \
        >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" != "$want" ] || ! grep -qF -- "$text" "$work/err"; then
        fail "exit $got, expected $want and \"$text\": $command"; cat "$work/err"
    fi
}

# The same for a command line that must succeed without a word.
expect_quiet() {
    checks=$((checks + 1))
    program=$program work=$work big=${big:-} bash -c "$1" >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" != 0 ] || [ -s "$work/err" ]; then
        fail "exit $got, expected 0 and no message: $1"; cat "$work/err"
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

# Lines without a valid row are counted on standard error; the output stays as it is.
expect_message 0 "lorvex-report: 2 Zeilen ohne gültige Reihe übersprungen" \
    'printf "Mein System\n1 2 3 4 5 6\n1 2 3 4 5 99999999999999999999\n" | "$program" --guarantee -'

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
# A named pipe to read from is waited for until its writer comes, as `cat` does.
timeout 10 bash -c 'sleep 1; cat "$1" >"$2"' - "$work/system.txt" "$work/fifo" &
expect 0 timeout 10 "$program" -o "$work/from-fifo" "$work/fifo"
wait
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

# -o naming the program's own standard output or error writes through it: `>>` appends, the
# file behind it stays the same file.
printf 'week 1\n' >"$work/log.txt"
inode=$(stat -c %i "$work/log.txt")
expect_quiet '"$program" --guarantee -o /dev/stdout "$work/system.txt" >>"$work/log.txt"'
expect_quiet '"$program" --guarantee -o /dev/stderr "$work/system.txt" 2>>"$work/log.txt"'
check test "$(head -n 1 "$work/log.txt")" = "week 1"
check test "$(wc -l <"$work/log.txt")" = 9
check test "$(stat -c %i "$work/log.txt")" = "$inode"

# Beyond the file size limit: a German message, the old file kept, no temporary file left.
big="$examples/C24_6_5_7084.txt"
printf 'old\n' >"$work/limited.txt"
expect_message 1 "Die Datei ist zu groß" 'ulimit -f 4; "$program" -o "$work/limited.txt" "$big"'
check test "$(cat "$work/limited.txt")" = old
check test -z "$(find "$work" -name '.lorvex-*')"

# A closed pipe ends the program quietly (status 141, SIGPIPE), as it ends `cat`.
expect_quiet '"$program" "$big" | head -c 10 >/dev/null; test "${PIPESTATUS[0]}" = 141'

# Standard output left non-blocking: waited for, the report comes out whole.
"$program" "$big" >"$work/whole.txt"
python3 -c 'import fcntl, os, sys; fcntl.fcntl(1, fcntl.F_SETFL, os.O_NONBLOCK); os.execv(sys.argv[1], sys.argv[1:])' \
    "$program" "$big" | (sleep 1; cat) >"$work/slow.txt"
check cmp -s "$work/whole.txt" "$work/slow.txt"

# A target path of 4,090 characters, whose temporary name beside it would be too long.
long="$work"
while [ ${#long} -lt 3800 ]; do long="$long/$(printf 'o%.0s' {1..200})"; done
mkdir -p "$long"
long="$long/$(printf 'r%.0s' $(seq $((4090 - ${#long} - 1))))"
expect 0 "$program" --guarantee -o "$long" "$work/system.txt"
check test -s "$long"

# Writable targets that a rename cannot replace are written in place, as `>` would.
if [ "$(id -u)" = 0 ]; then
    mkdir -m 1777 "$work/sticky"
    printf 'old\n' >"$work/sticky/others.txt"
    chmod 666 "$work/sticky/others.txt"
    expect 0 as_user "$program" --guarantee -o "$work/sticky/others.txt" "$work/system.txt"
    check test "$(stat -c %U "$work/sticky/others.txt")" = root
    check test "$(wc -l <"$work/sticky/others.txt")" = 4
    printf 'old\n' >"$work/mounted.txt"
    if mount --bind "$work/log.txt" "$work/mounted.txt" 2>/dev/null; then
        expect 0 "$program" --guarantee -o "$work/mounted.txt" "$work/system.txt"
        check test "$(wc -l <"$work/log.txt")" = 4
        umount "$work/mounted.txt"
    fi
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
