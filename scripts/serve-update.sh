#!/usr/bin/env bash
# Serves data/update/ on http://127.0.0.1:8765/, the update address of the
# shipped option.cfg, so Help > "Check for Update" has a server to ask.
# Builds the server into ./build (or $BUILD_DIR) first.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
[ -f "$BUILD_DIR/CMakeCache.txt" ] || cmake -S . -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" --target update_server >/dev/null
exec "$BUILD_DIR/tools/update_server/update_server" --port "${UPDATE_PORT:-8765}" "${1:-data/update}"
