#!/usr/bin/env bash
# Builds the Debian package lorvex_<version>_<arch>.deb in build-pkg/ (Release, prefix /usr).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-$root/build-pkg}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DLORVEX_BUILD_TESTS=OFF -DLORVEX_BUILD_BENCH=OFF >/dev/null
cmake --build "$folder" -j "$(nproc)"
(cd "$folder" && cpack -G DEB >/dev/null)
ls "$folder"/lorvex_*.deb
