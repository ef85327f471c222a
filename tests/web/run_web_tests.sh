#!/usr/bin/env bash
# Runs the web page's browser tests against build-web/lorvex.html (made by scripts/build-web.sh).
# usage: tests/web/run_web_tests.sh [LORVEX_REPORT]   (default build/bin/lorvex-report)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
report="${1:-$root/build/bin/lorvex-report}"
[ -f "$root/build-web/lorvex.html" ] || { echo "Missing build-web/lorvex.html: run scripts/build-web.sh" >&2; exit 1; }
[ -x "$report" ] || { echo "Missing $report: build lorvex-report first" >&2; exit 1; }
# Debian's Selenium belongs to Debian's Python, whatever python3 comes first in PATH; no
# bytecode files are left in the source tree.
export PYTHONDONTWRITEBYTECODE=1
exec /usr/bin/python3 "$root/tests/web/web_page_test.py" \
    "$root/build-web/lorvex.html" "$report" "$root/resources/examples"
