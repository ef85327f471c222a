#!/usr/bin/env bash
# The table of lorvex-build results for the README: for each request the rows built, the best
# published size beside them, the seconds and the peak memory. Every system is checked apart
# from lorvex-build by lorvex-report --coverage (the analysis engine), which must find the
# guarantee in all draws; a hole fails the script.
#
#   bench/build_table.sh BUILD_DIR [SECONDS]     (default 30 seconds per request)
set -u
build=${1:?build folder}
seconds=${2:-30}
builder=$build/bin/lorvex-build
reporter=$build/bin/lorvex-report
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
holes=0

# Builds "T if K" on V numbers for S seconds; prints "rows|seconds|KB" or "HOLE".
measure() {
    local v=$1 t=$2 k=$3 s=$4
    /usr/bin/time -f '%e %M' -o "$work/time" \
        "$builder" --numbers "$v" --guarantee "$t" --if "$k" --seconds "$s" -o "$work/system.txt" \
        2>"$work/err" || { echo "FEHLER"; holes=$((holes + 1)); return; }
    # "  mindestens ein 4er:  792 von  792 Ziehungen" must name the same count twice.
    local line
    line=$("$reporter" --coverage --only "$k" "$work/system.txt" | grep "mindestens ein ${t}er")
    read -r reached total <<<"$(sed -E 's/.*: *([0-9]+) von *([0-9]+).*/\1 \2/' <<<"$line")"
    local highest
    highest=$(tr ' ' '\n' <"$work/system.txt" | sort -n | tail -1)
    if [ "$reached" != "$total" ] || [ "$((10#$highest))" != "$v" ]; then
        echo "LOCH"; holes=$((holes + 1)); return  # or a number missing: it would not load as V
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
echo "| V | 3 wenn 3 | 4 wenn 4 | 5 wenn 5 |"
echo "|---|---|---|---|"
for v in 9 10 11 12 13 14 15 16 18 20 22; do
    read -r -a records <<<"${best[$v]}"
    row="| $v |"
    for t in 3 4 5; do
        IFS='|' read -r rows elapsed memory <<<"$(measure "$v" "$t" "$t" "$seconds")"
        row+=" $rows (${records[$((t - 3))]}) ${elapsed} s, $((memory / 1024)) MB |"
    done
    echo "$row"
done
echo
echo "| Anfrage | Reihen | beste bekannte | Sekunden | Speicher |"
echo "|---|---|---|---|---|"
lotto() {
    local v=$1 t=$2 k=$3 s=$4 known=$5
    IFS='|' read -r rows elapsed memory <<<"$(measure "$v" "$t" "$k" "$s")"
    echo "| $t wenn $k, $v Zahlen | $rows | $known | $elapsed | $((memory / 1024)) MB |"
}
lotto 9 3 4 "$seconds" 3
lotto 9 5 6 "$seconds" 7
for v in 10 11 12 13; do lotto "$v" 3 6 "$seconds" 2; done
lotto 49 3 6 60 163
[ "$holes" = 0 ] || { echo "$holes Systeme mit Loch oder Fehler"; exit 1; }
