#!/usr/bin/env bash
# builder/ in layers: a folder includes only the folders before it in this list (and core/).
set -u
root=$1
layers=(design search orbits constructions systems job)
failures=0
for ((i = 0; i < ${#layers[@]}; i++)); do
    for ((j = i + 1; j < ${#layers[@]}; j++)); do
        if grep -rn "#include \"builder/${layers[j]}/" "$root/builder/${layers[i]}"; then
            echo "FAIL: builder/${layers[i]} includes builder/${layers[j]}, a layer above it"
            failures=$((failures + 1))
        fi
    done
done
[ "$failures" = 0 ] && echo "builder layers hold"
exit $((failures > 0))
