#!/usr/bin/env bash
# Configures and builds into build/ (or $KX7Q_BUILD_DIR): everything, or only
# the targets named as arguments.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KX7Q_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
