#!/usr/bin/env bash
# The table of lorvex-build results for the README: for each request the rows built, the best
# published size beside them, the seconds and the peak memory. Every system is checked apart
# from lorvex-build by lorvex-report --coverage (the analysis engine), which must find the
# guarantee in all draws; a hole fails the script.
#
#   bench/build_table.sh BUILD_DIR [SECONDS] [TABLES]
#
# SECONDS (default 30) is for the coverings up to 22 numbers and the small lotto designs;
# TABLES is "all" (default), "coverings" or "lotto": the lotto designs at their best published
# sizes and on the numbers in between, each with its own seconds (45, and 60 from 24 numbers
# on); the script fails where fewer numbers took more rows than more numbers did.
set -u
build=${1:?build folder}
seconds=${2:-30}
tables=${3:-all}
builder=$build/bin/lorvex-build
reporter=$build/bin/lorvex-report
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
holes=0

# Builds "T if K" on V numbers for S seconds; prints "rows|seconds|KB", or "LOCH" or "FEHLER"
# (counted by the caller: this runs in a subshell).
measure() {
    local v=$1 t=$2 k=$3 s=$4
    /usr/bin/time -f '%e %M' -o "$work/time" \
        "$builder" --numbers "$v" --guarantee "$t" --if "$k" --seconds "$s" --no-cache \
        -o "$work/system.txt" \
        2>"$work/err" || { echo "FEHLER"; return; }
    # "  mindestens ein 4er:  792 von  792 Ziehungen" must name the same count twice.
    local line
    line=$("$reporter" --coverage --only "$k" "$work/system.txt" | grep "mindestens ein ${t}er")
    read -r reached total <<<"$(sed -E 's/.*: *([0-9]+) von *([0-9]+).*/\1 \2/' <<<"$line")"
    local highest
    highest=$(tr ' ' '\n' <"$work/system.txt" | sort -n | tail -1)
    if [ "$reached" != "$total" ] || [ "$((10#$highest))" != "$v" ]; then
        echo "LOCH"; return  # or a number missing: it would not load as V
    fi
    read -r elapsed memory <"$work/time"
    echo "$(wc -l <"$work/system.txt")|$elapsed|$memory"
}

# Best published coverings C(V,6,T) (La Jolla Covering Repository) for T = 3, 4, 5.
declare -A best=(
    [9]="7 12 30" [10]="10 20 50" [11]="11 32 100" [12]="15 41 132" [13]="21 66 245"
    [14]="25 80 371" [15]="31 117 578" [16]="38 152 808" [18]="48 236 1530"
    [20]="71 382 2800" [22]="77 580 4659"
)

echo "Maschine: $(nproc) Kerne, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), --seconds $seconds"
echo
count_failure() {
    case $1 in LOCH | FEHLER) holes=$((holes + 1)) ;; esac
}
lotto() {
    local v=$1 t=$2 k=$3 s=$4 known=$5
    IFS='|' read -r rows elapsed memory <<<"$(measure "$v" "$t" "$k" "$s")"
    count_failure "$rows"
    lotto_rows=$rows
    echo "| $t wenn $k, $v Zahlen | $rows | $known | $elapsed | $((${memory:-0} / 1024)) MB |"
}
# A system for V + 1 numbers gives one for V, so fewer numbers must never take more rows.
previous_rows=""
previous_cell=""
more_for_fewer=()
check_fewer_numbers() {
    local cell=$1 rows=$2
    if [[ "$rows" =~ ^[0-9]+$ && "$previous_rows" =~ ^[0-9]+$ ]] && ((previous_rows > rows)); then
        more_for_fewer+=("$previous_cell: $previous_rows Reihen, mehr als $cell mit $rows")
    fi
    previous_rows=$rows
    previous_cell=$cell
}
if [ "$tables" != lotto ]; then
    echo "| V | 3 wenn 3 | 4 wenn 4 | 5 wenn 5 |"
    echo "|---|---|---|---|"
    for v in 9 10 11 12 13 14 15 16 18 20 22; do
        read -r -a records <<<"${best[$v]}"
        row="| $v |"
        for t in 3 4 5; do
            IFS='|' read -r rows elapsed memory <<<"$(measure "$v" "$t" "$t" "$seconds")"
            count_failure "$rows"
            row+=" $rows (${records[$((t - 3))]}) ${elapsed} s, $((${memory:-0} / 1024)) MB |"
        done
        echo "$row"
    done
    echo
    echo "| Anfrage | Reihen | beste bekannte | Sekunden | Speicher |"
    echo "|---|---|---|---|---|"
    lotto 9 3 4 "$seconds" 3
    lotto 9 5 6 "$seconds" 7
    for v in 10 11 12 13; do lotto "$v" 3 6 "$seconds" 2; done
    lotto 49 3 6 60 163
fi
if [ "$tables" != coverings ]; then
    # "T K V:best ..." per line, V rising: the best published sizes (Li and van Rees's lotto
    # design tables, the La Jolla coverings), "-" for the numbers in between; 45 seconds up to
    # 23 numbers, 60 from 24.
    echo
    echo "| Anfrage | Reihen | beste bekannte | Sekunden | Speicher |"
    echo "|---|---|---|---|---|"
    while read -r t k cells; do
        previous_rows=""
        for cell in $cells; do
            v=${cell%%:*}
            lotto "$v" "$t" "$k" "$([ "$v" -ge 24 ] && echo 60 || echo 45)" "${cell#*:}"
            check_fewer_numbers "$t wenn $k, $v Zahlen" "$lotto_rows"
        done
    done <<'CELLS'
3 6 14:4 16:5 18:7 19:- 20:10 21:- 22:15 23:- 24:20 25:22 49:163
4 6 15:19 18:42 19:- 20:66 21:- 22:101 23:- 25:166
5 6 12:38 14:98 16:223 18:471 19:- 20:844
4 5 15:40 18:81 19:- 20:139 21:- 22:189 23:- 24:- 25:334
3 5 17:11 19:- 20:18 21:- 22:22 23:- 24:- 25:34
3 4 17:20 19:- 20:35 21:- 22:46 23:- 24:- 25:68
2 6 49:19
4 4 23:716 24:784 25:992 26:1152
3 3 30:225
CELLS
    echo
    if ((${#more_for_fewer[@]} > 0)); then
        echo "Weniger Zahlen, mehr Reihen:"
        printf '%s\n' "${more_for_fewer[@]}"
    else
        echo "Keine Anfrage braucht mehr Reihen als dieselbe mit mehr Zahlen."
    fi
fi
[ "$holes" = 0 ] || { echo "$holes Systeme mit Loch oder Fehler"; exit 1; }
((${#more_for_fewer[@]} == 0)) || exit 1
