#!/usr/bin/env bash
# Installs what the build needs and builds everything (Release) into KTR_BUILD_DIR or build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KTR_BUILD_DIR:-$root/build}"
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$(nproc)"
