#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format makes
# of it with the repository's .clang-format: scripts/check-format.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "format: every C++ file as clang-format writes it"
