#!/usr/bin/env bash
# Builds the converter and prints the keyword file of the bundled example deck.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null
build/cli/qalt2morv convert examples/aes_crude_preheat.deck
