#!/usr/bin/env bash
# Every C++ source is formatted as the root .clang-format says; prints the files that are not.
set -u
root=$1
command -v clang-format >/dev/null || { echo "clang-format is not installed"; exit 77; }
cd "$root" || exit 1
mapfile -t sources < <(find app bench builder cli core report tests tools ui web -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
unformatted=()
for source in "${sources[@]}"; do
    clang-format --dry-run --Werror "$source" >/dev/null 2>&1 || unformatted+=("$source")
done
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "Not formatted with clang-format (run clang-format -i on them):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "${#sources[@]} sources formatted"
