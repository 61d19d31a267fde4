#!/usr/bin/env bash
# Installs what is needed, builds, and starts the program on the bundled demo devices.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${SKIP_DEPS:-}" = 1 ] || bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
demo="$PWD/$BUILD_DIR/demo-devices"
devices=""
if [ -d "$demo" ]; then
  for d in "$demo"/*/; do devices="${devices:+$devices:}${d%/}"; done
fi
export HANDOVER_DEVICES="${HANDOVER_DEVICES:-$devices}"
exec "$BUILD_DIR/bin/corvane-handover"
