#!/usr/bin/env bash
# Installs the Debian 12 packages Lorvex needs to build, test and run; quiet when all are there.
# With --web: those the web page needs instead (scripts/build-web.sh and tests/web/).
set -euo pipefail

desktop_packages=(
    g++ cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libpng-dev zlib1g-dev
    qt6-base-dev libgl-dev qt6-translations-l10n
    xvfb xauth
    clang libclang-rt-dev
    dpkg-dev desktop-file-utils appstream lintian groff-base man-db
)
web_packages=(
    emscripten cmake ninja-build python3
    chromium chromium-driver python3-selenium
)

case "${1:-}" in
    "") packages=("${desktop_packages[@]}") ;;
    --web) packages=("${web_packages[@]}") ;;
    *) echo "usage: $0 [--web]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
