#!/usr/bin/env bash
# Installs what the build needs, builds everything and runs every test (offscreen).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KTR_BUILD_DIR:-$root/build}"
bash "$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j"$(nproc)"
