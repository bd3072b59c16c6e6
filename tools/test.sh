#!/usr/bin/env bash
# Builds everything with warnings as errors, checks the formatting, and runs the whole test
# suite. It shares build-ci with tools/example.sh, so nothing built there is built again.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/format-check.sh
cmake --workflow --preset ci
