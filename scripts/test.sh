#!/usr/bin/env bash
# Builds everything twice, plainly and with AddressSanitizer + UndefinedBehaviorSanitizer, and
# runs every test in both builds. Qt window tests run on Qt's offscreen platform, one of them also
# under the openbox window manager on a virtual X display. The tests labelled "locale" (numbers,
# reports, commands, windows) run once more in a German locale, as on a German desktop. The web
# page is built with emscripten and driven in headless Chromium. Then the libFuzzer targets are
# built with clang and each runs for a bounded number of inputs. Warnings are errors here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc)

run_build() {
    local folder=$1; shift
    cmake -S "$root" -B "$folder" -G Ninja -DLORVEX_WERROR=ON "$@" >/dev/null
    cmake --build "$folder" -j "$jobs"
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$folder" -j "$jobs" --output-on-failure
}

german_pass() {
    local folder=$1
    LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen \
        ctest --test-dir "$folder" -j "$jobs" -L locale --output-on-failure
}

echo "== Release build and tests"
run_build "$root/build" -DCMAKE_BUILD_TYPE=Release
echo "== Release tests in a German locale (LANG=de_DE.UTF-8)"
german_pass "$root/build"
echo "== Web page (emscripten) and its tests in headless Chromium"
"$root/scripts/build-web.sh"
"$root/tests/web/run_web_tests.sh" "$root/build/bin/lorvex-report"
echo "== Sanitizer build (ASan + UBSan) and tests"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan_suppressions.txt
run_build "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DLORVEX_SANITIZE=ON -DLORVEX_BUILD_BENCH=OFF
echo "== Sanitizer tests in a German locale"
german_pass "$root/build-sanitize"
echo "== Fuzz targets (clang, libFuzzer): the kept corpus and a bounded number of new inputs"
cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DLORVEX_FUZZ=ON -DLORVEX_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-fuzz" --target lorvex_fuzzers -j "$jobs"
ctest --test-dir "$root/build-fuzz" -j "$jobs" --output-on-failure
