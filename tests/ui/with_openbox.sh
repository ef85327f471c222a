#!/usr/bin/env bash
# Runs a command on a fresh virtual X display with the openbox window manager, as on a desktop,
# and removes both afterwards:  with_openbox.sh <command> [arguments...]
set -euo pipefail
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || { echo "with_openbox.sh: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
openbox_pid=
cleanup() {
    [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the given descriptor.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "with_openbox.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

# A private home, so that no user configuration changes how openbox behaves.
HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
openbox_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" ||
    { echo "with_openbox.sh: openbox did not start" >&2; cat "$work/openbox.log" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$@"
