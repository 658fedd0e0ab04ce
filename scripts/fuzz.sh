#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time:
# scripts/fuzz.sh [seconds per target, default 30]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-30}"
build_dir="$root/build-fuzz"

"$root/scripts/setup.sh"
CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMAR_BUILD_FUZZERS=ON -DVELMAR_BUILD_UI=OFF -DVELMAR_BUILD_TESTS=OFF \
    -DVELMAR_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

passed=0
for target in "$build_dir"/fuzz/*_fuzzer; do
    name="$(basename "$target")"
    corpus="$build_dir/corpus/$name"
    mkdir -p "$corpus"
    echo "Fuzzing $name for ${seconds}s"
    (cd "$build_dir" && "$target" "$corpus" -max_total_time="$seconds" -max_len=4096 \
        -timeout=10 -rss_limit_mb=4096 -print_final_stats=0 2>&1 | tail -n 3)
    # libFuzzer exits non-zero on any finding; pipefail carries it out.
    passed=$((passed + 1))
done
echo "fuzz: $passed passed, 0 failed"
