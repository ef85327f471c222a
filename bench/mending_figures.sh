#!/usr/bin/env bash
# The figures of lorvex-build --plug, --trim and --rows-at-most in the README: record coverings
# with rows removed or random rows mixed in, and budgets against random and greedy systems.
# usage: bench/mending_figures.sh BUILD_DIR SYSTEMS_DIR (SYSTEMS_DIR holds C12_6_5_132.txt and
# C15_6_5_578.txt, record coverings as published)
set -eu
build=$1 systems=$2
program=$build/bin/lorvex-build
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CACHE_HOME="$work/cache"  # measured without earlier results

random_rows() {  # COUNT V SEED: rows of six random numbers out of 1..V
    python3 -c "import random,sys; r=random.Random($3)
for _ in range($1): print(' '.join('%02d' % n for n in sorted(r.sample(range(1, $2 + 1), 6))))"
}

summary() {  # the first line lorvex-build writes on standard error, and its exit status
    "$program" "$@" --seconds 10 >"$work/out" 2>"$work/err" && status=0 || status=$?
    echo "  $(grep -v "^lorvex-build: System auf" "$work/err" | head -1) (Status $status, $(wc -l <"$work/out") Reihen)"
}

for plan in "C12_6_5_132 5 10" "C15_6_5_578 5 20"; do
    set -- $plan
    sed "11,$((10 + $3))d" "$systems/$1.txt" >"$work/removed.txt"
    echo "--plug, $1 ohne $3 Reihen:"
    summary --plug "$work/removed.txt" --guarantee "$2"
    { cat "$systems/$1.txt"; random_rows 20 "${1:1:2}" 1; } >"$work/mixed.txt"
    echo "--trim, $1 und 20 zufällige Reihen:"
    summary --trim "$work/mixed.txt" --guarantee "$2"
done
random_rows 20 12 2 >"$work/random.txt"
echo "--plug, 20 zufällige Reihen, 12 Zahlen, 4 wenn 5 (aus dem Nichts: siehe zweite Zeile):"
summary --plug "$work/random.txt" --guarantee 4 --if 5
summary --numbers 12 --guarantee 4 --if 5
"$program" --numbers 49 --guarantee 3 --if 6 --seconds 20 >"$work/l49.txt" 2>/dev/null
sed '1,30d' "$work/l49.txt" >"$work/l49r.txt"
echo "--plug, 6 aus 49, 3 wenn 6, ein System von $(wc -l <"$work/l49.txt") Reihen ohne 30:"
summary --plug "$work/l49r.txt" --guarantee 3 --if 6
for budget in "12 5 6 20" "14 4 5 15" "13 3 4 4" "15 3 3 20" "12 4 5 8"; do
    set -- $budget
    echo "--rows-at-most $4, $1 Zahlen, $2 wenn $3:"
    summary --numbers "$1" --guarantee "$2" --if "$3" --rows-at-most "$4"
    python3 "$here/budget_baselines.py" "$1" "$2" "$3" "$4" "$work/out" | sed 's/^/  /'
done
