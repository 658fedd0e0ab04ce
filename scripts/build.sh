#!/usr/bin/env bash
# Configures and builds into a build folder and prints its path:
# scripts/build.sh [--sanitize]
# VELMAR_WERROR=ON in the environment turns warnings into errors, as CI builds.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

build_dir="$root/build"
extra=(-DVELMAR_WERROR="${VELMAR_WERROR:-OFF}")
if [[ "${1:-}" == "--sanitize" ]]; then
    build_dir="$root/build-sanitize"
    extra+=(-DVELMAR_SANITIZE=ON -DVELMAR_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug)
fi

# Progress and compiler messages go to stderr; stdout names the build folder.
cmake -S "$root" -B "$build_dir" -G Ninja "${extra[@]}" >&2
cmake --build "$build_dir" -j "$(nproc)" >&2
echo "$build_dir"
