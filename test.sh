#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export NODE_PATH="$PWD/build-node/node_modules"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
scripts/fuzz.sh
