#!/usr/bin/env bash
# Configures and builds into a build folder: scripts/build.sh [--sanitize]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

build_dir="$root/build"
extra=()
if [[ "${1:-}" == "--sanitize" ]]; then
    build_dir="$root/build-sanitize"
    extra=(-DVELMAR_SANITIZE=ON -DVELMAR_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug)
fi

cmake -S "$root" -B "$build_dir" -G Ninja "${extra[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
echo "$build_dir"
