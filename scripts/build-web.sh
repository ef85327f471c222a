#!/usr/bin/env bash
# Builds the web page: core/ and report/ with emscripten into build-web/, then one offline file
# build-web/lorvex.html with the WebAssembly, the scripts and the styles inside.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --web

# Debian's emscripten runs its JavaScript tools with node and finds their modules (acorn) in
# /usr/share/nodejs, which a node from elsewhere does not search by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

emcmake cmake -S web -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-web -j"${LORVEX_JOBS:-2}"
python3 web/inline_page.py \
    --template web/lorvex.html --css web/lorvex.css \
    --page-js web/page/text.js web/page/engine.js web/page/tables.js web/page/charts.js \
              web/page/commands.js web/page/questions.js web/page/build.js \
              web/page/main.js \
    --worker-js web/lorvex_worker.js \
    --engine-js build-web/lorvex_engine.js --wasm build-web/lorvex_engine.wasm \
    --output build-web/lorvex.html
