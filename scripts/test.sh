#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test (GUI tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${SKIP_DEPS:-}" = 1 ] || bash scripts/install-deps.sh
bash scripts/build.sh "$@"
BUILD_DIR=${BUILD_DIR:-build}
cd "$BUILD_DIR"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j "$(nproc)"
