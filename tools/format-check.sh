#!/usr/bin/env bash
# Fails when a C or C++ file of the tree is not as clang-format (.clang-format) writes it.
# With --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.c' '*.h' '*.cpp' '*.hpp')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files as .clang-format writes them"
