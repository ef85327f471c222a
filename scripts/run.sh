#!/usr/bin/env bash
# Builds Lorvex (Release) and starts the desktop program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" --target lorvex lorvex-report lorvex-build lorvex_resources
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Lorvex ist gebaut, aber es gibt keine grafische Anzeige (DISPLAY ist nicht gesetzt)." >&2
    echo "Starten Sie es in einer Desktop-Sitzung: $root/build/bin/lorvex" >&2
    echo "oder ohne Bildschirm in einem virtuellen X-Server: xvfb-run -a $root/build/bin/lorvex" >&2
    exit 1
fi
exec "$root/build/bin/lorvex"
