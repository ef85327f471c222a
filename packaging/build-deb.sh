#!/usr/bin/env bash
# Builds the Debian package lorvex_<version>_<arch>.deb in build-pkg/ (Release, prefix /usr),
# with the distribution's build flags (all hardening on) and the web page inside.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-$root/build-pkg}
"$root/scripts/install-deps.sh"
"$root/scripts/build-web.sh"

# CMake reads the flags from the environment on the first configure only: start afresh.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CFLAGS CXXFLAGS LDFLAGS
rm -f "$folder/CMakeCache.txt"
cmake -S "$root" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DLORVEX_BUILD_TESTS=OFF -DLORVEX_BUILD_BENCH=OFF \
    -DCMAKE_STRIP="$root/packaging/strip-for-package.sh" \
    -DLORVEX_WEB_PAGE="$root/build-web/lorvex.html" >/dev/null
cmake --build "$folder" -j "${LORVEX_JOBS:-$(nproc)}"
(cd "$folder" && cpack -G DEB >/dev/null)
ls "$folder"/lorvex_*.deb
