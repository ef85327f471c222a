#!/usr/bin/env bash
# Installs the Debian 12 packages Lorvex needs to build, test and run; quiet when all are there.
# With --web: those the web page needs instead (scripts/build-web.sh and tests/web/).
set -euo pipefail

desktop_packages=(
    g++ cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libpng-dev zlib1g-dev
    qt6-base-dev libgl-dev libxcb1-dev qt6-translations-l10n
    xvfb xauth openbox x11-utils wmctrl locales
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

# The tests also run in this locale, as on a German desktop.
german_locale=de_DE.UTF-8

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
has_german_locale() { locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; }
[ ${#missing[@]} -eq 0 ] && has_german_locale && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || {
        echo "Please run as root: install ${missing[*]:-nothing}, generate $german_locale" >&2
        exit 1
    }
    as_root=(sudo)
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! has_german_locale; then
    echo "Generating the locale $german_locale"
    if grep -q "^# *$german_locale UTF-8" /etc/locale.gen; then
        "${as_root[@]}" sed -i "s/^# *\($german_locale UTF-8\)/\1/" /etc/locale.gen
    elif ! grep -q "^$german_locale UTF-8" /etc/locale.gen; then
        echo "$german_locale UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${as_root[@]}" locale-gen >/dev/null
fi
