#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velmar.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/setup.sh"
build_dir="$("$root/scripts/build.sh")"

if [[ -x "$build_dir/app/velmar/velmar" && ( -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ) ]]; then
    exec "$build_dir/app/velmar/velmar"
fi
echo "No display: printing the report of examples/shelf-brackets.txt with velmar-batch instead."
exec "$build_dir/app/batch/velmar-batch" "$root/examples/shelf-brackets.txt"
