#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package with CPack;
# prints the package's path: scripts/package.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/setup.sh" >&2
build_dir="$("$root/scripts/build.sh")"

rm -f "$build_dir"/package/velmar_*.deb
(cd "$build_dir" && cpack -G DEB -B "$build_dir/package" >&2)
ls "$build_dir"/package/velmar_*.deb
